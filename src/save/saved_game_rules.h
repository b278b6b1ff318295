#pragma once
// The checks a saved game passes before it may reach the screen, shared by the reader.
#include <cstdint>
#include <map>
#include <string>
#include <string_view>

#include "save/saved_game.h"

namespace tenrali {

// A SaveError, with "line N: " before the fault when the line is known (N > 0).
[[noreturn]] void failOnLine(int line, const std::string& what);

// The values a field of the game state can hold while the home screen waits.
struct FieldRange {
  const char* field;
  std::int64_t lo, hi;
};
const FieldRange& rangeOf(std::string_view field);

// The rules that bind the fields together (heart and the slots, the pots, the withered plates);
// `lineOf` names the line each field was read from.
void checkRules(const SavedGame& game, const std::map<std::string, int>& lineOf);

}  // namespace tenrali
