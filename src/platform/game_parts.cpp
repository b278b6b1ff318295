#include "platform/game_parts.h"

namespace tenrali {

GameParts::GameParts(const char* program, std::uint32_t seed)
    : files(findGameFolder(program)), pictures(files), form({fonts, pictures, files}, seed) {}

std::future<std::unique_ptr<GameParts>> buildGameParts(const char* program, std::uint32_t seed) {
  return std::async(std::launch::async, [program, seed] {
    auto parts = std::make_unique<GameParts>(program, seed);
    parts->content = std::make_unique<WindowContent>(parts->form, parts->fonts, parts->pictures);
    parts->content->picture.draw();
    return parts;
  });
}

}  // namespace tenrali
