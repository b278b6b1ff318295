// Accessories: four kinds in six variants each, every variant made from one fruit of one
// weather kind. The kind buttons and the 24 accessory buttons are shared with the shop and the
// gift dialogue; in the workshop the accessory grid only shows the stock.
#include "workshop/workshop.h"

namespace tenrali {

using namespace workshop;

namespace {
constexpr int kHairRingFruits[6] = {Normal, Sunny, Rain, Snow, Hail, Rainbow};
constexpr int kBraceletNecklaceFruits[6] = {Normal, Cloudy, Thunder, SunShower, Hail, Rainbow};

// What the hero says when an accessory is done: its name, then "できました。".
constexpr const char* kMadeLines[kAccessories] = {
    "ふつうのかみかざりが", "はれのかみかざりが", "あめのかみかざりが", "雪のかみかざりが",
    "雹のかみかざりが",     "虹のかみかざりが",   "ふつうのブレスレットが", "曇りのブレスレットが",
    "雷のブレスレットが",   "天気雨のブレスレットが", "雹のブレスレットが", "虹のブレスレットが",
    "ふつうのネックレスが", "曇りのネックレスが", "雷のネックレスが",   "天気雨のネックレスが",
    "雹のネックレスが",     "虹のネックレスが",   "ふつうの指輪が",     "はれの指輪が",
    "あめの指輪が",         "雪の指輪が",         "雹の指輪が",         "虹の指輪",
};

constexpr const char* kKindQuestions[kAccessoryKinds] = {"「かみかざりでいい？」", "「ブレスレットでいい？」",
                                                         "「ネックレスでいい？」", "「指輪でいい？」"};
}  // namespace

namespace workshop {
int accessoryFruit(int index) {
  const int kind = index / 6, variant = index % 6;
  return kind == HairOrnament || kind == Ring ? kHairRingFruits[variant] : kBraceletNecklaceFruits[variant];
}

bool kindTakesFruit(int kind, int fruit) {
  for (int variant = 0; variant < 6; ++variant)
    if (accessoryFruit(kind * 6 + variant) == fruit) return true;
  return false;
}
}  // namespace workshop

void TForm1::kindButtonClick(int kind) {
  craftingKindStep(kind);
  giftKindStep(kind);
}

// The hero asks about the kind he clicked; the workshop only offers kinds the chosen fruit makes.
void TForm1::craftingKindStep(int kind) {
  if (!at(gs, 3, 0, 0) || !kindTakesFruit(kind, gs.chosenFruit)) return;
  sayMessage("usam4.bmp", "トルン", kKindQuestions[kind], "", "");
  showYesNo();
  moveTo(gs, 4, 0, 0);
  gs.chosenKind = kind + 1;
}

// One accessory from one fruit of its own kind; the fruit alone decides which of a kind's six
// makers acts, and the first that acts clears the choice for the rest.
void TForm1::accessoryMaker(int index) {
  const int fruit = accessoryFruit(index);
  if (gs.chosenFruit != fruit) return;
  gs.accessoryCount[static_cast<std::size_t>(index)] += 1;
  gs.fruitCount[static_cast<std::size_t>(fruit)] -= 1;
  gs.skill += 2 * (fruit + 1);
  gs.chosenFruit = NoWeather;
  gs.chosenKind = 0;
  sayMessage("usam5.bmp", kMadeLines[index], "できました。", "", "");
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
