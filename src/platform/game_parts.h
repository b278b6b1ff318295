#pragma once
// Everything the game is made of apart from its window: the fonts, the game folder, the
// pictures and the main window object. They are built on a helper thread while SDL connects to
// the display, then handed to the window's thread, which alone uses them from then on.
#include <cstdint>
#include <future>
#include <memory>

#include "app/form1.h"
#include "data/picture_files.h"
#include "platform/file_source.h"
#include "platform/fonts.h"
#include "platform/scaled_pictures.h"

namespace tenrali {

struct GameParts {
  GameParts(const char* program, std::uint32_t seed);
  FontLibrary fonts;
  DirectoryFileSource files;
  FilePictureStore pictures;
  ScaledPictureStore scaledPictures;  // the same pictures, drawn larger for a window at scale 2 or 3
  TForm1 form;
};

// Starts building; get() hands the parts over, or throws what stopped them (a DataError, a
// FontError). The title's picture is drawn once on the way, so the caches hold what the first
// frame needs.
std::future<std::unique_ptr<GameParts>> buildGameParts(const char* program, std::uint32_t seed);

}  // namespace tenrali
