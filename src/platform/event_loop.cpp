#include "platform/event_loop.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "platform/focus_ring.h"
#include "platform/read_aloud.h"

namespace tenrali {

bool WindowPicture::stale(ButtonLook look) const {
  return form_.screen().revision() != clientRevision_ || menu_.revision() != menuRevision_ ||
         form_.keyboard().revision() != ringRevision_ || !(look == look_);
}

void WindowPicture::setScale(int scale) {
  if (scale == renderer_.scale()) return;
  renderer_.setScale(scale);
  clientRevision_ = ~std::uint64_t{0};  // the game's picture is drawn again at the new scale
}

const Image& WindowPicture::draw(ButtonLook look) {
  if (!stale(look)) return window_;
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
  // The button's look, the keyboard's ring over it, and the menu bar over both.
  drawButtonLook(window_, sm, look, kMenuBarHeight * scale, scale);
  look_ = look;
  if (form_.keyboard().focused() != E::count)
    drawFocusRing(window_, form_.keyboard().ring(), kMenuBarHeight, scale);
  ringRevision_ = form_.keyboard().revision();
  menu_.draw(window_, fonts_, scale);
  menuRevision_ = menu_.revision();
  return window_;
}

namespace {

class SdlClock : public LoopClock {
 public:
  Uint64 now() override { return SDL_GetTicks64(); }
  bool wait(SDL_Event& event, int timeoutMs) override {
    return (timeoutMs < 0 ? SDL_WaitEvent(&event) : SDL_WaitEventTimeout(&event, timeoutMs)) != 0;
  }
  bool poll(SDL_Event& event) override { return SDL_PollEvent(&event) != 0; }
};
SdlClock sdlClock;

// The largest whole factor at which the window fits the display it stands on (at least 1).
int largestScale(SDL_Window* window) {
  SDL_Rect usable{0, 0, 0, 0};
  const int display = SDL_GetWindowDisplayIndex(window);
  if (SDL_GetDisplayUsableBounds(display < 0 ? 0 : display, &usable) != 0) return 1;
  return std::max(1, std::min(usable.w / kWindowWidth, usable.h / kWindowHeight));
}

// The window's own menu: the settings, each with its key where it has one.
std::vector<MenuEntry> settingsMenu(int largest) {
  auto entry = [](int command, const char* caption, const char* shortcut, bool checkable) {
    MenuEntry e;
    e.command = command;
    e.caption = caption;
    e.shortcut = shortcut;
    e.checkable = checkable;
    return e;
  };
  auto separator = [] {
    MenuEntry e;
    e.caption = "-";
    return e;
  };
  std::vector<MenuEntry> m{entry(kCommandMusic, "音楽", "", true), entry(kCommandEffects, "効果音", "", true),
                           entry(kCommandReadAloud, "読み上げ", "", true), separator(),
                           entry(kCommandFullScreen, "全画面表示", "F11", true)};
  for (int f = 1; f <= std::min(largest, kLargestScaleOffered); ++f)
    m.push_back(entry(kCommandScale + f, ("大きさ ×" + std::to_string(f)).c_str(), "", true));
  m.push_back(separator());
  m.push_back(entry(kCommandScreenshot, "スクリーンショット", "F12", false));
  m.push_back(separator());
  MenuEntry hint = entry(kCommandFastForward, "早送り（押している間）", "Ctrl / Shift", false);
  hint.enabled = false;
  m.push_back(hint);
  return m;
}

}  // namespace

MenuBar windowMenuBar(const ScreenModel& screen, int largest) {
  MenuBar bar(screen, E::K1, {E::K2, E::K3, E::N2, E::K4});
  bar.addMenu("設定", settingsMenu(largest));
  return bar;
}

WindowContent::WindowContent(TForm1& form, FontLibrary& fonts, PictureStore& pictures, int scale)
    : menu(windowMenuBar(form.screen(), kLargestScaleOffered)), picture(form, fonts, pictures, menu, scale) {
  menu.layout(fonts);
}

EventLoop::EventLoop(TForm1& form, FontLibrary& fonts, PictureStore& pictures, GameWindow& window,
                     SoundPlayer* sound)
    : EventLoop(form, std::make_unique<WindowContent>(form, fonts, pictures, window.scale()), window, sound) {}

EventLoop::EventLoop(TForm1& form, std::unique_ptr<WindowContent> content, GameWindow& window, SoundPlayer* sound)
    : form_(form),
      window_(window),
      sound_(sound),
      content_(std::move(content)),
      menu_(content_->menu),
      picture_(content_->picture),
      clock_(&sdlClock),
      tell_([](const std::string& line) { std::fprintf(stderr, "%s\n", line.c_str()); }) {
  const int largest = largestScale(window.sdl());
  for (int f = largest + 1; f <= kLargestScaleOffered; ++f) menu_.setEnabled(kCommandScale + f, false);
  menu_.setChecked(kCommandScale + window.windowScale(), true);
  // Without a sound player there is nothing to switch.
  menu_.setChecked(kCommandMusic, sound_ && *sound_->musicOn());
  menu_.setChecked(kCommandEffects, sound_ && *sound_->effectsOn());
  menu_.setEnabled(kCommandMusic, sound_ != nullptr);
  menu_.setEnabled(kCommandEffects, sound_ != nullptr);
  if (sound_) form_.events().listen(true);
}

// An entry of the menu, chosen by the mouse or the keys: the game's, or the window's own command.
void EventLoop::take(const MenuChoice& chosen) {
  if (chosen.command) command(chosen.command);
  else if (chosen) form_.menuCommand(chosen.item);
}

void EventLoop::setWarningSink(std::function<void(const std::string&)> sink) {
  tell_ = std::move(sink);
}

void EventLoop::present() {
  // Full screen and the size chosen in the menu change the factor: the picture follows it.
  picture_.setScale(window_.drawScale());
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
  // What the last input or beat did is heard (and read aloud) before it is seen.
  afterStep();
  // A window shown again may have lost what it showed: it gets the whole picture.
  if (picture_.stale(look()) || exposed_) present();
  // Then, with the player already seeing it, the game is saved if the home screen waits.
  if (keeper_) keeper_->afterStep();
}

void EventLoop::mouseDown(int x, int y) {
  form_.keyboard().mouseUsed();
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
    take(menu_.release(x, y));
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
      mouseX_ = window_.unscaleX(e.button.x);
      mouseY_ = window_.unscaleY(e.button.y);
      pointerIn_ = true;
      if (e.button.button != SDL_BUTTON_LEFT) break;
      if (e.type == SDL_MOUSEBUTTONDOWN) mouseDown(mouseX_, mouseY_);
      else mouseUp(mouseX_, mouseY_);
      break;
    case SDL_MOUSEMOTION:
      mouseX_ = window_.unscaleX(e.motion.x);
      mouseY_ = window_.unscaleY(e.motion.y);
      pointerIn_ = true;
      if (e.motion.xrel != 0 || e.motion.yrel != 0) form_.keyboard().mouseUsed();
      menu_.move(mouseX_, mouseY_);
      break;
    case SDL_KEYDOWN:
      keyDown(e.key);
      break;
    case SDL_KEYUP:
      keyUp(e.key);
      break;
    case SDL_WINDOWEVENT:
      switch (e.window.event) {
        case SDL_WINDOWEVENT_SIZE_CHANGED:
          window_.resized();
          exposed_ = true;
          break;
        case SDL_WINDOWEVENT_EXPOSED:
        case SDL_WINDOWEVENT_RESTORED: exposed_ = true; break;
        case SDL_WINDOWEVENT_FOCUS_LOST:
          menu_.close();
          held_ = 0;  // the keys let go elsewhere never tell us
          altAlone_ = false;
          break;
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

// What follows a step of the game: what it did is heard before it is seen, new lines are spoken.
void EventLoop::afterStep() {
  if (sound_) sound_->follow(form_.events().take());
  if (readAloud_) {
    readAloud_->follow(form_);
    if (readAloud_->failed() && menu_.findCommand(kCommandReadAloud)->enabled) {
      tell_("tenrali: read-aloud stopped: the speech service no longer answers");
      menu_.setChecked(kCommandReadAloud, false);
      menu_.setEnabled(kCommandReadAloud, false);
    }
  }
}

int EventLoop::run() {
  bool ticking = false;
  unsigned starts = form_.timerStarts();
  for (;;) {
    if (quit_ || form_.closed()) return 0;
    refresh();

    // The scene timers share one beat, 100 ms, or 10 ms while Ctrl or Shift is held: the same
    // ticks in the same order, only sooner. A scene started by the player (a click, the menu)
    // first ticks one whole interval later; one started by a tick keeps the beat it began on.
    // A replay brings its own beats.
    const Uint64 interval = fast() ? kFastTickMs : kTickMs;
    const bool running = !replaying() && form_.anyTimerEnabled();
    const unsigned nowStarts = form_.timerStarts();
    if (running && (!ticking || nowStarts != starts)) nextTick_ = clock_->now() + interval;
    if (running && fast() && !fastBeat_) nextTick_ = std::min(nextTick_, clock_->now() + interval);
    fastBeat_ = fast();
    starts = nowStarts;
    ticking = running;

    SDL_Event event;
    bool got;
    if (ticking || replaying()) {
      const Uint64 now = clock_->now();
      const Uint64 wake = replaying() ? replay_->due() : nextTick_;
      got = clock_->wait(event, wake > now ? static_cast<int>(wake - now) : 0);
    } else {
      got = clock_->wait(event, -1);  // nothing runs: sleep until the player does something
    }
    if (got) {
      handle(event);
      while (!quit_ && !form_.closed() && clock_->poll(event)) handle(event);
    }
    settleReadAloud();
    if (quit_ || form_.closed()) {
      if (keeper_) keeper_->afterStep();  // a click just before closing still counts
      return 0;
    }
    if (replaying()) {
      replay_->step(form_, clock_->now());
      continue;
    }
    if (ticking && form_.anyTimerEnabled()) {
      const Uint64 now = clock_->now();
      if (now >= nextTick_) {
        form_.tickInterval();
        ++beats_;
        starts = form_.timerStarts();
        // Missed intervals are not made up: a late tick counts as one.
        const Uint64 step = fast() ? kFastTickMs : kTickMs;
        nextTick_ += step;
        if (nextTick_ <= now) nextTick_ = now + step;
      }
    }
  }
}

}  // namespace tenrali
