#include "platform/game_parts.h"

#include <cstdio>

namespace tenrali {

GameParts::GameParts(const char* program, std::uint32_t seed)
    : files(findGameFolder(program)),
      pictures(files),
      scaledPictures(pictures, files),
      form({fonts, pictures, files}, seed),
      settings(loadUserSettings()),
      sound(files.folder(), settings, [](const std::string& line) { std::fprintf(stderr, "%s\n", line.c_str()); }) {}

std::unique_ptr<WindowContent> GameParts::contentAt(int scale) {
  if (content && content->picture.renderer().scale() == scale) return std::move(content);
  content.reset();
  return std::make_unique<WindowContent>(form, fonts, scaledPictures, scale);
}

std::future<std::unique_ptr<GameParts>> buildGameParts(const char* program, std::uint32_t seed) {
  return std::async(std::launch::async, [program, seed] {
    auto parts = std::make_unique<GameParts>(program, seed);
    parts->content = std::make_unique<WindowContent>(parts->form, parts->fonts, parts->scaledPictures, 1);
    parts->content->picture.draw();
    return parts;
  });
}

}  // namespace tenrali
