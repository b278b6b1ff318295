#pragma once
// Where the faces come from. fontconfig finds the files: first through a small configuration of
// our own that only reads the system's font caches (the system's full configuration costs more
// to start than the rest of the window's start-up), and through the system's own configuration
// when ours cannot find a font our rules name. Each file found is opened once, for every height
// it is opened at, and read where asked with one system call (a stream through the C library
// would seek and refill its buffer at every glyph; a mapping would keep every page it touched).
#include <SDL_rwops.h>
#include <fontconfig/fontconfig.h>

#include <string>

namespace tenrali {

// A font file open for reading; closed when it goes.
class FontFile {
 public:
  explicit FontFile(const std::string& path);
  ~FontFile();
  FontFile(const FontFile&) = delete;
  FontFile& operator=(const FontFile&) = delete;

  // A stream of its own over the file, for one face (SDL_ttf closes it with the face); null when
  // the file could not be opened. The file must outlive it.
  SDL_RWops* stream() const;

 private:
  int fd_ = -1;
  Sint64 size_ = 0;
};

class FontFinder {
 public:
  FontFinder();  // throws FontError when fontconfig cannot start
  FontFinder(const FontFinder&) = delete;
  FontFinder& operator=(const FontFinder&) = delete;

  // The file for a face of the window description in this weight and slant; "" when none.
  std::string find(const std::string& face, bool bold, bool italic);

 private:
  // Our configuration, one for the process; null when the user's own is asked for (FONTCONFIG_FILE).
  FcConfig* own_ = nullptr;
};

}  // namespace tenrali
