#pragma once
// The desktop's speech service, speech-dispatcher, the channel screen readers speak through on
// Linux: it speaks with whatever voice the player set up. It is reached only when read-aloud is
// wanted, and every call to it is made on a thread of its own, so that a service that is slow to
// start, or stops answering, never holds the game up. A game built without libspeechd has no
// service.
#include <functional>
#include <memory>
#include <string>

#include "platform/read_aloud.h"

namespace tenrali {

class SpeechService : public SpeechPort {
 public:
  // `wake` is called (on the service's thread) once the service is reached or cannot be.
  explicit SpeechService(std::function<void()> wake = {});
  ~SpeechService() override;
  SpeechService(const SpeechService&) = delete;
  SpeechService& operator=(const SpeechService&) = delete;

  // Whether the service can be had at all, without reaching it (quick): its socket is there, or
  // its program that starts on demand is installed.
  static bool available();

  void begin() override;
  std::optional<std::string> reached() override;
  // The latest text waits for the thread; a newer one takes its place.
  bool say(const std::string& text) override;
  void stop() override;

  struct State;

 private:
  std::shared_ptr<State> state_;  // shared with the thread, which may outlive this object
};

}  // namespace tenrali
