#pragma once
// The farm's steps: planting and the harvest take their share of the shared buttons' clicks, and
// every pot meets the night at the end of a day.
#include "app/form1.h"

namespace tenrali {

namespace planting {
// A weather-kind button while the seed is chosen.
void seedChoice(TForm1& f, int kind);
// A pot (1..3) while the pot is chosen.
void potClick(TForm1& f, int pot);
void onYes(TForm1& f);
void onNo(TForm1& f);
// The last yes: the seed leaves the stock and the plate names the plant.
void commit(TForm1& f);
}  // namespace planting

namespace harvest {
// Every ripe plant becomes a fruit.
void harvestPots(TForm1& f);
void onNo(TForm1& f);
}  // namespace harvest

namespace farm {
// One night in pot 1..3 under today's weather.
void growPot(TForm1& f, int pot);
}  // namespace farm

}  // namespace tenrali
