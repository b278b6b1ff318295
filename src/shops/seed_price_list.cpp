// The seed shop's price list: each seed it sells on its weather-kind button, the price written in
// the button's count label with a currency mark before it.
#include "shops/seed_offers.h"
#include "shops/shops.h"

namespace tenrali {

namespace {
constexpr E kPriceMarks[kSeedOffers] = {E::poe1, E::poe2, E::poe3, E::poe4, E::poe5};
}  // namespace

namespace shop {

void showPriceList(TForm1& f) {
  ScreenModel& sm = f.screen();
  for (int row = 0; row < kSeedOffers; ++row) {
    const int k = kSeedOffer[row].kind;
    f.showButton(kWeatherButtons[k], kSeedPictures[k]);
    sm.show(kWeatherCounts[k]);
    sm.setNumber(kWeatherCounts[k], kSeedOffer[row].price);
    sm.show(kPriceMarks[row]);
  }
}

void hidePriceList(TForm1& f) {
  ScreenModel& sm = f.screen();
  for (int row = 0; row < kSeedOffers; ++row) {
    sm.hide(kWeatherButtons[kSeedOffer[row].kind]);
    sm.hide(kWeatherCounts[kSeedOffer[row].kind]);
    sm.hide(kPriceMarks[row]);
  }
}

}  // namespace shop

}  // namespace tenrali
