#pragma once
// Where the faces come from. fontconfig finds the files: first through a small configuration of
// our own that only reads the system's font caches (the system's full configuration costs more
// to start than the rest of the window's start-up), and through the system's own configuration
// when ours cannot find a font our rules name. Each file found is mapped into memory once, for
// every height it is opened at.
#include <fontconfig/fontconfig.h>

#include <cstddef>
#include <string>

namespace tenrali {

// A font file mapped read-only; empty when it cannot be opened.
class FontFile {
 public:
  FontFile() = default;
  explicit FontFile(const std::string& path);
  ~FontFile();
  FontFile(FontFile&& other) noexcept;
  FontFile& operator=(FontFile&& other) noexcept;
  FontFile(const FontFile&) = delete;
  FontFile& operator=(const FontFile&) = delete;

  const void* data() const { return data_; }
  std::size_t size() const { return size_; }

 private:
  void* data_ = nullptr;
  std::size_t size_ = 0;
};

class FontFinder {
 public:
  FontFinder();  // throws FontError when fontconfig cannot start
  ~FontFinder();
  FontFinder(const FontFinder&) = delete;
  FontFinder& operator=(const FontFinder&) = delete;

  // The file for a face of the window description in this weight and slant; "" when none.
  std::string find(const std::string& face, bool bold, bool italic);

 private:
  FcConfig* own_ = nullptr;  // null when the system's configuration is asked for (FONTCONFIG_FILE)
};

}  // namespace tenrali
