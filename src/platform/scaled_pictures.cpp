#include "platform/scaled_pictures.h"

#include "ui/picture_files.h"
#include "platform/png_reader.h"

namespace tenrali {

namespace {
// What the larger pictures may hold at once: the home screen at three times and a few scenes.
constexpr std::size_t kBudgetBytes = 40u << 20;
}  // namespace

std::string ScaledPictureStore::scaledName(const std::string& name, int scale) {
  const auto dot = name.rfind('.');
  return name.substr(0, dot) + "@" + std::to_string(scale) + "x.png";
}

const Image* ScaledPictureStore::image(const std::string& name, int scale) {
  if (scale <= 1) return pictures_.image(name);
  const std::string file = scaledName(name, scale);
  auto found = cache_.find(file);
  if (found == cache_.end()) {
    Entry e;
    int w = 0, h = 0;
    std::string bytes, error;
    if (isBareFileName(name) && pictures_.load(name, w, h, error)) {
      // A new scene picture takes the place of the last one before it is read, not after.
      e.large = static_cast<std::int64_t>(w) * h >= kLargePicturePixels;
      if (e.large) letGoOfLargePicturesNotDrawnYet();
      if (files_.read(file, bytes, error) && decodePng(bytes, e.image, error))
        e.ok = e.image.width == w * scale && e.image.height == h * scale;
    }
    if (!e.ok) e.image = Image{};
    makeRoom(e.image.pixels.size() * sizeof(std::uint32_t));
    bytes_ += e.image.pixels.size() * sizeof(std::uint32_t);
    found = cache_.emplace(file, std::move(e)).first;
  }
  found->second.used = ++clock_;
  found->second.drawnIn = frame_;
  return found->second.ok ? &found->second.image : pictures_.image(name);
}

// Over budget, the pictures drawn longest ago make room (none of them is being drawn now). A
// picture that could not be had stays known, empty, so that it is not looked for again.
void ScaledPictureStore::makeRoom(std::size_t bytes) {
  while (bytes_ + bytes > kBudgetBytes) {
    auto oldest = cache_.end();
    for (auto it = cache_.begin(); it != cache_.end(); ++it)
      if (it->second.ok && (oldest == cache_.end() || it->second.used < oldest->second.used)) oldest = it;
    if (oldest == cache_.end()) return;
    bytes_ -= oldest->second.image.pixels.size() * sizeof(std::uint32_t);
    cache_.erase(oldest);
  }
}

void ScaledPictureStore::letGoOfLargePicturesNotDrawnYet() {
  for (auto it = cache_.begin(); it != cache_.end();) {
    if (it->second.ok && it->second.large && it->second.drawnIn != frame_) {
      bytes_ -= it->second.image.pixels.size() * sizeof(std::uint32_t);
      it = cache_.erase(it);
    } else {
      ++it;
    }
  }
}

void ScaledPictureStore::frameDrawn() {
  pictures_.frameDrawn();
  letGoOfLargePicturesNotDrawnYet();
  ++frame_;
}

}  // namespace tenrali
