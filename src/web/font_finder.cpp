// The page carries its own faces (the fonts the desktop finds through fontconfig, cut down to the
// characters the game can show) in one folder, and finds them by a fixed map: the same file for
// each face, weight and slant as fontconfig chooses on Debian.
#include "platform/font_finder.h"

#include "web/font_map.h"

namespace tenrali {

FontFinder::FontFinder() = default;

std::string FontFinder::find(const std::string& face, bool bold, bool italic) {
  const char* file = webFontFile(face, bold, italic);
  return file ? std::string(kWebFontFolder) + "/" + file : std::string();
}

}  // namespace tenrali
