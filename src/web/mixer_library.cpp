// SDL_mixer in the page: linked into the program (a page opens no libraries), so its functions
// are simply the linked ones.
#include "platform/mixer_library.h"

namespace tenrali {

const MixerLibrary* openMixerLibrary(std::string& error) {
  static const MixerLibrary library = [] {
    MixerLibrary l;
#define TENRALI_MIXER_LINKED(name) l.name = &::name;
    TENRALI_MIXER_FUNCTIONS(TENRALI_MIXER_LINKED)
#undef TENRALI_MIXER_LINKED
    return l;
  }();
  error.clear();
  return &library;
}

}  // namespace tenrali
