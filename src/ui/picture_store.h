#pragma once
// The port through which the screen model loads pictures by bare name.
#include <string>

namespace tenrali {

struct Image;

class PictureStore {
 public:
  virtual ~PictureStore() = default;
  // Loads the picture with this bare name: its pixel size, or false with a short reason.
  virtual bool load(const std::string& name, int& width, int& height, std::string& error) = 0;
  // The decoded picture for drawing, or nullptr when it cannot be had. It stays valid until
  // the end of the frame it is drawn in.
  virtual const Image* image(const std::string& name) = 0;
  // A frame is drawn: what it did not draw may be let go.
  virtual void frameDrawn() {}
  // The same picture drawn `scale` times larger (the same art, more pixels) where there is one;
  // otherwise the picture itself, which the renderer then enlarges.
  virtual const Image* image(const std::string& name, int scale) {
    (void)scale;
    return image(name);
  }
};

}  // namespace tenrali
