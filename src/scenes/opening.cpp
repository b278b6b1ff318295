// The opening: a short picture-book prologue over the title and four pictures, then the heroine
// and the hero meet and he makes his vow. It replays every 100 seconds until the player clicks;
// the click itself is handled by the message window, which ends the opening and opens day 1.
#include "app/form1.h"
#include "scenes/scene_lines.h"

namespace tenrali {

namespace {

// One message of the opening in the prompt layout: speaker line and up to three lines. Narration
// has an empty speaker line; the two narrations that introduce the hero and close the prologue
// use the speaker line as their first line. An empty portrait leaves the portrait as it is.
struct OpeningLine {
  int tick;
  const char* portrait;
  const char* speaker;
  const char* line1;
  const char* line2;
  const char* line3;
};

constexpr OpeningLine kOpening[] = {
    {30, "", "", "これは、ひとりの見習い職人の物語。", "", ""},
    {65, "", "", "ここはウサギたちの国、ウェザーランド。", "", ""},
    {95, "", "", "この国では、晴れや雨、雪に虹と", "毎日変わる天気の力を受けて、", "ふしぎな実が育ちます。"},
    {135, "", "", "その名も「天気の実」。", "", ""},
    {165, "", "", "天気の実は宝石のようにきらめき、", "アクセサリーの飾り石として", "とても大切にされています。"},
    {205, "", "", "時はウェザー暦３１２年。", "", ""},
    {235, "", "", "ウサギの娘たちのあいだでは、", "コンテストが大流行しています。", ""},
    {265, "", "", "娘たちはとっておきのアクセサリーで", "身を飾り、優勝をめざして", "きそい合っているのです。"},
    {305, "", "", "ここにも、お屋敷で働く", "ひとりの娘がいました……。", ""},
    {345, "usaw2.bmp", kHeroine, "「わぁ、きれいなアクセサリー……。", "いいなぁ、わたしもつけてみたいな」", ""},
    {375, "usaw3.bmp", kHeroine, "「でも、きっとお高いんだろうなぁ。", "わたしのお給金じゃ、とても無理かな」", ""},
    {405, "usam1.bmp", "そこへ現れたのは、", "見習いアクセサリー職人のトルン。", "", ""},
    {440, "usam4.bmp", kHero, "「だったら、オレが作ってやるぞ！", "ララベにぴったりのやつをな！」", ""},
    {470, "usaw2.bmp", kHeroine, "「ほんとに？　うれしいな。", "……でも」", ""},
    {500, "usaw3.bmp", kHeroine, "「トルンくんってまだ、", "天気の実もちゃんと", "育てられないんじゃなかった？」"},
    {530, "usam5.bmp", kHero, "「こ、今度こそ大丈夫だぞ！」", "", ""},
    {560, "usam2.bmp", kHero, "「……たぶん」", "", ""},
    {590, "", "はたしてトルンは、ララベを", "優勝へ導くことができるのか！？", "", ""},
    {630, "usam4.bmp", "", "「画面をクリックしてね！」", "", ""},
};

constexpr int kReplayTick = 1000;

}  // namespace

void TForm1::openingScene(int tick) {
  // The pictures change before the words of the same tick.
  switch (tick) {
    case 65:
      sm.hide(E::ivent);
      sm.show(E::ivent1);
      break;
    case 135:
      sm.hide(E::ivent1);
      sm.show(E::ivent2);
      break;
    case 205:
      sm.hide(E::ivent2);
      sm.show(E::ivent3);
      break;
    case 345:
      // The heroine's room: white words from here on, and her face beside them.
      sm.hide(E::ivent3);
      sm.show(E::ivent4);
      setMessageColor(colors::white);
      sm.show(E::kaow);
      break;
    case kReplayTick:
      gs.sceneTick = 0;  // the prologue plays again from the start
      return;
    default:
      break;
  }
  for (const OpeningLine& row : kOpening) {
    if (row.tick != tick) continue;
    sayMessage(row.portrait, row.speaker, row.line1, row.line2, row.line3);
    return;
  }
}

}  // namespace tenrali
