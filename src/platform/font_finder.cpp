#include "platform/font_finder.h"

#include <fontconfig/fontconfig.h>

#include "platform/fonts.h"

namespace tenrali {

namespace {

// Our alias rules: the Windows faces of the window description, to fonts Debian installs.
// "strong" bindings, or DejaVu still wins.
const char kAliases[] = R"(<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "fonts.dtd">
<fontconfig>
  <match target="pattern"><test name="family"><string>ＭＳ Ｐゴシック</string></test>
    <edit name="family" mode="prepend" binding="strong"><string>IPAPGothic</string><string>IPAGothic</string></edit></match>
  <match target="pattern"><test name="family"><string>ＭＳ Ｐ明朝</string></test>
    <edit name="family" mode="prepend" binding="strong"><string>IPAPMincho</string><string>IPAMincho</string></edit></match>
  <match target="pattern"><test name="family"><string>ＭＳ 明朝</string></test>
    <edit name="family" mode="prepend" binding="strong"><string>IPAMincho</string><string>IPAPMincho</string></edit></match>
  <match target="pattern"><test name="family"><string>MS Serif</string></test>
    <edit name="family" mode="prepend" binding="strong"><string>Nimbus Roman</string><string>serif</string></edit></match>
  <match target="pattern"><test name="family"><string>Embassy JS</string></test>
    <edit name="family" mode="prepend" binding="strong"><string>Z003</string><string>cursive</string></edit></match>
</fontconfig>
)";

}  // namespace

// fontconfig keeps what FcInit reads for the life of the process, and so does D-Bus for the
// connection SDL opens to the desktop; LeakSanitizer calls both a leak at exit. Neither is ours to
// free. (Kept beside the font lookup so that every program linking the fonts carries it.)
#if defined(__SANITIZE_ADDRESS__)
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\nleak:libdbus-1.so\n"; }
extern "C" const char* __lsan_default_options() { return "print_suppressions=0"; }
#endif

FontFinder::FontFinder() {
  if (!FcInit()) throw FontError("fontconfig cannot start");
  FcConfig* config = FcConfigGetCurrent();
  if (!FcConfigParseAndLoadFromMemory(config, reinterpret_cast<const FcChar8*>(kAliases), FcTrue))
    throw FontError("fontconfig refused our font aliases");
}

std::string FontFinder::find(const std::string& face, bool bold, bool italic) {
  std::string path;
  FcPattern* pattern = FcPatternCreate();
  FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(face.c_str()));
  FcPatternAddInteger(pattern, FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
  FcPatternAddInteger(pattern, FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
  FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
  FcDefaultSubstitute(pattern);
  FcResult result;
  if (FcPattern* match = FcFontMatch(nullptr, pattern, &result)) {
    FcChar8* file = nullptr;
    if (FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch) path = reinterpret_cast<char*>(file);
    FcPatternDestroy(match);
  }
  FcPatternDestroy(pattern);
  return path;
}

}  // namespace tenrali
