#pragma once
// Every element of the main window, named as in the window description (ui/element_list.h keeps
// the one list, in draw order). The names are short romanised Japanese; by family:
//   ivent, ivent1–ivent11   the title and the full-window scene pictures ("event")
//   mainw, subw1, subw2     the home screen's frames: the main view, the status panel, the message window
//   menuk1–menuk9           the nine home-menu buttons ("menu koumoku"), in columns of three
//   kaow, mes1–mes4         the message window: the portrait ("kao") and its four lines
//   tenw, tenp, day, dayeye today's weather: its picture, its name panel, the day number and "日目"
//   ldoki, lgijyu, lkane    the status captions (ドキドキ度, 技術力, おサイフ)
//   dokik, gijyuk, kanek    their numbers: heart points, craft skill, money
//   ueki1–ueki3, namep1–3   the three pots ("ueki") and their name plates
//   bhutu … bniji           the nine weather-kind buttons (seeds and fruits): ふつう, 晴れ, 曇り, 雨,
//                           雷, 雪, 天気雨, 雹, 虹 (hutu, hare, kumo, ame, kami, yuki, ten, hyou, niji)
//   khutu … kniji           their count labels
//   byes, bno, bsen1, bsen2 the dialogue buttons: yes, no (back, stop, OK), the left and right choice
//   bak, bab, ban, bay      the accessory-kind buttons: hair ornament (kamikazari), bracelet,
//                           necklace, ring (yubiwa)
//   bak1–bay6, kak1–kay6    the 24 accessory buttons, kind by kind in six variants, and their counts
//   poe1–poe5               the currency marks of the seed shop's price list (ポエ)
//   ld1–ld4, wd1–wd4        what she wears, kind by kind: its name and its picture
//   co1, co2, co3           the winner, the second and the third on the contest stage
//   Label1–Label3           the stars of the three contests; Label4 "本日の天気"
//   Label5–Label8           the staff roll
//   Timer1–Timer8           the scene timers: opening, arrival 1, contest day, win 1, arrival 2,
//                           arrival 3, win 2, ending
//   K1–K4, N2               the menu bar: ゲーム, 新規開始, 続きから, 終了, and the separator
//   _pic14, _lab19–_lab22   unnamed elements, named by kind and place: a portrait and four message
//   _pic116–_pic118         lines under the named ones, spare contest pictures and spare
//   _lab123–_lab126         staff-roll labels; they are never shown
#include <cstdint>

namespace tenrali {

enum class E : std::uint16_t {
#define NAMED(name) name,
#define UNNAMED(name) name,
#include "ui/element_list.h"
#undef NAMED
#undef UNNAMED
  count
};

inline constexpr int kDrawnElements = 153;  // z 1..153
inline constexpr int kElementCount = static_cast<int>(E::count);

inline constexpr int index(E e) { return static_cast<int>(e); }
inline constexpr E elementAt(int i) { return static_cast<E>(i); }
// The window-description name; "" for an unnamed element.
const char* elementName(E e);
// The element with this name, or E::count when there is none.
E findElement(const char* name);

}  // namespace tenrali
