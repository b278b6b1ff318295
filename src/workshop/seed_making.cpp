// Seeds from fruits: one fruit gives a handful of seeds of its own kind, two equal fruits give
// one seed of a rarer kind. Every making raises the craft skill; none can fail.
#include "state/saturating.h"
#include "workshop/workshop.h"

namespace tenrali {

using namespace workshop;

namespace {

// One fruit gives base − (r mod spread) seeds for one draw r; hail and rainbow draw nothing and
// always give two.
struct OneFruit {
  int base;
  int spread;  // 0: no draw
  int skillGain;
  const char* line;
};
constexpr OneFruit kOneFruit[kWeatherKinds] = {
    {6, 4, 1, "「ふつうの種ができたよ！」"},   {6, 5, 2, "「晴れの種ができたよ！」"},
    {5, 4, 3, "「曇りの種ができたよ！」"},     {4, 3, 4, "「雨の種ができたよ！」"},
    {4, 3, 5, "「雷の種ができたよ！」"},       {3, 2, 6, "「雪の種ができたよ！」"},
    {3, 2, 7, "「天気雨の種ができたよ！」"},   {2, 0, 8, "「雹の種ができたよ！」"},
    {2, 0, 9, "「虹の種ができたよ！」"},
};

// Two fruits of cloudy..sun-shower give one seed of the target kind; the skill rises by the
// target's index plus one. A thunder pair skips snow.
struct NewSpecies {
  int target;
  const char* line1;
  const char* line2;
};
constexpr NewSpecies kNewSpecies[5] = {
    {Rain, "「雨の種ができたよ！」", ""},
    {Thunder, "「雷の種ができたよ！」", ""},
    {SunShower, "「天気雨の種が", "できたよ！」"},
    {Hail, "「雹の種ができたよ！」", ""},
    {Rainbow, "「虹の種ができたよ！」", ""},
};

// What every making ends with: the seed stock on the buttons, the new skill, and OK to go on.
void finishMaking(TForm1& f, int skillGain, const char* line1, const char* line2) {
  GameState& s = f.state();
  f.hideYesNo();
  f.showSeedStock();
  addSaturating(s.skill, skillGain);
  f.screen().setNumber(E::gijyuk, s.skill);
  f.showButton(E::bsen1, "ok.bmp");
  f.sayMessage("usam4.bmp", "トルン", line1, line2, "");
}

}  // namespace

namespace workshop {

void seedMaker(TForm1& f, int kind) {
  GameState& gs = f.state();
  const auto k = static_cast<std::size_t>(kind);
  if (at(gs, SeedFruitQuestion) && gs.seedFruit == kind) {
    const OneFruit& rule = kOneFruit[k];
    int seeds = rule.base;
    if (rule.spread > 0) seeds -= f.randomInt() % rule.spread;
    addSaturating(gs.seedCount[k], seeds);
    addSaturating(gs.fruitCount[k], -1);
    moveTo(gs, SeedsMade);
    gs.seedFruit = NoWeather;
    finishMaking(f, rule.skillGain, rule.line, "");
    f.report(GameEventKind::SeedsMade);
  }
  if (kind >= Cloudy && kind <= SunShower && at(gs, PairQuestion) && gs.speciesFruit == kind) {
    const NewSpecies& rule = kNewSpecies[k - Cloudy];
    addSaturating(gs.seedCount[static_cast<std::size_t>(rule.target)], 1);
    addSaturating(gs.fruitCount[k], -2);
    moveTo(gs, SpeciesMade);
    gs.speciesFruit = NoWeather;
    finishMaking(f, rule.target + 1, rule.line1, rule.line2);
    f.report(GameEventKind::NewSpecies);
  }
}

}  // namespace workshop

}  // namespace tenrali
