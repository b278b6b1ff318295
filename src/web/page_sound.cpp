#include "web/page_sound.h"

#include <emscripten.h>

#include <cstdio>

#include "sound/sound_cues.h"

namespace tenrali {

struct PageSound::Fetch {
  PageSound* sound;
  std::string name;
};

bool PageSound::notice(const SDL_Event& event) {
  if (event.type == SDL_MOUSEBUTTONDOWN || event.type == SDL_KEYDOWN) gesture_ = true;
  const bool music = *player_.musicOn(), effects = *player_.effectsOn();
  if (gesture_ && !fetching_ && (music || effects)) fetchAll();
  const bool switched = music != music_ || effects != effects_;
  music_ = music;
  effects_ = effects;
  return switched;
}

void PageSound::fetchAll() {
  fetching_ = true;
  std::vector<std::string> names;
  for (int m = static_cast<int>(Music::None) + 1; m < kMusicCount; ++m)
    names.push_back(std::string("music-") + musicName(static_cast<Music>(m)) + ".ogg");
  for (int e = 0; e < kEffectCount; ++e) names.push_back(std::string("effect-") + effectName(static_cast<Effect>(e)) + ".ogg");
  pending_ = static_cast<int>(names.size());
  for (const std::string& name : names)
    emscripten_async_wget_data(("sound/" + name).c_str(), new Fetch{this, name}, &PageSound::onFetched,
                               &PageSound::onFailed);
}

void PageSound::onFetched(void* fetch, void* data, int size) {
  auto* f = static_cast<Fetch*>(fetch);
  const std::string path = f->sound->folder_ + "/" + f->name;
  if (FILE* out = std::fopen(path.c_str(), "wb")) {
    std::fwrite(data, 1, static_cast<std::size_t>(size), out);
    std::fclose(out);
  }
  f->sound->arrived();
  delete f;
}

void PageSound::onFailed(void* fetch) {
  auto* f = static_cast<Fetch*>(fetch);
  std::fprintf(stderr, "tenrali: the sound file \"sound/%s\" cannot be fetched\n", f->name.c_str());
  f->sound->arrived();
  delete f;
}

void PageSound::arrived() {
  if (--pending_ > 0 || started_) return;
  started_ = true;
  player_.start();
}

}  // namespace tenrali
