#ifdef TENRALI_HAVE_SPEECHD
#include "platform/speech_library.h"

#include <dlfcn.h>

#include <mutex>

namespace tenrali {

const SpeechLibrary* openSpeechLibrary(std::string& error) {
  static SpeechLibrary library;
  static std::string failure;
  static std::once_flag once;
  std::call_once(once, [] {
    void* handle = dlopen("libspeechd.so.2", RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
      const char* why = dlerror();
      failure = why ? why : "libspeechd.so.2 not found";
      return;
    }
#define TENRALI_SPEECH_LOOKUP(name)                                                    \
  if (failure.empty()) {                                                               \
    library.name = reinterpret_cast<decltype(library.name)>(dlsym(handle, #name));     \
    if (!library.name) failure = "libspeechd has no " #name;                           \
  }
    TENRALI_SPEECH_FUNCTIONS(TENRALI_SPEECH_LOOKUP)
#undef TENRALI_SPEECH_LOOKUP
  });
  error = failure;
  return failure.empty() ? &library : nullptr;
}

}  // namespace tenrali
#endif
