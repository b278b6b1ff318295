#pragma once
// The main window object: it owns the screen model, the game state and the random source. Every
// handler of the game (clicks, menu commands, timer ticks) and every routine several parts share
// is one of its methods, defined in the folder of the part of the game it belongs to; each
// dialogue's own steps are free functions in that dialogue's namespace.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "app/game_events.h"
#include "data/file_source.h"
#include "data/random_int.h"
#include "state/game_state.h"
#include "ui/element_groups.h"
#include "app/keyboard.h"
#include "ui/screen_model.h"

namespace tenrali {

// How the heroine placed in a contest.
enum class ContestPlacing { Won, Second, Third, Unplaced };

class TForm1 {
 public:
  struct Ports {
    TextMetrics& metrics;
    PictureStore& pictures;
    FileSource& files;
  };
  // Builds the window description and the initial game state, reads the three data files (a
  // DataError escapes when one cannot be read) and seeds the random source.
  TForm1(Ports ports, std::uint32_t seed);

  ScreenModel& screen() { return sm; }
  const ScreenModel& screen() const { return sm; }
  GameState& state() { return gs; }
  const GameState& state() const { return gs; }
  RandomInt& random() { return rng; }
  const RandomInt& random() const { return rng; }
  bool closed() const { return closed_; }

  // --- What happened, for whoever listens (sound) ----------------------------------------------
  void report(GameEventKind kind, int value = 0) { events_.report(kind, value); }
  GameEventLog& events() { return events_; }

  // --- Input from the front end ---------------------------------------------------------------
  // A left click at a client point: the click rule picks the element, whose binding (if any)
  // runs. Returns the element that took the click, or E::count.
  E clickAt(int x, int y);
  // Runs the click binding of an element, as a click on it does.
  void clickElement(E e);
  // The keys: each chooses a place to click and clicks it through clickAt (app/keyboard.cpp).
  Keyboard& keyboard() { return keys_; }
  const Keyboard& keyboard() const { return keys_; }
  Keyboard::Result keyPress(KeyPress key) { return keys_.press(*this, key); }
  // A menu entry; a disabled entry does nothing.
  void menuCommand(E item);
  // One 100 ms interval: every timer enabled at its start ticks once, Timer1..Timer8 in order.
  // A timer enabled during the interval first ticks in the next one.
  void tickInterval();
  bool anyTimerEnabled() const;
  // How many times a scene timer has been started so far.
  unsigned timerStarts() const;

  // --- Menu (app) -------------------------------------------------------------------------------
  void K2Click();
  void K4Click();
  int randomInt() { return rng.next(); }
  void drawWeather();

  // --- Saved games (app/saved_game_menu.cpp) ---------------------------------------------------
  // What the player's save folder holds, as the front end found it: it decides whether "続きから"
  // can be chosen and whether "新規開始" asks first.
  enum class SaveStatus { None, InProgress, Won };
  void setSaveStatus(SaveStatus status);
  SaveStatus saveStatus() const { return saveStatus_; }
  // "続きから" hands over to the front end, which reads the saved game and puts it on screen.
  void setContinueHandler(std::function<void()> handler) { continue_ = std::move(handler); }
  void K3Click();
  // No game has started in this run: the title is still on screen.
  bool atTitle() const { return gs.contestStage == contest_stage::Title && sm.get(E::K2).enabled; }
  // The home screen waits for the player: the menu is shown, no dialogue is open and no scene
  // runs. This is when the game is saved.
  bool homeScreenWaits() const;
  // The last contest is won: the ending plays and the game is over.
  bool gameWon() const { return sm.get(E::Timer8).enabled; }
  // "新規開始" while a game in progress is saved: the hero asks first, and "no" changes nothing.
  void askBeforeNewGame();
  bool askingBeforeNewGame() const { return !titleLook_.empty(); }
  void closeNewGameQuestion();
  bool newGameQuestionOnYes();
  bool newGameQuestionOnNo();

  // --- Message window (home/message_window.cpp) ---------------------------------------------------
  // An empty portrait leaves the portrait as it is.
  void sayMessage(const std::string& portrait, const std::string& speaker, const std::string& line1,
                  const std::string& line2, const std::string& line3);
  void setMessageColor(Rgb color);
  void sayHomePrompt();
  void sayThisFruit();
  void sayThisSeed();
  void sayShopThanks();
  void sayPickThis();
  void sayHeroineThanks();
  void showYesNo();
  void hideYesNo();
  void showCancelOnly();
  void advanceMessage();
  // Whether a click on the message window or a scene picture would do something now: it ends the
  // opening, or skips a contest's arrival scene.
  bool messageClickActs() const { return openingRuns() || arrivalRuns(); }
  bool openingRuns() const { return gs.contestStage == contest_stage::Opening; }
  bool arrivalRuns() const {
    return contest_stage::isContest(gs.contestStage) && gs.contestEntryState == contest_entry::Paid;
  }
  // The two layouts of the story scenes and the contest announcer.
  void saySceneLine(const std::string& portrait, const std::string& speaker, const std::string& line1,
                    const std::string& line2);
  void sayAnnouncer(const std::string& line1, const std::string& line2);
  // The last message or scene line said, as read aloud: who, the lines, and a number that
  // changes with every saying (the same words said again are a new saying).
  struct Said {
    std::string speaker;  // the announcer has none
    std::string lines[3];
    bool announcer = false;
    unsigned serial = 0;
  };
  const Said& lastSaid() const { return said_; }
  // Shows a dialogue button with a picture.
  void showButton(E button, const std::string& picture);

  // --- Shared dialogue buttons (home/dialogue_buttons.cpp) ---------------------------------------
  void bsen1Click();
  void bsen2Click();
  void byesClick();
  void bnoClick();

  // --- Home screen and stock panels (home/home_screen.cpp, home/stock_panels.cpp) -------------------
  void showHomeScreen();
  void hideHomeScreen();
  void showMenuButtons();
  void hideMenuButtons();
  void showPots();
  void hidePots();
  void refreshStatus();  // dokik, gijyuk, kanek, day from their fields
  void hideWeatherButtons();
  void showFruitStock();
  void showSeedStock();
  void showSpeciesFruitStock();
  void showKindButtons();
  void hideKindButtons();
  void showHairRingButtons();
  void showBraceletNecklaceButtons();
  void showAccessoryRow(int kind);
  void showAccessoryStock();
  void hideAccessoryGrid();
  void showWornPanel();
  void hideWornPanel();
  void hideWornSlot(int slot);

  // --- Item viewer (home/item_viewer.cpp) -------------------------------------------------------
  void menuk6Click();

  // --- Scene timers (scenes/) ----------------------------------------------------------------
  void Timer1Timer();
  void Timer2Timer();
  void Timer3Timer();
  void Timer4Timer();
  void Timer5Timer();
  void Timer6Timer();
  void Timer7Timer();
  void Timer8Timer();
  // The scripts: each acts on the new value of sceneTick; unlisted ticks do nothing.
  void openingScene(int tick);      // Timer1
  void arrivalScene1(int tick);     // Timer2
  void contestDayScene(int tick);   // Timer3
  void winScene1(int tick);         // Timer4
  void arrivalScene2(int tick);     // Timer5
  void arrivalScene3(int tick);     // Timer6
  void winScene2(int tick);         // Timer7
  void endingScene(int tick);       // Timer8

  // --- The element handlers of the dialogues ---------------------------------------------------
  // Each dialogue's own steps are free functions in its namespace (farm/farm.h, workshop/workshop.h,
  // shops/shops.h, heroine/heroine.h, home/item_viewer.h); the handlers below and the shared
  // buttons hand them their clicks.
  void menuk1Click();  // contest entry (heroine/contest.cpp)
  void menuk2Click();  // gifts (heroine/gifts.cpp)
  void menuk3Click();  // the shops (shops/shops.cpp)
  void menuk4Click();  // planting (farm/planting.cpp)
  void menuk5Click();  // the workshop (workshop/workshop_flow.cpp)
  void menuk7Click();  // the harvest (farm/harvest.cpp)
  void menuk8Click();  // talk (heroine/talk.cpp)
  void menuk9Click();  // the day's end (farm/day_cycle.cpp)
  void ueki1Click();
  void ueki2Click();
  void ueki3Click();
  // The weather-kind buttons hand a click to planting, the workshop and the seed shop, in this
  // order (home/weather_buttons.cpp).
  void weatherButtonClick(int kind);
  void bhutuClick();
  void bhareClick();
  void bkumoClick();
  void bameClick();
  void bkamiClick();
  void byukiClick();
  void btenClick();
  void bhyouClick();
  void bnijiClick();
  // The accessory-kind buttons: the workshop's step, then the gift step; the 24 accessory
  // buttons: the shop's offer, then the gift choice (home/accessory_buttons.cpp).
  void kindButtonClick(int kind);
  void variantButtonClick(int index);
  void bakClick();
  void babClick();
  void banClick();
  void bayClick();

  // --- Shared routines of the game ------------------------------------------------------------
  // The day's end: every pot meets the night, the day turns, tomorrow's weather is drawn.
  void advanceDay();
  // Whether a click on pot 1..3 chooses it for the seed: a seed is chosen and the pot is empty.
  bool potTakesSeed(int pot) const;
  // A word with her, and her help when he has nothing left.
  void talkToHeroine();
  // Judging: her place in contest `stage`, and the announcer's three calls.
  ContestPlacing placingFor(int stage, int heart, int skill) const;
  void announceThird();
  void announceSecond();
  void announceWinner();

  // --- Click bindings that only advance the message ------------------------------------------
  void iventClick() { advanceMessage(); }
  void kaowClick() { advanceMessage(); }
  void mes1Click() { advanceMessage(); }
  void mes2Click() { advanceMessage(); }
  void mes3Click() { advanceMessage(); }
  void mes4Click() { advanceMessage(); }

 private:
  ScreenModel sm;
  GameState gs;
  RandomInt rng;
  Keyboard keys_;
  Said said_;
  GameEventLog events_;
  bool closed_ = false;
  SaveStatus saveStatus_ = SaveStatus::None;
  std::function<void()> continue_;
  std::vector<Element> titleLook_;  // while the question is asked: the title's elements as they were
};

// The parts of the message window and the scene pictures: their bindings only move the story on.
bool movesStoryOn(E e);

}  // namespace tenrali
