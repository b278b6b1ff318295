// The window's own menu commands: the sound, full screen, the window's size, read-aloud and
// the screenshot; each setting is kept in the player's settings file when it changes.
#include <ctime>
#include <utility>

#include "platform/event_loop.h"
#include "platform/read_aloud.h"
#include "platform/screenshot_file.h"
#include "storage/settings.h"
#include "storage/user_folders.h"

namespace tenrali {

void EventLoop::setSettings(Settings* settings) {
  settings_ = settings;
  menu_.setChecked(kCommandFullScreen, window_.fullScreen());
}

void EventLoop::setReadAloud(ReadAloud* readAloud, SpeechPort* speech) {
  readAloud_ = readAloud;
  speech_ = speech;
}

void EventLoop::setReadAloudAvailable(bool available) { menu_.setEnabled(kCommandReadAloud, available); }

void EventLoop::keep(const char* key, int value, bool isFlag) {
  if (!settings_) return;
  if (isFlag) settings_->setFlag(key, value != 0);
  else settings_->setNumber(key, value);
  if (!settings_->save()) tell_("tenrali: " + settings_->takeProblem());
}

void EventLoop::turnReadAloud(bool on, bool keepIt) {
  if (!readAloud_) return;
  wantSpeech_ = on;
  menu_.setChecked(kCommandReadAloud, on);
  if (!on) {
    readAloud_->setOn(false, form_);
    if (keepIt) keep("read-aloud", false, true);
    return;
  }
  keepSpeech_ = keepIt;
  // Reaching the service may mean starting it, which takes seconds: the game plays on meanwhile.
  if (!std::exchange(speechBegun_, true)) speech_->begin();
  settleReadAloud();
}

void EventLoop::settleReadAloud() {
  if (!speechBegun_ || !readAloud_) return;
  if (!speechReady_) {
    const std::optional<std::string> why = speech_->reached();
    if (!why) return;  // still on the way
    if (!why->empty()) {
      speechBegun_ = false;  // told once; the entry is greyed
      wantSpeech_ = false;
      tell_("tenrali: read-aloud is not available: " + *why);
      menu_.setEnabled(kCommandReadAloud, false);
      menu_.setChecked(kCommandReadAloud, false);
      return;
    }
    speechReady_ = true;
  }
  if (!wantSpeech_ || readAloud_->on()) return;
  readAloud_->setOn(true, form_);
  if (keepSpeech_) keep("read-aloud", true, true);
}

void EventLoop::toggleFullScreen() {
  const bool on = !window_.fullScreen();
  if (!window_.setFullScreen(on)) {
    tell_(std::string("tenrali: full screen refused: ") + SDL_GetError());
    return;
  }
  exposed_ = true;
  menu_.setChecked(kCommandFullScreen, on);
  keep("fullscreen", on, true);
}

void EventLoop::chooseScale(int factor) {
  menu_.setChecked(kCommandScale + window_.windowScale(), false);
  window_.setWindowScale(factor);
  menu_.setChecked(kCommandScale + window_.windowScale(), true);
  exposed_ = true;
  keep("scale", window_.windowScale(), false);
}

void EventLoop::screenshot() {
  picture_.draw();
  try {
    tell_("tenrali: screenshot saved as " + saveScreenshot(picture_.client(), picturesFolder(), std::time(nullptr)));
  } catch (const std::exception& e) {
    tell_(std::string("tenrali: screenshot not saved: ") + e.what());
  }
}

// "音楽" and "効果音": the sound player keeps the choice in the settings.
void EventLoop::switchSound(int c) {
  if (!sound_) return;
  if (c == kCommandMusic) sound_->setMusic(!*sound_->musicOn());
  else sound_->setEffects(!*sound_->effectsOn());
  menu_.setChecked(kCommandMusic, *sound_->musicOn());
  menu_.setChecked(kCommandEffects, *sound_->effectsOn());
}

void EventLoop::command(int c) {
  switch (c) {
    case kCommandMusic:
    case kCommandEffects: return switchSound(c);
    case kCommandFullScreen: return toggleFullScreen();
    case kCommandReadAloud: return turnReadAloud(!wantSpeech_, true);
    case kCommandScreenshot: return screenshot();
    default:
      if (c > kCommandScale && c <= kCommandScale + 8) chooseScale(c - kCommandScale);
  }
}

}  // namespace tenrali
