#pragma once
// A whole game for tests, driven the way a player drives it: clicks on elements (by the click
// rule, at the centre of the element's rectangle), menu commands and 100 ms ticks. It plays
// from the built game folder with the real data files, pictures and fonts.
#include <memory>
#include <string>
#include <vector>

#include "app/form1.h"
#include "ui/picture_files.h"
#include "platform/file_source.h"
#include "platform/fonts.h"
#include "state/accessories.h"

namespace tenrali::test {

// The fonts, opened once for the whole test run.
FontLibrary& sharedFonts();

class TestGame {
 public:
  explicit TestGame(std::uint32_t seed = 0, const std::string& folder = TENRALI_TEST_GAME_DIR);

  TForm1& form() { return *form_; }
  GameState& s() { return form_->state(); }
  ScreenModel& sm() { return form_->screen(); }

  // A click at the centre of the named element's rectangle; returns the element that took it.
  E click(const char* name);
  E click(E e);
  E clickAt(int x, int y) { return form_->clickAt(x, y); }
  void tick(int intervals = 1);
  void menuNew() { form_->menuCommand(E::K2); }
  // "新規開始" and the first click: the home screen of day 1.
  void startDay1();
  // Day 1 with these fields set ("money", "seedCount[3]"), and the pots, the worn panel and the
  // status labels shown as the game would show them.
  void startDay1With(const std::vector<std::pair<std::string, int>>& fields);

  bool shown(E e) const { return form_->screen().isShown(e); }
  bool shown(const char* name) const;
  const std::string& caption(E e) const { return form_->screen().get(e).caption; }
  const std::string& picture(E e) const { return form_->screen().get(e).picture; }
  // The message window as one line: "portrait|mes1|mes2|mes3|mes4".
  std::string message() const;
  // The names of every shown named element, in drawing order, separated by blanks.
  std::string visibleNames() const;

  std::vector<std::string> warnings;  // pictures that could not be loaded

 private:
  DirectoryFileSource files_;
  FilePictureStore pictures_;
  std::unique_ptr<TForm1> form_;
};

// A field of the game state by name, "money" or "seedCount[3]"; nullptr for none.
std::int32_t* field(GameState& s, const std::string& name);

// Runs tenrali-play with a script given as text; returns its standard output lines.
std::vector<std::string> runPlay(const std::string& script, std::uint32_t seed = 0, int* exitStatus = nullptr,
                                 std::string* errors = nullptr);

}  // namespace tenrali::test
