// Random play: many games, each from its own seed, driven by random clicks (on shown elements
// and anywhere in the window), menu commands and ticks. After every step the invariants and the
// ledger of goods must hold. Some games start from rich situations (stock, money, skill, heart,
// each contest) so that the deep paths are reached too.
//
//   TENRALI_SOAK_STEPS  total steps (default: a run of a few seconds)
//   TENRALI_SOAK_SEED   first seed (default 1); each game uses the next one
//
// A fault stops the test with the seed, the step and the shortest sequence of steps found that
// still shows it, written as the lines of a test.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <random>
#include <sstream>

#include "support/invariants.h"
#include "support/saved_games.h"
#include "support/test_game.h"

namespace tenrali::test {
namespace {

struct Action {
  enum Kind : std::uint8_t { Click, Tick, New, Quit, Press } kind = Tick;
  std::int16_t x = 0, y = 0;  // Press: x is the key, y whether Shift is held
};

// Every key the game knows, by the name tenrali-play gives it.
const char* const kKeyNames[] = {"Return", "Space", "Escape", "Y", "N", "1", "2", "3", "4", "5",
                                 "6", "7", "8", "9", "Tab", "Left", "Right", "Up", "Down"};

// A situation set up at the start of day 1, as field assignments.
struct Start {
  std::string name = "title";
  bool day1 = false;  // false: from the title picture, through the opening
  std::vector<std::pair<std::string, int>> fields;
};

std::uint64_t envNumber(const char* name, std::uint64_t fallback) {
  const char* v = std::getenv(name);
  if (!v || !*v) return fallback;
  return std::strtoull(v, nullptr, 10);
}

void applyStart(TestGame& g, const Start& start) {
  if (start.day1) g.startDay1With(start.fields);
}

Start randomStart(std::mt19937_64& rng) {
  auto pick = [&rng](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
  Start s;
  const int profile = pick(0, 9);
  if (profile <= 3) return s;  // from the title, through the opening
  s.day1 = true;
  auto stock = [&](int most) {
    for (int k = 0; k < 9; ++k) s.fields.emplace_back("seedCount[" + std::to_string(k) + "]", pick(0, most));
    for (int k = 0; k < 9; ++k) s.fields.emplace_back("fruitCount[" + std::to_string(k) + "]", pick(0, most));
    for (int i = 0; i < 24; ++i) s.fields.emplace_back("accessoryCount[" + std::to_string(i) + "]", pick(0, most / 3));
  };
  auto wear = [&](int least) {  // four slots, their sum as heart
    const char* names[4] = {"hairSlotValue", "braceletSlotValue", "necklaceSlotValue", "ringSlotValue"};
    int heart = 0;
    for (int k = 0; k < 4; ++k) {
      int v = pick(0, 1) || least > 0 ? kAccessory[k * kVariants + pick(least, 5)].heartValue : 0;
      s.fields.emplace_back(names[k], v);
      heart += v;
    }
    s.fields.emplace_back("heart", heart);
  };
  auto pots = [&] {
    for (int p = 1; p <= 3; ++p) {
      if (pick(0, 2) == 0) continue;
      s.fields.emplace_back("pot" + std::to_string(p) + "Seed", pick(0, 8));
      s.fields.emplace_back("pot" + std::to_string(p) + "Growth", pick(0, 3));
    }
  };
  switch (profile) {
    case 4:  // a rich hero
    case 5:
      s.name = "rich";
      stock(20);
      wear(0);
      pots();
      s.fields.emplace_back("money", pick(0, 5000));
      s.fields.emplace_back("skill", pick(0, 700));
      break;
    case 6:
    case 7: {  // on the road to a contest, near its thresholds
      const int stage = pick(1, 3);
      const int skills[4] = {0, 50, 250, 500};
      s.name = "contest " + std::to_string(stage);
      stock(4);
      wear(stage == 1 ? 0 : stage == 2 ? 2 : 4);
      s.fields.emplace_back("contestStage", stage);
      s.fields.emplace_back("skill", skills[stage] + pick(-120, 60) * stage);
      s.fields.emplace_back("money", pick(0, 1) ? 50 * stage * pick(1, 3) : 50 * stage * 2 - 1);
      break;
    }
    case 8: {  // nothing left, or a purse too thin for a seed: the heroine's rescue
      s.name = "broke";
      s.fields.emplace_back("seedCount[0]", 0);
      const int purses[] = {0, 0, 5, 5, 10, 25, 3};
      s.fields.emplace_back("money", purses[pick(0, 6)]);
      if (pick(0, 1)) pots();
      break;
    }
    default:  // a skilled hero with a few fruits of each kind: the new species
      s.name = "skilled";
      stock(3);
      pots();
      s.fields.emplace_back("skill", pick(300, 1000));
      s.fields.emplace_back("money", pick(0, 400));
      break;
  }
  // The contest road needs the stage to be valid whatever the field says.
  for (auto& [name, value] : s.fields)
    if (name == "skill" && value < 0) value = 0;
  return s;
}

// Chooses the next actions from what is on screen.
class Player {
 public:
  explicit Player(std::uint64_t seed) : rng_(seed) {}

  void next(const TForm1& f, bool last, std::vector<Action>& out) {
    const ScreenModel& sm = f.screen();
    if (last && pick(0, 29) == 0) return out.push_back({Action::Quit});
    if (f.state().contestStage == 5 && pick(0, 1)) return out.push_back({Action::New});
    if (pick(0, 199) == 0) return out.push_back({Action::New});  // greyed after the first time
    if (f.anyTimerEnabled() && pick(0, 9) < 6) {
      // Scenes run for hundreds of ticks; the opening replays itself after a thousand.
      const int most = sm.get(E::Timer1).enabled && pick(0, 9) == 0 ? 1200 : 60;
      for (int n = pick(1, most); n > 0; --n) out.push_back({Action::Tick});
      return;
    }
    if (pick(0, 49) == 0) return out.push_back({Action::Tick});
    if (pick(0, 5) == 0)  // a key, which only ever clicks where a click could land
      return out.push_back({Action::Press, static_cast<std::int16_t>(pick(0, std::size(kKeyNames) - 1)),
                            static_cast<std::int16_t>(pick(0, 3) == 0)});
    if (pick(0, 4) == 0)  // anywhere in the window, edges included
      return out.push_back(
          {Action::Click, static_cast<std::int16_t>(pick(-1, 600)), static_cast<std::int16_t>(pick(-1, 400))});
    shown_.clear();
    for (int i = 0; i < kDrawnElements; ++i)
      if (sm.get(elementAt(i)).clickable && sm.isShown(elementAt(i))) shown_.push_back(elementAt(i));
    if (shown_.empty()) return out.push_back({Action::Tick});
    Rect r = sm.rect(shown_[static_cast<std::size_t>(pick(0, static_cast<int>(shown_.size()) - 1))]);
    out.push_back({Action::Click, static_cast<std::int16_t>(r.x + pick(0, std::max(0, r.w - 1))),
                   static_cast<std::int16_t>(r.y + pick(0, std::max(0, r.h - 1)))});
  }

 private:
  int pick(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }
  std::mt19937_64 rng_;
  std::vector<E> shown_;
};

// One step; false when the game has ended.
bool perform(TestGame& g, const Action& a) {
  switch (a.kind) {
    case Action::Click:
      g.clickAt(a.x, a.y);
      break;
    case Action::Tick:
      g.tick();
      break;
    case Action::New:
      g.menuNew();
      break;
    case Action::Quit:
      g.form().menuCommand(E::K4);
      break;
    case Action::Press:
      g.form().keyPress({keyFromName(kKeyNames[a.x])->key, a.y != 0});
      break;
  }
  return !g.form().closed();
}

// A game whose events are heard from its start, as the window hears them.
void listen(TestGame& g) { g.form().events().listen(true); }

std::vector<std::string> faultsAfterStep(TestGame& g, const Ledger& before, SoundDirector& sound) {
  std::vector<std::string> faults = checkInvariants(g.form());
  const Ledger after = Ledger::of(g.s());
  for (auto& f : checkLedger(before, after)) faults.push_back("ledger: " + f);
  for (auto& f : countersRunOver(before, after)) faults.push_back("counter: " + f);
  sound.follow(g.form().events().take());
  for (auto& f : checkMusic(g.form(), sound.music())) faults.push_back("music: " + f);
  for (auto& w : g.warnings) faults.push_back("picture: " + w);
  return faults;
}

// Every field, what is on screen and what the message window says.
std::string fingerprint(TestGame& g) {
  std::string out;
  for (const IntField& f : intFields())
    for (int i = 0; i < f.length; ++i) out += std::to_string(*f.at(g.s(), i)) + ",";
  return out + g.s().todayWeather.name + "|" + g.visibleNames() + "|" + g.message();
}

struct Failure {
  std::size_t step = 0;  // index of the action after which the fault showed
  std::vector<std::string> faults;
};

// Plays a recorded game again; the first fault, if any.
std::optional<Failure> replay(std::uint32_t gameSeed, const Start& start, const std::vector<Action>& actions) {
  TestGame g(gameSeed);
  listen(g);
  applyStart(g, start);
  SoundDirector sound;
  if (auto faults = checkInvariants(g.form()); !faults.empty()) return Failure{0, faults};
  for (std::size_t i = 0; i < actions.size(); ++i) {
    Ledger before = Ledger::of(g.s());
    const bool goesOn = perform(g, actions[i]);
    if (auto faults = faultsAfterStep(g, before, sound); !faults.empty()) return Failure{i, faults};
    if (!goesOn) break;
  }
  return std::nullopt;
}

// The kind of a fault, without its numbers, so that a shorter sequence showing it counts as the same.
std::string kindOf(const std::string& fault) {
  std::string out;
  for (char c : fault) out += (c >= '0' && c <= '9') ? '#' : c;
  return out;
}

// Drops steps while the same kind of fault still shows: halves, quarters, ... single steps;
// then the fields of the start that it does not need.
std::vector<Action> shrink(std::uint32_t gameSeed, Start& start, std::vector<Action> actions, const std::string& kind) {
  auto fails = [&](const Start& s, const std::vector<Action>& candidate) {
    auto f = replay(gameSeed, s, candidate);
    if (!f) return false;
    for (const auto& fault : f->faults)
      if (kindOf(fault) == kind) return true;
    return false;
  };
  auto stillFails = [&](const std::vector<Action>& candidate) { return fails(start, candidate); };
  for (std::size_t chunk = actions.size() / 2; chunk >= 1; chunk /= 2) {
    for (std::size_t at = 0; at + chunk <= actions.size();) {
      std::vector<Action> candidate(actions.begin(), actions.begin() + static_cast<std::ptrdiff_t>(at));
      candidate.insert(candidate.end(), actions.begin() + static_cast<std::ptrdiff_t>(at + chunk), actions.end());
      if (stillFails(candidate))
        actions = std::move(candidate);
      else
        at += chunk;
    }
  }
  for (std::size_t i = start.fields.size(); i-- > 0;) {
    Start fewer = start;
    fewer.fields.erase(fewer.fields.begin() + static_cast<std::ptrdiff_t>(i));
    if (fails(fewer, actions)) start = std::move(fewer);
  }
  return actions;
}

// The sequence as the lines of a test.
std::string asTest(std::uint32_t gameSeed, const Start& start, const std::vector<Action>& actions) {
  std::ostringstream out;
  out << "  TestGame g(" << gameSeed << ");\n";
  if (start.day1) {
    out << "  g.startDay1();\n";
    for (const auto& [name, value] : start.fields) out << "  *field(g.s(), \"" << name << "\") = " << value << ";\n";
    out << "  // then the pots and the worn panel as applyStart() shows them, and g.form().refreshStatus()\n";
  }
  TestGame g(gameSeed);
  applyStart(g, start);
  for (std::size_t i = 0; i < actions.size(); ++i) {
    const Action& a = actions[i];
    if (a.kind == Action::Tick) {
      std::size_t n = 1;
      while (i + 1 < actions.size() && actions[i + 1].kind == Action::Tick) ++n, ++i;
      g.tick(static_cast<int>(n));
      out << "  g.tick(" << n << ");\n";
    } else if (a.kind == Action::Click) {
      E hit = g.clickAt(a.x, a.y);
      out << "  g.clickAt(" << a.x << ", " << a.y << ");  // " << (hit == E::count ? "nothing" : elementName(hit))
          << "\n";
    } else if (a.kind == Action::Press) {
      const E hit = g.form().keyPress({keyFromName(kKeyNames[a.x])->key, a.y != 0}).clicked;
      out << "  g.form().keyPress({*keyFromName(\"" << (a.y ? "Shift+" : "") << kKeyNames[a.x] << "\")});  // "
          << (hit == E::count ? "nothing" : elementName(hit)) << "\n";
    } else {
      perform(g, a);
      out << (a.kind == Action::New ? "  g.menuNew();\n" : "  g.form().menuCommand(E::K4);\n");
    }
  }
  return out.str();
}

TEST(Soak, RandomPlayKeepsEveryInvariant) {
  const std::uint64_t totalSteps = envNumber("TENRALI_SOAK_STEPS", 150000);
  const std::uint64_t firstSeed = envNumber("TENRALI_SOAK_SEED", 1);
  Coverage coverage;
  std::uint64_t steps = 0, clicks = 0, keys = 0, games = 0, quits = 0, endings = 0, continuedGames = 0;
  const auto began = std::chrono::steady_clock::now();
  for (std::uint64_t run = 0; steps < totalSteps; ++run) {
    const std::uint64_t seed = firstSeed + run;
    std::mt19937_64 rng(seed * 0x9E3779B97F4A7C15ULL);
    const auto gameSeed = static_cast<std::uint32_t>(rng());
    const Start start = randomStart(rng);
    const std::uint64_t length = std::uniform_int_distribution<std::uint64_t>(500, 8000)(rng);
    Player player(rng());
    TestGame g(gameSeed);
    listen(g);
    applyStart(g, start);
    SoundDirector sound;
    // Every fourth game is saved at the first home screen after a random step and continued in a
    // second window, which then gets the same steps: the two must stay the same game throughout.
    std::unique_ptr<TestGame> continued;
    const std::uint64_t cutFrom = run % 4 == 1 ? std::uniform_int_distribution<std::uint64_t>(0, length)(rng) : ~0ull;
    std::uint64_t cutAt = 0;
    std::vector<Action> actions, next;
    std::optional<Failure> failure;
    if (auto faults = checkInvariants(g.form()); !faults.empty()) failure = Failure{0, faults};
    bool goesOn = true;
    while (!failure && goesOn && actions.size() < length && steps < totalSteps) {
      next.clear();
      player.next(g.form(), actions.size() + 1 >= length, next);
      for (const Action& a : next) {
        Ledger before = Ledger::of(g.s());
        actions.push_back(a);
        goesOn = perform(g, a);
        ++steps;
        clicks += a.kind == Action::Click;
        keys += a.kind == Action::Press;
        coverage.record(g.form());
        if (auto faults = faultsAfterStep(g, before, sound); !faults.empty()) {
          failure = Failure{actions.size() - 1, faults};
          break;
        }
        if (continued) {
          perform(*continued, a);
          ASSERT_EQ(gameDigest(continued->form()), gameDigest(g.form()))
              << "game " << seed << " (game seed " << gameSeed << "), saved after step " << cutAt
              << " and continued, went another way at step " << actions.size();
        } else if (actions.size() >= cutFrom && g.form().homeScreenWaits()) {
          std::string text;
          continued = continuedGame(g.form(), &text);
          // The focus ring is the window's, not the game's: the continued game takes the player's
          // ring as it stands, so that the same keys click the same places.
          continued->form().keyboard() = g.form().keyboard();
          cutAt = actions.size();
          ASSERT_EQ(gameDigest(continued->form()), gameDigest(g.form()))
              << "game " << seed << " saved after step " << cutAt << " does not continue as it was:\n" << text;
          ++continuedGames;
        }
        if (!goesOn) break;
      }
    }
    ++games;
    quits += g.form().closed();
    endings += g.sm().get(E::Timer8).enabled;
    if (failure) {
      // A fault in the start itself comes before any step.
      const std::size_t taken = std::min(actions.size(), failure->step + 1);
      std::vector<Action> upTo(actions.begin(), actions.begin() + static_cast<std::ptrdiff_t>(taken));
      Start shortStart = start;
      auto shortest = shrink(gameSeed, shortStart, upTo, kindOf(failure->faults[0]));
      std::ostringstream report;
      report << "game " << seed << " (start: " << start.name << ", game seed " << gameSeed << "), step " << taken
             << ":\n";
      for (const auto& f : failure->faults) report << "  " << f << "\n";
      report << "the same fault in " << shortest.size() << " steps:\n" << asTest(gameSeed, shortStart, shortest);
      FAIL() << report.str();
    }
    // Every eighth game is played again from its seed: the same steps must give the same game.
    if (run % 8 == 0) {
      TestGame again(gameSeed);
      applyStart(again, start);
      for (const Action& a : actions)
        if (!perform(again, a)) break;
      ASSERT_EQ(fingerprint(again), fingerprint(g)) << "game " << seed << " played twice ended differently";
    }
  }
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count();
  const auto& all = Coverage::all();
  const auto missing = coverage.missing();
  std::cout << "soak: " << steps << " steps (" << clicks << " clicks, " << keys << " keys) in " << games
            << " games (" << quits << " quit, " << endings << " reached the ending, " << continuedGames
            << " saved and continued alongside), " << static_cast<long long>(steps / seconds) << " steps/s; visited "
            << all.size() - missing.size() << " of " << all.size() << " dialogue and scene states\n";
  if (totalSteps >= 150000) {
    EXPECT_EQ(coverage.missingInOpened(), std::vector<std::string>{}) << "states of an opened dialogue never reached";
  }
  if (!missing.empty()) {
    std::cout << "soak: not visited:";
    for (const auto& m : missing) std::cout << " " << m;
    std::cout << "\n";
  }
}

// Fields set to anything, in or out of their ranges, between random clicks and ticks: no state,
// however it came about, may make a handler read or write outside its tables. The sanitized
// build (with the standard library's own bounds checks) is what catches such a step.
TEST(Soak, FieldsOutOfRangeNeverCrash) {
  const std::uint64_t totalSteps = envNumber("TENRALI_SOAK_STEPS", 150000) / 3;
  const std::uint64_t firstSeed = envNumber("TENRALI_SOAK_SEED", 1);
  // Half of the values lie at the edges of the game's tables and of the 32-bit range, half
  // anywhere in that range.
  const std::int32_t edges[] = {INT32_MIN, INT32_MIN + 1, -100, -1, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 23, 24, 25,
                                26, 27, 30, 99, 1000, INT32_MAX - 1, INT32_MAX};
  const auto& fields = intFields();
  std::uint64_t steps = 0, sets = 0, clicks = 0;
  for (std::uint64_t run = 0; steps < totalSteps; ++run) {
    std::mt19937_64 rng((firstSeed + run) * 0xD1B54A32D192ED03ULL);
    auto pick = [&rng](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    TestGame g(static_cast<std::uint32_t>(rng()));
    g.startDay1();
    Player player(rng());
    std::vector<Action> next;
    for (int i = 0; i < 3000 && steps < totalSteps && !g.form().closed(); ++i) {
      if (pick(0, 4) == 0) {
        const IntField& f = fields[static_cast<std::size_t>(pick(0, static_cast<int>(fields.size()) - 1))];
        *f.at(g.s(), pick(0, f.length - 1)) =
            pick(0, 1) ? edges[pick(0, std::size(edges) - 1)] : static_cast<std::int32_t>(rng());
        ++sets;
        continue;
      }
      next.clear();
      player.next(g.form(), false, next);
      for (const Action& a : next) {
        const Ledger before = Ledger::of(g.s());
        perform(g, a);
        ++steps;
        clicks += a.kind == Action::Click;
        const auto runOver = countersRunOver(before, Ledger::of(g.s()));
        ASSERT_TRUE(runOver.empty()) << "game " << firstSeed + run << ", step " << steps << ": " << runOver[0];
      }
    }
  }
  std::cout << "soak: " << steps << " steps (" << clicks << " clicks) among " << sets << " fields set out of turn\n";
}

}  // namespace
}  // namespace tenrali::test
