#pragma once
// Text in our data files is cp932 (Shift-JIS as Windows writes it). It is decoded once, when read.
#include <optional>
#include <string>
#include <string_view>

namespace tenrali {

// UTF-8 text of cp932 bytes, or nothing when the bytes are not valid cp932.
// 0x5C stays a backslash (the fonts decide whether it looks like a yen sign).
std::optional<std::string> cp932ToUtf8(std::string_view bytes);
// cp932 bytes of UTF-8 text, or nothing when a character has no cp932 form.
std::optional<std::string> utf8ToCp932(std::string_view text);

}  // namespace tenrali
