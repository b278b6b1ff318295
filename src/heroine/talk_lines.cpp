// ララベ's remarks. Most are hints on growing and crafting; as the hero's skill rises she moves on
// to what he needs next. Line 11 of each set names the skill he needs to leave that set.
#include "heroine/talk_lines.h"

namespace tenrali {

namespace {

// Said at every skill.
constexpr TalkLine kCheer{"usaw4.bmp", "「トルンくん、ファイト！", "ずっと応援してるね」", ""};
constexpr TalkLine kSunnyTomorrow{"usaw2.bmp", "「明日、晴れるといいな", "お日さまが大好きなの」", ""};
constexpr TalkLine kPrettyAccessory{"usaw2.bmp", "「きれいなアクセサリー、", "できたら見せてね",
                                    "くれてもいいんだよ？」"};
constexpr TalkLine kWorkingHard{"usaw2.bmp", "「トルンくん、今日は", "はりきってるね。",
                                "わたしもがんばろっと！」"};
constexpr TalkLine kSameWeather{"usaw1.bmp", "「種によってはね、", "同じ天気の日じゃないと",
                                "芽が出ないんだって」"};

// Hints for the beginner.
constexpr TalkLine kSunnyFearsRain{"usaw1.bmp", "「晴れの種はね、", "雨が苦手なんだって」", ""};
constexpr TalkLine kCloudyFearsThunder{"usaw1.bmp", "「曇りの種は、", "雷の日が苦手みたい」", ""};
constexpr TalkLine kRainFearsSun{"usaw1.bmp", "「雨の種は、", "晴れに弱いんだって」", ""};
constexpr TalkLine kEverySeedFears{"usaw1.bmp", "「どの種にもね、", "苦手なお天気があるの」", ""};
constexpr TalkLine kNormalNoSpecies{"usaw1.bmp", "「ふつうの実からは、", "新種はできないって」", ""};
constexpr TalkLine kSunnyNoSpecies{"usaw1.bmp", "「晴れの実からも、", "新種はできないみたい」", ""};

// Hints for later on.
constexpr TalkLine kSnowFearsSunShower{"usaw1.bmp", "「雪の種は、", "天気雨に弱いんだって」", ""};
constexpr TalkLine kHailSellsBest{"usaw2.bmp", "「雹のアクセサリーが", "一番高く売れるって」", ""};
constexpr TalkLine kRainbowPrettiest{"usaw2.bmp", "「虹のアクセサリーって", "いちばんきれい。いいな」", ""};
constexpr TalkLine kUsedToWork{"usaw2.bmp", "「トルンくん、お仕事に", "だいぶ慣れてきたね」", ""};
constexpr TalkLine kRainbowFearsHail{"usaw1.bmp", "「虹の種は、", "雹の日に枯れちゃうの」", ""};
constexpr TalkLine kHailFearsRainbow{"usaw1.bmp", "「雹の種は、", "虹の日に枯れるみたい」", ""};
constexpr TalkLine kContestAhead{"usaw2.bmp", "「コンテスト、", "わくわくするなぁ」", ""};
constexpr TalkLine kAlmostEverySeed{"usaw2.bmp", "「もうほとんどの種を", "作れるね。すごいよ！」", ""};

// Below that skill, that weather's fruit is out of reach.
constexpr TalkLine kSkillHint30{"usaw3.bmp", "「技術力が３０以上", "ないと雨の実は", "無理みたい・・・」"};
constexpr TalkLine kSkillHint70{"usaw3.bmp", "「技術力が７０以上", "ないと雷の実は", "無理みたい・・・」"};
constexpr TalkLine kSkillHint100{"usaw3.bmp", "「技術力が１００以上", "ないと雪の実は", "無理みたい・・・」"};
constexpr TalkLine kSkillHint150{"usaw3.bmp", "「技術力が１５０以上", "ないと天気雨の実は", "無理みたい・・・」"};
constexpr TalkLine kSkillHint300{"usaw3.bmp", "「技術力が３００以上", "ないと雹の実は", "無理みたい・・・」"};

const TalkLine kTalk[kTalkSets][kTalkLinesPerSet] = {
    // skill below 30
    {kCheer, kSunnyTomorrow, kPrettyAccessory, kWorkingHard, kSunnyFearsRain, kCloudyFearsThunder, kRainFearsSun,
     kEverySeedFears, kSameWeather, kNormalNoSpecies, kSunnyNoSpecies, kSkillHint30},
    // 30 to 69
    {kCheer, kSunnyTomorrow, kPrettyAccessory, kWorkingHard, kSunnyFearsRain, kCloudyFearsThunder, kRainFearsSun,
     kEverySeedFears, kSameWeather, kNormalNoSpecies, kSunnyNoSpecies, kSkillHint70},
    // 70 to 99
    {kCheer, kSunnyTomorrow, kPrettyAccessory, kWorkingHard, kSnowFearsSunShower, kHailSellsBest, kRainFearsSun,
     kEverySeedFears, kSameWeather, kRainbowPrettiest, kSunnyNoSpecies, kSkillHint100},
    // 100 to 149
    {kCheer, kSunnyTomorrow, kPrettyAccessory, kWorkingHard, kHailSellsBest, kRainbowPrettiest, kSnowFearsSunShower,
     kEverySeedFears, kSameWeather, kNormalNoSpecies, kUsedToWork, kSkillHint150},
    // 150 to 299
    {kCheer, kSunnyTomorrow, kPrettyAccessory, kWorkingHard, kHailSellsBest, kRainbowPrettiest, kRainbowFearsHail,
     kHailFearsRainbow, kSameWeather, kContestAhead, kAlmostEverySeed, kSkillHint300},
};

}  // namespace

int talkSetFor(int skill) {
  if (skill < 30) return 0;
  if (skill < 70) return 1;
  if (skill < 100) return 2;
  if (skill < 150) return 3;
  if (skill < 300) return 4;
  return -1;
}

const TalkLine& talkLine(int set, int r) { return kTalk[set][r]; }

}  // namespace tenrali
