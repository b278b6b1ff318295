#pragma once
// What `tenrali-play --help`, `--version` and a wrong option say: the manual page
// tenrali-play(6) in brief. The build passes the project's version as TENRALI_VERSION.

namespace tenrali::usage {

inline constexpr char kUsage[] = "usage: tenrali-play [--seed N] [--save-dir DIR] [--sound-log] [SCRIPT]\n";

inline constexpr char kMore[] = "Try \"tenrali-play --help\" for more.\n";

inline constexpr char kHelp[] =
    "usage: tenrali-play [--seed N] [--save-dir DIR] [--sound-log] [SCRIPT]\n"
    "Plays Tenrali without a window: one command a line from SCRIPT or standard input,\n"
    "each question answered with one line of JSON.\n"
    "\n"
    "  --seed N    seed the random numbers (0..4294967295; default: the clock)\n"
    "  --save-dir DIR  autosave into DIR and continue from it, as the window does\n"
    "              (without it no saved game is read or written on its own)\n"
    "  --sound-log print each sound cue as it comes: {\"sound\":\"music title\"}\n"
    "  --help      print this help and end\n"
    "  --version   print the version and end\n"
    "\n"
    "Commands: menu new|continue|quit, click ELEMENT, clickat X Y, key NAME (Return, Space,\n"
    "Escape, Y, N, 1..9, Tab, Shift+Tab, Left, Right, Up, Down), tick [N], seed N,\n"
    "set FIELD VALUE, state, element NAME, visible, message, screenshot FILE.png|FILE.bmp,\n"
    "save FILE, load FILE, sounds (the sound cues since last asked)\n"
    "Exit status: 0 at the end of the script or on \"menu quit\", 2 for a wrong option,\n"
    "command or data file. More in tenrali-play(6).\n";

inline constexpr char kVersion[] = "tenrali-play " TENRALI_VERSION "\n";

}  // namespace tenrali::usage
