// A saved game: any bytes are read into a game that keeps every rule of the waiting home screen,
// or refused with a SaveError. A game that is read writes itself back as text that reads to the
// same game.
#include "fuzz_checks.h"
#include "state/accessories.h"
#include "save/saved_game.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tenrali;
  using fuzz::fault;
  std::string_view text(reinterpret_cast<const char*>(data), size);
  SavedGame g;
  try {
    g = readSavedGame(text);
  } catch (const SaveError& e) {
    if (std::string_view(e.what()).empty()) fault("a refusal that says nothing");
    return 0;
  }
  const GameState& s = g.state;
  if (s.heart != s.hairSlotValue + s.braceletSlotValue + s.necklaceSlotValue + s.ringSlotValue)
    fault("heart is not the sum of the slots");
  const int slots[4] = {s.hairSlotValue, s.braceletSlotValue, s.necklaceSlotValue, s.ringSlotValue};
  for (int k = 0; k < kAccessoryKinds; ++k)
    if (slots[k] != 0 && accessoryWornAt(k, slots[k]) == kNoAccessory) fault("a slot value of no accessory");
  if (s.money < 0 || s.contestStage < 1 || s.contestStage > 3 || g.todayWeather < 0 || g.todayWeather > 7)
    fault("a field out of its range");
  for (int p = 1; p <= 3; ++p) {
    const int seed = p == 1 ? s.pot1Seed : p == 2 ? s.pot2Seed : s.pot3Seed;
    const int stage = p == 1 ? s.pot1Growth : p == 2 ? s.pot2Growth : s.pot3Growth;
    if (seed < 0 || seed > 9 || stage < 0 || stage > 3 || (seed == 9 && stage != 0)) fault("a pot out of its rules");
  }
  const std::string again = savedGameText(g);
  try {
    if (savedGameText(readSavedGame(again)) != again) fault("a game read back is another game");
  } catch (const SaveError& e) {
    fault(std::string("a game written by the game cannot be read: ") + e.what());
  }
  return 0;
}
