#pragma once
// The elements that come in rows, each row in one place: by weather kind, by accessory index,
// by pot, by kind of what she wears, by contest.
#include "ui/element_id.h"

namespace tenrali {

// The home menu, menuk1..menuk9.
inline constexpr E kMenuButtons[9] = {E::menuk1, E::menuk2, E::menuk3, E::menuk4, E::menuk5,
                                      E::menuk6, E::menuk7, E::menuk8, E::menuk9};
// Pots 1..3 at 0..2, and their name plates.
inline constexpr E kPots[3] = {E::ueki1, E::ueki2, E::ueki3};
inline constexpr E kPlates[3] = {E::namep1, E::namep2, E::namep3};
// The button and count label of each weather kind.
inline constexpr E kWeatherButtons[9] = {E::bhutu, E::bhare, E::bkumo, E::bame, E::bkami,
                                         E::byuki, E::bten,  E::bhyou, E::bniji};
inline constexpr E kWeatherCounts[9] = {E::khutu, E::khare, E::kkumo, E::kame, E::kkami,
                                        E::kyuki, E::kten,  E::khyou, E::kniji};
// What the weather-kind buttons show: the seed or the fruit of each kind.
inline constexpr const char* kSeedPictures[9] = {"bthutu.bmp", "bthare.bmp", "btkumo.bmp", "btame.bmp", "btkami.bmp",
                                                 "btyuki.bmp", "btten.bmp",  "bthyou.bmp", "btniji.bmp"};
inline constexpr const char* kFruitPictures[9] = {"bmhutu.bmp", "bmhare.bmp", "bmkumo.bmp", "bmame.bmp", "bmkami.bmp",
                                                  "bmyuki.bmp", "bmten.bmp",  "bmhyou.bmp", "bmniji.bmp"};
// The accessory-kind buttons, and the accessory buttons and counts by accessory index.
inline constexpr E kKindButtons[4] = {E::bak, E::bab, E::ban, E::bay};
inline constexpr E kAccessoryButtons[24] = {
    E::bak1, E::bak2, E::bak3, E::bak4, E::bak5, E::bak6, E::bab1, E::bab2, E::bab3, E::bab4, E::bab5, E::bab6,
    E::ban1, E::ban2, E::ban3, E::ban4, E::ban5, E::ban6, E::bay1, E::bay2, E::bay3, E::bay4, E::bay5, E::bay6};
inline constexpr E kAccessoryCounts[24] = {
    E::kak1, E::kak2, E::kak3, E::kak4, E::kak5, E::kak6, E::kab1, E::kab2, E::kab3, E::kab4, E::kab5, E::kab6,
    E::kan1, E::kan2, E::kan3, E::kan4, E::kan5, E::kan6, E::kay1, E::kay2, E::kay3, E::kay4, E::kay5, E::kay6};
// What she wears, by accessory kind: its picture and its name.
inline constexpr E kWornPictures[4] = {E::wd1, E::wd2, E::wd3, E::wd4};
inline constexpr E kWornNames[4] = {E::ld1, E::ld2, E::ld3, E::ld4};
// The star of each contest.
inline constexpr E kStars[3] = {E::Label1, E::Label2, E::Label3};
// The four lines of the message window.
inline constexpr E kMessageLines[4] = {E::mes1, E::mes2, E::mes3, E::mes4};
// The title picture and the scene pictures: ivent, ivent1..ivent11.
inline constexpr E kScenePictures[12] = {E::ivent,  E::ivent1, E::ivent2, E::ivent3, E::ivent4,  E::ivent5,
                                         E::ivent6, E::ivent7, E::ivent8, E::ivent9, E::ivent10, E::ivent11};
// The scene timers, Timer1..Timer8.
inline constexpr E kTimers[8] = {E::Timer1, E::Timer2, E::Timer3, E::Timer4,
                                 E::Timer5, E::Timer6, E::Timer7, E::Timer8};

}  // namespace tenrali
