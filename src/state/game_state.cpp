#include "state/game_state.h"

namespace tenrali {

namespace {
#define SCALAR(f, initial) IntField{#f, [](GameState& s, int) { return &s.f; }, 1},
#define ARRAY(f, n, ...) IntField{#f, [](GameState& s, int i) { return &s.f[static_cast<std::size_t>(i)]; }, n},
const std::array<IntField, kIntFields> kFields{{
#include "state/int_fields.h"
}};
#undef SCALAR
#undef ARRAY
}  // namespace

const std::array<IntField, kIntFields>& intFields() { return kFields; }

const IntField* findIntField(std::string_view name) {
  for (const auto& f : kFields)
    if (name == f.name) return &f;
  return nullptr;
}

}  // namespace tenrali
