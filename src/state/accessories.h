#pragma once
// What each of the 24 accessories is, by accessory index (kind * 6 + variant): the fruit it is
// made of, its button icon, what the accessory shop pays, how much it moves her heart and what
// the hero says when it is done. Hair ornaments and rings are made from normal, sunny, rain,
// snow, hail and rainbow fruits, bracelets and necklaces from normal, cloudy, thunder,
// sun-shower, hail and rainbow fruits. The price and the heart value follow the fruit (hail pays
// more than rainbow, rainbow moves her more); within one kind every variant has its own heart
// value, so a slot's value tells what she wears there.
#include "state/game_state.h"

namespace tenrali {

struct Accessory {
  int fruit;
  const char* icon;
  int price;       // ポエ
  int heartValue;
  const char* madeLine;  // said before "できました。"
};

inline constexpr Accessory kAccessory[kAccessories] = {
    {Normal, "ahutu.bmp", 15, 2, "ふつうのかみかざりが"},
    {Sunny, "ahare.bmp", 30, 4, "はれのかみかざりが"},
    {Rain, "aame.bmp", 80, 8, "あめのかみかざりが"},
    {Snow, "ayuki.bmp", 140, 14, "雪のかみかざりが"},
    {Hail, "ahyou.bmp", 200, 18, "雹のかみかざりが"},
    {Rainbow, "aniji.bmp", 180, 20, "虹のかみかざりが"},
    {Normal, "ahutu.bmp", 15, 2, "ふつうのブレスレットが"},
    {Cloudy, "akumo.bmp", 60, 6, "曇りのブレスレットが"},
    {Thunder, "akami.bmp", 120, 12, "雷のブレスレットが"},
    {SunShower, "aten.bmp", 160, 16, "天気雨のブレスレットが"},
    {Hail, "ahyou.bmp", 200, 18, "雹のブレスレットが"},
    {Rainbow, "aniji.bmp", 180, 20, "虹のブレスレットが"},
    {Normal, "ahutu.bmp", 15, 2, "ふつうのネックレスが"},
    {Cloudy, "akumo.bmp", 60, 6, "曇りのネックレスが"},
    {Thunder, "akami.bmp", 120, 12, "雷のネックレスが"},
    {SunShower, "aten.bmp", 160, 16, "天気雨のネックレスが"},
    {Hail, "ahyou.bmp", 200, 18, "雹のネックレスが"},
    {Rainbow, "aniji.bmp", 180, 20, "虹のネックレスが"},
    {Normal, "ahutu.bmp", 15, 2, "ふつうの指輪が"},
    {Sunny, "ahare.bmp", 30, 4, "はれの指輪が"},
    {Rain, "aame.bmp", 80, 8, "あめの指輪が"},
    {Snow, "ayuki.bmp", 140, 14, "雪の指輪が"},
    {Hail, "ahyou.bmp", 200, 18, "雹の指輪が"},
    {Rainbow, "aniji.bmp", 180, 20, "虹の指輪"},
};

inline constexpr int kVariants = 6;  // accessories of each kind
inline constexpr int kindOf(int index) { return index / kVariants; }
inline constexpr bool isAccessory(int index) { return index >= 0 && index < kAccessories; }

// The accessory worn in the slot of `kind` (0..3) whose value is `value`; kNoAccessory when the
// slot is empty (0) or no accessory of that kind has that value.
constexpr int accessoryWornAt(int kind, int value) {
  for (int v = 0; v < kVariants && kind >= 0 && kind < kAccessoryKinds; ++v)
    if (kAccessory[kind * kVariants + v].heartValue == value) return kind * kVariants + v;
  return kNoAccessory;
}

// Whether accessory kind 0..3 has a variant made from this fruit.
constexpr bool kindTakesFruit(int kind, int fruit) {
  for (int v = 0; v < kVariants; ++v)
    if (kAccessory[kind * kVariants + v].fruit == fruit) return true;
  return false;
}

}  // namespace tenrali
