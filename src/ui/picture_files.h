#pragma once
// Pictures by bare file name, read through the FileSource. A picture's size comes from its
// header; its pixels are decoded when it is first drawn. Small pictures stay decoded; a large
// one (a full-window scene) only while frames draw it: every scene once shown is not held for
// the one on screen.
#include <cstddef>
#include <cstdint>
#include <string>
#include <unordered_map>

#include "data/bmp.h"
#include "data/file_source.h"
#include "ui/picture_store.h"

namespace tenrali {

// From this many pixels up a picture is let go when a frame is drawn without it.
inline constexpr std::int64_t kLargePicturePixels = 100'000;

class FilePictureStore : public PictureStore {
 public:
  explicit FilePictureStore(FileSource& files) : files_(files) {}
  bool load(const std::string& name, int& width, int& height, std::string& error) override;
  const Image* image(const std::string& name) override;
  void frameDrawn() override;

  // The pixels held decoded now, for measurements and tests.
  std::size_t decodedPixels() const;

 private:
  struct Entry {
    bool ok = false;
    int width = 0, height = 0;
    std::string error;
    bool decoded = false;
    Image image;
    std::uint64_t drawnIn = 0;  // the frame it was last drawn in
  };
  Entry& entry(const std::string& name);
  bool decode(const std::string& name, Entry& e);
  static bool large(const Entry& e);
  void letGoOfLargePicturesNotDrawnYet();  // in this frame
  FileSource& files_;
  std::unordered_map<std::string, Entry> cache_;
  std::uint64_t frame_ = 0;
};

}  // namespace tenrali
