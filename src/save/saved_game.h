#pragma once
// A game kept between runs. It is taken whenever the home screen waits and put back by
// "続きから" exactly as it was left. As text, its first line names the format and its version;
// then every field of the game state by the names tenrali-play's "state" prints, the random
// source, and what the home screen shows that the fields do not say: a withered pot's plate, the
// contest stars and the message window's last message.
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "app/form1.h"

namespace tenrali {

inline constexpr int kSaveVersion = 1;
// No saved game comes near this; a larger file is not one of ours.
inline constexpr std::size_t kSaveSizeLimit = 64 * 1024;

// A saved game that cannot be read or put back; what() says what is wrong with it.
class SaveError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct SavedGame {
  bool won = false;    // the last contest was won: nothing is left to continue
  GameState state;     // the integer fields; the tables and today's weather record stay empty
  std::uint64_t random = 0;
  int todayWeather = 0;             // the record of tenki.dat drawn for today
  std::array<bool, 3> withered{};   // the pot's plate says "枯れ"
  std::array<std::optional<Rgb>, 3> stars;  // Label1..Label3: the colour of her place, when shown
  std::string portrait;             // the message window: kaow, mes1..mes4 and their colour
  std::array<std::string, 4> lines;
  Rgb color;
};

// The game on the form, taken while the home screen waits; a SaveError otherwise.
SavedGame takeSavedGame(const TForm1& form);

// The text of a saved game, and back. readSavedGame checks everything (the format and version,
// each line, every field's range and the rules that bind the fields together) and throws a
// SaveError naming the line and the fault.
std::string savedGameText(const SavedGame& game);
SavedGame readSavedGame(std::string_view text);

// Puts a saved game on a form on which no game has started yet: the home screen as it was left,
// and "新規開始" and "続きから" greyed. A won game, or one the form's data cannot show, throws a
// SaveError before anything changes.
void continueSavedGame(TForm1& form, const SavedGame& game);

}  // namespace tenrali
