#pragma once
// The game's sound in a web page. The sound files are most of what the page would download, so
// they are not packed with it: they are fetched into the game folder once music or effects are
// on and the player has clicked or pressed a key, and the sound player starts when they are all
// in (a file that cannot be fetched is left out: the player warns once and plays on without it).
// Browsers let a page be heard only after such a gesture, which is why nothing is fetched or
// opened before it; the page itself resumes the browser's sound on each click or key, should
// the browser have held it back.
#include <SDL.h>

#include <string>

#include "platform/sound_player.h"

namespace tenrali {

class PageSound {
 public:
  PageSound(SoundPlayer& player, std::string folder)
      : player_(player), folder_(std::move(folder)), music_(*player.musicOn()), effects_(*player.effectsOn()) {}
  PageSound(const PageSound&) = delete;
  PageSound& operator=(const PageSound&) = delete;

  // After each event the game has handled; true when music or effects were switched (the
  // settings were written).
  bool notice(const SDL_Event& event);

 private:
  struct Fetch;
  static void onFetched(void* fetch, void* data, int size);
  static void onFailed(void* fetch);
  void fetchAll();
  void arrived();

  SoundPlayer& player_;
  std::string folder_;
  bool music_, effects_;  // as last seen
  bool gesture_ = false;
  bool fetching_ = false;
  int pending_ = 0;  // files still on their way
  bool started_ = false;
};

}  // namespace tenrali
