#include "platform/game_parts.h"

#include <cstdio>

namespace tenrali {

GameParts::GameParts(const char* program, std::uint32_t seed)
    : files(findGameFolder(program)),
      pictures(files),
      form({fonts, pictures, files}, seed),
      settings(loadUserSettings()),
      sound(files.folder(), settings, [](const std::string& line) { std::fprintf(stderr, "%s\n", line.c_str()); }) {}

std::future<std::unique_ptr<GameParts>> buildGameParts(const char* program, std::uint32_t seed) {
  return std::async(std::launch::async, [program, seed] {
    auto parts = std::make_unique<GameParts>(program, seed);
    parts->content = std::make_unique<WindowContent>(parts->form, parts->fonts, parts->pictures,
                                                    parts->sound.musicOn(), parts->sound.effectsOn());
    parts->content->picture.draw();
    return parts;
  });
}

}  // namespace tenrali
