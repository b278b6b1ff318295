#include "platform/game_parts.h"

#include <utility>

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

std::unique_ptr<GameParts> takeGameParts(std::future<std::unique_ptr<GameParts>> pending) {
  // The future of std::async joins its thread when it goes: here, on the way out, thrown or not.
  auto mine = std::move(pending);
  return mine.get();
}

}  // namespace tenrali
