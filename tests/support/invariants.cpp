#include "support/invariants.h"

#include "support/test_game.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <numeric>
#include <unordered_map>

#include "platform/fonts.h"
#include "state/accessories.h"
#include "state/saturating.h"

namespace tenrali::test {

namespace {


std::string triple(int a, int b, int c) {
  return "(" + std::to_string(a) + "," + std::to_string(b) + "," + std::to_string(c) + ")";
}
std::string pair(int a, int b) { return "(" + std::to_string(a) + "," + std::to_string(b) + ")"; }

// Every flow by name with its present state, and whether that state is one the flow has.
struct Flow {
  const char* name;
  std::string state;
  bool idle;
  bool valid;
};

std::vector<Flow> flows(const GameState& s) {
  const int a = s.accessoryMakeState, b = s.seedMakeState, c = s.speciesMakeState;
  const bool workshopValid = (a == 8 && b == 7 && c == 6) || (a >= 0 && a <= 7 && b == 0 && c == 0) ||
                             (a == 0 && b >= 1 && b <= 6 && c == 0) || (a == 0 && b == 1 && c >= 1 && c <= 5);
  const int sh = s.shopState, ss = s.seedShopState;
  const bool shopValid = (sh == 5 && ss == 5) || (sh >= 0 && sh <= 4 && ss == 0) || (sh == 0 && ss >= 1 && ss <= 4);
  auto one = [](int v, std::initializer_list<int> ok) { return std::find(ok.begin(), ok.end(), v) != ok.end(); };
  return {
      {"plant", std::to_string(s.plantState), s.plantState == 5, one(s.plantState, {0, 1, 2, 5})},
      {"harvest", std::to_string(s.harvestState), s.harvestState == 5, one(s.harvestState, {0, 5})},
      {"workshop", triple(a, b, c), a == 8 && b == 7 && c == 6, workshopValid},
      {"shop", pair(sh, ss), sh == 5 && ss == 5, shopValid},
      {"gift", std::to_string(s.giftState), s.giftState == 4, s.giftState >= 0 && s.giftState <= 4},
      {"itemView", std::to_string(s.itemViewState), s.itemViewState == 2, s.itemViewState >= 0 && s.itemViewState <= 2},
      {"contestEntry", std::to_string(s.contestEntryState), s.contestEntryState == 3,
       s.contestEntryState >= 0 && s.contestEntryState <= 3},
  };
}

bool within(int v, int lo, int hi) { return v >= lo && v <= hi; }

// How wide a line of the message window is on screen, in unscaled pixels: the widest of its
// width as the game measures it and as the window sets it at two and three times its size
// (where the face's hinting may make it a pixel or two wider than twice or thrice).
int drawnWidth(const Element& line) {
  static std::unordered_map<std::string, int> known;
  auto found = known.find(line.caption);
  if (found != known.end()) return found->second;
  int widest = 0;
  for (int scale : {1, 2, 3}) {
    Font font = line.font;
    font.height *= scale;
    widest = std::max(widest, (sharedFonts().measure(font, line.caption).width + scale - 1) / scale);
  }
  return known.emplace(line.caption, widest).first->second;
}

bool overlaps(const Rect& a, const Rect& b) {
  return a.x < b.x + b.w && b.x < a.x + a.w && a.y < b.y + b.h && b.y < a.y + a.h;
}
int potSeed(const GameState& s, int p) { return p == 1 ? s.pot1Seed : p == 2 ? s.pot2Seed : s.pot3Seed; }
int potGrowth(const GameState& s, int p) { return p == 1 ? s.pot1Growth : p == 2 ? s.pot2Growth : s.pot3Growth; }

bool slotValueExists(int slot, int v) {
  return v == 0 || accessoryWornAt(slot, v) != kNoAccessory;
}

// The characters the web page's fonts carry: what the build gathered from our sources and data
// files as every character the game can show (tools/web/game_chars.py).
const std::u32string& pageCharacters() {
  static const std::u32string chars = [] {
    std::ifstream in(TENRALI_TEST_GAME_CHARS, std::ios::binary);
    std::u32string all = faceText("", std::string{std::istreambuf_iterator<char>(in), {}});
    std::sort(all.begin(), all.end());
    return all;
  }();
  return chars;
}

}  // namespace

std::vector<std::string> checkInvariants(const TForm1& f) {
  const GameState& s = f.state();
  const ScreenModel& sm = f.screen();
  std::vector<std::string> out;
  auto fail = [&out](std::string what) { out.push_back(std::move(what)); };

  // The heroine's heart is what she wears.
  const int slots[4] = {s.hairSlotValue, s.braceletSlotValue, s.necklaceSlotValue, s.ringSlotValue};
  if (s.heart != std::accumulate(slots, slots + 4, 0))
    fail("heart " + std::to_string(s.heart) + " is not the sum of the four slot values");
  for (int k = 0; k < 4; ++k)
    if (!slotValueExists(k, slots[k])) fail("slot " + std::to_string(k + 1) + " holds " + std::to_string(slots[k]));

  // Nothing is ever negative.
  auto notNegative = [&](const char* what, int v) {
    if (v < 0) fail(std::string(what) + " is negative (" + std::to_string(v) + ")");
  };
  for (int k = 0; k < 9; ++k) {
    notNegative("seedCount", s.seedCount[static_cast<std::size_t>(k)]);
    notNegative("fruitCount", s.fruitCount[static_cast<std::size_t>(k)]);
  }
  for (int i = 0; i < 24; ++i) notNegative("accessoryCount", s.accessoryCount[static_cast<std::size_t>(i)]);
  notNegative("money", s.money);
  notNegative("skill", s.skill);
  notNegative("sceneTick", s.sceneTick);
  if (s.dayNumber < 1) fail("dayNumber below 1");

  // Pots: an empty pot has stage 0, stages are 0..3.
  for (int p = 1; p <= 3; ++p) {
    const int seed = potSeed(s, p), stage = potGrowth(s, p);
    if (!within(seed, 0, 9)) fail("pot " + std::to_string(p) + " holds seed " + std::to_string(seed));
    if (!within(stage, 0, 3)) fail("pot " + std::to_string(p) + " at stage " + std::to_string(stage));
    if (seed == NoWeather && stage != 0) fail("empty pot " + std::to_string(p) + " at stage " + std::to_string(stage));
  }

  // Every field holds one of its listed values.
  auto listed = [&](const char* what, int v, bool ok) {
    if (!ok) fail(std::string(what) + " holds " + std::to_string(v));
  };
  listed("contestStage", s.contestStage, within(s.contestStage, 0, 3) || s.contestStage == 5);
  listed("contestResult", s.contestResult, within(s.contestResult, 0, 1));
  listed("giftChoice", s.giftChoice, within(s.giftChoice, 0, 24));
  listed("sellIndex", s.sellIndex, within(s.sellIndex, 0, 24));
  listed("buySeedIndex", s.buySeedIndex, within(s.buySeedIndex, 0, 5));
  listed("chosenFruit", s.chosenFruit, within(s.chosenFruit, 0, 9));
  listed("chosenKind", s.chosenKind, within(s.chosenKind, 0, 4));
  listed("chosenPot", s.chosenPot, within(s.chosenPot, 0, 3) || s.chosenPot == 5);
  listed("chosenSeed", s.chosenSeed, within(s.chosenSeed, 0, 9));
  listed("seedFruit", s.seedFruit, within(s.seedFruit, 0, 9));
  listed("speciesFruit", s.speciesFruit, within(s.speciesFruit, 2, 6) || s.speciesFruit == 9);
  int open = 0;
  std::string openNames;
  for (const Flow& fl : flows(s)) {
    if (!fl.valid) fail(std::string(fl.name) + " is in no state of its own " + fl.state);
    if (!fl.idle) {
      ++open;
      openNames += std::string(" ") + fl.name + fl.state;
    }
  }
  if (open > 1) fail("more than one dialogue open:" + openNames);

  // Scenes: one timer at a time.
  int timers = 0;
  for (E t : kTimers) timers += sm.get(t).enabled;
  if (timers > 1) fail(std::to_string(timers) + " scene timers enabled");
  const bool started = within(s.contestStage, 1, 3);
  if (s.contestEntryState == 2 && !(sm.get(E::Timer2).enabled || sm.get(E::Timer5).enabled ||
                                    sm.get(E::Timer6).enabled || sm.get(E::Timer3).enabled))
    fail("the entry fee is paid but no contest scene runs");

  // The menu: all nine buttons or none; only on an idle home screen; always there when nothing else is.
  int menuShown = 0;
  for (E m : kMenuButtons) menuShown += sm.isShown(m);
  if (menuShown != 0 && menuShown != 9) fail(std::to_string(menuShown) + " of the nine menu buttons shown");
  const bool menu = menuShown == 9;
  if (menu && open > 0) fail("the menu is on screen while a dialogue is open:" + openNames);
  if (menu && timers > 0) fail("the menu is on screen during a scene");
  if (started && !menu && open == 0 && timers == 0) fail("no menu, no dialogue and no scene: the game is stuck");
  if (open > 0 && s.contestEntryState != 2 && !sm.isShown(E::byes) && !sm.isShown(E::bno) && !sm.isShown(E::bsen1) &&
      !sm.isShown(E::bsen2))
    fail("a dialogue is open with no button to go on:" + openNames);

  // Every line the message window says is whole: within the window, and clear of every button
  // on screen (measured with the real fonts, at every scale the window draws).
  for (E line : {E::mes1, E::mes2, E::mes3, E::mes4}) {
    if (!sm.isShown(line) || sm.get(line).caption.empty()) continue;
    Rect r = sm.rect(line);
    r.w = std::max(r.w, drawnWidth(sm.get(line)));
    const std::string said = std::string(elementName(line)) + " \"" + sm.get(line).caption + "\"";
    if (r.x + r.w > 600) fail(said + " runs past the window's right edge");
    for (int i = 0; i < kDrawnElements; ++i) {
      const E e = elementAt(i);
      if (sm.get(e).clickable && !movesStoryOn(e) && sm.isShown(e) && overlaps(r, sm.rect(e)))
        fail(said + " runs under " + elementName(e));
    }
  }

  // The stock panels show what is in stock, and never a zero.
  const bool priceList = sm.isShown(E::poe1);
  for (int k = 0; k < 9; ++k) {
    const E button = kWeatherButtons[k], count = kWeatherCounts[k];
    if (!sm.isShown(count) || priceList) continue;
    const std::string& picture = sm.get(button).picture;
    const bool fruit = picture.rfind("bm", 0) == 0;
    const int have = (fruit ? s.fruitCount : s.seedCount)[static_cast<std::size_t>(k)];
    if (!sm.isShown(button) || sm.get(count).caption != std::to_string(have) || have <= 0)
      fail(std::string(elementName(count)) + " shows \"" + sm.get(count).caption + "\" beside " + picture + " with " +
           std::to_string(have) + (fruit ? " fruits" : " seeds") + " in stock");
  }
  for (int i = 0; i < 24; ++i) {
    const E count = kAccessoryCounts[i];
    if (!sm.isShown(count)) continue;
    const int have = s.accessoryCount[static_cast<std::size_t>(i)];
    if (!sm.isShown(kAccessoryButtons[i]) || sm.get(count).caption != std::to_string(have) || have <= 0)
      fail(std::string(elementName(count)) + " shows \"" + sm.get(count).caption + "\" with " + std::to_string(have) +
           " in stock");
  }

  // The worn panel shows what she wears: nothing, or the accessory of that slot's value.
  for (int k = 0; k < 4; ++k) {
    if (!sm.isShown(kWornNames[k])) continue;
    const std::string& name = sm.get(kWornNames[k]).caption;
    if (slots[k] == 0) {
      if (name != "なし") fail(std::string(elementName(kWornNames[k])) + " shows \"" + name + "\" on an empty slot");
      continue;
    }
    const int index = accessoryWornAt(k, slots[k]);
    if (index == kNoAccessory) continue;  // reported above
    const auto& worn = s.accessoryTable[static_cast<std::size_t>(index)];
    if (name != worn.name || (sm.isShown(kWornPictures[k]) && sm.get(kWornPictures[k]).picture != worn.picture))
      fail(std::string(elementName(kWornNames[k])) + " shows \"" + name + "\" for slot value " +
           std::to_string(slots[k]));
  }

  // A game never dies silently: from the home screen there is always a way on, something to
  // plant, harvest, make or sell, the price of a seed, or her help when he talks to her.
  if (menu && started) {
    auto any = [](const auto& counts) { return std::any_of(counts.begin(), counts.end(), [](auto c) { return c > 0; }); };
    const bool planted = s.pot1Seed != NoWeather || s.pot2Seed != NoWeather || s.pot3Seed != NoWeather;
    if (!any(s.seedCount) && !any(s.fruitCount) && !any(s.accessoryCount) && !planted && s.money < 10) {
      TForm1 talk = f;
      talk.clickElement(E::menuk8);
      if (talk.state().money < 10)
        fail("a dead end: " + std::to_string(s.money) + " ポエ, nothing in stock or in the pots, and talking to her gives " +
             std::to_string(talk.state().money - s.money) + " ポエ");
    }
  }

  // The home screen shows the numbers, the weather and the pots as they are.
  if (menu) {
    for (E scene : kScenePictures)
      if (sm.isShown(scene)) fail(std::string(elementName(scene)) + " covers the home screen");
    auto shows = [&](E label, const char* field, long long v) {
      if (sm.get(label).caption != std::to_string(v))
        fail(std::string(elementName(label)) + " shows \"" + sm.get(label).caption + "\" but " + field + " is " +
             std::to_string(v));
    };
    shows(E::dokik, "heart", s.heart);
    shows(E::gijyuk, "skill", s.skill);
    shows(E::kanek, "money", s.money);
    shows(E::day, "dayNumber", s.dayNumber);
    if (sm.get(E::tenp).caption != s.todayWeather.name || sm.get(E::tenw).picture != s.todayWeather.picture)
      fail("the weather panel does not show today's weather " + s.todayWeather.name);
    for (int p = 1; p <= 3; ++p) {
      if (!sm.isShown(kPots[p - 1])) fail(std::string(elementName(kPots[p - 1])) + " hidden on the home screen");
      const int seed = potSeed(s, p), stage = potGrowth(s, p);
      const std::string& picture = sm.get(kPots[p - 1]).picture;
      const std::string& plate = sm.get(kPlates[p - 1]).caption;
      if (!within(seed, 0, 8)) {
        if (picture != "ueki.bmp" || (plate != "" && plate != "枯れ"))
          fail("empty pot " + std::to_string(p) + " shows " + picture + " \"" + plate + "\"");
        continue;
      }
      const auto& records = s.seedTable;
      const std::string want =
          stage == 0 ? "ueki.bmp" : records[static_cast<std::size_t>(3 * seed + stage - 1)].picture;
      if (picture != want || plate != records[static_cast<std::size_t>(3 * seed)].name)
        fail("pot " + std::to_string(p) + " (seed " + std::to_string(seed) + ", stage " + std::to_string(stage) +
             ") shows " + picture + " \"" + plate + "\"");
    }
  }

  // Every text on the screen can be drawn by the web page's fonts, cut down as they are.
  const std::u32string& chars = pageCharacters();
  if (chars.empty()) fail("no characters of the web page's fonts in " TENRALI_TEST_GAME_CHARS);
  for (int i = 0; i < kElementCount && !chars.empty(); ++i) {
    const E e = static_cast<E>(i);
    const Element& el = sm.get(e);
    if (el.caption.empty() || !(sm.isShown(e) || el.kind == Kind::MenuItem)) continue;
    for (char32_t c : faceText(el.font.face, el.caption))
      if (!std::binary_search(chars.begin(), chars.end(), c)) {
        char code[16];
        std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(c));
        fail(std::string(elementName(e)) + " shows \"" + el.caption + "\" with " + code +
             ", which the web page's fonts lack");
      }
  }

  // The keyboard's ring is only ever round a place a click can land now, and a click there goes
  // to the element the ring is on.
  if (const E focused = f.keyboard().focused(); focused != E::count) {
    const std::vector<ClickStop> stops = clickStops(f);
    const ClickStop* at = findStop(stops, focused);
    if (!at || !(at->ring == f.keyboard().ring()))
      fail(std::string("the focus ring is on ") + elementName(focused) + ", no place to click now");
    else if (!sm.get(at->element).clickable || sm.hitTest(at->x, at->y) != at->element)
      fail(std::string("a key's click on ") + elementName(at->element) + " would go elsewhere");
  }
  return out;
}

Ledger Ledger::of(const GameState& s) {
  Ledger l;
  l.seeds = s.seedCount;
  l.fruits = s.fruitCount;
  l.accessories = s.accessoryCount;
  l.slots = {s.hairSlotValue, s.braceletSlotValue, s.necklaceSlotValue, s.ringSlotValue};
  l.potSeed = {0, s.pot1Seed, s.pot2Seed, s.pot3Seed};
  l.potGrowth = {0, s.pot1Growth, s.pot2Growth, s.pot3Growth};
  l.money = s.money;
  l.skill = s.skill;
  l.day = s.dayNumber;
  l.heart = s.heart;
  l.sceneTick = s.sceneTick;
  l.plantState = s.plantState;
  l.chosenPot = s.chosenPot;
  l.chosenSeed = s.chosenSeed;
  l.harvestState = s.harvestState;
  l.accessoryMakeState = s.accessoryMakeState;
  l.seedMakeState = s.seedMakeState;
  l.speciesMakeState = s.speciesMakeState;
  l.chosenFruit = s.chosenFruit;
  l.seedFruit = s.seedFruit;
  l.speciesFruit = s.speciesFruit;
  l.shopState = s.shopState;
  l.seedShopState = s.seedShopState;
  l.sellIndex = s.sellIndex;
  l.buySeedIndex = s.buySeedIndex;
  l.giftState = s.giftState;
  l.giftChoice = s.giftChoice;
  l.contestEntryState = s.contestEntryState;
  return l;
}

namespace {

// The changes of one array between two steps: index -> difference.
template <std::size_t N>
std::vector<std::pair<int, int>> changes(const std::array<std::int32_t, N>& a, const std::array<std::int32_t, N>& b) {
  std::vector<std::pair<int, int>> out;
  for (std::size_t i = 0; i < N; ++i)
    if (a[i] != b[i]) out.emplace_back(static_cast<int>(i), b[i] - a[i]);
  return out;
}

std::string describe(const char* what, const std::vector<std::pair<int, int>>& d) {
  std::string out = what;
  for (auto [i, by] : d) out += " [" + std::to_string(i) + "]" + (by > 0 ? "+" : "") + std::to_string(by);
  return out;
}

}  // namespace

std::vector<std::string> countersRunOver(const Ledger& b, const Ledger& a) {
  std::vector<std::string> out;
  // A counter that runs over jumps from one end of the range to the other; no rule moves one that far.
  constexpr std::int32_t kQuarter = 1 << 30;
  auto check = [&out](const std::string& name, std::int32_t before, std::int32_t after) {
    if ((before > kQuarter && after < -kQuarter) || (before < -kQuarter && after > kQuarter))
      out.push_back(name + " ran over from " + std::to_string(before) + " to " + std::to_string(after));
  };
  for (std::size_t i = 0; i < b.seeds.size(); ++i) check("seeds[" + std::to_string(i) + "]", b.seeds[i], a.seeds[i]);
  for (std::size_t i = 0; i < b.fruits.size(); ++i)
    check("fruits[" + std::to_string(i) + "]", b.fruits[i], a.fruits[i]);
  for (std::size_t i = 0; i < b.accessories.size(); ++i)
    check("accessories[" + std::to_string(i) + "]", b.accessories[i], a.accessories[i]);
  check("money", b.money, a.money);
  check("skill", b.skill, a.skill);
  check("day", b.day, a.day);
  check("sceneTick", b.sceneTick, a.sceneTick);
  // The heart is set from the four slots, which may lie anywhere: when it changes, it is their sum,
  // held at the ends of the range.
  const std::int64_t sum = std::int64_t{a.slots[0]} + a.slots[1] + a.slots[2] + a.slots[3];
  if (a.heart != b.heart && a.heart != saturated(sum))
    out.push_back("heart " + std::to_string(a.heart) + " is not the sum " + std::to_string(sum) + " of the slots");
  return out;
}

std::vector<std::string> checkLedger(const Ledger& b, const Ledger& a) {
  std::vector<std::string> out;
  auto fail = [&out](std::string what) { out.push_back(std::move(what)); };
  const auto dSeeds = changes(b.seeds, a.seeds), dFruits = changes(b.fruits, a.fruits);
  const auto dAcc = changes(b.accessories, a.accessories), dSlots = changes(b.slots, a.slots);
  const int dMoney = a.money - b.money, dSkill = a.skill - b.skill;

  // The steps that may move goods, each recognised by its own state change.
  const bool planted = b.plantState == 2 && a.plantState == 5;
  const bool harvested = b.harvestState == 5 && a.harvestState == 0;
  const bool seedsMade = b.seedMakeState == 3 && a.seedMakeState == 4;
  const bool speciesMade = b.speciesMakeState == 2 && a.speciesMakeState == 3;
  const bool accessoryMade = b.accessoryMakeState == 4 && a.accessoryMakeState == 5;
  const bool sold = b.shopState == 2 && a.shopState == 3;
  const bool bought = b.seedShopState == 2 && a.seedShopState == 3;
  const bool given = b.giftState == 2 && a.giftState == 3;
  const bool feePaid = b.contestEntryState == 1 && a.contestEntryState == 2;
  const bool dayChanged = a.day == b.day + 1;
  // Her help comes when he has nothing in stock and not the price of a seed (10 ポエ).
  const bool allEmpty = b.money < 10 && std::all_of(b.seeds.begin(), b.seeds.end(), [](int v) { return v == 0; }) &&
                        std::all_of(b.fruits.begin(), b.fruits.end(), [](int v) { return v == 0; }) &&
                        std::all_of(b.accessories.begin(), b.accessories.end(), [](int v) { return v == 0; });

  if (a.day != b.day && !dayChanged)
    fail("the day went from " + std::to_string(b.day) + " to " + std::to_string(a.day));
  if (dSkill < 0) fail("skill fell by " + std::to_string(-dSkill));
  if (dSkill > 0 && !(seedsMade || speciesMade || accessoryMade)) fail("skill rose without a making");

  // Seeds.
  using Change = std::vector<std::pair<int, int>>;
  const int seedKindOfRow[5] = {Normal, Sunny, Cloudy, Rain, Snow};
  if (planted) {
    const int pot = b.chosenPot;
    const int kind = pot >= 1 && pot <= 3 ? b.potSeed[static_cast<std::size_t>(pot)] : -1;
    if (dSeeds != Change{{kind, -1}}) fail(describe("planting moved seeds", dSeeds));
  } else if (seedsMade) {
    if (dSeeds.size() != 1 || dSeeds[0].first != b.seedFruit || dSeeds[0].second < 2 || dSeeds[0].second > 6 ||
        dFruits != Change{{b.seedFruit, -1}} || dSkill <= 0)
      fail(describe("seeds from one fruit: seeds", dSeeds) + describe(", fruits", dFruits));
  } else if (speciesMade) {
    if (dSeeds.size() != 1 || dSeeds[0].second != 1 || dSeeds[0].first == b.speciesFruit ||
        dFruits != Change{{b.speciesFruit, -2}} || dSkill <= 0)
      fail(describe("new species: seeds", dSeeds) + describe(", fruits", dFruits));
  } else if (bought) {
    const int row = b.buySeedIndex;
    if (row < 0 || row > 4 || dSeeds != Change{{seedKindOfRow[row], 1}} || dMoney >= 0)
      fail(describe("a purchase: seeds", dSeeds) + ", money " + std::to_string(dMoney));
  } else if (!dSeeds.empty()) {
    fail(describe("seeds changed without a planting, making or purchase:", dSeeds));
  }

  // Fruits.
  if (harvested) {
    std::array<std::int32_t, 9> yield{};
    for (int p = 1; p <= 3; ++p) {
      const auto i = static_cast<std::size_t>(p);
      if (b.potGrowth[i] == 3 && a.potSeed[i] == NoWeather && b.potSeed[i] >= 0 && b.potSeed[i] <= 8)
        ++yield[static_cast<std::size_t>(b.potSeed[i])];
    }
    if (changes(b.fruits, a.fruits) != changes(std::array<std::int32_t, 9>{}, yield))
      fail(describe("the harvest moved fruits", dFruits));
  } else if (accessoryMade) {
    if (dFruits != Change{{b.chosenFruit, -1}} || dAcc.size() != 1 || dAcc[0].second != 1 || dSkill <= 0)
      fail(describe("an accessory made: fruits", dFruits) + describe(", accessories", dAcc));
  } else if (!dFruits.empty() && !seedsMade && !speciesMade) {
    fail(describe("fruits changed without a harvest or making:", dFruits));
  }

  // Accessories and money.
  if (sold) {
    if (dAcc != Change{{b.sellIndex, -1}} || dMoney <= 0)
      fail(describe("a sale: accessories", dAcc) + ", money " + std::to_string(dMoney));
  } else if (given) {
    if (dAcc != Change{{b.giftChoice, -1}}) fail(describe("a gift: accessories", dAcc));
  } else if (!dAcc.empty() && !accessoryMade) {
    fail(describe("accessories changed without a making, sale or gift:", dAcc));
  }
  if (dMoney != 0 && !sold && !bought) {
    const bool fee = feePaid && dMoney < 0;
    const bool rescue = allEmpty && dMoney == 20;
    if (!fee && !rescue)
      fail("money changed by " + std::to_string(dMoney) + " without a sale, purchase, fee or rescue");
  }
  if (!dSlots.empty() &&
      !(given && dSlots.size() == 1 && b.giftChoice >= 0 && b.giftChoice < 24 && dSlots[0].first == b.giftChoice / 6))
    fail(describe("the worn slots changed without a gift:", dSlots));
  if (given && a.slots[static_cast<std::size_t>(std::clamp(b.giftChoice / 6, 0, 3))] == 0)
    fail("a gift left its slot empty");

  // Pots: each change is a night, a harvest, or the planting's tentative choice.
  for (int p = 1; p <= 3; ++p) {
    const auto i = static_cast<std::size_t>(p);
    const int bs = b.potSeed[i], bg = b.potGrowth[i], as = a.potSeed[i], ag = a.potGrowth[i];
    if (bs == as && bg == ag) continue;
    const bool grew = dayChanged && as == bs && bg <= 2 && ag == bg + 1;
    const bool withered = dayChanged && bs != NoWeather && bg <= 2 && as == NoWeather && ag == 0;
    const bool picked = harvested && bg == 3 && as == NoWeather && ag == 0;
    const bool placed =
        b.plantState == 1 && a.plantState == 2 && a.chosenPot == p && bs == NoWeather && as == b.chosenSeed && ag == 0;
    const bool unplaced = b.plantState == 2 && a.plantState == 1 && b.chosenPot == p && as == NoWeather && bg == 0;
    if (!(grew || withered || picked || placed || unplaced))
      fail("pot " + std::to_string(p) + " went from seed " + std::to_string(bs) + " stage " + std::to_string(bg) +
           " to seed " + std::to_string(as) + " stage " + std::to_string(ag));
  }
  return out;
}

void Coverage::record(const TForm1& f) {
  for (const Flow& fl : flows(f.state())) seen_.insert(std::string(fl.name) + fl.state);
  constexpr const char* names[8] = {"Timer1", "Timer2", "Timer3", "Timer4", "Timer5", "Timer6", "Timer7", "Timer8"};
  for (int t = 0; t < 8; ++t)
    if (f.screen().get(kTimers[t]).enabled)
      seen_.insert(std::string("scene ") + names[t] + "@" + std::to_string(f.state().contestStage));
}

const std::vector<std::string>& Coverage::all() {
  static const std::vector<std::string> states = [] {
    std::vector<std::string> v;
    for (int s : {0, 1, 2, 5}) v.push_back("plant" + std::to_string(s));
    for (int s : {0, 5}) v.push_back("harvest" + std::to_string(s));
    v.push_back("workshop" + triple(8, 7, 6));
    for (int s = 0; s <= 7; ++s) v.push_back("workshop" + triple(s, 0, 0));
    for (int s = 1; s <= 6; ++s) v.push_back("workshop" + triple(0, s, 0));
    for (int s = 1; s <= 5; ++s) v.push_back("workshop" + triple(0, 1, s));
    v.push_back("shop" + pair(5, 5));
    for (int s = 0; s <= 4; ++s) v.push_back("shop" + pair(s, 0));
    for (int s = 1; s <= 4; ++s) v.push_back("shop" + pair(0, s));
    for (int s = 0; s <= 4; ++s) v.push_back("gift" + std::to_string(s));
    for (int s = 0; s <= 2; ++s) v.push_back("itemView" + std::to_string(s));
    for (int s = 0; s <= 3; ++s) v.push_back("contestEntry" + std::to_string(s));
    for (const char* scene : {"scene Timer1@0", "scene Timer2@1", "scene Timer5@2", "scene Timer6@3", "scene Timer3@1",
                              "scene Timer3@2", "scene Timer3@3", "scene Timer4@1", "scene Timer7@2", "scene Timer8@3"})
      v.push_back(scene);
    return v;
  }();
  return states;
}

namespace {
// The group of a state: its dialogue, or for a scene the contest it belongs to.
std::string groupOf(const std::string& state) {
  if (state.rfind("scene ", 0) == 0) return "contest " + state.substr(state.size() - 1);
  return state.substr(0, state.find_first_of("0123456789("));
}
bool isIdle(const std::string& state) {
  return state == "plant5" || state == "harvest5" || state == "workshop(8,7,6)" || state == "shop(5,5)" ||
         state == "gift4" || state == "itemView2" || state == "contestEntry3";
}
}  // namespace

std::vector<std::string> Coverage::missingInOpened() const {
  std::set<std::string> opened;
  for (const auto& s : seen_)
    if (!isIdle(s)) opened.insert(groupOf(s));
  std::vector<std::string> out;
  for (const auto& s : all())
    if (!seen_.count(s) && opened.count(groupOf(s))) out.push_back(s);
  return out;
}

std::vector<std::string> Coverage::missing() const {
  std::vector<std::string> out;
  for (const auto& s : all())
    if (!seen_.count(s)) out.push_back(s);
  return out;
}

std::vector<std::string> checkMusic(const TForm1& f, Music playing) {
  const GameState& s = f.state();
  const ScreenModel& sm = f.screen();
  std::vector<std::string> out;
  auto want = [&](bool when, Music expected, const char* where) {
    if (when && playing != expected)
      out.push_back(std::string(musicName(playing)) + " plays " + where + ", not " + musicName(expected));
  };
  auto on = [&sm](E timer) { return sm.get(timer).enabled; };
  const int tick = s.sceneTick;
  want(on(E::Timer1), Music::Title, "in the opening");
  want(on(E::Timer2) || on(E::Timer5) || on(E::Timer6), Music::Arrival, "on the way into a contest");
  want(on(E::Timer3) && tick >= 1 && tick < 360, Music::Contest, "on the contest day");
  want(on(E::Timer3) && tick >= 360, Music::Loss, "after a lost contest");
  want((on(E::Timer4) || on(E::Timer7)) && tick >= 1, Music::Win, "after a won contest");
  want(on(E::Timer8) && tick >= 1, Music::Ending, "in the ending");
  want(s.shopState != 5 || s.seedShopState != 5, Music::Shops, "in the shops");
  want(s.accessoryMakeState != 8 || s.seedMakeState != 7 || s.speciesMakeState != 6, Music::Shops, "in the workshop");
  const int w = s.todayWeather.code;
  const bool soft = w == 2 || w == 3 || w == 4 || w == 6;
  want(sm.isShown(E::menuk1), soft ? Music::Rain : Music::Home, "on the home screen");
  return out;
}

}  // namespace tenrali::test
