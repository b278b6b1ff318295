#include "platform/message_box.h"

#include <cstdio>

namespace tenrali {

void reportError(const std::string& text, SDL_Window* parent) {
  std::fprintf(stderr, "tenrali: %s\n", text.c_str());
  std::fflush(stderr);
  if (SDL_WasInit(SDL_INIT_VIDEO) &&
      SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, "Ｔｅｎｒａｌｉ！！", text.c_str(), parent) != 0)
    std::fprintf(stderr, "tenrali: (the message box could not be shown: %s)\n", SDL_GetError());
}

void reportWarning(const std::string& line, SDL_Window* parent) {
  std::fprintf(stderr, "%s\n", line.c_str());
  std::fflush(stderr);
  const std::string text = line.rfind("tenrali: ", 0) == 0 ? line.substr(9) : line;
  if (SDL_WasInit(SDL_INIT_VIDEO))
    SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_WARNING, "Ｔｅｎｒａｌｉ！！", text.c_str(), parent);
}
}  // namespace tenrali
