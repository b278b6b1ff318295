// Tenrali in a web page: the game folder and the fonts come packed beside the program
// (/game, /fonts), the saved game and the settings live in the browser's storage (/save); the
// page's canvas is the window. The sounds come later (web/page_sound.h).
#include <emscripten.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <exception>
#include <string>

#include "app/recorded_play.h"
#include "platform/game_parts.h"
#include "platform/game_window.h"
#include "platform/message_box.h"
#include "platform/save_keeper.h"
#include "web/page_loop.h"
#include "web/page_sound.h"
#include "web/save_store.h"

using namespace tenrali;

namespace {

const TForm1* game = nullptr;
const SoundPlayer* sound = nullptr;
std::uint32_t seed = 0;
char* program = nullptr;

// The page's script may ask for a seed (?seed=N) so that a game goes as a recorded one does.
std::uint32_t seedFrom(int argc, char** argv) {
  for (int i = 1; i + 1 < argc; ++i)
    if (std::string(argv[i]) == "--seed") {
      try {
        return static_cast<std::uint32_t>(playNumber(argv[i + 1], 0, 4294967295LL));
      } catch (const PlayError&) {
      }
    }
  return static_cast<std::uint32_t>(std::time(nullptr));
}

void warn(const std::string& line) { std::fprintf(stderr, "%s\n", line.c_str()); }

}  // namespace

// For the page's own script and its test: 1 while nothing runs and the page waits for the player.
extern "C" EMSCRIPTEN_KEEPALIVE int tenrali_idle() { return game && !game->anyTimerEnabled() ? 1 : 0; }

// For the page's test: the piece of music playing (its number; 0 for none or no sound yet).
extern "C" EMSCRIPTEN_KEEPALIVE int tenrali_music() {
  return sound && sound->deviceOpen() ? static_cast<int>(sound->loadedMusic()) : 0;
}

// The game itself, once the browser has handed back the saved game.
extern "C" EMSCRIPTEN_KEEPALIVE void tenrali_start() {
  try {
    // Everything lives as long as the page: the browser keeps calling into it after this returns.
    auto* parts = new GameParts(program, seed);
    parts->form.screen().setWarningSink(warn);
    auto* window = new GameWindow("Ｔｅｎｒａｌｉ", 0, 0, kWindowWidth, kWindowHeight, 1);
    auto* loop = new EventLoop(parts->form, parts->fonts, parts->pictures, *window, &parts->sound);
    loop->setWarningSink(warn);
    // A saved game that cannot be read or written is told in the page's own message box.
    auto* keeper = new SaveKeeper(parts->form, kWebSaveFolder, [](const std::string& line) { reportWarning(line, nullptr); });
    keeper->start();
    loop->setSaveKeeper(keeper);
    game = &parts->form;
    sound = &parts->sound;
#ifdef TENRALI_WEB_ASYNCIFY
    // Only to measure the other way (BENCHMARKS.md): the window's own loop, its waits made the
    // browser's by ASYNCIFY.
    loop->showFirstFrame();
    loop->run();
#else
    (new PageLoop(parts->form, *loop, *keeper, *new PageSound(parts->sound, parts->files.folder())))->start();
#endif
  } catch (const std::exception& e) {
    reportError(e.what(), nullptr);
  }
}

int main(int argc, char** argv) {
  configureSdl();
  // Keys go to the game while its canvas has the focus (a click on it gives it); elsewhere they
  // stay the page's (reload, scrolling).
  SDL_SetHint(SDL_HINT_EMSCRIPTEN_KEYBOARD_ELEMENT, "#canvas");
  if (chdir("/game") != 0 || SDL_Init(SDL_INIT_VIDEO | SDL_INIT_TIMER) != 0) {
    reportError(std::string("cannot start: ") + SDL_GetError(), nullptr);
    return 1;
  }
  program = argv[0];
  // The settings (music, effects) beside the saved game, kept by the browser too.
  setenv("XDG_CONFIG_HOME", (std::string(kWebSaveFolder) + "/config").c_str(), 1);
  seed = seedFrom(argc, argv);
#ifdef TENRALI_WEB_ASYNCIFY
  tenrali_start();  // the saved game only in memory: this build is for measuring
#else
  loadSaveFolder();  // then tenrali_start()
#endif
  return 0;
}
