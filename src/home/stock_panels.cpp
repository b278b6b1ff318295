// The panels of item buttons that several dialogues share. A kind with stock shows its button
// and its count; a kind without stock is hidden: the panels never show a zero.
#include "app/form1.h"

namespace tenrali {

void TForm1::hideWeatherButtons() {
  for (E e : kWeatherButtons) sm.hide(e);
  for (E e : kWeatherCounts) sm.hide(e);
}

namespace {
void showStock(ScreenModel& sm, const std::array<std::int32_t, 9>& counts, const char* const pictures[9], int from,
               int to, int least) {
  for (int k = from; k <= to; ++k) {
    if (counts[static_cast<std::size_t>(k)] >= least) {
      sm.show(kWeatherButtons[k]);
      sm.loadPicture(kWeatherButtons[k], pictures[k]);
      sm.show(kWeatherCounts[k]);
      sm.setNumber(kWeatherCounts[k], counts[static_cast<std::size_t>(k)]);
    } else {
      sm.hide(kWeatherButtons[k]);
      sm.hide(kWeatherCounts[k]);
    }
  }
}
}  // namespace

void TForm1::showFruitStock() { showStock(sm, gs.fruitCount, kFruitPictures, Normal, Rainbow, 1); }
void TForm1::showSeedStock() { showStock(sm, gs.seedCount, kSeedPictures, Normal, Rainbow, 1); }
// Only the kinds that pair into a new species, and only with two fruits or more.
void TForm1::showSpeciesFruitStock() { showStock(sm, gs.fruitCount, kFruitPictures, Cloudy, SunShower, 2); }

void TForm1::showKindButtons() {
  for (E e : kKindButtons) sm.show(e);
}
void TForm1::hideKindButtons() {
  for (E e : kKindButtons) sm.hide(e);
}
void TForm1::showHairRingButtons() {
  sm.show(E::bak);
  sm.show(E::bay);
}
void TForm1::showBraceletNecklaceButtons() {
  sm.show(E::bab);
  sm.show(E::ban);
}

void TForm1::showAccessoryRow(int kind) {
  for (int v = 0; v < 6; ++v) {
    int i = kind * 6 + v;
    int count = gs.accessoryCount[static_cast<std::size_t>(i)];
    sm.setVisible(kAccessoryButtons[i], count > 0);
    sm.setVisible(kAccessoryCounts[i], count > 0);
    if (count > 0) sm.setNumber(kAccessoryCounts[i], count);
  }
}

void TForm1::showAccessoryStock() {
  for (int kind = 0; kind < kAccessoryKinds; ++kind) showAccessoryRow(kind);
}

void TForm1::hideAccessoryGrid() {
  for (E e : kAccessoryButtons) sm.hide(e);
  for (E e : kAccessoryCounts) sm.hide(e);
}

void TForm1::showWornPanel() {
  for (int i = 0; i < 4; ++i) {
    sm.show(kWornPictures[i]);
    sm.show(kWornNames[i]);
  }
}

void TForm1::hideWornPanel() {
  for (int i = 0; i < 4; ++i) {
    sm.hide(kWornPictures[i]);
    sm.hide(kWornNames[i]);
  }
}

void TForm1::hideWornSlot(int slot) {
  sm.hide(kWornPictures[slot - 1]);
  sm.hide(kWornNames[slot - 1]);
}

}  // namespace tenrali
