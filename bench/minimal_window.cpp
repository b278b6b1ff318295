// The yardstick of start-up: the least an SDL program does to show a 600 x 400 picture, set up
// as the game sets itself up (software drawing, video and timers only). It prints when the
// picture reached the display, as the game's first-frame build does, and ends.
#include <SDL.h>
#include <time.h>

#include <cstdio>
#include <cstring>

int main() {
  SDL_SetHint(SDL_HINT_RENDER_DRIVER, "software");
  SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_TIMER) != 0) return 1;
  SDL_Window* w = SDL_CreateWindow("minimal", 98, 80, 600, 400, SDL_WINDOW_SHOWN);
  if (!w) return 1;
  SDL_Surface* s = SDL_GetWindowSurface(w);
  if (!s) return 1;
  SDL_FillRect(s, nullptr, SDL_MapRGB(s->format, 0xF0, 0xF0, 0xF0));
  SDL_UpdateWindowSurface(w);
  timespec now;
  clock_gettime(CLOCK_MONOTONIC, &now);
  std::printf("first-frame %lld\n", static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
  std::fflush(stdout);
  SDL_DestroyWindow(w);
  SDL_Quit();
  return 0;
}
