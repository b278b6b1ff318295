#include "web/page_loop.h"

#include <emscripten.h>
#include <emscripten/eventloop.h>

#include "web/save_store.h"

namespace tenrali {

void PageLoop::start() {
  starts_ = form_.timerStarts();
  loop_.showFirstFrame();
  // The filter sees every event as SDL receives it, straight from the page's own handlers;
  // handled here, none of them is queued.
  SDL_SetEventFilter(&PageLoop::onEvent, this);
  settle();
}

int PageLoop::onEvent(void* self, SDL_Event* event) {
  auto& page = *static_cast<PageLoop*>(self);
  if (page.finished_) return 0;
  if (event->type >= SDL_USEREVENT) {
    // Queued, and taken from the queue once the code that posted it has returned.
    emscripten_set_timeout(&PageLoop::onPosted, 0, self);
    return 1;
  }
  page.loop_.handle(*event);
  if (page.sound_.notice(*event)) flushSaveFolder();  // the settings, kept beside the saved game
  page.settle();
  return 0;
}

void PageLoop::onPosted(void* self) {
  auto& page = *static_cast<PageLoop*>(self);
  SDL_Event event;
  while (!page.finished_ && SDL_PollEvent(&event)) page.loop_.handle(event);
  if (!page.finished_) page.settle();
}

void PageLoop::onBeat(void* self) {
  auto& page = *static_cast<PageLoop*>(self);
  page.timeout_ = 0;
  if (page.finished_) return;
  const double now = emscripten_get_now();
  if (page.ticking_ && page.form_.anyTimerEnabled()) {
    if (now + 0.5 < page.nextTick_) {  // a browser may wake a little early
      page.arm(page.nextTick_);
      return;
    }
    page.form_.tickInterval();
    page.starts_ = page.form_.timerStarts();
    page.nextTick_ += kTickMs;
    if (page.nextTick_ <= now) page.nextTick_ = now + kTickMs;
  }
  page.settle();
}

void PageLoop::settle() {
  loop_.refresh();
  if (keeper_.writes() != writes_) {
    writes_ = keeper_.writes();
    flushSaveFolder();
  }
  if (loop_.finished()) {
    finish();
    return;
  }
  const bool running = form_.anyTimerEnabled();
  const unsigned starts = form_.timerStarts();
  if (running && (!ticking_ || starts != starts_)) nextTick_ = emscripten_get_now() + kTickMs;
  starts_ = starts;
  ticking_ = running;
  if (running)
    arm(nextTick_);
  else
    disarm();
}

void PageLoop::arm(double at) {
  disarm();
  const double wait = at - emscripten_get_now();
  timeout_ = emscripten_set_timeout(&PageLoop::onBeat, wait > 0 ? wait : 0, this);
}

void PageLoop::disarm() {
  if (timeout_) emscripten_clear_timeout(timeout_);
  timeout_ = 0;
}

// "終了": the game is over and the page says so; a reload starts it again.
void PageLoop::finish() {
  finished_ = true;
  disarm();
  SDL_SetEventFilter(nullptr, nullptr);
  EM_ASM(if (Module.onGameEnd) Module.onGameEnd(););
}

}  // namespace tenrali
