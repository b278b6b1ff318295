// A whole game in the headless core, played from a recorded script as tenrali-play plays it, and
// how much measuring of captions it asks for: every call, the distinct (face, height, style,
// text) it names, and the texts the fonts actually lay out. Each distinct text is laid out once;
// a change that brings the repeat measuring back shows as more laid out than distinct.
// The game is tests/play/whole_game.play, or the script TENRALI_WHOLE_GAME names
// (bench/headless.sh passes the honest game it writes).
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "app/recorded_play.h"
#include "bench_game.h"

using namespace tenrali;

namespace {

// Counts what the game asks of the fonts on its way to them.
class CountingMetrics : public TextMetrics {
 public:
  explicit CountingMetrics(TextMetrics& fonts) : fonts_(fonts) {}
  TextSize measure(const Font& font, std::string_view text) override {
    ++calls;
    distinct.insert(font.face + '|' + std::to_string(font.height) + (font.bold ? "b" : "") +
                    (font.italic ? "i" : "") + '|' + std::string(text));
    return fonts_.measure(font, text);
  }
  std::uint64_t calls = 0;
  std::set<std::string> distinct;

 private:
  TextMetrics& fonts_;
};

std::vector<std::vector<std::string>> script() {
  const char* named = std::getenv("TENRALI_WHOLE_GAME");
  std::ifstream in(named && *named ? std::string(named)
                                   : std::string(TENRALI_BENCH_SOURCE_DIR) + "/tests/play/whole_game.play");
  std::vector<std::vector<std::string>> lines;
  for (std::string line; std::getline(in, line);)
    if (auto words = playWords(line); !words.empty()) lines.push_back(std::move(words));
  return lines;
}

void BM_WholeGame(benchmark::State& state) {
  const auto lines = script();
  if (lines.empty()) return state.SkipWithError("no script to play");
  for (auto _ : state) {
    FontLibrary fonts;  // its own, so that nothing is measured before the game starts
    CountingMetrics metrics(fonts);
    DirectoryFileSource files{TENRALI_BENCH_GAME_DIR};
    FilePictureStore pictures{files};
    TForm1 form({metrics, pictures, files}, 0);
    for (const auto& words : lines) {
      const PlayStep step = playAction(form, words);
      if (step.kind == PlayStep::Kind::Ticks)
        for (long long i = 0; i < step.ticks && !form.closed(); ++i) form.tickInterval();
      else if (words[0] == "element")  // as tenrali-play answers it: with the element's rectangle
        benchmark::DoNotOptimize(form.screen().rect(playElement(words[1])));
      if (step.kind == PlayStep::Kind::Quit) break;
    }
    state.counters["commands"] = static_cast<double>(lines.size());
    state.counters["measure_calls"] = static_cast<double>(metrics.calls);
    state.counters["distinct_texts"] = static_cast<double>(metrics.distinct.size());
    state.counters["laid_out"] = static_cast<double>(fonts.counts().laidOut);
    state.counters["faces_opened"] = static_cast<double>(fonts.counts().facesOpened);
  }
}
BENCHMARK(BM_WholeGame)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
