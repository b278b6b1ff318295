#pragma once
// What happened in the game, as the game reports it for whoever listens (the sound of the
// window, the headless driver's log of cues). The game only says what happened; what that
// sounds like is decided by the listener.
#include <cstdint>
#include <utility>
#include <vector>

namespace tenrali {

enum class GameEventKind : std::uint8_t {
  ButtonPressed,     // a button took a click (value: the element)
  MessageMovedOn,    // a click on the message window moved the story on
  OpeningStarted,    // "新規開始": the prologue begins
  HomeShown,         // the home screen came up (value: today's weather code)
  DayChanged,        // a new day began (value: its weather code)
  ShopsOpened,
  ShopsClosed,
  WorkshopOpened,
  WorkshopClosed,
  ContestEntered,    // the fee is paid, off to the venue (value: the contest, 1..3)
  ContestDayStarted,
  PlaceCalled,       // the announcer calls a place on stage (value: 3, 2, 1)
  WinSceneStarted,   // value: the contest won, 1..3 (3 opens the ending)
  LossSceneStarted,
  Planted,
  Harvested,         // value: the fruit kind
  PlantWithered,
  Sold,
  Bought,
  HelpReceived,      // ララベ helps the broke hero out with a few coins
  SeedsMade,
  NewSpecies,
  AccessoryMade,
  GiftGiven,
};

struct GameEvent {
  GameEventKind kind;
  int value = 0;
  bool operator==(const GameEvent&) const = default;
};

// The events since they were last taken. Nothing is kept until someone listens, and a listener
// that stops taking them loses the oldest rather than the game's memory.
class GameEventLog {
 public:
  void listen(bool on) {
    listening_ = on;
    if (!on) events_.clear();
  }
  void report(GameEventKind kind, int value) {
    if (!listening_) return;
    if (events_.size() >= kLimit) events_.erase(events_.begin());
    events_.push_back({kind, value});
  }
  std::vector<GameEvent> take() { return std::exchange(events_, {}); }

  static constexpr std::size_t kLimit = 256;

 private:
  bool listening_ = false;
  std::vector<GameEvent> events_;
};

}  // namespace tenrali
