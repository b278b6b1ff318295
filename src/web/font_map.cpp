#include "web/font_map.h"

#include "ui/font.h"

namespace tenrali {

namespace {

struct FaceFiles {
  const char* face;
  const char* files[4];  // regular, bold, italic, bold italic
};

// What fontconfig chooses for each face through our alias rules on Debian 12
// (fonts-ipafont-gothic, fonts-ipafont-mincho, fonts-urw-base35); a test holds the two together.
constexpr FaceFiles kFaces[] = {
    {faces::pGothic, {"ipagp.ttf", "ipagp.ttf", "ipagp.ttf", "ipagp.ttf"}},
    {faces::pMincho, {"ipamp.ttf", "ipamp.ttf", "ipamp.ttf", "ipamp.ttf"}},
    {faces::mincho, {"ipam.ttf", "ipam.ttf", "ipam.ttf", "ipam.ttf"}},
    {faces::serif,
     {"NimbusRoman-Regular.otf", "NimbusRoman-Bold.otf", "NimbusRoman-Italic.otf", "NimbusRoman-BoldItalic.otf"}},
    {faces::script,
     {"Z003-MediumItalic.otf", "Z003-MediumItalic.otf", "Z003-MediumItalic.otf", "Z003-MediumItalic.otf"}},
};

}  // namespace

const char* webFontFile(const std::string& face, bool bold, bool italic) {
  for (const FaceFiles& f : kFaces)
    if (face == f.face) return f.files[(bold ? 1 : 0) + (italic ? 2 : 0)];
  return nullptr;
}

}  // namespace tenrali
