// Tenrali: the game in its window.
#include <malloc.h>

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <exception>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#ifdef TENRALI_FIRST_FRAME_PROBE
#include <time.h>
#endif

#include "app/recorded_play.h"
#include "data/quoted.h"
#include "platform/event_loop.h"
#include "platform/game_parts.h"
#include "platform/game_window.h"
#include "platform/icon_size.h"
#include "platform/message_box.h"
#include "platform/png_reader.h"
#include "platform/read_aloud.h"
#include "platform/save_keeper.h"
#include "platform/sound_player.h"
#include "platform/speech_service.h"
#include "platform/standard_streams.h"
#include "storage/folder_lock.h"
#include "storage/settings.h"
#include "storage/user_folders.h"
#include "usage.h"

using namespace tenrali;

namespace {

// Where the window first stands on the screen, and its caption.
constexpr int kWindowLeft = 98;
constexpr int kWindowTop = 80;
const char kCaption[] = "Ｔｅｎｒａｌｉ";

int scaleForDisplay(const Settings& settings) {
  SDL_Rect usable{0, 0, 0, 0};
  if (SDL_GetDisplayUsableBounds(0, &usable) != 0) return 1;
  float dpi = 0;
  if (SDL_GetDisplayDPI(0, &dpi, nullptr, nullptr) != 0) dpi = 0;
  const ScaleChoice choice = chooseScale(std::getenv("TENRALI_SCALE"), usable.w, usable.h, dpi, kWindowWidth,
                                         kWindowHeight, settings.number("scale", 0, 0, 8));
  if (!choice.note.empty()) std::fprintf(stderr, "%s\n", choice.note.c_str());
  return choice.scale;
}

// The icon with its transparency (icon.png) where there is one, else the plain icon.bmp.
[[maybe_unused]] void setWindowIcon(GameWindow& window, FileSource& files, PictureStore& pictures) {
  std::string bytes, error;
  Image withAlpha;
  if (files.read("icon.png", bytes, error) && decodePng(bytes, withAlpha, error, true))
    window.setIcon(iconOfSaneSize(withAlpha), true);
  else if (const Image* icon = pictures.image("icon.bmp"))
    window.setIcon(iconOfSaneSize(*icon));
}

struct Options {
  const char* replay = nullptr;  // a recorded game to play in the window first
  int speed = 1;
  const char* answer = nullptr;  // --help or --version: what to print instead of playing
};

// tenrali [--replay SCRIPT [--speed N]] | --help | --version; false after a usage message.
bool readOptions(int argc, char** argv, Options& o) {
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    try {
      if (arg == "--replay" && i + 1 < argc) o.replay = argv[++i];
      else if (arg == "--speed" && i + 1 < argc) o.speed = static_cast<int>(playNumber(argv[++i], 1, 1000));
      else if (arg == "--help") o.answer = usage::kHelp;
      else if (arg == "--version") o.answer = usage::kVersion;
      else throw PlayError{"unknown argument " + quoted(arg)};
    } catch (const PlayError& e) {
      std::fprintf(stderr, "tenrali: %s\n%s%s", e.what(), usage::kUsage, usage::kMore);
      return false;
    }
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  keepStandardStreamsTaken();
  Options options;
  if (!readOptions(argc, argv, options)) return 2;
  if (options.answer) return std::fputs(options.answer, stdout) >= 0 && std::fflush(stdout) == 0 ? 0 : 1;
  std::optional<Replay> replay;
  if (options.replay) {
    try {
      replay.emplace(options.replay, options.speed);
    } catch (const PlayError& e) {
      std::fprintf(stderr, "tenrali: %s\n", e.what());
      return 2;
    }
  }
  // Scene pictures and their files come and go in blocks of about a megabyte: each straight from
  // the system and back to it when freed, none left as a hole in the heap.
  mallopt(M_MMAP_THRESHOLD, 128 * 1024);
  // SDL switches the process to the user's locale and back while it opens the X input method;
  // in that locale from the start, the switch changes nothing under the helper thread's feet.
  std::setlocale(LC_ALL, "");
  configureSdl();
  // The game is built on a helper thread while SDL connects to the display; a data file that
  // cannot be read is told before the window shows.
  auto pending = buildGameParts(argv[0], static_cast<std::uint32_t>(std::time(nullptr)));
  try {
    startVideo();
  } catch (const std::exception& e) {
    std::fprintf(stderr, "tenrali: %s\n", e.what());
    return 1;
  }
  // One window at a time keeps the player's game (a replay keeps nothing): a second start, from
  // a launcher clicked twice, says so and goes instead of saving over the first window's game.
  const std::string folder = saveFolder();
  std::optional<FolderLock> saveLock;
  if (!replay) {
    saveLock.emplace(folder);
    if (saveLock->heldElsewhere()) {
      reportError("the game is already open in another window, which keeps the game in " + quoted(folder, 200) +
                  "; play on there", nullptr);
      SDL_Quit();
      return 1;
    }
  }

  std::unique_ptr<GameWindow> window;
  int status = 1;
  try {
    std::unique_ptr<GameParts> game = takeGameParts(std::move(pending));
    auto warn = [](const std::string& line) { std::fprintf(stderr, "%s\n", line.c_str()); };
    game->form.screen().setWarningSink(warn);
    if (!game->settings.problem().empty()) warn("tenrali: " + game->settings.takeProblem());

    window = std::make_unique<GameWindow>(kCaption, kWindowLeft, kWindowTop, kWindowWidth, kWindowHeight,
                                          scaleForDisplay(game->settings));
    if (game->settings.flag("fullscreen", false)) window->setFullScreen(true);
    EventLoop loop(game->form, game->contentAt(window->scale()), *window, &game->sound);
    loop.setWarningSink(warn);
    loop.setSettings(&game->settings);
    if (replay) loop.setReplay(&*replay);
    loop.showFirstFrame();
    // Read-aloud, once the player sees the window: the speech service is reached only when it
    // is wanted; without one the menu's entry is greyed. Its wake-up has an event type of its
    // own: the sound player has one too.
    const Uint32 speechReached = SDL_RegisterEvents(1);
    SpeechService speech([speechReached] {
      if (speechReached == static_cast<Uint32>(-1)) return;
      SDL_Event reached{};  // wakes the loop to start reading
      reached.type = speechReached;
      SDL_PushEvent(&reached);
    });
    ReadAloud readAloud(speech);
    loop.setReadAloud(&readAloud, &speech);
#ifdef TENRALI_FIRST_FRAME_PROBE
    // The start-up benchmark's build: say when the first picture reached the display, and end.
    timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    std::printf("first-frame %lld\n", static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
    std::fflush(stdout);
    status = 0;
#else
    if (game->settings.flag("read-aloud", false)) loop.turnReadAloud(true);
    else if (!SpeechService::available()) loop.setReadAloudAvailable(false);
    setWindowIcon(*window, game->files, game->pictures);
    // The player's game is kept between runs; a replay is a film of another game and keeps nothing.
    std::optional<SaveKeeper> keeper;
    if (!replay) {
      SDL_Window* parent = window->sdl();
      keeper.emplace(game->form, folder, [parent](const std::string& line) { reportWarning(line, parent); });
      keeper->start();
      loop.setSaveKeeper(&*keeper);
    }
    // The sound device is opened and the music read only once the first frame is on screen.
    game->sound.start();
    status = loop.run();
#endif
  } catch (const std::exception& e) {
    reportError(e.what(), window ? window->sdl() : nullptr);
    status = 1;
  }
  window.reset();
  SDL_Quit();
  return status;
}
