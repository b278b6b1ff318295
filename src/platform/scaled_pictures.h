#pragma once
// The pictures of a window drawn two or three times larger: beside each picture, NAME.bmp, the
// build renders NAME@2x.png and NAME@3x.png from the same drawing. This store hands those out
// and everything else to the game's own picture store; a larger picture that is missing, or not
// exactly that many times the size of its picture, is not used, and the picture is enlarged instead.
// A larger picture is read when first drawn; a large one (a full-window scene) is let go when a
// frame is drawn without it, as the game's own store does.
#include <cstdint>
#include <string>
#include <unordered_map>

#include "data/bmp.h"
#include "data/file_source.h"
#include "ui/picture_store.h"

namespace tenrali {

class ScaledPictureStore : public PictureStore {
 public:
  ScaledPictureStore(PictureStore& pictures, FileSource& files) : pictures_(pictures), files_(files) {}
  bool load(const std::string& name, int& width, int& height, std::string& error) override {
    return pictures_.load(name, width, height, error);
  }
  const Image* image(const std::string& name) override { return pictures_.image(name); }
  // The pointer holds until the next call: the larger pictures are kept within a budget.
  const Image* image(const std::string& name, int scale) override;
  void frameDrawn() override;
  // The pixels of the larger pictures held now, for tests.
  std::size_t heldPixels() const { return bytes_ / sizeof(std::uint32_t); }

  // The file that holds a picture drawn `scale` times larger: ueki.bmp -> ueki@2x.png.
  static std::string scaledName(const std::string& name, int scale);

 private:
  struct Entry {
    bool ok = false;
    Image image;
    std::uint64_t used = 0;
    bool large = false;
    std::uint64_t drawnIn = 0;  // the frame it was last drawn in
  };
  void makeRoom(std::size_t bytes);
  void letGoOfLargePicturesNotDrawnYet();  // in this frame

  PictureStore& pictures_;
  FileSource& files_;
  std::unordered_map<std::string, Entry> cache_;
  std::uint64_t clock_ = 0;
  std::size_t bytes_ = 0;
  std::uint64_t frame_ = 0;
};

}  // namespace tenrali
