#include "data/token_reader.h"

#include <charconv>

namespace tenrali {

bool isDataWhite(unsigned char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

void TokenReader::skipWhite() {
  while (pos_ < bytes_.size() && isDataWhite(static_cast<unsigned char>(bytes_[pos_]))) ++pos_;
}

std::optional<std::string_view> TokenReader::word() {
  skipWhite();
  if (pos_ >= bytes_.size()) return std::nullopt;
  std::size_t start = pos_;
  while (pos_ < bytes_.size() && !isDataWhite(static_cast<unsigned char>(bytes_[pos_]))) ++pos_;
  return bytes_.substr(start, pos_ - start);
}

TokenReader::NumberError TokenReader::number(std::int32_t& out, std::string_view& token) {
  auto w = word();
  if (!w) return NumberError::End;
  token = *w;
  std::string_view digits = *w;
  const bool plus = !digits.empty() && digits.front() == '+';
  if (plus) digits.remove_prefix(1);  // from_chars takes no plus
  // One sign at most: "++1" and "+-1" are not numbers.
  if (digits.empty() || digits.front() == '+' || (plus && digits.front() == '-')) return NumberError::NotANumber;
  std::int32_t value = 0;
  auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  if (ec == std::errc::result_out_of_range) return NumberError::OutOfRange;
  if (ec != std::errc() || end != digits.data() + digits.size()) return NumberError::NotANumber;
  out = value;
  return NumberError::None;
}

}  // namespace tenrali
