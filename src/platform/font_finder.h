#pragma once
// Where the faces of the window description come from: the font file for a face in a weight and
// slant. The desktop asks fontconfig (font_finder.cpp): first through a small configuration of
// our own that only reads the system's font caches (the system's full configuration costs more
// to start than the rest of the window's start-up), and through the system's own configuration
// when ours cannot find a font our rules name. The web page carries its faces and a fixed map
// (src/web/font_finder.cpp).
#include <string>

struct _FcConfig;  // fontconfig's, for the desktop's finder

namespace tenrali {

class FontFinder {
 public:
  FontFinder();  // throws FontError when the fonts cannot be looked up at all
  FontFinder(const FontFinder&) = delete;
  FontFinder& operator=(const FontFinder&) = delete;

  // The file for a face in this weight and slant; "" when there is none.
  std::string find(const std::string& face, bool bold, bool italic);

 private:
  // Our configuration, one for the process; null when the user's own is asked for (FONTCONFIG_FILE).
  _FcConfig* own_ = nullptr;
};

}  // namespace tenrali
