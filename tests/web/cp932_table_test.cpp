// The web page's cp932 tables give glibc's answers: every single byte, every byte pair, longer
// texts made of them, the game's data files, and the encoding of every character.
#include <gtest/gtest.h>
#include <iconv.h>

#include <fstream>
#include <iterator>
#include <optional>
#include <random>
#include <string>

#include "data/cp932.h"

namespace tenrali {
namespace {

// glibc's own converter, as the desktop game uses it.
class Glibc {
 public:
  Glibc(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
  ~Glibc() { iconv_close(cd_); }
  std::optional<std::string> operator()(std::string_view in) {
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    std::string out(in.size() * 4 + 4, '\0');
    char* src = const_cast<char*>(in.data());
    char* dst = out.data();
    std::size_t srcLeft = in.size(), dstLeft = out.size();
    if (iconv(cd_, &src, &srcLeft, &dst, &dstLeft) == static_cast<std::size_t>(-1) || srcLeft) return std::nullopt;
    out.resize(out.size() - dstLeft);
    return out;
  }

 private:
  iconv_t cd_;
};

std::string hex(std::string_view s) {
  std::string out;
  for (unsigned char c : s) out += "0123456789ABCDEF"[c >> 4], out += "0123456789ABCDEF"[c & 15];
  return out;
}

TEST(WebCp932, EveryByteAndBytePairDecodesAsGlibcDoes) {
  Glibc decode("UTF-8", "CP932");
  int differ = 0;
  for (int a = 0; a < 256; ++a)
    for (int b = -1; b < 256; ++b) {
      std::string in(1, static_cast<char>(a));
      if (b >= 0) in += static_cast<char>(b);
      if (cp932ToUtf8(in) != decode(in) && ++differ <= 10) ADD_FAILURE() << "0x" << hex(in) << " decodes differently";
    }
  EXPECT_EQ(differ, 0);
}

TEST(WebCp932, TextsOfManyCharactersDecodeAsGlibcDoes) {
  Glibc decode("UTF-8", "CP932");
  // Bytes of every kind: ASCII, half-width kana, lead bytes (NEC and IBM rows too), trail bytes,
  // and bytes cp932 never uses.
  const std::string pool("\x20\x41\x5C\x7E\x7F\x80\x81\x82\x87\x88\x9F\xA0\xA1\xDF\xE0\xED\xEE\xEF\xF0\xFA\xFC\xFD\xFF"
                         "\x40\x60\x7E\x9E\x9F\xFC\x00",
                         30);
  std::mt19937 random(932);
  int differ = 0;
  for (int n = 0; n < 200000; ++n) {
    std::string in(1 + random() % 8, ' ');
    for (char& c : in) c = pool[random() % pool.size()];
    if (cp932ToUtf8(in) != decode(in) && ++differ <= 10) ADD_FAILURE() << "0x" << hex(in) << " decodes differently";
  }
  for (const char* file : {"tenki.dat", "tane.dat", "akuse.dat"}) {
    std::ifstream in(std::string(TENRALI_TEST_DATA_DIR) + "/" + file, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), {}};
    ASSERT_FALSE(bytes.empty()) << file;
    EXPECT_EQ(cp932ToUtf8(bytes), decode(bytes)) << file;
  }
  EXPECT_EQ(differ, 0);
}

TEST(WebCp932, EveryCharacterEncodesAsGlibcDoes) {
  Glibc encode("CP932", "UTF-8");
  auto utf8 = [](char32_t cp) {
    std::string s;
    if (cp < 0x80) return std::string(1, static_cast<char>(cp));
    if (cp < 0x800) return s + static_cast<char>(0xC0 | cp >> 6) + static_cast<char>(0x80 | (cp & 0x3F));
    if (cp < 0x10000)
      return s + static_cast<char>(0xE0 | cp >> 12) + static_cast<char>(0x80 | (cp >> 6 & 0x3F)) +
             static_cast<char>(0x80 | (cp & 0x3F));
    return s + static_cast<char>(0xF0 | cp >> 18) + static_cast<char>(0x80 | (cp >> 12 & 0x3F)) +
           static_cast<char>(0x80 | (cp >> 6 & 0x3F)) + static_cast<char>(0x80 | (cp & 0x3F));
  };
  int differ = 0;
  for (char32_t cp = 0; cp < 0x10400; ++cp) {  // the whole first plane and a little past it
    const std::string in = utf8(cp);
    if (utf8ToCp932(in) != encode(in) && ++differ <= 10) ADD_FAILURE() << "U+" << std::hex << static_cast<unsigned>(cp) << " encodes differently";
  }
  // Text that is not UTF-8: a lone continuation byte, an overlong form, a surrogate, a cut-off end.
  for (std::string bad : {"\x80", "\xC0\xAF", "\xED\xA0\x80", "\xE3\x81", "a\xFF"})
    EXPECT_EQ(utf8ToCp932(bad), encode(bad)) << hex(bad);
  EXPECT_EQ(differ, 0);
}

}  // namespace
}  // namespace tenrali
