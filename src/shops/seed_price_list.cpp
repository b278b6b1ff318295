// The seed shop's price list: each seed it sells on its weather-kind button, the price written in
// the button's count label with a currency mark before it.
#include "app/form1.h"
#include "shops/seed_offers.h"

namespace tenrali {

namespace {
constexpr E kPriceMarks[kSeedOffers] = {E::poe1, E::poe2, E::poe3, E::poe4, E::poe5};
}  // namespace

void TForm1::showSeedPriceList() {
  for (int row = 0; row < kSeedOffers; ++row) {
    const int k = kSeedOffer[row].kind;
    showButton(kWeatherButtons[k], kSeedPictures[k]);
    sm.show(kWeatherCounts[k]);
    sm.setNumber(kWeatherCounts[k], kSeedOffer[row].price);
    sm.show(kPriceMarks[row]);
  }
}

void TForm1::hideSeedPriceList() {
  for (int row = 0; row < kSeedOffers; ++row) {
    sm.hide(kWeatherButtons[kSeedOffer[row].kind]);
    sm.hide(kWeatherCounts[kSeedOffer[row].kind]);
    sm.hide(kPriceMarks[row]);
  }
}

}  // namespace tenrali
