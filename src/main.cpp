// The game's window. (The front end is being built; this starts the core headless for now.)
#include <cstdio>
int main() {
  std::fputs("tenrali: the window is not built yet; use tenrali-play\n", stderr);
  return 1;
}
