#pragma once
// What every reader must do with any bytes at all: read them into fields that fit, or refuse them
// with a DataError naming the file. Anything else (another exception, a crash, a leak) is a fault.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "data/cp932.h"
#include "data/data_files.h"

namespace tenrali::fuzz {

[[noreturn]] inline void fault(const std::string& what) {
  std::fprintf(stderr, "fault: %s\n", what.c_str());
  std::abort();
}

// A text field read from the file: valid text, one token, at most `width - 1` bytes of cp932.
inline void checkText(const std::string& utf8, int width) {
  auto bytes = utf8ToCp932(utf8);
  if (!bytes) fault("a field holds text with no cp932 form: " + utf8);
  if (bytes->empty() || static_cast<int>(bytes->size()) > width - 1)
    fault("a field of width " + std::to_string(width) + " holds " + std::to_string(bytes->size()) + " bytes");
  for (char c : *bytes)
    if (c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f' || c == '\0')
      fault("a field holds white space or a zero byte");
}

// Reads with `read`; the refusal must name `file` and a record.
template <class Read, class Check>
int readOrRefuse(const std::uint8_t* data, std::size_t size, const char* file, Read read, Check check) {
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  try {
    check(read(bytes));
  } catch (const DataError& e) {
    const std::string what = e.what();
    if (what.rfind(std::string(file) + ": record ", 0) != 0) fault("the refusal does not name the file: " + what);
  }
  return 0;
}

}  // namespace tenrali::fuzz
