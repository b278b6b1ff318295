#pragma once
// The faces of the window description resolved to font files (FontFinder: fontconfig on the
// desktop with our own alias rules for the Windows names, a fixed map in the web page), opened
// with SDL_ttf at their pixel heights when first used, and each text measured once. A face that
// lacks a glyph borrows it from a Japanese face, glyph by glyph; the Japanese faces draw the
// backslash as a yen sign, which the price lists show.
#include <SDL_ttf.h>

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "data/bmp.h"
#include "platform/font_finder.h"
#include "platform/font_files.h"
#include "ui/text_metrics.h"

namespace tenrali {

class FontError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// How much measuring a run did: every call, and the texts actually laid out (each face, height,
// style and text once; the rest are answered from what was measured before).
struct MeasureCounts {
  std::uint64_t calls = 0;
  std::uint64_t laidOut = 0;
  std::uint64_t facesOpened = 0;
};

class FontLibrary : public TextMetrics {
 public:
  // Opens the menu's face only; every other face on first use. Throws FontError when no font
  // can be found.
  FontLibrary();
  ~FontLibrary() override;
  FontLibrary(const FontLibrary&) = delete;
  FontLibrary& operator=(const FontLibrary&) = delete;

  TextSize measure(const Font& font, std::string_view text) override;
  // Draws one line of text with its top-left corner at (x, y), blended into the image and
  // clipped to `clip`.
  void draw(Image& target, int x, int y, const Font& font, std::string_view text, int clipX, int clipY, int clipW,
            int clipH);
  // How far the drawn line reaches to the right of (x, y): the advance, or more where a slanted
  // last glyph leans past it.
  int inkWidth(const Font& font, std::string_view text);
  // The file a face resolves to (for tests and diagnostics).
  std::string fileFor(const std::string& face, bool bold, bool italic);
  const MeasureCounts& counts() const { return counts_; }

 private:
  struct Run {
    TTF_Font* font;
    std::string text;  // UTF-8
  };
  struct Glyphs {  // a rendered line: 8-bit coverage, cached
    int width = 0, height = 0;
    std::vector<std::uint8_t> alpha;
  };
  TTF_Font* open(const std::string& face, int height, bool bold, bool italic, bool fallback);
  std::vector<Run> runs(const Font& font, std::string_view text);
  const Glyphs& render(const Font& font, std::string_view text);

  FontFinder finder_;
  std::map<std::string, std::string> files_;           // face|bold|italic -> path
  std::map<std::string, std::unique_ptr<FontFile>> fontFiles_;  // path -> the file, open
  std::map<std::string, TTF_Font*> open_;              // path|height|style -> font
  std::unordered_map<std::string, TextSize> measured_; // font|text -> size
  std::unordered_map<std::string, Glyphs> rendered_;   // font|text -> coverage
  MeasureCounts counts_;
  std::size_t renderedBytes_ = 0;
  static constexpr std::size_t kRenderedBytes = 6u << 20;
};

// Maps the glyphs a face draws differently: the Japanese faces draw U+005C as the yen sign.
std::u32string faceText(const std::string& face, std::string_view utf8);
bool isJapaneseFace(const std::string& face);

}  // namespace tenrali
