#include "data/quoted.h"

namespace tenrali {

namespace {

// The length of the UTF-8 character at the start of `s`, or 0 when it is not one.
std::size_t utf8Length(std::string_view s, char32_t& code) {
  const auto b = [&s](std::size_t i) { return static_cast<unsigned char>(s[i]); };
  const unsigned char lead = b(0);
  std::size_t n;
  if (lead < 0x80) {
    code = lead;
    return 1;
  }
  if (lead >= 0xC2 && lead <= 0xDF) n = 2, code = lead & 0x1F;
  else if (lead >= 0xE0 && lead <= 0xEF) n = 3, code = lead & 0x0F;
  else if (lead >= 0xF0 && lead <= 0xF4) n = 4, code = lead & 0x07;
  else return 0;
  if (s.size() < n) return 0;
  for (std::size_t i = 1; i < n; ++i) {
    if ((b(i) & 0xC0) != 0x80) return 0;
    code = (code << 6) | (b(i) & 0x3F);
  }
  // Overlong forms, surrogates and what lies past the last character are not UTF-8.
  static constexpr char32_t kLeast[5] = {0, 0, 0x80, 0x800, 0x10000};
  if (code < kLeast[n] || (code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF) return 0;
  return n;
}

// Characters a terminal acts on or that change how the rest of the line looks.
bool unshown(char32_t c) {
  return c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0xFEFF || c == 0x200E || c == 0x200F ||
         (c >= 0x2028 && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069);
}

void escape(std::string& out, std::string_view bytes) {
  static const char digits[] = "0123456789ABCDEF";
  for (char ch : bytes) {
    const auto c = static_cast<unsigned char>(ch);
    out += "\\x";
    out += digits[c >> 4];
    out += digits[c & 15];
  }
}

}  // namespace

std::string quoted(std::string_view text, std::size_t limit) {
  std::string out = "\"";
  std::size_t used = 0;
  while (used < text.size()) {
    char32_t code = 0;
    std::size_t n = utf8Length(text.substr(used), code);
    const bool bad = n == 0;
    if (bad) n = 1;
    if (used + n > limit) {
      out += "…";
      break;
    }
    const std::string_view ch = text.substr(used, n);
    if (bad || unshown(code)) escape(out, ch);
    else if (ch == "\"" || ch == "\\") out += "\\" + std::string(ch);
    else out += ch;
    used += n;
  }
  return out + "\"";
}

}  // namespace tenrali
