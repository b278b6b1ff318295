#include "platform/game_parts.h"

#include "platform/event_loop.h"

namespace tenrali {

GameParts::GameParts(const char* program, std::uint32_t seed)
    : files(findGameFolder(program)), pictures(files), scaledPictures(pictures, files), form({fonts, pictures, files}, seed) {}

std::future<std::unique_ptr<GameParts>> buildGameParts(const char* program, std::uint32_t seed) {
  return std::async(std::launch::async, [program, seed] {
    auto parts = std::make_unique<GameParts>(program, seed);
    MenuBar menu = windowMenuBar(parts->form.screen(), 1);
    menu.layout(parts->fonts);
    WindowPicture(parts->form, parts->fonts, parts->pictures, menu).draw();
    return parts;
  });
}

}  // namespace tenrali
