// The window description: every element of the main window with its initial properties.
#include "state/accessories.h"
#include "ui/element_groups.h"
#include "ui/screen_model.h"

namespace tenrali {

namespace {

struct Builder {
  ScreenModel& s;

  Element& picture(E e, int x, int y, int w, int h, bool autoSize, const char* stored, bool visible, bool click) {
    Element& el = s.define(e, Kind::Picture, x, y, w, h);
    el.autoSize = autoSize;
    el.picture = stored ? stored : "";
    el.visible = visible;
    el.clickable = click;
    return el;
  }
  Element& label(E e, int x, int y, int w, int h, const char* caption, Font font, Align align = Align::Left,
                 bool visible = false, bool click = false) {
    Element& el = s.define(e, Kind::Label, x, y, w, h);
    el.caption = caption;
    el.font = font;
    el.align = align;
    el.visible = visible;
    el.clickable = click;
    el.transparent = true;
    return el;
  }
  Element& panel(E e, int x, int y, int w, int h, const char* caption, Font font, Align align) {
    Element& el = s.define(e, Kind::Panel, x, y, w, h);
    el.caption = caption;
    el.font = font;
    el.align = align;
    el.transparent = false;
    return el;
  }
};

Font font(const char* face, int height, Rgb color = colors::black, bool bold = false, bool italic = false) {
  return Font{face, height, color, bold, italic};
}

}  // namespace

void buildCatalogue(ScreenModel& s) {
  Builder b{s};

  // Full-window scene pictures. The title is the bottom-most element; the others lie above the home screen.
  b.picture(E::ivent, 0, 0, 600, 450, true, "ivent.bmp", true, true);
  for (int i = 1; i <= 11; ++i) {
    std::string stored = "ivent" + std::to_string(i) + ".bmp";
    b.picture(kScenePictures[i], 0, 0, 600, 400, false, stored.c_str(), false, i <= 5);
  }

  // Home-screen frames.
  b.picture(E::subw2, 0, 250, 600, 150, true, "subw2.bmp", false, false);
  b.picture(E::subw1, 450, 0, 150, 250, true, "subw1.bmp", false, false);
  b.picture(E::mainw, 0, 0, 450, 250, true, "mainw.bmp", false, false);

  // Menu buttons, three columns of three.
  for (int i = 0; i < 9; ++i) {
    std::string stored = "menuk" + std::to_string(i + 1) + ".bmp";
    b.picture(kMenuButtons[i], 360 + 80 * (i / 3), 250 + 50 * (i % 3), 80, 50, false, stored.c_str(), false, true);
  }

  // Message window.
  const Font message = font(faces::pGothic, 24);
  b.picture(E::_pic14, 3, 272, 100, 100, true, nullptr, false, true);
  const E spare[] = {E::_lab19, E::_lab20, E::_lab21, E::_lab22};
  for (int i = 0; i < 4; ++i) b.label(spare[i], 110, 272 + 32 * i, 7, 24, "", message, Align::Left, true, true);
  b.picture(E::kaow, 3, 280, 100, 100, true, nullptr, false, true);
  for (int i = 0; i < 4; ++i) b.label(kMessageLines[i], 110, 280 + 24 * i, 7, 24, "", message, Align::Left, true, true);

  // Weather and day.
  b.picture(E::tenw, 477, 8, 100, 100, true, nullptr, false, false);
  b.label(E::Label4, 488, 112, 81, 15, "本日の天気", font(faces::pGothic, 15, colors::blue, true));
  b.panel(E::tenp, 460, 129, 130, 30, "天気雨", font(faces::pMincho, 19, colors::black, true), Align::Left);
  Element& day = b.label(E::day, 86, 2, 14, 27, "1", font(faces::serif, 24, colors::black, true), Align::Right, true);
  day.parent = E::tenp;
  day.transparent = false;
  Element& dayeye = b.label(E::dayeye, 96, 9, 33, 15, "日目", font(faces::pGothic, 15, colors::black, true),
                            Align::Center, true);
  dayeye.parent = E::tenp;
  dayeye.transparent = false;

  // Status labels.
  b.label(E::ldoki, 455, 170, 74, 16, "ドキドキ度", font(faces::pGothic, 16, colors::fuchsia, true));
  b.label(E::lgijyu, 455, 195, 52, 16, "技術力", font(faces::pGothic, 16, colors::green, true));
  b.label(E::lkane, 455, 220, 62, 16, "おサイフ", font(faces::pGothic, 16, colors::red, true));
  const Font number = font(faces::serif, 24, colors::black, true, true);
  b.label(E::dokik, 574, 165, 27, 27, "0", number, Align::Right);
  b.label(E::gijyuk, 574, 190, 27, 27, "0", number, Align::Right);
  b.label(E::kanek, 561, 215, 40, 27, "20", number, Align::Right);

  // Pots and their name plates.
  const int potX[] = {66, 180, 294}, plateX[] = {72, 182, 296};
  for (int i = 0; i < 3; ++i) {
    b.picture(kPots[i], potX[i], 100, 100, 100, true, "ueki.bmp", false, true);
    b.panel(kPlates[i], plateX[i], 208, 90, 28, "", font(faces::pMincho, 16, colors::black, true), Align::Center);
  }

  // Weather-kind buttons and their count labels.
  const Font countFont = font(faces::serif, 24, colors::black, false, true);
  for (int k = 0; k < 9; ++k) {
    int x = 64 + 112 * (k % 3), y = 56 + 64 * (k / 3);
    Element& button = b.picture(kWeatherButtons[k], x, y, k == 0 ? 90 : 89, k == 0 ? 35 : 33, true,
                                k == 0 ? "bthutu.bmp" : nullptr, false, true);
    // Every seed and fruit picture is 90 × 35, as the normal seed's button: the place of each.
    button.placeWidth = 90;
    button.placeHeight = 35;
    b.label(kWeatherCounts[k], x + 40, y + 32, 49, 27, "000", countFont, Align::Right);
  }

  // Accessory-kind buttons, the 24 accessory buttons and their counts.
  const char* const kindPictures[] = {"bak.bmp", "bab.bmp", "ban.bmp", "bay.bmp"};
  for (int k = 0; k < 4; ++k) b.picture(kKindButtons[k], 16, 50 + 50 * k, 90, 35, true, kindPictures[k], false, true);
  const Font smallCount = font(faces::serif, 16, colors::black, true, true);
  for (int k = 0; k < 4; ++k)
    for (int v = 0; v < 6; ++v) {
      const int i = k * kVariants + v;
      b.picture(kAccessoryButtons[i], 112 + 56 * v, 50 + 50 * k, 30, 30, true, kAccessory[i].icon, false, true);
      b.label(kAccessoryCounts[i], 120 + 56 * v, 80 + 50 * k, 28, 19, "00", smallCount, Align::Right);
    }

  // Dialogue buttons: their pictures are loaded each time they are shown.
  b.picture(E::byes, 384, 336, 90, 30, true, nullptr, false, true);
  b.picture(E::bno, 490, 336, 90, 30, true, nullptr, false, true);
  b.picture(E::bsen1, 384, 288, 90, 30, true, nullptr, false, true);
  b.picture(E::bsen2, 488, 288, 90, 30, true, nullptr, false, true);

  // Price marks of the seed shop: a backslash, which the Japanese faces draw as a yen sign.
  const E marks[] = {E::poe1, E::poe2, E::poe3, E::poe4, E::poe5};
  const int markX[] = {104, 216, 328, 104, 320}, markY[] = {88, 88, 88, 152, 152};
  for (int i = 0; i < 5; ++i)
    b.label(marks[i], markX[i], markY[i], 14, 24, "\\", font(faces::pMincho, 24, colors::black, true));

  // Worn-accessory panel.
  for (int i = 0; i < 4; ++i) {
    b.label(kWornNames[i], 176, 48 + 56 * i, 38, 21, "なし", font(faces::pMincho, 21, colors::black, true));
    b.picture(kWornPictures[i], 120, 32 + 56 * i, 50, 50, true, nullptr, false, false);
  }

  // Contest portraits, and three spare pictures on the same spots that are never shown.
  b.picture(E::co1, 264, 88, 70, 100, false, nullptr, false, false);
  b.picture(E::co2, 176, 131, 70, 100, false, nullptr, false, false);
  b.picture(E::co3, 352, 131, 70, 100, false, nullptr, false, false);
  b.picture(E::_pic116, 264, 88, 70, 100, false, nullptr, false, false);
  b.picture(E::_pic117, 176, 131, 70, 100, false, nullptr, false, false);
  b.picture(E::_pic118, 352, 131, 70, 100, false, nullptr, false, false);

  // Result stars.
  b.label(E::Label1, 14, 376, 24, 24, "★", font(faces::pGothic, 24, colors::white));
  b.label(E::Label2, 38, 376, 24, 24, "★", font(faces::pGothic, 24, colors::yellow));
  b.label(E::Label3, 62, 376, 24, 24, "★", font(faces::pGothic, 24, colors::lime));

  // Staff-roll labels, and four spare ones that are never shown.
  const Font credit = font(faces::mincho, 19, colors::black, true);
  const Font script = font(faces::script, 29, colors::black, true);
  b.label(E::Label5, 40, 32, 240, 19, "Tenrali制作スタッフ", credit);
  b.label(E::Label6, 40, 64, 67, 19, "Label6", credit);
  b.label(E::Label7, 40, 88, 73, 37, "Label7", script);
  b.label(E::Label8, 40, 128, 76, 37, "Label8", script);
  b.label(E::_lab123, 40, 40, 240, 19, "Tenrali制作スタッフ", credit);
  b.label(E::_lab124, 40, 40, 7, 19, "", credit);
  b.label(E::_lab125, 40, 40, 7, 19, "", credit);
  b.label(E::_lab126, 40, 40, 7, 19, "", credit);

  // Timers and the menu.
  for (E t : kTimers) s.define(t, Kind::Timer, 0, 0, 0, 0).interval = 100;
  const struct {
    E id;
    const char* caption;
  } items[] = {{E::K1, "ゲーム"}, {E::K2, "新規開始"}, {E::K3, "続きから"}, {E::N2, "-"}, {E::K4, "終了"}};
  for (auto item : items) {
    Element& el = s.define(item.id, Kind::MenuItem, 0, 0, 0, 0);
    el.caption = item.caption;
    el.enabled = item.id != E::K3;  // "続きから" waits until a saved game is found
    el.visible = true;
  }

  s.measureAllLabels();
}

}  // namespace tenrali
