#include "platform/font_finder.h"

#include <fontconfig/fontconfig.h>

#include <cstdlib>

#include "platform/fonts.h"

namespace tenrali {

namespace {

// Our alias rules: the Windows faces of the window description, to fonts Debian installs, the
// named font first and a second choice after it.
struct Alias {
  const char* face;
  const char* first;
  const char* second;
};
constexpr Alias kAliases[] = {
    {faces::pGothic, "IPAPGothic", "IPAGothic"}, {faces::pMincho, "IPAPMincho", "IPAMincho"},
    {faces::mincho, "IPAMincho", "IPAPMincho"},  {faces::serif, "Nimbus Roman", "serif"},
    {faces::script, "Z003", "cursive"},
};

// The rules as fontconfig reads them: "strong" bindings, or DejaVu still wins.
std::string aliasRules() {
  std::string xml = "<?xml version=\"1.0\"?>\n<!DOCTYPE fontconfig SYSTEM \"fonts.dtd\">\n<fontconfig>\n";
  for (const Alias& a : kAliases)
    xml += std::string("<match target=\"pattern\"><test name=\"family\"><string>") + a.face +
           "</string></test><edit name=\"family\" mode=\"prepend\" binding=\"strong\"><string>" + a.first +
           "</string><string>" + a.second + "</string></edit></match>\n";
  return xml + "</fontconfig>\n";
}

// The folders and caches of the system's configuration, and nothing else of it.
const char kOwnConfig[] = R"(<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "fonts.dtd">
<fontconfig>
  <dir>/usr/share/fonts</dir>
  <dir>/usr/local/share/fonts</dir>
  <dir prefix="xdg">fonts</dir>
  <dir>~/.fonts</dir>
  <cachedir>/var/cache/fontconfig</cachedir>
  <cachedir prefix="xdg">fontconfig</cachedir>
  <cachedir>~/.fontconfig</cachedir>
</fontconfig>
)";

bool loadRules(FcConfig* config, const std::string& xml) {
  return FcConfigParseAndLoadFromMemory(config, reinterpret_cast<const FcChar8*>(xml.c_str()), FcTrue);
}

// The system's configuration with our rules, started once for the process.
FcConfig* systemConfig() {
  static FcConfig* const config = []() -> FcConfig* {
    if (!FcInit()) return nullptr;
    FcConfig* c = FcConfigGetCurrent();
    return c && loadRules(c, aliasRules()) ? c : nullptr;
  }();
  if (!config) throw FontError("fontconfig cannot start");
  return config;
}

// A user who points fontconfig at a configuration of their own gets it.
bool systemConfigAsked() {
  for (const char* name : {"FONTCONFIG_FILE", "FONTCONFIG_PATH", "FONTCONFIG_SYSROOT"})
    if (const char* v = std::getenv(name); v && *v) return true;
  return false;
}

// The best match's file, and whether the match is one of the fonts our rule names for the face.
std::string match(FcConfig* config, const std::string& face, bool bold, bool italic, bool& named) {
  const Alias* alias = nullptr;
  for (const Alias& a : kAliases)
    if (face == a.face) alias = &a;
  named = false;
  std::string path;
  FcPattern* pattern = FcPatternCreate();
  FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(face.c_str()));
  FcPatternAddInteger(pattern, FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
  FcPatternAddInteger(pattern, FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
  FcConfigSubstitute(config, pattern, FcMatchPattern);
  FcDefaultSubstitute(pattern);
  FcResult result;
  if (FcPattern* found = FcFontMatch(config, pattern, &result)) {
    FcChar8* file = nullptr;
    if (FcPatternGetString(found, FC_FILE, 0, &file) == FcResultMatch) path = reinterpret_cast<char*>(file);
    FcChar8* family = nullptr;
    for (int i = 0; alias && FcPatternGetString(found, FC_FAMILY, i, &family) == FcResultMatch; ++i) {
      const std::string name = reinterpret_cast<char*>(family);
      if (name == alias->first || name == alias->second) named = true;
    }
    FcPatternDestroy(found);
  }
  FcPatternDestroy(pattern);
  return path;
}

// Our own configuration, started once for the process; null when it cannot be had.
FcConfig* ownConfig() {
  static FcConfig* const config = []() -> FcConfig* {
    if (systemConfigAsked()) return nullptr;
    FcConfig* c = FcConfigCreate();
    if (c && !(loadRules(c, kOwnConfig) && loadRules(c, aliasRules()) && FcConfigBuildFonts(c))) {
      FcConfigDestroy(c);
      c = nullptr;
    }
    return c;
  }();
  return config;
}

}  // namespace

// fontconfig keeps what FcInit reads for the life of the process, and so does D-Bus for the
// connection SDL opens to the desktop; LeakSanitizer calls both a leak at exit. Neither is ours to
// free. (Kept beside the font lookup so that every program linking the fonts carries it.)
#if defined(__SANITIZE_ADDRESS__)
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\nleak:libdbus-1.so\n"; }
extern "C" const char* __lsan_default_options() { return "print_suppressions=0"; }
#endif

FontFinder::FontFinder() : own_(ownConfig()) {
  if (!own_) systemConfig();  // throws when fontconfig cannot start at all
}

std::string FontFinder::find(const std::string& face, bool bold, bool italic) {
  bool named = false;
  if (own_) {
    std::string path = match(own_, face, bold, italic, named);
    if (named) return path;
  }
  // Not one of our fonts: whatever the system's own rules choose in its place.
  return match(systemConfig(), face, bold, italic, named);
}

}  // namespace tenrali
