#include "scenes/scene_lines.h"

namespace tenrali {

bool sayLineAt(TForm1& f, std::span<const SceneLine> lines, int tick) {
  for (const SceneLine& row : lines) {
    if (row.tick != tick) continue;
    f.saySceneLine(row.portrait, row.speaker, row.line1, row.line2);
    return true;
  }
  return false;
}

void handOver(TForm1& f, E from, E to) {
  f.screen().enableTimer(from, false);
  f.state().sceneTick = 0;
  f.screen().enableTimer(to, true);
}

}  // namespace tenrali
