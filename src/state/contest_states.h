#pragma once
// The contests: how far the game has come (contestStage) and the entry dialogue
// (contestEntryState).
#include <cstdint>

namespace tenrali {

namespace contest_stage {
// Before "新規開始" the title waits; the opening runs at 0; then the heroine meets the three
// contests in turn (1..3), each one open until she wins it.
enum : std::int32_t { Opening = 0, First = 1, Final = 3, Title = 5 };
inline constexpr bool isContest(std::int32_t stage) { return stage >= First && stage <= Final; }
}  // namespace contest_stage

namespace contest_entry {
// The poster is up, the fee is asked, the fee is paid (the arrival scene runs, a click skips
// it), or no entry dialogue is open.
enum : std::int32_t { Offer = 0, FeeQuestion = 1, Paid = 2, Idle = 3 };
}  // namespace contest_entry

namespace contest_result {
// Set when the heroine wins the contest of the day, cleared when the win scene ends.
enum : std::int32_t { None = 0, Won = 1 };
}  // namespace contest_result

}  // namespace tenrali
