#pragma once
// Where the faces of the window description come from: the font file for a face in a weight and
// slant. The desktop asks fontconfig (font_finder.cpp); the web page carries its faces and a
// fixed map (src/web/font_finder.cpp).
#include <string>

namespace tenrali {

class FontFinder {
 public:
  FontFinder();  // throws FontError when the fonts cannot be looked up at all
  FontFinder(const FontFinder&) = delete;
  FontFinder& operator=(const FontFinder&) = delete;

  // The file for a face in this weight and slant; "" when there is none.
  std::string find(const std::string& face, bool bold, bool italic);
};

}  // namespace tenrali
