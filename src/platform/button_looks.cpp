#include "platform/button_looks.h"

#include <algorithm>

namespace tenrali {

bool isButton(const TForm1& form, E e) {
  if (e == E::count) return false;
  const Element& el = form.screen().get(e);
  if (el.kind != Kind::Picture || !el.clickable || !form.screen().isShown(e)) return false;
  if (e == E::kaow || e == E::_pic14 || std::find(std::begin(kScenePictures), std::end(kScenePictures), e) !=
                                            std::end(kScenePictures))
    return false;
  if (e == E::ueki1) return form.potTakesSeed(1);
  if (e == E::ueki2) return form.potTakesSeed(2);
  if (e == E::ueki3) return form.potTakesSeed(3);
  return true;
}

void drawButtonLook(Image& window, const ScreenModel& screen, ButtonLook look, int top, int scale) {
  if (look.element == E::count) return;
  const Rect r = screen.rect(look.element);
  const int x0 = std::max(r.x * scale, 0), x1 = std::min((r.x + r.w) * scale, window.width);
  const int y0 = std::max(top + r.y * scale, top), y1 = std::min(top + (r.y + r.h) * scale, window.height);
  // Only the light face of the button changes (its outline, its caption and the corners around
  // it keep their colours): hovered, it glows a warm yellow; pressed, it sinks a shade darker.
  constexpr unsigned glow[3] = {0xFF, 0xE2, 0x8A};
  for (int y = y0; y < y1; ++y)
    for (int x = x0; x < x1; ++x) {
      std::uint32_t& p = window.pixels[static_cast<std::size_t>(y) * window.width + x];
      const unsigned c[3] = {(p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF};
      if (c[0] * 3 + c[1] * 6 + c[2] < 150 * 10) continue;
      unsigned out[3];
      for (int i = 0; i < 3; ++i) out[i] = look.pressed ? c[i] * 4 / 5 : (c[i] * 3 + glow[i] * 2) / 5;
      p = out[0] << 16 | out[1] << 8 | out[2];
    }
}

}  // namespace tenrali
