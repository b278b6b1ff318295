#pragma once
// Reads a data file the way its records were written: whitespace-separated tokens,
// "%s" a run of non-white bytes, "%d" an optionally signed decimal number.
// Line structure does not matter; a carriage return is white space like any other.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tenrali {

class TokenReader {
 public:
  explicit TokenReader(std::string_view bytes) : bytes_(bytes) {}
  // The next run of non-white bytes, or nothing at the end of the input.
  std::optional<std::string_view> word();
  enum class NumberError { None, End, NotANumber, OutOfRange };
  // The next token as a 32-bit number.
  NumberError number(std::int32_t& out, std::string_view& token);

 private:
  void skipWhite();
  std::string_view bytes_;
  std::size_t pos_ = 0;
};

bool isDataWhite(unsigned char c);

}  // namespace tenrali
