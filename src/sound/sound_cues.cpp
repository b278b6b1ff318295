#include "sound/sound_cues.h"

#include <algorithm>

namespace tenrali {

namespace {

const char* const kMusicNames[kMusicCount] = {"none", "title", "home", "rain", "shops", "arrival",
                                              "contest", "win", "loss", "ending"};
const char* const kEffectNames[kEffectCount] = {"click", "message", "plant", "harvest", "day", "sale", "purchase",
                                                "seeds", "species", "accessory", "gift", "wither", "applause"};

// Weather codes whose days sound softer at home: rain, thunder, snow and hail.
bool softDay(int weatherCode) { return weatherCode == 2 || weatherCode == 3 || weatherCode == 4 || weatherCode == 6; }

bool atHome(Music m) { return m == Music::Home || m == Music::Rain; }

}  // namespace

const char* musicName(Music m) { return kMusicNames[static_cast<int>(m)]; }
const char* effectName(Effect e) { return kEffectNames[static_cast<int>(e)]; }
bool musicLoops(Music m) { return m != Music::Loss && m != Music::None; }

std::string SoundCue::text() const {
  return kind == Kind::Music ? std::string("music ") + musicName(static_cast<Music>(id))
                             : std::string("effect ") + effectName(static_cast<Effect>(id));
}

Music SoundDirector::homeMusic() const { return softDay(weatherCode_) ? Music::Rain : Music::Home; }

void SoundDirector::playMusic(Music m, std::vector<SoundCue>& out) {
  if (m == music_) return;
  music_ = m;
  out.push_back(SoundCue::music(m));
}

std::vector<SoundCue> SoundDirector::follow(const std::vector<GameEvent>& events) {
  std::vector<SoundCue> out;
  auto effect = [&out](Effect e) {
    const SoundCue cue = SoundCue::effect(e);
    if (std::find(out.begin(), out.end(), cue) == out.end()) out.push_back(cue);
  };
  for (const GameEvent& e : events) {
    switch (e.kind) {
      case GameEventKind::ButtonPressed: effect(Effect::Click); break;
      case GameEventKind::MessageMovedOn: effect(Effect::Message); break;
      case GameEventKind::OpeningStarted: playMusic(Music::Title, out); break;
      case GameEventKind::HomeShown:
        weatherCode_ = e.value;
        playMusic(homeMusic(), out);
        break;
      case GameEventKind::DayChanged:
        weatherCode_ = e.value;
        effect(Effect::Day);
        if (atHome(music_)) playMusic(homeMusic(), out);
        break;
      case GameEventKind::ShopsOpened:
      case GameEventKind::WorkshopOpened: playMusic(Music::Shops, out); break;
      case GameEventKind::ShopsClosed:
      case GameEventKind::WorkshopClosed: playMusic(homeMusic(), out); break;
      case GameEventKind::ContestEntered:
        effect(Effect::Purchase);
        playMusic(Music::Arrival, out);
        break;
      case GameEventKind::ContestDayStarted: playMusic(Music::Contest, out); break;
      case GameEventKind::PlaceCalled: effect(Effect::Applause); break;
      case GameEventKind::WinSceneStarted: playMusic(e.value >= 3 ? Music::Ending : Music::Win, out); break;
      case GameEventKind::LossSceneStarted: playMusic(Music::Loss, out); break;
      case GameEventKind::Planted: effect(Effect::Plant); break;
      case GameEventKind::Harvested: effect(Effect::Harvest); break;
      case GameEventKind::PlantWithered: effect(Effect::Wither); break;
      case GameEventKind::Sold:
      case GameEventKind::HelpReceived: effect(Effect::Sale); break;
      case GameEventKind::Bought: effect(Effect::Purchase); break;
      case GameEventKind::SeedsMade: effect(Effect::Seeds); break;
      case GameEventKind::NewSpecies: effect(Effect::Species); break;
      case GameEventKind::AccessoryMade: effect(Effect::Accessory); break;
      case GameEventKind::GiftGiven: effect(Effect::Gift); break;
    }
  }
  return out;
}

}  // namespace tenrali
