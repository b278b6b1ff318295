#include "ui/picture_files.h"

namespace tenrali {

FilePictureStore::Entry& FilePictureStore::entry(const std::string& name) {
  auto found = cache_.find(name);
  if (found != cache_.end()) return found->second;
  Entry& e = cache_[name];
  std::string head;
  std::uint64_t size = 0;
  bool needsPixels = false;
  if (!isBareFileName(name)) {
    e.error = "not a bare file name";
  } else if (files_.readHead(name, kBmpHeadBytes, head, size, e.error)) {
    e.ok = bmpCheck(head, size, e.width, e.height, needsPixels, e.error);
    // Only its pixels can tell whether a picture with a short palette decodes: decode it now.
    if (e.ok && needsPixels) e.ok = decode(name, e);
  }
  return e;
}

bool FilePictureStore::decode(const std::string& name, Entry& e) {
  std::string bytes;
  Image image;
  if (!files_.read(name, bytes, e.error) || !decodeBmp(bytes, image, e.error)) return false;
  e.image = std::move(image);
  e.decoded = true;
  return true;
}

bool FilePictureStore::load(const std::string& name, int& width, int& height, std::string& error) {
  const Entry& e = entry(name);
  if (!e.ok) {
    error = e.error;
    return false;
  }
  width = e.width;
  height = e.height;
  return true;
}

const Image* FilePictureStore::image(const std::string& name) {
  Entry& e = entry(name);
  if (e.ok && !e.decoded) {
    // A new scene picture takes the place of the last one before it is decoded, not after.
    if (large(e)) letGoOfLargePicturesNotDrawnYet();
    e.ok = decode(name, e);
  }
  if (!e.ok) return nullptr;
  e.drawnIn = frame_;
  return &e.image;
}

bool FilePictureStore::large(const Entry& e) {
  return static_cast<std::int64_t>(e.width) * e.height >= kLargePicturePixels;
}

void FilePictureStore::letGoOfLargePicturesNotDrawnYet() {
  for (auto& [name, e] : cache_)
    if (e.decoded && e.drawnIn != frame_ && large(e)) {
      e.image = Image{};
      e.decoded = false;
    }
}

void FilePictureStore::frameDrawn() {
  letGoOfLargePicturesNotDrawnYet();
  ++frame_;
}

std::size_t FilePictureStore::decodedPixels() const {
  std::size_t n = 0;
  for (const auto& [name, e] : cache_) n += e.image.pixels.size();
  return n;
}

}  // namespace tenrali
