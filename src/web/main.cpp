// Tenrali in a web page: the game folder and the fonts come packed beside the program
// (/game, /fonts); the page's canvas is the window.
#include <emscripten.h>
#include <unistd.h>

#include <cstdio>
#include <ctime>
#include <exception>
#include <string>

#include "app/recorded_play.h"
#include "platform/game_parts.h"
#include "platform/game_window.h"
#include "platform/message_box.h"
#include "web/page_loop.h"

using namespace tenrali;

namespace {

const TForm1* game = nullptr;

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

}  // namespace

// For the page's own script and its test: 1 while nothing runs and the page waits for the player.
extern "C" EMSCRIPTEN_KEEPALIVE int tenrali_idle() { return game && !game->anyTimerEnabled() ? 1 : 0; }

int main(int argc, char** argv) {
  configureSdl();
  // Keys stay the page's (reload, scrolling): the game takes none.
  SDL_SetHint(SDL_HINT_EMSCRIPTEN_KEYBOARD_ELEMENT, "#canvas");
  if (chdir("/game") != 0 || SDL_Init(SDL_INIT_VIDEO | SDL_INIT_TIMER) != 0) {
    reportError(std::string("cannot start: ") + SDL_GetError(), nullptr);
    return 1;
  }
  try {
    // Everything lives as long as the page: the browser keeps calling into it after main returns.
    auto* parts = new GameParts(argv[0], seedFrom(argc, argv));
    parts->form.screen().setWarningSink([](const std::string& line) { std::fprintf(stderr, "%s\n", line.c_str()); });
    auto* window = new GameWindow("Ｔｅｎｒａｌｉ", 0, 0, kWindowWidth, kWindowHeight, 1);
    auto* loop = new EventLoop(parts->form, parts->fonts, parts->pictures, *window);
    loop->setWarningSink([](const std::string& line) { std::fprintf(stderr, "%s\n", line.c_str()); });
    game = &parts->form;
#ifdef TENRALI_WEB_ASYNCIFY
    // Only to measure the other way (BENCHMARKS.md): the window's own loop, its waits made the
    // browser's by ASYNCIFY.
    loop->showFirstFrame();
    return loop->run();
#else
    (new PageLoop(parts->form, *loop))->start();
#endif
  } catch (const std::exception& e) {
    reportError(e.what(), nullptr);
    return 1;
  }
  return 0;
}
