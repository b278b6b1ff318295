#include "platform/sound_player.h"

namespace tenrali {

namespace {

constexpr int kRate = 44100;
// About 46 ms a buffer: effects follow a click closely, and the mixer wakes some 22 times a
// second while the device is open.
constexpr int kBufferFrames = 2048;
constexpr int kChannels = 8;
constexpr int kFadeOutMs = 400;
constexpr int kFadeInMs = 60;

// SDL_mixer tells that a piece ended through a hook without user data, on its own thread: the
// hook only posts an event, which the game's thread handles.
Uint32 gMusicFinishedEvent = 0;

void SDLCALL musicFinished() {
  if (gMusicFinishedEvent == 0) return;
  SDL_Event e{};
  e.type = gMusicFinishedEvent;
  SDL_PushEvent(&e);
}

}  // namespace

SoundPlayer::SoundPlayer(std::string folder, Settings& settings, std::function<void(const std::string&)> warn)
    : folder_(std::move(folder)),
      settings_(settings),
      warn_(std::move(warn)),
      music_(settings.flag("music", true)),
      effects_(settings.flag("effects", true)) {}

SoundPlayer::~SoundPlayer() { close(); }

std::string SoundPlayer::path(const std::string& name) const { return folder_ + "/" + name; }

void SoundPlayer::warnOnce(const std::string& line) {
  if (warned_) return;
  warned_ = true;
  if (warn_) warn_("tenrali: " + line + "; playing on without sound");
}

void SoundPlayer::start() {
  started_ = true;
  if ((music_ || effects_) && open() && music_) startMusic(director_.music());
}

bool SoundPlayer::open() {
  if (open_) return true;
  std::string why;
  mix_ = openMixerLibrary(why);
  if (!mix_) {
    warnOnce("no sound library (" + why + ")");
    return false;
  }
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
    warnOnce(std::string("no sound device (") + SDL_GetError() + ")");
    return false;
  }
  if (mix_->Mix_OpenAudio(kRate, AUDIO_S16SYS, 2, kBufferFrames) != 0) {
    warnOnce(std::string("the sound device cannot be opened (") + Mix_GetError() + ")");
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return false;
  }
  mix_->Mix_AllocateChannels(kChannels);
  if (finishedEvent_ == 0) {
    const Uint32 type = SDL_RegisterEvents(1);
    finishedEvent_ = type == static_cast<Uint32>(-1) ? 0 : type;
  }
  gMusicFinishedEvent = finishedEvent_;
  mix_->Mix_HookMusicFinished(musicFinished);
  open_ = true;
  return true;
}

void SoundPlayer::close() {
  if (!open_) return;
  mix_->Mix_HookMusicFinished(nullptr);
  mix_->Mix_HaltMusic();
  mix_->Mix_HaltChannel(-1);
  if (current_) mix_->Mix_FreeMusic(current_);
  current_ = nullptr;
  loaded_ = pending_ = Music::None;
  for (Mix_Chunk*& chunk : effectChunks_) {
    if (chunk) mix_->Mix_FreeChunk(chunk);
    chunk = nullptr;
  }
  mix_->Mix_CloseAudio();
  mix_->Mix_Quit();
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
  open_ = false;
}

void SoundPlayer::closeIfSilent() {
  if (!music_ && !effects_) close();
}

void SoundPlayer::follow(const std::vector<GameEvent>& events) {
  for (const SoundCue& cue : director_.follow(events)) {
    if (cue.kind == SoundCue::Kind::Music) playMusic(static_cast<Music>(cue.id));
    else playEffect(static_cast<Effect>(cue.id));
  }
}

void SoundPlayer::playMusic(Music m) {
  if (!open_ || !music_) return;
  // The piece playing fades out first; the next one starts when it has ended (handle()).
  if (mix_->Mix_PlayingMusic()) {
    pending_ = m;
    if (mix_->Mix_FadingMusic() != MIX_FADING_OUT) mix_->Mix_FadeOutMusic(kFadeOutMs);
    return;
  }
  startMusic(m);
}

void SoundPlayer::startMusic(Music m) {
  pending_ = Music::None;
  if (current_) {
    mix_->Mix_HaltMusic();  // at once, also in the middle of a fade (freeing would wait for its end)
    mix_->Mix_FreeMusic(current_);
  }
  current_ = nullptr;
  loaded_ = Music::None;
  if (m == Music::None) return;
  const std::string file = path(std::string("music-") + musicName(m) + ".ogg");
  current_ = mix_->Mix_LoadMUS(file.c_str());
  if (!current_) {
    warnOnce("cannot play \"" + file + "\" (" + Mix_GetError() + ")");
    return;
  }
  loaded_ = m;
  if (mix_->Mix_FadeInMusic(current_, musicLoops(m) ? -1 : 1, kFadeInMs) != 0)
    warnOnce(std::string("cannot play music (") + Mix_GetError() + ")");
}

void SoundPlayer::playEffect(Effect e) {
  if (!open_ || !effects_) return;
  Mix_Chunk*& chunk = effectChunks_[static_cast<std::size_t>(e)];
  if (!chunk) {
    // Read when first heard: a few kilobytes each, and most are never needed at the title.
    const std::string file = path(std::string("effect-") + effectName(e) + ".ogg");
    chunk = mix_->Mix_LoadWAV_RW(SDL_RWFromFile(file.c_str(), "rb"), 1);
    if (!chunk) {
      warnOnce("cannot play \"" + file + "\" (" + Mix_GetError() + ")");
      return;
    }
  }
  mix_->Mix_PlayChannelTimed(-1, chunk, 0, -1);  // every channel busy: this one is not heard
}

bool SoundPlayer::handle(const SDL_Event& event) {
  if (finishedEvent_ == 0 || event.type != finishedEvent_) return false;
  if (open_ && music_ && !mix_->Mix_PlayingMusic() && pending_ != Music::None) startMusic(pending_);
  return true;
}

void SoundPlayer::save() {
  settings_.setFlag("music", music_);
  settings_.setFlag("effects", effects_);
  if (!settings_.save() && warn_) warn_("tenrali: " + settings_.takeProblem());
}

void SoundPlayer::setMusic(bool on) {
  if (on == music_) return;
  music_ = on;
  save();
  if (on) {
    // Back on: the piece of the moment from its beginning (the loss, heard once, stays over).
    if (started_ && open() && musicLoops(director_.music())) startMusic(director_.music());
    return;
  }
  if (open_) startMusic(Music::None);
  closeIfSilent();
}

void SoundPlayer::setEffects(bool on) {
  if (on == effects_) return;
  effects_ = on;
  save();
  if (on) {
    if (started_) open();
    return;
  }
  if (open_) mix_->Mix_HaltChannel(-1);
  closeIfSilent();
}

}  // namespace tenrali
