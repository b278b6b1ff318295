#pragma once
// The font files the faces are read from (found by FontFinder, font_finder.h). Each file found is
// opened once, for every height it is opened at, and read where asked with one system call (a
// stream through the C library would seek and refill its buffer at every glyph; a mapping would
// keep every page it touched).
#include <SDL_rwops.h>

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

}  // namespace tenrali
