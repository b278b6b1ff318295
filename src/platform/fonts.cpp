#include "platform/fonts.h"

#include <algorithm>

#include "data/utf8.h"

namespace tenrali {

namespace {

std::u32string decodeUtf8(std::string_view s) {
  std::u32string out;
  for (std::size_t i = 0; i < s.size();) {
    unsigned char c = static_cast<unsigned char>(s[i]);
    char32_t cp = 0xFFFD;
    std::size_t len = 1;
    if (c < 0x80) {
      cp = c;
    } else if ((c >> 5) == 6 && i + 1 < s.size()) {
      cp = (c & 0x1F) << 6 | (s[i + 1] & 0x3F);
      len = 2;
    } else if ((c >> 4) == 14 && i + 2 < s.size()) {
      cp = (c & 0x0F) << 12 | (s[i + 1] & 0x3F) << 6 | (s[i + 2] & 0x3F);
      len = 3;
    } else if ((c >> 3) == 30 && i + 3 < s.size()) {
      cp = (c & 0x07) << 18 | (s[i + 1] & 0x3F) << 12 | (s[i + 2] & 0x3F) << 6 | (s[i + 3] & 0x3F);
      len = 4;
    }
    out.push_back(cp);
    i += len;
  }
  return out;
}

std::string cacheKey(const Font& f, std::string_view text) {
  std::string key = f.face;
  key += '|' + std::to_string(f.height) + (f.bold ? "b" : "") + (f.italic ? "i" : "") + '|';
  key.append(text);
  return key;
}

}  // namespace

bool isJapaneseFace(const std::string& face) {
  return face == faces::pGothic || face == faces::pMincho || face == faces::mincho;
}

std::u32string faceText(const std::string& face, std::string_view utf8) {
  std::u32string text = decodeUtf8(utf8);
  if (isJapaneseFace(face)) std::replace(text.begin(), text.end(), U'\\', U'\u00A5');
  return text;
}

FontLibrary::FontLibrary() {
  // SDL_ttf counts its users: each library starts it once and stops it once.
  if (TTF_Init() != 0) throw FontError(std::string("SDL_ttf cannot start: ") + TTF_GetError());
  if (!open(faces::pGothic, 12, false, false, false)) {
    TTF_Quit();
    throw FontError("no font for \"ＭＳ Ｐゴシック\": install fonts-ipafont-gothic");
  }
}

FontLibrary::~FontLibrary() {
  for (auto& [key, font] : open_) TTF_CloseFont(font);
  TTF_Quit();
}

std::string FontLibrary::fileFor(const std::string& face, bool bold, bool italic) {
  std::string key = face + (bold ? "|b" : "|") + (italic ? "i" : "");
  auto found = files_.find(key);
  if (found != files_.end()) return found->second;
  return files_[key] = finder_.find(face, bold, italic);
}

TTF_Font* FontLibrary::open(const std::string& face, int height, bool bold, bool italic, bool fallback) {
  // The fallback for glyphs a face lacks: the Gothic for the sans faces, the Mincho for the rest.
  std::string family = face;
  if (fallback) family = (face == faces::pGothic || face == faces::script) ? faces::pGothic : faces::pMincho;
  std::string path = fileFor(family, bold, italic);
  if (path.empty()) return nullptr;
  // Synthesise what the file does not have (IPA fonts come in one weight only).
  int style = TTF_STYLE_NORMAL;
  std::string lower = path;
  std::transform(lower.begin(), lower.end(), lower.begin(), ::tolower);
  if (bold && lower.find("bold") == std::string::npos) style |= TTF_STYLE_BOLD;
  if (italic && lower.find("italic") == std::string::npos) style |= TTF_STYLE_ITALIC;
  std::string key = path + '|' + std::to_string(height) + '|' + std::to_string(style);
  auto found = open_.find(key);
  if (found != open_.end()) return found->second;
  auto file = fontFiles_.find(path);
  if (file == fontFiles_.end()) file = fontFiles_.emplace(path, std::make_unique<FontFile>(path)).first;
  TTF_Font* font = nullptr;
  if (SDL_RWops* rw = file->second->stream()) font = TTF_OpenFontRW(rw, 1, height);
  if (font) {
    TTF_SetFontStyle(font, style);
    ++counts_.facesOpened;
  }
  open_[key] = font;
  return font;
}

std::vector<FontLibrary::Run> FontLibrary::runs(const Font& f, std::string_view utf8) {
  std::vector<Run> out;
  TTF_Font* primary = open(f.face, f.height, f.bold, f.italic, false);
  TTF_Font* fallback = nullptr;  // opened only when a glyph is missing
  if (!primary) primary = fallback = open(f.face, f.height, f.bold, f.italic, true);
  if (!primary) return out;
  for (char32_t cp : faceText(f.face, utf8)) {
    TTF_Font* use = primary;
    if (!TTF_GlyphIsProvided32(primary, cp)) {
      if (!fallback) fallback = open(f.face, f.height, f.bold, f.italic, true);
      if (fallback) use = fallback;
    }
    if (out.empty() || out.back().font != use) out.push_back(Run{use, {}});
    appendUtf8(out.back().text, cp);
  }
  return out;
}

TextSize FontLibrary::measure(const Font& f, std::string_view text) {
  ++counts_.calls;
  std::string key = cacheKey(f, text);
  auto found = measured_.find(key);
  if (found != measured_.end()) return found->second;
  // A whole game names a few hundred texts; a long run counting days names new ones forever.
  if (measured_.size() >= 8192) measured_.clear();
  ++counts_.laidOut;
  TextSize& size = measured_[std::move(key)];
  TTF_Font* primary = open(f.face, f.height, f.bold, f.italic, false);
  if (!primary) primary = open(f.face, f.height, f.bold, f.italic, true);
  if (!primary) return size;
  size.height = TTF_FontHeight(primary);
  for (const Run& run : runs(f, text)) {
    int w = 0, h = 0;
    if (TTF_SizeUTF8(run.font, run.text.c_str(), &w, &h) == 0) size.width += w;
  }
  return size;
}

const FontLibrary::Glyphs& FontLibrary::render(const Font& f, std::string_view text) {
  std::string key = cacheKey(f, text);
  auto found = rendered_.find(key);
  if (found != rendered_.end()) return found->second;
  // Captions change slowly; the cache is bounded in lines and in bytes (a window drawn at three
  // times holds nine times the coverage per line).
  if (rendered_.size() > 2048 || renderedBytes_ > kRenderedBytes) {
    rendered_.clear();
    renderedBytes_ = 0;
  }
  Glyphs g;
  TTF_Font* primary = open(f.face, f.height, f.bold, f.italic, false);
  if (!primary) primary = open(f.face, f.height, f.bold, f.italic, true);
  if (primary) {
    const int ascent = TTF_FontAscent(primary);
    TextSize size = measure(f, text);
    g.height = std::max(size.height, 1);
    // A slanted face leans past its advance: give the last glyph room to finish.
    g.width = size.width + (f.italic ? g.height / 4 + 1 : 0);
    g.alpha.assign(static_cast<std::size_t>(g.width) * g.height, 0);
    int penX = 0;
    for (const Run& run : runs(f, text)) {
      SDL_Surface* s = TTF_RenderUTF8_Blended(run.font, run.text.c_str(), SDL_Color{255, 255, 255, 255});
      if (!s) continue;
      SDL_Surface* argb = SDL_ConvertSurfaceFormat(s, SDL_PIXELFORMAT_ARGB8888, 0);
      SDL_FreeSurface(s);
      if (!argb) continue;
      // Runs of different fonts share one baseline.
      const int dy = ascent - TTF_FontAscent(run.font);
      SDL_LockSurface(argb);
      for (int y = 0; y < argb->h; ++y) {
        int ty = y + dy;
        if (ty < 0 || ty >= g.height) continue;
        const auto* row = reinterpret_cast<const std::uint32_t*>(static_cast<const std::uint8_t*>(argb->pixels) +
                                                                 static_cast<std::size_t>(y) * argb->pitch);
        for (int x = 0; x < argb->w; ++x) {
          int tx = penX + x;
          if (tx < 0 || tx >= g.width) continue;
          auto& a = g.alpha[static_cast<std::size_t>(ty) * g.width + tx];
          a = static_cast<std::uint8_t>(std::max<std::uint32_t>(a, row[x] >> 24));
        }
      }
      SDL_UnlockSurface(argb);
      int w = 0, h = 0;
      TTF_SizeUTF8(run.font, run.text.c_str(), &w, &h);
      penX += w;
      SDL_FreeSurface(argb);
    }
  }
  renderedBytes_ += g.alpha.size();
  return rendered_.emplace(std::move(key), std::move(g)).first->second;
}

int FontLibrary::inkWidth(const Font& f, std::string_view text) { return render(f, text).width; }

void FontLibrary::draw(Image& target, int x, int y, const Font& f, std::string_view text, int clipX, int clipY,
                       int clipW, int clipH) {
  const Glyphs& g = render(f, text);
  const int x0 = std::max({x, clipX, 0}), y0 = std::max({y, clipY, 0});
  const int x1 = std::min({x + g.width, clipX + clipW, target.width});
  const int y1 = std::min({y + g.height, clipY + clipH, target.height});
  for (int py = y0; py < y1; ++py)
    for (int px = x0; px < x1; ++px) {
      unsigned a = g.alpha[static_cast<std::size_t>(py - y) * g.width + (px - x)];
      if (!a) continue;
      std::uint32_t& d = target.pixels[static_cast<std::size_t>(py) * target.width + px];
      auto mix = [a](unsigned fg, unsigned bg) { return (fg * a + bg * (255 - a) + 127) / 255; };
      d = mix(f.color.r, (d >> 16) & 0xFF) << 16 | mix(f.color.g, (d >> 8) & 0xFF) << 8 | mix(f.color.b, d & 0xFF);
    }
}

}  // namespace tenrali
