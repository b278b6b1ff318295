#include "platform/read_aloud.h"

namespace tenrali {

namespace {

// The announcer pads his calls with blanks to place them on the screen: those are not read.
std::string withoutBlanks(const std::string& line) {
  static const std::string kWideSpace = "\xE3\x80\x80";  // U+3000
  std::string out;
  for (std::size_t i = 0; i < line.size();) {
    if (line[i] == ' ') ++i;
    else if (line.compare(i, kWideSpace.size(), kWideSpace) == 0) i += kWideSpace.size();
    else out += line[i++];
  }
  return out;
}

const std::string kAnnouncer = "\x01";  // never a speaker's name

}  // namespace

std::string ReadAloud::words(const TForm1::Said& said, const std::string& lastSpeaker) {
  std::string text;
  // A line split over the window's rows is one sentence: the rows are read as one.
  for (const std::string& line : said.lines) text += said.announcer ? withoutBlanks(line) : line;
  if (!said.announcer && said.speaker != lastSpeaker && !said.speaker.empty())
    text = said.speaker + (text.empty() ? "" : "。" + text);
  return text;
}

void ReadAloud::speak(const TForm1::Said& said) {
  const std::string text = words(said, speaker_);
  speaker_ = said.announcer ? kAnnouncer : said.speaker;
  if (text.empty()) return;
  if (spoken_) port_.stop();
  spoken_ = true;
  if (!port_.say(text)) {
    failed_ = true;
    on_ = false;
  }
}

void ReadAloud::setOn(bool on, const TForm1& form) {
  if (on == on_) return;
  on_ = on;
  heard_ = form.lastSaid().serial;
  speaker_.clear();
  if (!on) {
    if (spoken_) port_.stop();
    spoken_ = false;
    return;
  }
  if (form.lastSaid().serial != 0) speak(form.lastSaid());
}

void ReadAloud::follow(const TForm1& form) {
  const TForm1::Said& said = form.lastSaid();
  if (said.serial == heard_) return;
  heard_ = said.serial;
  if (on_) speak(said);
}

}  // namespace tenrali
