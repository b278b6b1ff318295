#include "platform/speech_service.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

#ifdef TENRALI_HAVE_SPEECHD
#include <libspeechd.h>
#endif

namespace tenrali {

namespace {

bool exists(const std::string& path, bool program) {
  struct stat st;
  if (stat(path.c_str(), &st) != 0) return false;
  return program ? S_ISREG(st.st_mode) && access(path.c_str(), X_OK) == 0 : true;
}

bool onPath(const std::string& program) {
  const char* path = std::getenv("PATH");
  std::string dirs = path && *path ? path : "/usr/bin:/bin";
  for (std::size_t from = 0; from <= dirs.size();) {
    std::size_t colon = dirs.find(':', from);
    if (colon == std::string::npos) colon = dirs.size();
    const std::string dir = dirs.substr(from, colon - from);
    if (!dir.empty() && exists(dir + "/" + program, true)) return true;
    from = colon + 1;
  }
  return false;
}

#ifdef TENRALI_HAVE_SPEECHD
SPDConnection* spd(void* connection) { return static_cast<SPDConnection*>(connection); }
#endif

}  // namespace

bool SpeechService::available() {
#ifdef TENRALI_HAVE_SPEECHD
  if (const char* address = std::getenv("SPEECHD_ADDRESS"); address && *address) return true;
  if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); runtime && *runtime &&
      exists(std::string(runtime) + "/speech-dispatcher/speechd.sock", false))
    return true;
  return onPath("speech-dispatcher") || exists("/usr/bin/speech-dispatcher", true);
#else
  return false;
#endif
}

SpeechService::~SpeechService() {
#ifdef TENRALI_HAVE_SPEECHD
  if (connection_) spd_close(spd(connection_));
#endif
}

bool SpeechService::connect(std::string& why) {
#ifdef TENRALI_HAVE_SPEECHD
  if (connection_) return true;
  char* error = nullptr;
  connection_ = spd_open2("tenrali", "main", nullptr, SPD_MODE_SINGLE, nullptr, 1, &error);
  if (!connection_) {
    why = error && *error ? error : "speech-dispatcher does not answer";
    while (!why.empty() && (why.back() == '\n' || why.back() == ' ')) why.pop_back();
    std::free(error);
    return false;
  }
  std::free(error);
  return true;
#else
  why = "this game was built without speech-dispatcher";
  return false;
#endif
}

bool SpeechService::say(const std::string& text) {
#ifdef TENRALI_HAVE_SPEECHD
  return connection_ && spd_say(spd(connection_), SPD_MESSAGE, text.c_str()) >= 0;
#else
  (void)text;
  return false;
#endif
}

void SpeechService::stop() {
#ifdef TENRALI_HAVE_SPEECHD
  if (connection_) spd_cancel(spd(connection_));
#endif
}

}  // namespace tenrali
