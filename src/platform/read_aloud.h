#pragma once
// Read-aloud: each new message and scene line is spoken through the desktop's speech service,
// the speaker's name once when the speaker changes, then the lines; a new line interrupts the one
// still being spoken. What is spoken is decided from what the game said, never from the screen.
#include <optional>
#include <string>

#include "app/form1.h"

namespace tenrali {

// The speech service as the game needs it (speech-dispatcher in the window, a recording fake in
// the tests).
class SpeechPort {
 public:
  virtual ~SpeechPort() = default;
  // Starts reaching the service; returns at once.
  virtual void begin() {}
  // Once the service is reached: "" when it answers, else why it cannot be had; nothing while
  // still on the way.
  virtual std::optional<std::string> reached() { return std::string(); }
  // Starts speaking the text and returns at once; false when the service no longer answers.
  virtual bool say(const std::string& text) = 0;
  // Stops what is being spoken, and anything waiting to be.
  virtual void stop() = 0;
};

class ReadAloud {
 public:
  explicit ReadAloud(SpeechPort& port) : port_(port) {}

  // Turned on, it speaks what the message window shows now; turned off, it falls silent.
  void setOn(bool on, const TForm1& form);
  bool on() const { return on_; }
  // After every step of the game: speaks a line said since the last call.
  void follow(const TForm1& form);
  // The service stopped answering; read-aloud is off.
  bool failed() const { return failed_; }

  // The words spoken for a saying, given the speaker named last ("" for none yet).
  static std::string words(const TForm1::Said& said, const std::string& lastSpeaker);

 private:
  void speak(const TForm1::Said& said);

  SpeechPort& port_;
  bool on_ = false;
  bool failed_ = false;
  bool spoken_ = false;      // something was sent that may still be being spoken
  unsigned heard_ = 0;       // the saying followed last
  std::string speaker_;      // the speaker named last; a mark of its own for the announcer
};

}  // namespace tenrali
