// The keyboard in the window: the menu bar's keys, the window's own (F10, F11, F12), fast-forward
// (Ctrl or Shift held) and the game's keys, which the game's keyboard turns into clicks.
#include <string>

#include "platform/event_loop.h"

namespace tenrali {

namespace {

// One bit for each key that hurries the scenes while held.
unsigned fastBit(SDL_Keycode key) {
  switch (key) {
    case SDLK_LCTRL: return 1;
    case SDLK_RCTRL: return 2;
    case SDLK_LSHIFT: return 4;
    case SDLK_RSHIFT: return 8;
    default: return 0;
  }
}

bool isAlt(SDL_Keycode key) { return key == SDLK_LALT || key == SDLK_RALT; }

// The game's name of a key: SDL's, with the keypad's Enter and digits as the main ones.
std::string gameKeyName(SDL_Keycode key) {
  if (key == SDLK_KP_ENTER) return "Return";
  if (key >= SDLK_KP_1 && key <= SDLK_KP_9) return std::string(1, static_cast<char>('1' + (key - SDLK_KP_1)));
  return SDL_GetKeyName(key);
}

}  // namespace

void EventLoop::keyDown(const SDL_KeyboardEvent& k) {
  const SDL_Keycode key = k.keysym.sym;
  if (const unsigned bit = fastBit(key)) {
    held_ |= bit;
    altAlone_ = false;
    return;
  }
  if (isAlt(key)) {
    altAlone_ = !k.repeat;
    return;
  }
  altAlone_ = false;
  if (menu_.isOpen()) {
    menuKey(key);
    return;
  }
  if (key == SDLK_F10) return menu_.openFromKeyboard();
  if (key == SDLK_F11 && !k.repeat) return toggleFullScreen();
  if (key == SDLK_F12 && !k.repeat) return screenshot();
  // Alt and the desktop's own key go with keys that are the desktop's, not the game's.
  if (k.keysym.mod & (KMOD_ALT | KMOD_GUI)) return;
  gameKey(k);
}

void EventLoop::keyUp(const SDL_KeyboardEvent& k) {
  const SDL_Keycode key = k.keysym.sym;
  held_ &= ~fastBit(key);
  // Alt pressed and let go alone opens the menu bar, or closes it, as on the desktop.
  if (isAlt(key) && altAlone_) {
    altAlone_ = false;
    if (!menu_.close()) menu_.openFromKeyboard();
  }
}

bool EventLoop::menuKey(SDL_Keycode key) {
  MenuChoice chosen;
  switch (key) {
    case SDLK_LEFT: chosen = menu_.key(MenuKey::Left); break;
    case SDLK_RIGHT: chosen = menu_.key(MenuKey::Right); break;
    case SDLK_UP: chosen = menu_.key(MenuKey::Up); break;
    case SDLK_DOWN: chosen = menu_.key(MenuKey::Down); break;
    case SDLK_RETURN:
    case SDLK_KP_ENTER:
    case SDLK_SPACE: chosen = menu_.key(MenuKey::Choose); break;
    case SDLK_ESCAPE:
    case SDLK_F10: menu_.key(MenuKey::Close); break;
    default: return false;
  }
  take(chosen);
  return true;
}

void EventLoop::gameKey(const SDL_KeyboardEvent& k) {
  if (replaying()) return;  // a replay goes exactly as recorded
  const std::optional<KeyPress> press = keyFromName(gameKeyName(k.keysym.sym));
  if (!press) return;
  const bool movesRing = press->key == Key::Tab || press->key == Key::Left || press->key == Key::Right ||
                         press->key == Key::Up || press->key == Key::Down;
  // Held down, a key that clicks clicks once; the ring may run on.
  if (k.repeat && !movesRing) return;
  KeyPress p = *press;
  p.shift = (k.keysym.mod & KMOD_SHIFT) != 0;
  form_.keyPress(p);
}

}  // namespace tenrali
