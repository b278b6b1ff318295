// The nine weather-kind buttons serve several dialogues: planting's seeds, the workshop's fruits
// and the seed shop's price list.
#include "app/form1.h"
#include "farm/farm.h"
#include "shops/shops.h"
#include "workshop/workshop.h"

namespace tenrali {

// A weather-kind button hands its click to planting, the workshop's two fruit choices and the
// seed shop, in this order; each acts only in its own dialogue.
void TForm1::weatherButtonClick(int kind) {
  planting::seedChoice(*this, kind);
  workshop::fruitChoice(*this, kind);
  workshop::seedFruitChoice(*this, kind);
  shop::seedChoice(*this, kind);
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
