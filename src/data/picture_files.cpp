#include "data/picture_files.h"

namespace tenrali {

const FilePictureStore::Entry& FilePictureStore::entry(const std::string& name) {
  auto found = cache_.find(name);
  if (found != cache_.end()) return found->second;
  Entry e;
  std::string bytes;
  if (!isBareFileName(name)) {
    e.error = "not a bare file name";
  } else if (files_.read(name, bytes, e.error)) {
    e.ok = decodeBmp(bytes, e.image, e.error);
  }
  return cache_.emplace(name, std::move(e)).first->second;
}

bool FilePictureStore::load(const std::string& name, int& width, int& height, std::string& error) {
  const Entry& e = entry(name);
  if (!e.ok) {
    error = e.error;
    return false;
  }
  width = e.image.width;
  height = e.image.height;
  return true;
}

const Image* FilePictureStore::image(const std::string& name) {
  const Entry& e = entry(name);
  return e.ok ? &e.image : nullptr;
}

}  // namespace tenrali
