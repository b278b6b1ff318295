#include "platform/speech_service.h"

#include <sys/stat.h>
#include <unistd.h>

#include <condition_variable>
#include <cstdlib>
#include <mutex>
#include <thread>
#include <utility>

#ifdef TENRALI_HAVE_SPEECHD
#include "platform/speech_library.h"
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
  const std::string dirs = path && *path ? path : "/usr/bin:/bin";
  for (std::size_t from = 0; from <= dirs.size();) {
    std::size_t colon = dirs.find(':', from);
    if (colon == std::string::npos) colon = dirs.size();
    const std::string dir = dirs.substr(from, colon - from);
    if (!dir.empty() && exists(dir + "/" + program, true)) return true;
    from = colon + 1;
  }
  return false;
}

}  // namespace

// What the game and the service's thread share.
struct SpeechService::State {
  std::mutex m;
  std::condition_variable work;
  std::function<void()> wake;
  bool settled = false;  // the service was reached, or cannot be
  std::string why;       // why it cannot be
  bool failed = false;   // it stopped answering
  bool stopPending = false;
  bool textPending = false;
  std::string text;
  bool quit = false;
  bool begun = false;
};

SpeechService::SpeechService(std::function<void()> wake) : state_(std::make_shared<State>()) {
  state_->wake = std::move(wake);
}

SpeechService::~SpeechService() {
  std::lock_guard lock(state_->m);
  state_->quit = true;
  state_->work.notify_one();
}

bool SpeechService::available() {
#ifdef TENRALI_HAVE_SPEECHD
  if (const char* address = std::getenv("SPEECHD_ADDRESS"); address && *address) return true;
  if (const char* runtime = std::getenv("XDG_RUNTIME_DIR");
      runtime && *runtime && exists(std::string(runtime) + "/speech-dispatcher/speechd.sock", false))
    return true;
  return onPath("speech-dispatcher");
#else
  return false;
#endif
}

namespace {

// The service's thread: reaches the service, then speaks what it is handed until told to quit.
void serve(std::shared_ptr<SpeechService::State> s) {
#ifdef TENRALI_HAVE_SPEECHD
  std::string why;
  SPDConnection* c = nullptr;
  const SpeechLibrary* spd = openSpeechLibrary(why);
  if (spd) {
    char* error = nullptr;
    c = spd->spd_open2("tenrali", "main", nullptr, SPD_MODE_SINGLE, nullptr, 1, &error);
    if (!c) {
      why = error && *error ? error : "speech-dispatcher does not answer";
      while (!why.empty() && (why.back() == '\n' || why.back() == ' ')) why.pop_back();
    }
    std::free(error);
  }
#else
  void* c = nullptr;
  const std::string why = "this game was built without speech-dispatcher";
#endif
  std::unique_lock lock(s->m);
  s->settled = true;
  s->why = why;
  if (!s->quit && s->wake) s->wake();
  while (c) {
    s->work.wait(lock, [&] { return s->quit || s->stopPending || s->textPending; });
    if (s->quit) break;
    const bool stop = std::exchange(s->stopPending, false);
    const bool say = std::exchange(s->textPending, false);
    const std::string text = say ? std::move(s->text) : std::string();
    lock.unlock();
#ifdef TENRALI_HAVE_SPEECHD
    if (stop) spd->spd_cancel(c);
    const bool ok = !say || spd->spd_say(c, SPD_MESSAGE, text.c_str()) >= 0;
#else
    const bool ok = !say && !stop;
#endif
    lock.lock();
    if (!ok) s->failed = true;
  }
  lock.unlock();
#ifdef TENRALI_HAVE_SPEECHD
  if (c) spd->spd_close(c);
#endif
}

}  // namespace

void SpeechService::begin() {
  std::lock_guard lock(state_->m);
  if (std::exchange(state_->begun, true)) return;
  std::thread(serve, state_).detach();
}

std::optional<std::string> SpeechService::reached() {
  std::lock_guard lock(state_->m);
  if (!state_->settled) return std::nullopt;
  return state_->why;
}

bool SpeechService::say(const std::string& text) {
  std::lock_guard lock(state_->m);
  if (state_->failed || !state_->settled || !state_->why.empty()) return false;
  state_->text = text;
  state_->textPending = true;
  state_->work.notify_one();
  return true;
}

void SpeechService::stop() {
  std::lock_guard lock(state_->m);
  state_->stopPending = true;
  state_->textPending = false;
  state_->work.notify_one();
}

}  // namespace tenrali
