#pragma once
// The game's music and effects through SDL_mixer. The audio device is open only while music or
// effects are on; with both off it is closed and the game wakes for nothing. A machine without
// sound (no device, a device that fails, missing sound files) plays on silently after one line
// on standard error. Music moves from piece to piece with a short fade; a piece that plays once
// (the loss) ends in silence.
#include <SDL.h>

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "platform/mixer_library.h"
#include "sound/sound_cues.h"
#include "storage/settings.h"

namespace tenrali {

class SoundPlayer {
 public:
  // `folder` holds the sound files; `settings` keeps "music" and "effects" (both on unless
  // switched off) and is written when either is switched.
  SoundPlayer(std::string folder, Settings& settings, std::function<void(const std::string&)> warn);
  ~SoundPlayer();
  SoundPlayer(const SoundPlayer&) = delete;
  SoundPlayer& operator=(const SoundPlayer&) = delete;

  // Opens the device when anything is on and starts the music of the moment. Call after the
  // first frame is on screen.
  void start();
  // What the game reported since the last time: the cues are played as they come.
  void follow(const std::vector<GameEvent>& events);
  // The menu's check items.
  void setMusic(bool on);
  void setEffects(bool on);
  const bool* musicOn() const { return &music_; }
  const bool* effectsOn() const { return &effects_; }
  // SDL's events that are the player's own (a piece ended); true when it was one.
  bool handle(const SDL_Event& event);

  // For tests: whether the device is open, and the piece loaded into it.
  bool deviceOpen() const { return open_; }
  Music loadedMusic() const { return loaded_; }
  const SoundDirector& director() const { return director_; }

 private:
  bool open();
  void close();
  void closeIfSilent();
  void playMusic(Music m);
  void startMusic(Music m);
  void playEffect(Effect e);
  void save();
  void warnOnce(const std::string& line);
  std::string path(const std::string& name) const;

  std::string folder_;
  Settings& settings_;
  std::function<void(const std::string&)> warn_;
  SoundDirector director_;
  bool music_, effects_;
  bool started_ = false, open_ = false, warned_ = false;
  Uint32 finishedEvent_ = 0;
  const MixerLibrary* mix_ = nullptr;
  Mix_Music* current_ = nullptr;
  Music loaded_ = Music::None;
  Music pending_ = Music::None;  // to start when the piece fading out has ended
  std::array<Mix_Chunk*, kEffectCount> effectChunks_{};
};

}  // namespace tenrali
