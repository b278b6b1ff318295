#include "state/game_state.h"

namespace tenrali {

namespace {
#define SCALAR(f) IntField{#f, [](GameState& s, int) { return &s.f; }, 1}
#define ARRAY(f, n) IntField{#f, [](GameState& s, int i) { return &s.f[static_cast<std::size_t>(i)]; }, n}
const std::array<IntField, 39> kFields{
    SCALAR(sceneTick), SCALAR(dayNumber), SCALAR(heart), SCALAR(skill), SCALAR(money),
    SCALAR(contestStage), SCALAR(contestEntryState), SCALAR(contestResult), SCALAR(harvestState),
    SCALAR(accessoryMakeState), SCALAR(seedMakeState), SCALAR(speciesMakeState), SCALAR(giftState),
    SCALAR(giftChoice), SCALAR(hairSlotValue), SCALAR(braceletSlotValue), SCALAR(necklaceSlotValue),
    SCALAR(ringSlotValue), SCALAR(itemViewState), SCALAR(shopState), SCALAR(seedShopState),
    SCALAR(sellIndex), SCALAR(buySeedIndex), SCALAR(chosenFruit), SCALAR(chosenKind), SCALAR(plantState),
    SCALAR(chosenPot), SCALAR(chosenSeed), SCALAR(pot1Seed), SCALAR(pot2Seed), SCALAR(pot3Seed),
    SCALAR(seedFruit), SCALAR(speciesFruit), SCALAR(pot1Growth), SCALAR(pot2Growth), SCALAR(pot3Growth),
    ARRAY(seedCount, 9), ARRAY(fruitCount, 9), ARRAY(accessoryCount, 24)};
#undef SCALAR
#undef ARRAY
}  // namespace

const std::array<IntField, 39>& intFields() { return kFields; }

const IntField* findIntField(std::string_view name) {
  for (const auto& f : kFields)
    if (name == f.name) return &f;
  return nullptr;
}

}  // namespace tenrali
