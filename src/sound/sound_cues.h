#pragma once
// What the game sounds like: the music for each place and moment and the effect for each thing
// that happens, chosen from the events the game reports. No playing here: the window plays the
// cues, the headless driver prints them.
#include <string>
#include <vector>

#include "app/game_events.h"

namespace tenrali {

enum class Music {
  None,
  Title,    // the title and the prologue
  Home,     // the home screen on a fair day
  Rain,     // the home screen on a day of rain, thunder, snow or hail
  Shops,    // the shops and the workshop
  Arrival,  // on the way into a contest, where the rival shows up
  Contest,  // the contest day
  Win,      // a fanfare, then the celebration
  Loss,     // a short sad phrase that takes heart again; played once
  Ending,   // the last win, the ending and the staff roll
};

enum class Effect {
  Click, Message, Plant, Harvest, Day, Sale, Purchase, Seeds, Species, Accessory, Gift, Wither, Applause,
};

inline constexpr int kMusicCount = static_cast<int>(Music::Ending) + 1;
inline constexpr int kEffectCount = static_cast<int>(Effect::Applause) + 1;

// The name of a piece or an effect: its sound file is "music-NAME.ogg" or "effect-NAME.ogg".
const char* musicName(Music m);
const char* effectName(Effect e);
// Whether the piece plays round and round (every piece but the loss).
bool musicLoops(Music m);

struct SoundCue {
  enum class Kind { Music, Effect } kind;
  int id;  // a Music or an Effect
  static SoundCue music(Music m) { return {Kind::Music, static_cast<int>(m)}; }
  static SoundCue effect(Effect e) { return {Kind::Effect, static_cast<int>(e)}; }
  bool operator==(const SoundCue&) const = default;
  // "music home", "effect click".
  std::string text() const;
};

// Follows the game from its events: which piece should be playing now, and the cues that the
// events call for, in order. A piece already playing is not started again, and one effect sounds
// once for one batch of events (three pots harvested at once chime once).
class SoundDirector {
 public:
  Music music() const { return music_; }
  std::vector<SoundCue> follow(const std::vector<GameEvent>& events);

 private:
  void playMusic(Music m, std::vector<SoundCue>& out);
  Music homeMusic() const;

  Music music_ = Music::Title;
  int weatherCode_ = 0;
};

}  // namespace tenrali
