// Every scene is one of the eight timers: each tick first adds one to the shared counter and
// then performs what the scene's script lists for the new value; unlisted values do nothing.
#include "app/form1.h"

namespace tenrali {

void TForm1::Timer1Timer() { openingScene(++gs.sceneTick); }
void TForm1::Timer2Timer() { arrivalScene1(++gs.sceneTick); }
void TForm1::Timer3Timer() { contestDayScene(++gs.sceneTick); }
void TForm1::Timer4Timer() { winScene1(++gs.sceneTick); }
void TForm1::Timer5Timer() { arrivalScene2(++gs.sceneTick); }
void TForm1::Timer6Timer() { arrivalScene3(++gs.sceneTick); }
void TForm1::Timer7Timer() { winScene2(++gs.sceneTick); }
void TForm1::Timer8Timer() { endingScene(++gs.sceneTick); }

}  // namespace tenrali
