#include "platform/event_loop.h"

#include <algorithm>
#include <cstring>

namespace tenrali {

bool WindowPicture::stale(ButtonLook look) const {
  return form_.screen().revision() != clientRevision_ || menu_.revision() != menuRevision_ || !(look == look_);
}

const Image& WindowPicture::draw(ButtonLook look) {
  const ScreenModel& sm = form_.screen();
  // The game's picture is drawn again only when the game changed something; the menu's own
  // changes (opening, the highlight) only paint over it.
  if (sm.revision() != clientRevision_) {
    renderer_.render(sm, client_);
    clientRevision_ = sm.revision();
  }
  const int scale = renderer_.scale();
  if (window_.width != kWindowWidth * scale || window_.height != kWindowHeight * scale) {
    window_.width = kWindowWidth * scale;
    window_.height = kWindowHeight * scale;
    window_.pixels.assign(static_cast<std::size_t>(window_.width) * window_.height, kFaceColor);
  }
  std::memcpy(&window_.pixels[static_cast<std::size_t>(kMenuBarHeight * scale) * window_.width],
              client_.pixels.data(), client_.pixels.size() * sizeof(std::uint32_t));
  menu_.draw(window_, fonts_, scale);
  menuRevision_ = menu_.revision();
  drawButtonLook(window_, sm, look, kMenuBarHeight * scale, scale);
  look_ = look;
  return window_;
}

namespace {
const bool kNoSound = false;
}

std::vector<Menu> windowMenus(const bool* music, const bool* effects) {
  Menu game{E::K1, {}, {MenuEntry::game(E::K2), MenuEntry::game(E::K3), MenuEntry::game(E::N2), MenuEntry::game(E::K4)}};
  Menu settings{E::count, "設定", {MenuEntry::check("音楽", WindowCommand::Music, music),
                                   MenuEntry::check("効果音", WindowCommand::Effects, effects)}};
  return {game, settings};
}

EventLoop::EventLoop(TForm1& form, FontLibrary& fonts, PictureStore& pictures, GameWindow& window,
                     SoundPlayer* sound)
    : form_(form),
      window_(window),
      sound_(sound),
      menu_(form.screen(), windowMenus(sound ? sound->musicOn() : &kNoSound, sound ? sound->effectsOn() : &kNoSound)),
      picture_(form, fonts, pictures, menu_, window.scale()) {
  menu_.layout(fonts);
  if (sound_) form_.events().listen(true);
}

void EventLoop::windowCommand(WindowCommand command) {
  if (!sound_) return;
  if (command == WindowCommand::Music) sound_->setMusic(!*sound_->musicOn());
  if (command == WindowCommand::Effects) sound_->setEffects(!*sound_->effectsOn());
}

void EventLoop::present() {
  window_.present(picture_.draw(look()));
  exposed_ = false;
}

ButtonLook EventLoop::look() const {
  if (!pointerIn_ || replaying() || menu_.isOpen() || press_ == PressOwner::Menu) return {};
  const E e = form_.screen().hitTest(mouseX_, mouseY_ - kMenuBarHeight);
  // While the button is held, only the button it went down on answers.
  if (!isButton(form_, e) || (press_ == PressOwner::Client && pressed_ != e)) return {};
  return {e, press_ == PressOwner::Client};
}

void EventLoop::showFirstFrame() { present(); }

void EventLoop::refresh() {
  // What the last input or beat did is heard before it is seen.
  if (sound_) sound_->follow(form_.events().take());
  // A window shown again may have lost what it showed: it gets the whole picture.
  if (picture_.stale(look()) || exposed_) present();
  // Then, with the player already seeing it, the game is saved if the home screen waits.
  if (keeper_) keeper_->afterStep();
}

void EventLoop::mouseDown(int x, int y) {
  if (menu_.press(x, y)) {
    press_ = PressOwner::Menu;
    return;
  }
  press_ = PressOwner::Client;
  pressed_ = form_.screen().hitTest(x, y - kMenuBarHeight);
}

// A click is a press and a release over the same element of the client area.
void EventLoop::mouseUp(int x, int y) {
  const PressOwner owner = press_;
  press_ = PressOwner::None;
  if (owner == PressOwner::Menu || menu_.isOpen()) {
    const MenuChoice chosen = menu_.release(x, y);
    if (chosen.item != E::count) form_.menuCommand(chosen.item);
    windowCommand(chosen.command);
    return;
  }
  if (owner != PressOwner::Client || replaying()) return;  // a replay goes exactly as recorded
  const int cx = x, cy = y - kMenuBarHeight;
  if (pressed_ != E::count && form_.screen().hitTest(cx, cy) == pressed_) form_.clickAt(cx, cy);
  pressed_ = E::count;
}

void EventLoop::handle(const SDL_Event& e) {
  if (sound_ && sound_->handle(e)) return;
  switch (e.type) {
    case SDL_QUIT:
      quit_ = true;
      break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
      mouseX_ = window_.unscale(e.button.x);
      mouseY_ = window_.unscale(e.button.y);
      pointerIn_ = true;
      if (e.button.button != SDL_BUTTON_LEFT) break;
      if (e.type == SDL_MOUSEBUTTONDOWN) mouseDown(mouseX_, mouseY_);
      else mouseUp(mouseX_, mouseY_);
      break;
    case SDL_MOUSEMOTION:
      mouseX_ = window_.unscale(e.motion.x);
      mouseY_ = window_.unscale(e.motion.y);
      pointerIn_ = true;
      menu_.move(mouseX_, mouseY_);
      break;
    case SDL_WINDOWEVENT:
      switch (e.window.event) {
        case SDL_WINDOWEVENT_EXPOSED:
        case SDL_WINDOWEVENT_SIZE_CHANGED:
        case SDL_WINDOWEVENT_RESTORED: exposed_ = true; break;
        case SDL_WINDOWEVENT_FOCUS_LOST: menu_.close(); break;
        case SDL_WINDOWEVENT_LEAVE:
          pointerIn_ = false;
          menu_.move(-1, -1);
          break;
        case SDL_WINDOWEVENT_CLOSE: quit_ = true; break;
        default: break;
      }
      break;
    default:
      break;
  }
}

int EventLoop::run() {
  bool ticking = false;
  Uint64 nextTick = 0;
  unsigned starts = form_.timerStarts();
  for (;;) {
    if (quit_ || form_.closed()) return 0;
    refresh();

    // The scene timers share one 100 ms beat. A scene started by the player (a click, the menu)
    // first ticks one whole interval later; one started by a tick keeps the beat it began on.
    // A replay brings its own beats.
    const bool running = !replaying() && form_.anyTimerEnabled();
    const unsigned nowStarts = form_.timerStarts();
    if (running && (!ticking || nowStarts != starts)) nextTick = SDL_GetTicks64() + kTickMs;
    starts = nowStarts;
    ticking = running;

    SDL_Event event;
    bool got;
    if (ticking || replaying()) {
      const Uint64 now = SDL_GetTicks64();
      const Uint64 wake = replaying() ? replay_->due() : nextTick;
      got = SDL_WaitEventTimeout(&event, wake > now ? static_cast<int>(wake - now) : 0) != 0;
    } else {
      got = SDL_WaitEvent(&event) != 0;  // nothing runs: sleep until the player does something
    }
    if (got) {
      handle(event);
      while (!quit_ && !form_.closed() && SDL_PollEvent(&event)) handle(event);
    }
    if (quit_ || form_.closed()) {
      if (keeper_) keeper_->afterStep();  // a click just before closing still counts
      return 0;
    }
    if (replaying()) {
      replay_->step(form_, SDL_GetTicks64());
      continue;
    }
    if (ticking && form_.anyTimerEnabled()) {
      const Uint64 now = SDL_GetTicks64();
      if (now >= nextTick) {
        form_.tickInterval();
        starts = form_.timerStarts();
        // Missed intervals are not made up: a late tick counts as one.
        nextTick += kTickMs;
        if (nextTick <= now) nextTick = now + kTickMs;
      }
    }
  }
}

}  // namespace tenrali
