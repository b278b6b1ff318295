#include "app/form1.h"
namespace tenrali {
// A weather-kind button hands its click to planting, the workshop's two fruit choices and the
// seed shop, in this order; each acts only in its own dialogue.
void TForm1::weatherButtonClick(int kind) {
  plantSeedChoice(kind);
  accessoryFruitChoice(kind);
  seedFruitChoice(kind);
  seedShopChoice(kind);
}

namespace {
// The seed shop's price list: the five kinds it sells, their seed pictures, the prices written in
// the count labels, and a currency mark before each price.
constexpr int kPriceKinds[5] = {Normal, Sunny, Cloudy, Rain, Snow};
const char* const kPricePictures[5] = {"bthutu.bmp", "bthare.bmp", "btkumo.bmp", "btame.bmp", "btyuki.bmp"};
const char* const kPriceCaptions[5] = {"10", "20", "45", "60", "110"};
constexpr E kPriceMarks[5] = {E::poe1, E::poe2, E::poe3, E::poe4, E::poe5};
}  // namespace

void TForm1::showSeedPriceList() {
  for (int row = 0; row < 5; ++row) {
    const int k = kPriceKinds[row];
    showButton(kWeatherButtons[k], kPricePictures[row]);
    sm.show(kWeatherCounts[k]);
    sm.setCaption(kWeatherCounts[k], kPriceCaptions[row]);
    sm.show(kPriceMarks[row]);
  }
}

void TForm1::hideSeedPriceList() {
  for (int row = 0; row < 5; ++row) {
    sm.hide(kWeatherButtons[kPriceKinds[row]]);
    sm.hide(kWeatherCounts[kPriceKinds[row]]);
    sm.hide(kPriceMarks[row]);
  }
}

void TForm1::bhutuClick() { weatherButtonClick(Normal); }
void TForm1::bhareClick() { weatherButtonClick(Sunny); }
void TForm1::bkumoClick() { weatherButtonClick(Cloudy); }
void TForm1::bameClick() { weatherButtonClick(Rain); }
void TForm1::bkamiClick() { weatherButtonClick(Thunder); }
void TForm1::byukiClick() { weatherButtonClick(Snow); }
void TForm1::btenClick() { weatherButtonClick(SunShower); }
void TForm1::bhyouClick() { weatherButtonClick(Hail); }
void TForm1::bnijiClick() { weatherButtonClick(Rainbow); }
}  // namespace tenrali
