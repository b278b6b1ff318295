// Accessories: four kinds in six variants each, every variant made from one fruit of one
// weather kind. The kind buttons and the 24 accessory buttons are shared with the shop and the
// gift dialogue; in the workshop the accessory grid only shows the stock.
#include "state/accessories.h"
#include "state/saturating.h"
#include "workshop/workshop.h"

namespace tenrali {

using namespace workshop;

namespace {
constexpr const char* kKindQuestions[kAccessoryKinds] = {"「かみかざりでいい？」", "「ブレスレットでいい？」",
                                                         "「ネックレスでいい？」", "「指輪でいい？」"};
}  // namespace

void TForm1::kindButtonClick(int kind) {
  craftingKindStep(kind);
  giftKindStep(kind);
}

// The hero asks about the kind he clicked; the workshop only offers kinds the chosen fruit makes.
void TForm1::craftingKindStep(int kind) {
  if (!at(gs, KindChoice) || !kindTakesFruit(kind, gs.chosenFruit)) return;
  sayMessage("usam4.bmp", "トルン", kKindQuestions[kind], "", "");
  showYesNo();
  moveTo(gs, KindQuestion);
  gs.chosenKind = kind + 1;
}

// One accessory from one fruit of its own kind; the fruit alone decides which of a kind's six
// makers acts, and the first that acts clears the choice for the rest.
void TForm1::accessoryMaker(int index) {
  const int fruit = kAccessory[index].fruit;
  if (gs.chosenFruit != fruit) return;
  addSaturating(gs.accessoryCount[static_cast<std::size_t>(index)], 1);
  addSaturating(gs.fruitCount[static_cast<std::size_t>(fruit)], -1);
  addSaturating(gs.skill, 2 * (fruit + 1));
  gs.chosenFruit = NoWeather;
  gs.chosenKind = 0;
  sayMessage("usam5.bmp", kAccessory[index].madeLine, "できました。", "", "");
  report(GameEventKind::AccessoryMade);
}

void TForm1::variantButtonClick(int index) {
  shopSellOffer(index);
  giftChoiceStep(index);
}
void TForm1::bakClick() { kindButtonClick(HairOrnament); }
void TForm1::babClick() { kindButtonClick(Bracelet); }
void TForm1::banClick() { kindButtonClick(Necklace); }
void TForm1::bayClick() { kindButtonClick(Ring); }

}  // namespace tenrali
