#pragma once
// Numbers in the game's lines are written in full-width digits ("１２０ポエ").
#include <string>

namespace tenrali {

inline std::string fullWidth(long long n) {
  static const char* const kDigits[10] = {"０", "１", "２", "３", "４", "５", "６", "７", "８", "９"};
  const std::string plain = std::to_string(n);
  std::string out;
  for (char c : plain) out += c == '-' ? std::string("－") : std::string(kDigits[c - '0']);
  return out;
}

}  // namespace tenrali
