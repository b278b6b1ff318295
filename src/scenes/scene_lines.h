#pragma once
// The spoken lines of a story scene, one row per tick: who speaks, with which portrait, and one
// or two lines of text. The scene scripts keep their picture changes and hand-overs in code and
// their words in these tables.
#include <span>

#include "app/form1.h"

namespace tenrali {

inline constexpr const char* kHero = "トルン";
inline constexpr const char* kHeroine = "ララベ";
inline constexpr const char* kRival = "ゼフィナ";
inline constexpr const char* kButler = "執事";
inline constexpr const char* kStranger = "？？？？？";  // the rival before she is named

struct SceneLine {
  int tick;
  const char* portrait;
  const char* speaker;
  const char* line1;
  const char* line2;  // "" for a one-line row
};

// Says the row of this tick in the scene layout; false when the table has no row for it.
bool sayLineAt(TForm1& f, std::span<const SceneLine> lines, int tick);

// Ends a scene by handing the shared counter to the next one: the old timer stops first.
void handOver(TForm1& f, E from, E to);

}  // namespace tenrali
