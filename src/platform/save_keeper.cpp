#include "platform/save_keeper.h"

#include <sys/stat.h>

#include "storage/files.h"

namespace tenrali {

namespace {
// A temporary file this old was left by a run that was killed while it saved.
constexpr long kStaleSeconds = 3600;

bool isPlainFile(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}
}  // namespace

SavedGame readSavedGameFile(const std::string& path) {
  std::string text;
  if (!readPlainFile(path, kSaveSizeLimit, text)) throw StorageError("\"" + path + "\": no such file");
  return readSavedGame(text);
}

SaveKeeper::SaveKeeper(TForm1& form, std::string folder, Tell tell)
    : form_(form), folder_(std::move(folder)), tell_(std::move(tell)) {}

SaveKeeper::~SaveKeeper() { form_.setContinueHandler(nullptr); }

void SaveKeeper::start() {
  form_.setContinueHandler([this] { continueGame(); });
  if (folder_.empty()) return;
  removeStaleTemporaries(savePath(), kStaleSeconds);
  removeStaleTemporaries(backupPath(), kStaleSeconds);
  std::string text;
  try {
    if (!readPlainFile(savePath(), kSaveSizeLimit, text)) return;
    const SavedGame g = readSavedGame(text);
    form_.setSaveStatus(g.won ? TForm1::SaveStatus::Won : TForm1::SaveStatus::InProgress);
  } catch (const SaveError& e) {
    setAsideBad(e.what());
  } catch (const StorageError& e) {
    // Too large is a plain file gone wrong: aside with it. A folder or a device is left alone.
    if (isPlainFile(savePath())) setAsideBad(e.what());
    else tell_(std::string("tenrali: the saved game cannot be read: ") + e.what());
  }
}

void SaveKeeper::setAsideBad(const std::string& why) {
  std::string line = "tenrali: the saved game \"" + savePath() + "\" cannot be read (" + why + ")";
  try {
    line += "; it was moved to \"" + moveAside(savePath(), "bad") + "\"";
  } catch (const StorageError& e) {
    line += std::string("; it could not be moved aside: ") + e.what();
  }
  tell_(line + ". A new game can be started.");
  form_.setSaveStatus(TForm1::SaveStatus::None);
}

void SaveKeeper::continueGame() {
  if (!form_.atTitle() || form_.saveStatus() != TForm1::SaveStatus::InProgress) return;
  try {
    SavedGame g = readSavedGameFile(savePath());
    continueSavedGame(form_, g);
    lastText_ = savedGameText(g);
    last_ = std::move(g);
    continued_ = true;
  } catch (const SaveError& e) {
    setAsideBad(e.what());
  } catch (const StorageError& e) {
    tell_(std::string("tenrali: the saved game cannot be read: ") + e.what());
    form_.setSaveStatus(TForm1::SaveStatus::None);
  }
}

void SaveKeeper::afterStep() {
  if (form_.homeScreenWaits()) {
    SavedGame g = takeSavedGame(form_);
    const std::string text = savedGameText(g);
    if (text == lastText_ || !write(text)) return;
    lastText_ = text;
    last_ = std::move(g);
  } else if (form_.gameWon() && !wonKept_ && !lastText_.empty()) {
    // The game is over: its last morning is kept, marked won, and "続きから" no longer offers it.
    last_.won = true;
    const std::string text = savedGameText(last_);
    wonKept_ = write(text);
    if (wonKept_) lastText_ = text;
  }
}

bool SaveKeeper::write(const std::string& text) {
  try {
    if (folder_.empty())
      throw StorageError("no folder to keep it in (none of TENRALI_SAVE_DIR, XDG_DATA_HOME and HOME is set)");
    makeFolders(folder_);
    // A new game's first save: the game it replaces stays beside it as the one backup.
    if (!continued_ && !backedUp_) {
      std::string older;
      if (readPlainFile(savePath(), kSaveSizeLimit, older)) writeFileAtomically(backupPath(), older);
      backedUp_ = true;
    }
    writeFileAtomically(savePath(), text);
    ++writes_;
    told_ = false;
    return true;
  } catch (const StorageError& e) {
    tellOnce(std::string("tenrali: the game cannot be saved: ") + e.what() + "; the game goes on without saving");
    return false;
  }
}

void SaveKeeper::tellOnce(const std::string& line) {
  if (told_) return;
  told_ = true;
  tell_(line);
}

}  // namespace tenrali
