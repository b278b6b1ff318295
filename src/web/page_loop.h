#pragma once
// The game's life in a web page. The browser calls the game; the game never waits. SDL hands
// each mouse event to us the moment the page sees it, and the 100 ms scene beat is a browser
// timeout set only while a scene timer runs: with nothing running, the page does nothing at all
// (no frame, no timer). The rules of the beat are the window's: a scene the player starts first
// ticks one whole interval later, one started by a tick keeps the beat it began on, and missed
// intervals are not made up. Each save is written out to the browser's storage. An event of the
// game's own (the sound player's "a piece ended") is posted from inside the browser's sound
// callback: it is handled a moment later, as the window's loop does, never in the middle of it.
#include <SDL.h>

#include "app/form1.h"
#include "platform/event_loop.h"
#include "platform/save_keeper.h"
#include "web/page_sound.h"

namespace tenrali {

class PageLoop {
 public:
  PageLoop(TForm1& form, EventLoop& loop, const SaveKeeper& keeper, PageSound& sound)
      : form_(form), loop_(loop), keeper_(keeper), sound_(sound) {}
  PageLoop(const PageLoop&) = delete;
  PageLoop& operator=(const PageLoop&) = delete;

  // Shows the first picture and starts listening; returns at once.
  void start();
  static constexpr double kTickMs = EventLoop::kTickMs;

 private:
  static int onEvent(void* self, SDL_Event* event);
  static void onBeat(void* self);
  static void onPosted(void* self);
  // After an event or a beat: the picture brought up to date, the beat set or stopped.
  void settle();
  void arm(double at);
  void disarm();
  void finish();

  TForm1& form_;
  EventLoop& loop_;
  const SaveKeeper& keeper_;
  PageSound& sound_;
  unsigned writes_ = 0;  // the saves already written out
  bool ticking_ = false;
  bool finished_ = false;
  unsigned starts_ = 0;
  double nextTick_ = 0;  // the browser's clock, in milliseconds
  long timeout_ = 0;     // the pending beat's id, 0 when none
};

}  // namespace tenrali
