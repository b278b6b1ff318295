#pragma once
// The three contests, in the order the heroine meets them.
#include "ui/element_id.h"

namespace tenrali {

struct ContestInfo {
  const char* offer[4];       // the poster: mes1..mes4 of the entry offer
  const char* offerPortrait;  // "" keeps the portrait as it is
  int fee;                    // ポエ
  E arrivalTimer;
};

// Contest 1..3; nullptr for any other stage (before a game, during the opening).
const ContestInfo* contestInfo(int stage);

}  // namespace tenrali
