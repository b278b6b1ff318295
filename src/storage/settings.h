#pragma once
// The player's settings: a small text file, one "key value" a line after a first line that names
// the format ("tenrali-settings 1"). Unknown keys are kept as they are, so an older game never
// drops what a newer one wrote. A file that cannot be read is reported once and the defaults
// are used; the bad file is moved aside when the settings are next written.
#include <map>
#include <optional>
#include <string>

namespace tenrali {

class Settings {
 public:
  // An empty path keeps the settings in memory only (tests, or no home folder).
  explicit Settings(std::string path);

  // Reads the file. A missing file gives the defaults silently; a bad one gives the defaults and
  // a problem (see problem()).
  void load();
  // Writes the file atomically, creating its folder. A failure is recorded in problem() and
  // never thrown: the game plays on with the settings it has.
  bool save();

  // What went wrong with the file the last time it was read or written, for one line on
  // standard error; empty when all is well. Cleared by takeProblem().
  const std::string& problem() const { return problem_; }
  std::string takeProblem();

  bool flag(const std::string& key, bool fallback) const;
  int number(const std::string& key, int fallback, int lo, int hi) const;
  void setFlag(const std::string& key, bool value);
  void setNumber(const std::string& key, int value);

  const std::string& path() const { return path_; }

 private:
  std::optional<std::string> value(const std::string& key) const;

  std::string path_;
  std::map<std::string, std::string> values_;
  std::string problem_;
  bool badFileOnDisk_ = false;
};

// The settings file in the player's settings folder ("settings"), loaded.
Settings loadUserSettings();

}  // namespace tenrali
