#pragma once
// SDL_mixer, opened only when the game first makes a sound: linked at start-up, it and the
// libraries it brings (FluidSynth, JACK, PulseAudio's and more) would be loaded before the first
// frame and held by a game whose sound is off.
#include <SDL_mixer.h>

#include <string>

namespace tenrali {

#define TENRALI_MIXER_FUNCTIONS(X)                                                                   \
  X(Mix_OpenAudio) X(Mix_CloseAudio) X(Mix_Quit) X(Mix_AllocateChannels) X(Mix_HookMusicFinished)    \
  X(Mix_HaltMusic) X(Mix_HaltChannel) X(Mix_LoadMUS) X(Mix_FreeMusic) X(Mix_FadeInMusic)             \
  X(Mix_FadeOutMusic) X(Mix_PlayingMusic) X(Mix_FadingMusic) X(Mix_LoadWAV_RW) X(Mix_FreeChunk)      \
  X(Mix_PlayChannelTimed)

// The functions the game uses, each named as in SDL_mixer.h.
struct MixerLibrary {
#define TENRALI_MIXER_MEMBER(name) decltype(&::name) name = nullptr;
  TENRALI_MIXER_FUNCTIONS(TENRALI_MIXER_MEMBER)
#undef TENRALI_MIXER_MEMBER
};

// The library, opened on the first call and kept to the end of the process; nullptr with the
// reason in `error` when it cannot be opened.
const MixerLibrary* openMixerLibrary(std::string& error);

}  // namespace tenrali
