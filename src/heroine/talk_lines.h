#pragma once
// What ララベ says when the hero talks to her: five sets of twelve lines, by the hero's skill.

namespace tenrali {

struct TalkLine {
  const char* portrait;
  const char* line1;
  const char* line2;
  const char* line3;  // "" for a two-line remark
};

inline constexpr int kTalkSets = 5;
inline constexpr int kTalkLinesPerSet = 12;

// The set for a skill: 0 below 30, 1 to 69, 2 to 99, 3 to 149, 4 to 299; -1 from 300 on, when she
// has nothing left to teach.
int talkSetFor(int skill);

// Line r (0..11) of set s (0..4).
const TalkLine& talkLine(int set, int r);

}  // namespace tenrali
