#pragma once
// The desktop's speech service, speech-dispatcher, the channel screen readers speak through on
// Linux: it speaks with whatever voice the player set up. Connected only when read-aloud is
// wanted; a game built without libspeechd has no service.
#include <string>

#include "platform/read_aloud.h"

namespace tenrali {

class SpeechService : public SpeechPort {
 public:
  SpeechService() = default;
  ~SpeechService() override;
  SpeechService(const SpeechService&) = delete;
  SpeechService& operator=(const SpeechService&) = delete;

  // Whether the service can be reached at all, without connecting (quick): its socket is there,
  // or its program that starts on demand is installed.
  static bool available();
  // Connects (starting the service when the desktop has not); false with the reason.
  bool connect(std::string& why);
  bool connected() const { return connection_ != nullptr; }

  bool say(const std::string& text) override;
  void stop() override;

 private:
  void* connection_ = nullptr;  // libspeechd's connection (its type has no name to declare)
};

}  // namespace tenrali
