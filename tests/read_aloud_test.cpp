// Read-aloud: what is sent to the speech service, in which order, and when a line is cut short,
// through a recording stand-in for the service; then the real service where it is installed.
#include <gtest/gtest.h>

#include <algorithm>

#include <SDL.h>

#include "contest_play.h"
#include "platform/read_aloud.h"
#include "platform/speech_service.h"
#include "support/test_game.h"

namespace tenrali::test {
namespace {

class RecordingSpeech : public SpeechPort {
 public:
  bool say(const std::string& text) override {
    log.push_back("say " + text);
    return answers;
  }
  void stop() override { log.push_back("stop"); }
  // What was sent since the last look.
  std::vector<std::string> take() { return std::exchange(log, {}); }

  std::vector<std::string> log;
  bool answers = true;
};

using Log = std::vector<std::string>;

TEST(ReadAloud, EachNewLineOnceTheSpeakerWhenItChangesANewLineCutsTheOldOneShort) {
  TestGame g;
  RecordingSpeech speech;
  ReadAloud voice(speech);
  g.menuNew();
  g.tick();
  voice.follow(g.form());
  EXPECT_EQ(speech.take(), Log{}) << "off until the player turns it on";

  // Turned on, it says what is shown: narration has no speaker.
  voice.setOn(true, g.form());
  EXPECT_EQ(speech.take(), Log{"say " + g.caption(E::mes2)});
  voice.follow(g.form());
  g.tick(10);
  voice.follow(g.form());
  EXPECT_EQ(speech.take(), Log{}) << "nothing new said, nothing spoken";

  // The next line of the opening cuts the first one short.
  g.tick(30);
  voice.follow(g.form());
  EXPECT_EQ(speech.take(), (Log{"stop", "say " + g.caption(E::mes2)}));

  // The hero speaks: his name first, then his lines read as one.
  g.click(E::ivent1);
  voice.follow(g.form());
  const std::string vow = g.caption(E::mes2) + g.caption(E::mes3) + g.caption(E::mes4);
  EXPECT_EQ(speech.take(), (Log{"stop", "say トルン。" + vow}));
  // He speaks again: no name; the same words said again are said again.
  g.click(E::menuk4);
  voice.follow(g.form());
  EXPECT_EQ(speech.take(), (Log{"stop", "say " + g.caption(E::mes2)}));
  g.click(E::bno);
  g.click(E::menuk7);
  g.click(E::bno);
  voice.follow(g.form());
  EXPECT_EQ(speech.take(), (Log{"stop", "say " + g.caption(E::mes2) + g.caption(E::mes3)}))
      << "two sayings in one step: the last is spoken";

  // Off: silent at once, and nothing more.
  voice.setOn(false, g.form());
  g.click(E::menuk4);
  voice.follow(g.form());
  EXPECT_EQ(speech.take(), Log{"stop"});
}

TEST(ReadAloud, TheAnnouncersBlanksAreNotRead) {
  TestGame g;
  g.startDay1();
  RecordingSpeech speech;
  ReadAloud voice(speech);
  voice.setOn(true, g.form());
  payEntry(g, 1, 0, 0);
  g.clickAt(300, 150);
  speech.take();
  std::vector<std::string> announced;
  for (int t = 0; t < 200; ++t) {
    g.tick();
    voice.follow(g.form());
    for (const std::string& line : speech.take())
      if (line != "stop" && g.form().lastSaid().announcer) announced.push_back(line);
  }
  ASSERT_GE(announced.size(), 4u);
  for (const std::string& line : announced) {
    EXPECT_EQ(line.find("\xE3\x80\x80"), std::string::npos) << line;
  }
  EXPECT_NE(std::find(announced.begin(), announced.end(), "say 第３位！！！"), announced.end())
      << "the call of the third place, without its blanks";
}

TEST(ReadAloud, AServiceThatStopsAnsweringTurnsItOff) {
  TestGame g;
  g.startDay1();
  RecordingSpeech speech;
  speech.answers = false;
  ReadAloud voice(speech);
  voice.setOn(true, g.form());
  EXPECT_TRUE(voice.failed());
  EXPECT_FALSE(voice.on());
  g.click(E::menuk4);
  voice.follow(g.form());
  EXPECT_EQ(speech.take().size(), 1u) << "nothing is sent after the failure";
}

// The desktop's own service, where one is installed (not on the build machines).
TEST(ReadAloud, TheRealSpeechService) {
  if (!SpeechService::available()) GTEST_SKIP() << "speech-dispatcher is not installed here";
  SpeechService service;
  service.begin();
  std::optional<std::string> why;
  for (int i = 0; i < 300 && !(why = service.reached()); ++i) SDL_Delay(100);
  ASSERT_TRUE(why) << "the service did not answer in 30 s";
  ASSERT_EQ(*why, "");
  EXPECT_TRUE(service.say("トルン。「なにをやろうかな？」"));
  service.stop();
}

}  // namespace
}  // namespace tenrali::test
