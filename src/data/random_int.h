#pragma once
// The game's one random source: a 64-bit linear congruential generator, seeded once.
#include <cstdint>

namespace tenrali {

class RandomInt {
 public:
  static constexpr std::uint64_t kMultiplier = 0x0000015A00004E35ULL;

  explicit RandomInt(std::uint32_t seed = 0) { this->seed(seed); }
  void seed(std::uint32_t s) { state_ = s; }
  // Next value in 0..2147483647: the high word of the new state, top bit cleared.
  std::int32_t next() {
    state_ = state_ * kMultiplier + 1;
    return static_cast<std::int32_t>((state_ >> 32) & 0x7FFFFFFFu);
  }
  std::uint64_t state() const { return state_; }
  // Takes up a state read from a saved game, so the draws go on as if the game had never stopped.
  void restore(std::uint64_t state) { state_ = state; }

 private:
  std::uint64_t state_ = 0;
};

}  // namespace tenrali
