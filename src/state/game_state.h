#pragma once
// Every variable of one game. There is no other game data: no globals, no save file.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "state/flow_states.h"

namespace tenrali {

// Weather kinds index seeds, fruits, pots and the nine weather-kind buttons; 9 means none.
enum WeatherType : int {
  Normal = 0, Sunny = 1, Cloudy = 2, Rain = 3, Thunder = 4, Snow = 5, SunShower = 6, Hail = 7, Rainbow = 8,
  NoWeather = 9
};
inline constexpr int kWeatherKinds = 9;

// Accessory kinds; an accessory index is kind * 6 + variant, 24 meaning none.
enum AccessoryKind : int { HairOrnament = 0, Bracelet = 1, Necklace = 2, Ring = 3 };
inline constexpr int kAccessoryKinds = 4;
inline constexpr int kAccessories = 24;
inline constexpr int kNoAccessory = 24;

// The seed shop sells five kinds of seeds (shops/seed_offers.h); 5 is also the "no row chosen"
// value of buySeedIndex.
inline constexpr int kSeedOffers = 5;

// Growth of a pot: 0 empty or planted today, 1 sprout, 2 growing, 3 ripe.
enum PotStage : int { Planted = 0, Sprout = 1, Growing = 2, Ripe = 3 };

// One line of tenki.dat: the name shown in the weather panel, the code the growth rules read
// (code k is the weather of WeatherType k + 1) and the picture of the day.
struct WeatherRecord {
  std::string name;     // UTF-8, at most 7 bytes of cp932 in the file
  std::int32_t code = 0;
  std::string picture;  // at most 7 bytes
  bool operator==(const WeatherRecord&) const = default;
};

// One line of tane.dat: records 3k, 3k+1, 3k+2 belong to seed kind k.
struct SeedRecord {
  std::string name;  // at most 11 bytes; record 3k names the plant
  std::int32_t number1 = 0, number2 = 0, number3 = 0;  // kept, read by no rule
  std::string picture;  // at most 11 bytes; the pot picture while the plant grows
  bool operator==(const SeedRecord&) const = default;
};

// One line of akuse.dat: record i is accessory index i.
struct AccessoryRecord {
  std::string name;     // at most 29 bytes
  std::string picture;  // at most 8 bytes
  bool operator==(const AccessoryRecord&) const = default;
};

struct GameState {
  std::array<WeatherRecord, 8> weatherTable{};
  std::array<SeedRecord, 27> seedTable{};
  WeatherRecord todayWeather{};
  std::array<AccessoryRecord, 24> accessoryTable{};

  // The integer fields, declared from their one list.
#define SCALAR(name, initial) std::int32_t name = initial;
#define ARRAY(name, length, ...) std::array<std::int32_t, length> name{__VA_ARGS__};
#include "state/int_fields.h"
#undef SCALAR
#undef ARRAY

  // Pot p (1..3) as references, so the three pots share one rule.
  std::int32_t& potSeed(int p) { return p == 1 ? pot1Seed : p == 2 ? pot2Seed : pot3Seed; }
  std::int32_t potSeed(int p) const { return p == 1 ? pot1Seed : p == 2 ? pot2Seed : pot3Seed; }
  std::int32_t& potGrowth(int p) { return p == 1 ? pot1Growth : p == 2 ? pot2Growth : pot3Growth; }
  // Slot value of accessory kind k (0 hair ornament .. 3 ring).
  std::int32_t& slotValue(int k) {
    return k == 0 ? hairSlotValue : k == 1 ? braceletSlotValue : k == 2 ? necklaceSlotValue : ringSlotValue;
  }
};

namespace workshop {
// Whether the workshop dialogue stands at a step, and the move to one.
inline bool at(const GameState& s, Step step) {
  return s.accessoryMakeState == step.accessory && s.seedMakeState == step.seed && s.speciesMakeState == step.species;
}
inline void moveTo(GameState& s, Step step) {
  s.accessoryMakeState = step.accessory;
  s.seedMakeState = step.seed;
  s.speciesMakeState = step.species;
}
}  // namespace workshop

// The integer fields of the record by name, in the record's order, for the headless driver and tests.
// Arrays are listed once with their length; the three tables and todayWeather are not integer fields.
struct IntField {
  const char* name;
  std::int32_t* (*at)(GameState&, int index);
  int length;  // 1 for a scalar
  std::int32_t get(const GameState& s, int index) const { return *at(const_cast<GameState&>(s), index); }
};
#define SCALAR(name, initial) +1
#define ARRAY(name, length, ...) +1
inline constexpr std::size_t kIntFields = 0
#include "state/int_fields.h"
    ;
#undef SCALAR
#undef ARRAY
const std::array<IntField, kIntFields>& intFields();
const IntField* findIntField(std::string_view name);

}  // namespace tenrali
