// What a game on the waiting home screen always is: every dialogue idle, no scene, each field
// within what the game can give it, and the rules that bind the fields together.
#include "save/saved_game_rules.h"

#include <stdexcept>

#include "state/accessories.h"

namespace tenrali {

namespace {

const char* const kSlotNames[4] = {"hairSlotValue", "braceletSlotValue", "necklaceSlotValue", "ringSlotValue"};

constexpr std::int64_t kMax = INT32_MAX;
constexpr FieldRange kRanges[] = {
    {"sceneTick", 0, 0},
    {"dayNumber", 1, kMax},
    {"heart", 0, kMax},
    {"skill", 0, kMax},
    {"money", 0, kMax},
    {"contestStage", contest_stage::First, contest_stage::Final},
    {"contestEntryState", contest_entry::Idle, contest_entry::Idle},
    {"contestResult", contest_result::None, contest_result::None},
    {"harvestState", harvest::Closed, harvest::Closed},
    {"accessoryMakeState", workshop::Closed.accessory, workshop::Closed.accessory},
    {"seedMakeState", workshop::Closed.seed, workshop::Closed.seed},
    {"speciesMakeState", workshop::Closed.species, workshop::Closed.species},
    {"giftState", gift::Closed, gift::Closed},
    {"giftChoice", kNoAccessory, kNoAccessory},
    {"hairSlotValue", 0, 20},
    {"braceletSlotValue", 0, 20},
    {"necklaceSlotValue", 0, 20},
    {"ringSlotValue", 0, 20},
    {"itemViewState", item_view::Closed, item_view::Closed},
    {"shopState", shop::Closed, shop::Closed},
    {"seedShopState", shop::Closed, shop::Closed},
    {"sellIndex", 0, kNoAccessory},
    {"buySeedIndex", 0, kSeedOffers},
    {"chosenFruit", 0, NoWeather},
    {"chosenKind", 0, kAccessoryKinds},
    {"plantState", planting::Closed, planting::Closed},
    {"chosenPot", planting::kNoPot, planting::kPlanted},
    {"chosenSeed", 0, NoWeather},
    {"pot1Seed", 0, NoWeather},
    {"pot2Seed", 0, NoWeather},
    {"pot3Seed", 0, NoWeather},
    {"seedFruit", 0, NoWeather},
    {"speciesFruit", Cloudy, NoWeather},
    {"pot1Growth", Planted, Ripe},
    {"pot2Growth", Planted, Ripe},
    {"pot3Growth", Planted, Ripe},
    {"seedCount", 0, kMax},
    {"fruitCount", 0, kMax},
    {"accessoryCount", 0, kMax},
};
}  // namespace

void failOnLine(int line, const std::string& what) {
  throw SaveError(line > 0 ? "line " + std::to_string(line) + ": " + what : what);
}

const FieldRange& rangeOf(std::string_view field) {
  for (const FieldRange& e : kRanges)
    if (field == e.field) return e;
  throw std::logic_error("no range for " + std::string(field));
}

void checkRules(const SavedGame& g, const std::map<std::string, int>& lineOf) {
  const GameState& s = g.state;
  auto at = [&lineOf](const char* key) { return lineOf.at(key); };
  const int slots[4] = {s.hairSlotValue, s.braceletSlotValue, s.necklaceSlotValue, s.ringSlotValue};
  for (int k = 0; k < 4; ++k)
    if (slots[k] != 0 && accessoryWornAt(k, slots[k]) == kNoAccessory)
      failOnLine(at(kSlotNames[k]), std::string("\"") + kSlotNames[k] + "\" is " + std::to_string(slots[k]) +
                                        ", the value of no accessory of its kind");
  const std::int64_t sum = std::int64_t{slots[0]} + slots[1] + slots[2] + slots[3];
  if (s.heart != sum)
    failOnLine(at("heart"), "\"heart\" is " + std::to_string(s.heart) + ", but the four slot values add up to " +
                                std::to_string(sum));
  if (s.chosenPot == 4) failOnLine(at("chosenPot"), "\"chosenPot\" is 4, which no planting leaves");
  if (s.speciesFruit > 6 && s.speciesFruit != 9)
    failOnLine(at("speciesFruit"),
               "\"speciesFruit\" is " + std::to_string(s.speciesFruit) + ", neither a pair kind nor 9");
  for (int p = 1; p <= 3; ++p) {
    const std::string pot = "pot" + std::to_string(p);
    const int seed = p == 1 ? s.pot1Seed : p == 2 ? s.pot2Seed : s.pot3Seed;
    const int stage = p == 1 ? s.pot1Growth : p == 2 ? s.pot2Growth : s.pot3Growth;
    if (seed == NoWeather && stage != 0)
      failOnLine(at((pot + "Growth").c_str()),
                 "\"" + pot + "Growth\" is " + std::to_string(stage) + " in an empty pot");
    if (seed != NoWeather && g.withered[static_cast<std::size_t>(p - 1)])
      failOnLine(at("withered"), "pot " + std::to_string(p) + " is withered but holds seed " + std::to_string(seed));
  }
}


}  // namespace tenrali
