// Accessories: four kinds in six variants each, every variant made from one fruit of one
// weather kind (state/accessories.h). In the workshop the accessory grid only shows the stock.
#include "state/accessories.h"
#include "state/saturating.h"
#include "workshop/workshop.h"

namespace tenrali {

using namespace workshop;

namespace {
constexpr const char* kKindQuestions[kAccessoryKinds] = {"「かみかざりでいい？」", "「ブレスレットでいい？」",
                                                         "「ネックレスでいい？」", "「指輪でいい？」"};
}  // namespace


namespace workshop {

// The hero asks about the kind he clicked; the workshop only offers kinds the chosen fruit makes.
void kindStep(TForm1& f, int kind) {
  GameState& gs = f.state();
  if (!at(gs, KindChoice) || !kindTakesFruit(kind, gs.chosenFruit)) return;
  f.sayMessage("usam4.bmp", "トルン", kKindQuestions[kind], "", "");
  f.showYesNo();
  moveTo(gs, KindQuestion);
  gs.chosenKind = kind + 1;
}

// One accessory from one fruit of its own kind; the fruit alone decides which of a kind's six
// makers acts, and the first that acts clears the choice for the rest.
void accessoryMaker(TForm1& f, int index) {
  GameState& gs = f.state();
  const int fruit = kAccessory[index].fruit;
  if (gs.chosenFruit != fruit) return;
  addSaturating(gs.accessoryCount[static_cast<std::size_t>(index)], 1);
  addSaturating(gs.fruitCount[static_cast<std::size_t>(fruit)], -1);
  addSaturating(gs.skill, 2 * (fruit + 1));
  gs.chosenFruit = NoWeather;
  gs.chosenKind = 0;
  f.sayMessage("usam5.bmp", kAccessory[index].madeLine, "できました。", "", "");
  f.report(GameEventKind::AccessoryMade);
}

}  // namespace workshop

}  // namespace tenrali
