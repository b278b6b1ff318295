// What the game sounds like: the cues chosen from the game's events, and the sound played in the
// window through SDL's dummy audio driver (no sound card needed), without any device at all, and
// switched off from the menu.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "platform/event_loop.h"
#include "platform/game_window.h"
#include "platform/sound_player.h"
#include "storage/settings.h"
#include "support/test_game.h"

namespace tenrali::test {
namespace {

namespace fs = std::filesystem;
using K = GameEventKind;

std::string cues(SoundDirector& d, std::vector<GameEvent> events) {
  std::string out;
  for (const SoundCue& c : d.follow(events)) out += (out.empty() ? "" : ", ") + c.text();
  return out;
}

// The weather of the day chooses the home screen's piece, also when the day changes at home, but
// a day that passes elsewhere (a contest) leaves that place's music alone; an effect that many
// things call for at once sounds once.
TEST(SoundDirector, FollowsTheWeatherHomeAndSoundsAnEffectOncePerBatch) {
  SoundDirector d;
  EXPECT_EQ(d.music(), Music::Title);
  const int rain = 2, sunny = 0, snow = 4, rainbow = 7;
  EXPECT_EQ(cues(d, {{K::MessageMovedOn}, {K::HomeShown, rain}}), "effect message, music rain");
  EXPECT_EQ(cues(d, {{K::ButtonPressed}, {K::DayChanged, snow}}), "effect click, effect day") << "still a soft day";
  EXPECT_EQ(cues(d, {{K::ButtonPressed}, {K::DayChanged, sunny}}), "effect click, effect day, music home");
  EXPECT_EQ(cues(d, {{K::ButtonPressed}, {K::Harvested, 0}, {K::Harvested, 3}, {K::Harvested, 8}}),
            "effect click, effect harvest");
  EXPECT_EQ(cues(d, {{K::ButtonPressed}, {K::ShopsOpened}}), "effect click, music shops");
  EXPECT_EQ(cues(d, {{K::ButtonPressed}, {K::Sold}}), "effect click, effect sale");
  EXPECT_EQ(cues(d, {{K::ButtonPressed}, {K::ShopsClosed}}), "effect click, music home");
  EXPECT_EQ(cues(d, {{K::ContestEntered, 1}}), "effect purchase, music arrival");
  EXPECT_EQ(cues(d, {{K::ContestDayStarted, 1}, {K::PlaceCalled, 3}}), "music contest, effect applause");
  EXPECT_EQ(cues(d, {{K::LossSceneStarted}}), "music loss");
  EXPECT_EQ(cues(d, {{K::PlantWithered}, {K::DayChanged, rainbow}}), "effect wither, effect day")
      << "the day after a contest begins while the loss is still heard";
  EXPECT_EQ(cues(d, {{K::HomeShown, rainbow}}), "music home");
  EXPECT_EQ(cues(d, {{K::WinSceneStarted, 2}}), "music win");
  EXPECT_EQ(cues(d, {{K::WinSceneStarted, 3}}), "music ending");
}

// The window with its sound, on SDL's dummy drivers, its settings in a folder of the test's own.
class WindowSound : public ::testing::Test {
 protected:
  void SetUp() override {
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    folder = fs::temp_directory_path() / ("tenrali-sound-" + std::to_string(::getpid()));
    fs::remove_all(folder);
    configureSdl();
    startVideo();
    window = std::make_unique<GameWindow>("test", 0, 0, kWindowWidth, kWindowHeight, 1);
  }
  void TearDown() override {
    loop.reset();
    sound.reset();
    window.reset();
    SDL_Quit();
    unsetenv("SDL_VIDEODRIVER");
    unsetenv("SDL_AUDIODRIVER");
    fs::remove_all(folder);
  }
  void openWindow() {
    settings = std::make_unique<Settings>((folder / "settings").string());
    settings->load();
    sound = std::make_unique<SoundPlayer>(TENRALI_TEST_GAME_DIR, *settings,
                                          [this](const std::string& line) { said.push_back(line); });
    loop = std::make_unique<EventLoop>(g.form(), sharedFonts(), g.sm().pictures(), *window, sound.get());
    loop->showFirstFrame();
    sound->start();
  }
  // Chooses an entry of the menu with that title, by clicks on the window as the player would.
  void choose(std::size_t menu, std::size_t entry) {
    const MenuBar& bar = loop->menu();
    auto click = [this](int x, int y) {
      for (Uint32 type : {SDL_MOUSEBUTTONDOWN, SDL_MOUSEBUTTONUP}) {
        SDL_Event e{};
        e.type = type;
        e.button.button = SDL_BUTTON_LEFT;
        e.button.x = x;
        e.button.y = y;
        loop->handle(e);
      }
    };
    const Rect title = bar.titleRect(menu);
    click(title.x + title.w / 2, title.y + title.h / 2);
    const Rect item = bar.entryRect(entry);
    click(item.x + item.w / 2, item.y + item.h / 2);
  }
  // Hands SDL's events to the loop for a while (a piece fading into the next).
  void pump(int ms) {
    const Uint64 end = SDL_GetTicks64() + static_cast<Uint64>(ms);
    SDL_Event e;
    while (SDL_GetTicks64() < end)
      if (SDL_WaitEventTimeout(&e, 10)) loop->handle(e);
  }

  TestGame g;
  fs::path folder;
  std::unique_ptr<GameWindow> window;
  std::unique_ptr<Settings> settings;
  std::unique_ptr<SoundPlayer> sound;
  std::unique_ptr<EventLoop> loop;
  std::vector<std::string> said;
};

// A whole recorded game in the window with music and effects on: every piece and effect is
// loaded and played on the way without a fault (the sanitizers watch this too), and the ending's
// music is what plays at the end.
TEST_F(WindowSound, AWholeGamePlaysWithSoundOn) {
  openWindow();
  ASSERT_TRUE(sound->deviceOpen()) << (said.empty() ? "" : said[0]);
  EXPECT_EQ(sound->loadedMusic(), Music::Title);
  std::ifstream in(fs::path(TENRALI_TEST_SOURCE_DIR) / "tests" / "play" / "whole_game.play");
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  lines.push_back("menu quit");
  Replay replay(lines, 1000);
  loop->setReplay(&replay);
  EXPECT_EQ(loop->run(), 0);
  EXPECT_EQ(sound->director().music(), Music::Ending);
  pump(800);  // the last piece fades out before the ending's begins
  EXPECT_EQ(sound->loadedMusic(), Music::Ending);
  EXPECT_TRUE(said.empty()) << said[0];
}

// Without a device the game plays on silently and says so once.
TEST_F(WindowSound, NoDeviceMeansSilenceAndOneLine) {
  setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
  openWindow();
  EXPECT_FALSE(sound->deviceOpen());
  g.startDay1();
  sound->follow(g.form().events().take());
  sound->setEffects(false);
  sound->setEffects(true);
  ASSERT_EQ(said.size(), 1u);
  EXPECT_EQ(said[0].rfind("tenrali: no sound device", 0), 0u) << said[0];
}

// "設定" > "音楽" and "効果音": each switches its part off; with both off the device is closed,
// and the choice is kept for the next run.
TEST_F(WindowSound, TheMenuSwitchesSoundOffAndTheChoiceIsKept) {
  openWindow();
  ASSERT_TRUE(sound->deviceOpen());
  choose(1, 0);  // 音楽
  EXPECT_FALSE(*sound->musicOn());
  EXPECT_EQ(sound->loadedMusic(), Music::None);
  EXPECT_TRUE(sound->deviceOpen()) << "the effects still sound";
  choose(1, 1);  // 効果音
  EXPECT_FALSE(*sound->effectsOn());
  EXPECT_FALSE(sound->deviceOpen());

  // The next run starts silent, its device closed.
  loop.reset();
  sound.reset();
  openWindow();
  EXPECT_FALSE(*sound->musicOn());
  EXPECT_FALSE(*sound->effectsOn());
  EXPECT_FALSE(sound->deviceOpen());
  choose(1, 0);
  EXPECT_TRUE(sound->deviceOpen());
  EXPECT_EQ(sound->loadedMusic(), Music::Title);
  EXPECT_TRUE(said.empty()) << said[0];
}

}  // namespace
}  // namespace tenrali::test
