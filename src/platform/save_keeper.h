#pragma once
// Keeps the game between runs, for the window and the headless game alike: looks at the saved
// game when the run starts (so that "続きから" can be chosen), saves whenever the home screen
// waits and the game changed, keeps one backup of the game a new one replaces, and marks a won
// game. A file that cannot be read is told and moved aside; a folder that cannot be written is
// told once, and the game plays on. Neither ever costs the player the last good save.
#include <functional>
#include <string>

#include "app/form1.h"
#include "save/saved_game.h"

namespace tenrali {

class SaveKeeper {
 public:
  using Tell = std::function<void(const std::string&)>;
  static constexpr const char* kFileName = "saved-game.txt";

  // `folder` holds the saved game; empty when there is none to use (no HOME).
  SaveKeeper(TForm1& form, std::string folder, Tell tell);
  ~SaveKeeper();
  SaveKeeper(const SaveKeeper&) = delete;
  SaveKeeper& operator=(const SaveKeeper&) = delete;

  // Looks for the saved game and tells the form what it found; a bad file is told and moved aside.
  void start();
  // After each click, menu command or tick: saves when the home screen waits and the game
  // changed since it was last saved; once the last contest is won, marks the game won.
  void afterStep();
  // "続きから": the saved game on the home screen, or a message and the title as it was.
  void continueGame();

  // How many times the file was written in this run (the web page flushes its storage after each).
  unsigned writes() const { return writes_; }

  std::string savePath() const { return folder_ + "/" + kFileName; }
  std::string backupPath() const { return savePath() + ".bak"; }

 private:
  bool write(const std::string& text);
  void tellOnce(const std::string& line);
  void setAsideBad(const std::string& why);

  TForm1& form_;
  std::string folder_;
  Tell tell_;
  std::string lastText_;  // what the save file holds from this run (or the game continued)
  SavedGame last_;
  bool continued_ = false;  // the game came from the save file: no backup of it
  bool backedUp_ = false;
  bool wonKept_ = false;
  bool told_ = false;
  unsigned writes_ = 0;
};

// Reads a saved game file; throws StorageError (naming the file) or SaveError (the fault only).
SavedGame readSavedGameFile(const std::string& path);

}  // namespace tenrali
