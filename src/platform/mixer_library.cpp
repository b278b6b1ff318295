#include "platform/mixer_library.h"

#include <dlfcn.h>

namespace tenrali {

const MixerLibrary* openMixerLibrary(std::string& error) {
  static MixerLibrary library;
  static bool loaded = false;
  static std::string failure;
  if (!loaded && failure.empty()) {
    void* handle = dlopen("libSDL2_mixer-2.0.so.0", RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
      const char* why = dlerror();
      failure = why ? why : "libSDL2_mixer-2.0.so.0 not found";
    }
#define TENRALI_MIXER_LOOKUP(name)                                                     \
  if (handle && failure.empty()) {                                                     \
    library.name = reinterpret_cast<decltype(library.name)>(dlsym(handle, #name));     \
    if (!library.name) failure = "SDL_mixer has no " #name;                            \
  }
    TENRALI_MIXER_FUNCTIONS(TENRALI_MIXER_LOOKUP)
#undef TENRALI_MIXER_LOOKUP
    loaded = failure.empty();
  }
  error = failure;
  return loaded ? &library : nullptr;
}

}  // namespace tenrali
