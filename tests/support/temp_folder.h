#pragma once
// A folder of its own for one test, removed with everything in it at the end.
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace tenrali::test {

struct TempFolder {
  std::filesystem::path path;
  TempFolder() {
    std::string t = (std::filesystem::temp_directory_path() / "tenrali-test-XXXXXX").string();
    path = ::mkdtemp(t.data());
  }
  ~TempFolder() { std::filesystem::remove_all(path); }
  std::string operator/(const char* name) const { return (path / name).string(); }
};

inline std::string slurp(const std::string& p) {
  std::ifstream in(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

}  // namespace tenrali::test
