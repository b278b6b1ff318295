#include "platform/own_message_box.h"

#include <SDL.h>

#include <exception>
#include <vector>

#include "platform/fonts.h"
#include "platform/game_window.h"

namespace tenrali {

namespace {

constexpr int kWidth = 440;
constexpr int kMargin = 16;
constexpr int kLineHeight = 18;
constexpr int kMostLines = 12;
constexpr int kButtonWidth = 80, kButtonHeight = 24;
constexpr std::uint32_t kFace = 0xF0F0F0, kEdge = 0x808080, kButtonFace = 0xE0E0E0;

// The bytes of the UTF-8 character that starts with `lead`.
std::size_t characterLength(unsigned char lead) { return lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1; }

// The text in lines that fit `width`, broken at a space where the line has one, else between
// characters (Japanese has no spaces); at most kMostLines, the last ending in "…" when cut.
std::vector<std::string> wrap(FontLibrary& fonts, const Font& font, const std::string& text, int width) {
  std::vector<std::string> lines;
  std::string line;
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t n = characterLength(static_cast<unsigned char>(text[at]));
    const std::string ch = text.substr(at, n);
    at += n;
    if (line.empty() && ch == " ") continue;
    if (!line.empty() && fonts.measure(font, line + ch).width > width) {
      const auto space = line.rfind(' ');
      if (space != std::string::npos && space > 0) {
        lines.push_back(line.substr(0, space));
        line = line.substr(space + 1);
      } else {
        lines.push_back(line);
        line.clear();
      }
      if (static_cast<int>(lines.size()) == kMostLines) {
        lines.back() += "…";
        return lines;
      }
    }
    if (!(line.empty() && ch == " ")) line += ch;
  }
  if (!line.empty()) lines.push_back(line);
  return lines;
}

void fill(Image& image, int x, int y, int w, int h, std::uint32_t color) {
  for (int row = y; row < y + h; ++row)
    for (int col = x; col < x + w; ++col) image.pixels[static_cast<std::size_t>(row) * image.width + col] = color;
}

struct Layout {
  Image picture;
  SDL_Rect button;
};

Layout draw(FontLibrary& fonts, const std::string& text) {
  const Font font;  // the game's own gothic, 12 pixels, black
  const std::vector<std::string> lines = wrap(fonts, font, text, kWidth - 2 * kMargin);
  Layout out;
  Image& p = out.picture;
  p.width = kWidth;
  p.height = kMargin + static_cast<int>(lines.size()) * kLineHeight + kMargin + kButtonHeight + kMargin;
  p.pixels.assign(static_cast<std::size_t>(p.width) * p.height, kFace);
  for (std::size_t i = 0; i < lines.size(); ++i)
    fonts.draw(p, kMargin, kMargin + static_cast<int>(i) * kLineHeight, font, lines[i], 0, 0, p.width, p.height);
  out.button = {(kWidth - kButtonWidth) / 2, p.height - kMargin - kButtonHeight, kButtonWidth, kButtonHeight};
  const SDL_Rect& b = out.button;
  fill(p, b.x, b.y, b.w, b.h, kEdge);
  fill(p, b.x + 1, b.y + 1, b.w - 2, b.h - 2, kButtonFace);
  const TextSize ok = fonts.measure(font, "OK");
  fonts.draw(p, b.x + (b.w - ok.width) / 2, b.y + (b.h - ok.height) / 2, font, "OK", 0, 0, p.width, p.height);
  return out;
}

bool answers(SDL_Keycode key) {
  return key == SDLK_RETURN || key == SDLK_KP_ENTER || key == SDLK_ESCAPE || key == SDLK_SPACE;
}

// True for the event that ends the box. A key answers when it is let go, as a button does, and
// only when it was pressed in the box (not the Return that started the game from a terminal).
// The window an event belongs to; 0 for one of the whole program.
Uint32 windowOf(const SDL_Event& e) {
  switch (e.type) {
    case SDL_WINDOWEVENT: return e.window.windowID;
    case SDL_KEYDOWN: case SDL_KEYUP: return e.key.windowID;
    case SDL_TEXTINPUT: return e.text.windowID;
    case SDL_TEXTEDITING: return e.edit.windowID;
    case SDL_MOUSEMOTION: return e.motion.windowID;
    case SDL_MOUSEBUTTONDOWN: case SDL_MOUSEBUTTONUP: return e.button.windowID;
    case SDL_MOUSEWHEEL: return e.wheel.windowID;
    default: return 0;
  }
}

bool dismisses(const SDL_Event& e, const SDL_Rect& button, SDL_Keycode& pressed) {
  switch (e.type) {
    case SDL_QUIT:
      return true;
    case SDL_WINDOWEVENT:
      return e.window.event == SDL_WINDOWEVENT_CLOSE;
    case SDL_KEYDOWN:
      pressed = answers(e.key.keysym.sym) ? e.key.keysym.sym : SDLK_UNKNOWN;
      return false;
    case SDL_KEYUP:
      return e.key.keysym.sym == pressed && pressed != SDLK_UNKNOWN;
    case SDL_MOUSEBUTTONUP: {
      const SDL_Point at{e.button.x, e.button.y};
      return e.button.button == SDL_BUTTON_LEFT && SDL_PointInRect(&at, &button);
    }
    default:
      return false;
  }
}

}  // namespace

bool showOwnMessageBox(const char* title, const std::string& text, std::string& why) {
  try {
    FontLibrary fonts;
    const Layout layout = draw(fonts, text);
    GameWindow box(title, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, layout.picture.width, layout.picture.height, 1);
    box.present(layout.picture);
    const Uint32 id = SDL_GetWindowID(box.sdl());
    // What comes for the game's window or the whole program while the box is up waits for the
    // game, as it does behind SDL's box (a request to end also ends the box).
    std::vector<SDL_Event> later;
    SDL_Keycode pressed = SDLK_UNKNOWN;
    bool dismissed = false;
    for (SDL_Event e; !dismissed && SDL_WaitEvent(&e);) {
      const Uint32 window = windowOf(e);
      if (window != id) {
        later.push_back(e);
        dismissed = e.type == SDL_QUIT;
      } else if (dismisses(e, layout.button, pressed)) {
        dismissed = true;
      } else if (e.type == SDL_WINDOWEVENT && e.window.event == SDL_WINDOWEVENT_EXPOSED) {
        box.present(layout.picture);
      }
    }
    if (!dismissed) why = SDL_GetError();
    for (SDL_Event& e : later) SDL_PushEvent(&e);
    return dismissed;
  } catch (const std::exception& e) {
    why = e.what();
    return false;
  }
}

}  // namespace tenrali
