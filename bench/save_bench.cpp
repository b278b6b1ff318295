// What saving costs: taking the game off the waiting home screen and writing it as text (done
// after every step that leaves the home screen waiting, to see whether anything changed), writing
// the file to disk (atomically, flushed: only when the game changed), and the load: the file read,
// checked and put on a fresh window's home screen.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>

#include "bench_game.h"
#include "platform/save_keeper.h"
#include "save/saved_game.h"
#include "storage/files.h"

using namespace tenrali;
using namespace tenrali::bench;

namespace {

// A game some days in: seeds planted, a few nights, a word with her.
void somewhereInTheGame(Game& game) {
  game.homeScreen();
  for (E e : {E::menuk4, E::bhutu, E::byes, E::ueki2, E::byes, E::menuk9, E::menuk9, E::menuk8}) {
    Rect r = game.form.screen().rect(e);
    game.form.clickAt(r.x + r.w / 2, r.y + r.h / 2);
  }
}

void BM_SaveText(benchmark::State& state) {
  Game game;
  somewhereInTheGame(game);
  for (auto _ : state) benchmark::DoNotOptimize(savedGameText(takeSavedGame(game.form)));
}
BENCHMARK(BM_SaveText);

struct Folder {
  std::string path;
  Folder() {
    std::string t = (std::filesystem::temp_directory_path() / "tenrali-bench-XXXXXX").string();
    path = ::mkdtemp(t.data());
  }
  ~Folder() { std::filesystem::remove_all(path); }
};

// One autosave as the keeper writes it: text, temporary file, flush, rename, flush the folder.
void BM_SaveToDisk(benchmark::State& state) {
  Game game;
  somewhereInTheGame(game);
  Folder folder;
  const std::string file = folder.path + "/" + SaveKeeper::kFileName;
  for (auto _ : state) writeFileAtomically(file, savedGameText(takeSavedGame(game.form)));
}
BENCHMARK(BM_SaveToDisk)->Unit(benchmark::kMillisecond)->UseRealTime();

// "続きから": the file read and checked, then put on a fresh window (whose building is not counted).
void BM_LoadFromDisk(benchmark::State& state) {
  Game saved;
  somewhereInTheGame(saved);
  Folder folder;
  const std::string file = folder.path + "/" + SaveKeeper::kFileName;
  writeFileAtomically(file, savedGameText(takeSavedGame(saved.form)));
  for (auto _ : state) {
    state.PauseTiming();
    auto fresh = std::make_unique<Game>();
    state.ResumeTiming();
    continueSavedGame(fresh->form, readSavedGameFile(file));
    state.PauseTiming();
    fresh.reset();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_LoadFromDisk)->Unit(benchmark::kMicrosecond);

}  // namespace
