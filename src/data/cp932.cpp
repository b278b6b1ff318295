#include "data/cp932.h"

#include <cerrno>
#include <iconv.h>

namespace tenrali {

namespace {
std::optional<std::string> convert(const char* to, const char* from, std::string_view in) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
  std::string out(in.size() * 4 + 4, '\0');
  char* src = const_cast<char*>(in.data());
  std::size_t srcLeft = in.size();
  char* dst = out.data();
  std::size_t dstLeft = out.size();
  bool ok = true;
  while (srcLeft > 0) {
    if (iconv(cd, &src, &srcLeft, &dst, &dstLeft) == static_cast<std::size_t>(-1)) {
      ok = false;  // an invalid or incomplete sequence; E2BIG cannot happen with 4 bytes per input byte
      break;
    }
  }
  iconv_close(cd);
  if (!ok) return std::nullopt;
  out.resize(out.size() - dstLeft);
  return out;
}
}  // namespace

std::optional<std::string> cp932ToUtf8(std::string_view bytes) { return convert("UTF-8", "CP932", bytes); }
std::optional<std::string> utf8ToCp932(std::string_view text) { return convert("CP932", "UTF-8", text); }

}  // namespace tenrali
