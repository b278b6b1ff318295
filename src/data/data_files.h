#pragma once
// The three data files of the game: tenki.dat (8 weathers), tane.dat (27 seed records),
// akuse.dat (24 accessories). A file that cannot be read whole and right stops the game
// with a DataError naming the file and the record.
#include <array>
#include <stdexcept>
#include <string>
#include <string_view>

#include "data/file_source.h"
#include "state/game_state.h"

namespace tenrali {

class DataError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

std::array<WeatherRecord, 8> readWeatherTable(std::string_view bytes);
std::array<SeedRecord, 27> readSeedTable(std::string_view bytes);
std::array<AccessoryRecord, 24> readAccessoryTable(std::string_view bytes);

// Reads all three files into the state's tables.
void loadDataFiles(FileSource& files, GameState& state);

}  // namespace tenrali
