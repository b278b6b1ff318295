#pragma once
// Where each dialogue stands. Every dialogue keeps its place in plain 32-bit fields of GameState
// (so a saved game and `tenrali-play set` read them as numbers); these are the names of the
// numbers. Each dialogue has its own header; this one gathers them.
#include "state/contest_states.h"
#include "state/gift_states.h"
#include "state/harvest_states.h"
#include "state/item_view_states.h"
#include "state/planting_states.h"
#include "state/shop_states.h"
#include "state/workshop_steps.h"
