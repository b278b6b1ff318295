// On the way into each contest the two of them run into the rival. A click anywhere skips the
// rest of the scene (the message window hands the click to the contest day).
#include "app/form1.h"
#include "scenes/scene_lines.h"

namespace tenrali {

namespace {

// The village contest: the rival appears for the first time.
constexpr SceneLine kArrival1[] = {
    {10, "usaw5.bmp", kHeroine, "「トルンくん、本当に来てくれたんだ！", "でも、わたし自信ないなぁ……」"},
    {40, "usam5.bmp", kHero, "「大丈夫だって！　オレのアクセサリーを", "つけてるんだから、きっと勝てるぞ」"},
    {70, "usaw2.bmp", kHeroine, "「そうかなぁ。わたし、変じゃない？」", ""},
    {95, "usao1.bmp", kStranger, "「あら、あなたも出場なさるの？」", ""},
    {120, "usaw5.bmp", kHeroine, "「あっ、お金持ちのゼフィナお嬢様！」", ""},
    {145, "usao3.bmp", kRival, "「まさか、優勝できるなんて", "思っていらっしゃらないわよね？」"},
    {175, "usaw3.bmp", kHeroine, "「えっと、その……」", ""},
    {200, "usao2.bmp", kRival, "「オーホッホッホ！　そんな安っぽい", "アクセサリーで勝てるものですか！」"},
    {230, "usam1.bmp", kHero, "「それはオレが作ったんだぞ！」", ""},
    {260, "usao3.bmp", kRival, "「まあ、こんな薄汚いウサギが？", "どうりでみすぼらしいはずですわ」"},
    {300, "usao2.bmp", kRival, "「わたくしのはお父様が５０００ポエで", "買ってくださった逸品ですのよ！」"},
    {340, "usam6.bmp", kHero, "「なんだとーっ！！」", ""},
    {365, "usaw5.bmp", kHeroine, "「ト、トルンくん、落ち着いて！」", ""},
    {390, "usao3.bmp", kRival, "「まあ、庶民は野蛮ですこと」", ""},
    {415, "usas.bmp", kButler, "「お嬢様、受付のお時間で", "ございます」"},
    {440, "usao1.bmp", kRival, "「では、ごきげんよう」", ""},
    {465, "usam6.bmp", kHero, "「なんだよ、あいつ！", "金持ちだからってえらそうに！」"},
    {495, "usam5.bmp", kHero, "「あんなやつ目じゃないさ。がんばれ！」", ""},
    {520, "usaw2.bmp", kHeroine, "「うん、わたし、がんばるね！」", ""},
};

// The city grand prix: one of her accessories has gone missing.
constexpr SceneLine kArrival2[] = {
    {10, "usam4.bmp", kHero, "「着いたぞ！　さあ、急ごう！」", ""},
    {35, "usaw3.bmp", kHeroine, "「あれ……？　なんだかおかしいな」", ""},
    {60, "usam1.bmp", kHero, "「どうしたんだ？」", ""},
    {85, "usaw6.bmp", kHeroine, "「トルンくんにもらったアクセサリーが", "ひとつ、なくなってるの……」"},
    {125, "usam1.bmp", kHero, "「なくなった！？", "よし、いっしょにさがそう！」"},
    {155, "usao2.bmp", kRival, "「オーホッホッホ！　なんて野暮ったい", "デザインですこと！」"},
    {195, "usaw5.bmp", kHeroine, "「あっ！　それ、わたしのです！」", ""},
    {220, "usao3.bmp", kRival, "「あら、あなたのでしたの。", "どうりで安っぽいと思いましたわ」"},
    {250, "usam6.bmp", kHero, "「またおまえか！」", ""},
    {275, "usao3.bmp", kRival, "「この前はまぐれで負けましたけど、", "今度はそうはいきませんわよ」"},
    {315, "usao2.bmp", kRival, "「ごらんなさい、この指輪！", "なんと１００００ポエですのよ！」"},
    {345, "usaw5.bmp", kHeroine, "「い、１００００ポエ……！？」", ""},
    {370, "usao3.bmp", kRival, "「そんな安物、審査員の方々は", "見向きもなさいませんわ」"},
    {410, "usao2.bmp", kRival, "「今度こそ優勝はわたくしのもの！", "オーホッホッホッホ！」"},
    {440, "usas.bmp", kButler, "「お嬢様、お急ぎくださいませ」", ""},
    {465, "usao1.bmp", kRival, "「こんな安物、お返ししますわ。", "それでは皆さま、ごきげんよう」"},
    {495, "usaw3.bmp", kHeroine, "「さんざん言われちゃったね……」", ""},
    {525, "usam6.bmp", kHero, "「くっそー、覚えてろよ！", "いつか鼻をあかしてやるからなー！」"},
    {560, "usam4.bmp", kHero, "「オレたちも急ごう！」", ""},
    {585, "usaw6.bmp", kHeroine, "「これ、そんなに安っぽいかなぁ……」", ""},
    {615, "usam5.bmp", kHero, "「心配すんなって！", "オレの腕を信じろよ！」"},
    {645, "usaw2.bmp", kHeroine, "「……うん。信じてるよ、トルンくん」", ""},
};

// The final grand prix: among the stars, the hero finally speaks his mind.
constexpr SceneLine kArrival3[] = {
    {10, "usaw5.bmp", kHeroine, "「ねえ見て！　あの人、", "テレビで見たことあるよ！」"},
    {40, "usam1.bmp", kHero, "「ほんとだ、有名人ばっかりだな……」", ""},
    {70, "usaw6.bmp", kHeroine, "「こんなすごい人たちの中じゃ、", "わたしなんてかなわないよ……」"},
    {100, "usam1.bmp", kHero, "「そんなことないぞ。今日のは", "オレの最高傑作なんだからな！」"},
    {130, "usaw3.bmp", kHeroine, "「……でもトルンくん、", "足がふるえてない？」"},
    {160, "usam2.bmp", kHero, "「ぜ、ぜんぜん平気だぞ！」", ""},
    {190, "usao1.bmp", kRival, "「また会いましたわね、場違いな方々」", ""},
    {220, "usam6.bmp", kHero, "「げっ、またおまえか……」", ""},
    {240, "usao3.bmp", kRival, "「このコンテストは、選ばれた方だけが", "出られる格式あるものですのよ」"},
    {270, "usao1.bmp", kRival, "「庶民の来るところでは", "ございませんわ」"},
    {300, "usao2.bmp", kRival, "「恥をかいて帰るのがオチですわ！」", ""},
    {330, "usam6.bmp", kHero, "「うるさいっ！", "だまって聞いてりゃ言いたい放題！」"},
    {360, "usam6.bmp", kHero, "「ララベはな、ちゃんと勝ち抜いて", "ここまで来たんだ！」"},
    {390, "usam6.bmp", kHero, "「おまえみたいに、お金の力で", "出てきたんじゃないぞ！」"},
    {420, "usam6.bmp", kHero, "「よーく覚えておけよ、", "この成金ウサギ！」"},
    {450, "usao3.bmp", kRival, "「な、なんですって！？", "お父様に言いつけてやりますわ！」"},
    {480, "usas.bmp", kButler, "「お嬢様、お時間でございます」", ""},
    {510, "usao1.bmp", kRival, "「……覚えていらっしゃい！」", ""},
    {530, "usam6.bmp", kHero, "「ふん、何度でも来いってんだ！", "返り討ちにしてやるぞ！」"},
    {560, "usam2.bmp", kHero, "「……あ、ララベ、大丈夫だったか？」", ""},
    {580, "usaw2.bmp", kHeroine, "「うん。なんだか、すっきりしちゃった」", ""},
    {610, "usam1.bmp", kHero, "「落ちこんでないのか？」", ""},
    {630, "usaw4.bmp", kHeroine, "「トルンくんが、わたしの言いたいこと", "全部言ってくれたから！」"},
    {660, "usam5.bmp", kHero, "「よーし、それじゃ行くぞ！」", ""},
    {680, "usaw2.bmp", kHeroine, "「うん！　見ててね。最後までがんばるから」", ""},
};

// Each arrival scene starts on the venue picture with the portrait hidden; its first line
// brings the portrait back, and its last tick starts the contest day.
void playArrival(TForm1& f, std::span<const SceneLine> lines, int tick, E self, int lastTick) {
  if (tick == lastTick) {
    handOver(f, self, E::Timer3);
    return;
  }
  if (tick == lines.front().tick) f.screen().show(E::kaow);
  sayLineAt(f, lines, tick);
}

}  // namespace

void TForm1::arrivalScene1(int tick) { playArrival(*this, kArrival1, tick, E::Timer2, 550); }
void TForm1::arrivalScene2(int tick) { playArrival(*this, kArrival2, tick, E::Timer5, 675); }
void TForm1::arrivalScene3(int tick) { playArrival(*this, kArrival3, tick, E::Timer6, 700); }

}  // namespace tenrali
