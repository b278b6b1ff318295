#include "platform/message_box.h"

#include <csignal>
#include <cstdio>
#include <string>

#include "platform/own_message_box.h"

#ifdef __linux__
#include <pthread.h>
#include <sys/prctl.h>
#include <unistd.h>

#include <atomic>
#endif

namespace tenrali {

namespace {

constexpr const char* kTitle = "Ｔｅｎｒａｌｉ！！";

#ifdef __linux__
// The game's process while it opens the box; SDL shows the box from a child process of its own.
std::atomic<pid_t> boxParent{0};

// In the child, right after the fork: the box goes with the game, however the game ends (killed
// outright too), and a box whose game is already gone closes at once.
void boxChildStarts() {
  const pid_t parent = boxParent.load();
  if (parent == 0) return;
  ::prctl(PR_SET_PDEATHSIG, SIGKILL);
  if (::getppid() != parent) ::_exit(1);
}
#endif

// Shows the box. SDL turns an interrupt or a request to end into an event, which nobody reads
// while the box is up: for that time these signals have their own meaning again and end the game
// (unless whoever started the game asked for one to be ignored), and the box goes with it.
void showBox(Uint32 flags, const std::string& text, SDL_Window* parent) {
  constexpr int kSignals[] = {SIGINT, SIGTERM, SIGHUP};
  struct sigaction before[3] {};
  for (int i = 0; i < 3; ++i)
    if (sigaction(kSignals[i], nullptr, &before[i]) == 0 && before[i].sa_handler != SIG_IGN)
      std::signal(kSignals[i], SIG_DFL);
#ifdef __linux__
  static const bool watching = ::pthread_atfork(nullptr, nullptr, boxChildStarts) == 0;
  if (watching) boxParent = ::getpid();
#endif
  // The game's own box first: drawn in this process with the game's fonts, it needs neither the
  // X server's core fonts (which SDL's box draws with) nor a fork (SDL shows its box from a child
  // process, which a lock held by another thread at the fork, such as the sanitizers' allocator,
  // can stop for ever). SDL's box is for when the game's fonts are what failed.
  std::string ownWhy;
  if (!showOwnMessageBox(kTitle, text, ownWhy) &&
      SDL_ShowSimpleMessageBox(flags, kTitle, text.c_str(), parent) != 0) {
    std::fprintf(stderr, "tenrali: (the message box could not be shown: %s; %s)\n", ownWhy.c_str(), SDL_GetError());
    std::fflush(stderr);
  }
#ifdef __linux__
  boxParent = 0;
#endif
  for (int i = 0; i < 3; ++i) sigaction(kSignals[i], &before[i], nullptr);
}

}  // namespace

void reportError(const std::string& text, SDL_Window* parent) {
  std::fprintf(stderr, "tenrali: %s\n", text.c_str());
  std::fflush(stderr);
  if (SDL_WasInit(SDL_INIT_VIDEO)) showBox(SDL_MESSAGEBOX_ERROR, text, parent);
}

void reportWarning(const std::string& line, SDL_Window* parent) {
  std::fprintf(stderr, "%s\n", line.c_str());
  std::fflush(stderr);
  const std::string text = line.rfind("tenrali: ", 0) == 0 ? line.substr(9) : line;
  if (SDL_WasInit(SDL_INIT_VIDEO)) showBox(SDL_MESSAGEBOX_WARNING, text, parent);
}

}  // namespace tenrali
