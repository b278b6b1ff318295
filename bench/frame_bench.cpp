// What one picture costs: the game's screen drawn by our software renderer, the window's
// picture with its menu bar, and showing it in a window surface; plus the core's own costs
// (building the main window object, opening the fonts). The farm's costs are in farm_bench.cpp.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>

#include "bench_game.h"
#include "platform/event_loop.h"
#include "platform/game_window.h"
#include "platform/renderer.h"
#include "platform/scaled_pictures.h"

using namespace tenrali;
using namespace tenrali::bench;

namespace {

void renderLoop(benchmark::State& state, Game& game) {
  ScreenRenderer renderer(fonts(), game.pictures);
  Image out;
  renderer.render(game.form.screen(), out);  // pictures decoded, captions rendered: the caches are warm
  for (auto _ : state) {
    renderer.render(game.form.screen(), out);
    benchmark::DoNotOptimize(out.pixels.data());
  }
}

void BM_RenderTitle(benchmark::State& state) {
  Game game;
  renderLoop(state, game);
}
BENCHMARK(BM_RenderTitle)->Unit(benchmark::kMicrosecond);

void BM_RenderHomeScreen(benchmark::State& state) {
  Game game;
  game.homeScreen();
  renderLoop(state, game);
}
BENCHMARK(BM_RenderHomeScreen)->Unit(benchmark::kMicrosecond);

void BM_RenderSceneFrame(benchmark::State& state) {
  Game game;
  game.sceneFrame();
  renderLoop(state, game);
}
BENCHMARK(BM_RenderSceneFrame)->Unit(benchmark::kMicrosecond);

// The first frame of a scene picture: nothing of it is held before (a large picture is kept only
// while it is shown), so it is read and decoded while the frame is drawn. Each frame shows the
// other of two scene pictures. It must stay well within one 100 ms tick.
void BM_FirstFrameOfScenePicture(benchmark::State& state) {
  Game game;
  game.sceneFrame();
  ScreenRenderer renderer(fonts(), game.pictures);
  Image out;
  renderer.render(game.form.screen(), out);  // the portrait and the captions are cached
  bool flip = false;
  for (auto _ : state) {
    game.form.screen().setVisible(E::ivent3, flip);
    game.form.screen().setVisible(E::ivent4, !flip);
    flip = !flip;
    renderer.render(game.form.screen(), out);
    benchmark::DoNotOptimize(out.pixels.data());
  }
  state.counters["held_MB"] = game.pictures.decodedPixels() * 4 / 1e6;
}
BENCHMARK(BM_FirstFrameOfScenePicture)->Unit(benchmark::kMillisecond);

// A changed message on the home screen: the game's picture drawn again and the menu bar over it,
// as the window does after a click or a tick that changed something; at scale 1, 2 and 3 (the
// pictures from their larger renderings).
void BM_WindowPictureAfterChange(benchmark::State& state) {
  Game game;
  game.homeScreen();
  MenuBar menu = windowMenuBar(game.form.screen(), 2);
  menu.layout(fonts());
  ScaledPictureStore larger(game.pictures, game.files);
  WindowPicture picture(game.form, fonts(), larger, menu, static_cast<int>(state.range(0)));
  picture.draw();
  bool flip = false;
  for (auto _ : state) {
    game.form.sayMessage("", "トルン", flip ? "「今日も一日" : "「あしたも", "がんばるぞ！」", "");
    flip = !flip;
    benchmark::DoNotOptimize(picture.draw().pixels.data());
  }
}
BENCHMARK(BM_WindowPictureAfterChange)->Arg(1)->Arg(2)->Arg(3)->Unit(benchmark::kMicrosecond);

// Showing the window's picture, drawn at the window's scale, in a window surface (SDL's dummy
// driver: memory only, so this is our copy, not the display's), at scale 1, 2 and 3.
void BM_PresentToSurface(benchmark::State& state) {
  setenv("SDL_VIDEODRIVER", "dummy", 1);
  configureSdl();
  startVideo();
  {
    Game game;
    MenuBar menu = windowMenuBar(game.form.screen(), 2);
    menu.layout(fonts());
    const int scale = static_cast<int>(state.range(0));
    WindowPicture picture(game.form, fonts(), game.pictures, menu, scale);
    GameWindow window("bench", 0, 0, kWindowWidth, kWindowHeight, scale);
    const Image& frame = picture.draw();
    for (auto _ : state) window.present(frame);
  }
  SDL_Quit();
}
BENCHMARK(BM_PresentToSurface)->Arg(1)->Arg(2)->Arg(3)->Unit(benchmark::kMicrosecond);

// The main window object: the catalogue (its labels measured when first needed), the data files
// read.
void BM_BuildMainWindowObject(benchmark::State& state) {
  DirectoryFileSource files{TENRALI_BENCH_GAME_DIR};
  FilePictureStore pictures{files};
  for (auto _ : state) {
    TForm1 form({fonts(), pictures, files}, 0);
    benchmark::DoNotOptimize(&form);
  }
}
BENCHMARK(BM_BuildMainWindowObject)->Unit(benchmark::kMicrosecond);

// The fonts from nothing: our fontconfig configuration with its aliases, and the menu's face.
void BM_OpenFontLibrary(benchmark::State& state) {
  for (auto _ : state) {
    FontLibrary f;
    benchmark::DoNotOptimize(&f);
  }
}
BENCHMARK(BM_OpenFontLibrary)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace
