#pragma once
// libspeechd, opened only when read-aloud is first wanted: a game whose read-aloud is off never
// loads it, and a machine without it plays on with the entry greyed.
#include <libspeechd.h>

#include <string>

namespace tenrali {

#define TENRALI_SPEECH_FUNCTIONS(X) X(spd_open2) X(spd_say) X(spd_cancel) X(spd_close)

// The functions the game uses, each named as in libspeechd.h.
struct SpeechLibrary {
#define TENRALI_SPEECH_MEMBER(name) decltype(&::name) name = nullptr;
  TENRALI_SPEECH_FUNCTIONS(TENRALI_SPEECH_MEMBER)
#undef TENRALI_SPEECH_MEMBER
};

// The library, opened on the first call and kept to the end of the process; nullptr with the
// reason in `error` when it cannot be opened.
const SpeechLibrary* openSpeechLibrary(std::string& error);

}  // namespace tenrali
