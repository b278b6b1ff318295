// The web page is drawn at scale 1, the browser doing any enlarging: it carries the BMP pictures
// and no PNG, and has no libpng. A PNG asked for all the same is refused with the reason.
#include "platform/png_reader.h"

namespace tenrali {

namespace {
constexpr const char* kNoPng = "the web page carries no PNG pictures";
}

bool decodePng(std::string_view, Image&, std::string& error, bool) {
  error = kNoPng;
  return false;
}

bool pngSize(std::string_view, int&, int&, std::string& error) {
  error = kNoPng;
  return false;
}

}  // namespace tenrali
