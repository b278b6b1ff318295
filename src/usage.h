#pragma once
// What `tenrali --help`, `--version` and a wrong option say: the manual page tenrali(6) in brief.
// The build passes the project's version as TENRALI_VERSION.

namespace tenrali::usage {

inline constexpr char kUsage[] = "usage: tenrali [--replay SCRIPT [--speed 1..1000]]\n";

inline constexpr char kMore[] = "Try \"tenrali --help\" for more.\n";

inline constexpr char kHelp[] =
    "usage: tenrali [--replay SCRIPT [--speed 1..1000]]\n"
    "Tenrali: grow weather fruits, craft accessories and dress the heroine for three contests.\n"
    "The game's menu starts a new game, continues the saved one and quits; everything else\n"
    "is clicked, or keyed: Enter, Space, Y, N, Escape, 1..9, the arrows and Tab move a focus\n"
    "ring; F10 the menu bar, F11 full screen, F12 a screenshot; Ctrl or Shift held hurries a\n"
    "scene. The settings menu holds music, effects, read-aloud, full screen and the size.\n"
    "\n"
    "  --replay SCRIPT  play a tenrali-play script in the window first, a click every 250 ms\n"
    "  --speed N        play the replay N times faster (1..1000, default 1)\n"
    "  --help           print this help and end\n"
    "  --version        print the version and end\n"
    "\n"
    "TENRALI_SCALE=N draws the window N times larger (1..8).\n"
    "The data files and pictures are read from the working folder when it holds tenki.dat,\n"
    "otherwise from the game's installed folder.\n"
    "Exit status: 0 when ended from the menu or the window, 1 without a display or with a\n"
    "broken data file, 2 for a wrong option or replay script. More in tenrali(6).\n";

inline constexpr char kVersion[] = "tenrali " TENRALI_VERSION "\n";

}  // namespace tenrali::usage
