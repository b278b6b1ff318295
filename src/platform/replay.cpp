#include "platform/replay.h"

#include <algorithm>
#include <cstdio>

#include "app/recorded_play.h"
#include "data/quoted.h"
#include "platform/script_io.h"

namespace tenrali {

Replay::Replay(std::vector<std::string> lines, int speed) : lines_(std::move(lines)), speed_(std::max(speed, 1)) {}

Replay::Replay(const std::string& path, int speed) : speed_(std::max(speed, 1)) {
  ScriptReader in(path, "the replay", true);
  for (std::string line; in.next(line);) lines_.push_back(line);
}

void Replay::step(TForm1& form, Uint64 now) {
  if (now < due_) return;
  if (ticksLeft_ > 0) {
    --ticksLeft_;
    form.tickInterval();
    due_ = now + kTickMs / speed_;
    return;
  }
  // Questions and comments take no time: go on to the next action.
  while (next_ < lines_.size()) {
    const std::size_t lineNo = ++next_;
    const std::vector<std::string> words = playWords(lines_[lineNo - 1]);
    if (words.empty()) continue;
    PlayStep action;
    try {
      action = playAction(form, words);
      if (action.kind == PlayStep::Kind::Other && !isPlayQuestion(words[0]))
        throw PlayError{"unknown command " + quoted(words[0])};
    } catch (const PlayError& e) {
      std::fprintf(stderr, "tenrali: replay, line %zu: %s\n", lineNo, e.what());
      next_ = lines_.size();
      return;
    }
    switch (action.kind) {
      case PlayStep::Kind::Other: continue;
      case PlayStep::Kind::Ticks:
        ticksLeft_ = action.ticks;
        if (ticksLeft_ == 0) continue;
        // The first beat one interval on, as the window's own clock gives it.
        due_ = now + kTickMs / speed_;
        return;
      default:
        due_ = now + kClickMs / speed_;
        return;
    }
  }
}

}  // namespace tenrali
