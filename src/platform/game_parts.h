#pragma once
// Everything the game is made of apart from its window: the fonts, the game folder, the
// pictures, the main window object, the settings, the sound player (not yet started) and the
// window's first picture. They are built on a helper
// thread while SDL connects to the display, then handed to the window's thread, which alone uses
// them from then on. Only what the title needs is done here: the menu's face, the title's
// picture, the data files; every other face and picture waits for its first use.
#include <cstdint>
#include <future>
#include <memory>

#include "app/form1.h"
#include "ui/picture_files.h"
#include "platform/event_loop.h"
#include "platform/file_source.h"
#include "platform/fonts.h"
#include "platform/scaled_pictures.h"
#include "platform/sound_player.h"
#include "storage/settings.h"

namespace tenrali {

struct GameParts {
  GameParts(const char* program, std::uint32_t seed);
  FontLibrary fonts;
  DirectoryFileSource files;
  FilePictureStore pictures;
  ScaledPictureStore scaledPictures;  // the same pictures, drawn larger for a window at scale 2 or 3
  TForm1 form;
  Settings settings;  // its problem, if any, still to be told
  SoundPlayer sound;  // warns on standard error
  std::unique_ptr<WindowContent> content;  // its first picture drawn, at scale 1

  // The window's content for a window at this scale: the one drawn beforehand, or at another
  // scale a new one.
  std::unique_ptr<WindowContent> contentAt(int scale);
};

// Starts building; get() hands the parts over, or throws what stopped them (a DataError, a
// FontError).
std::future<std::unique_ptr<GameParts>> buildGameParts(const char* program, std::uint32_t seed);
// The parts, once the helper thread has ended too: what stopped them is shown in a message box,
// which SDL opens in a forked process, and a fork must never catch another thread halfway
// through something (a lock of the allocator held in the child would keep the box from showing).
std::unique_ptr<GameParts> takeGameParts(std::future<std::unique_ptr<GameParts>> pending);

}  // namespace tenrali
