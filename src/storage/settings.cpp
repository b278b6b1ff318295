#include "storage/settings.h"

#include <charconv>
#include <sstream>

#include "storage/files.h"
#include "storage/user_folders.h"

namespace tenrali {

namespace {
constexpr const char* kFirstLine = "tenrali-settings 1";
constexpr std::size_t kMaxBytes = 64 * 1024;

bool validKey(const std::string& key) {
  if (key.empty() || key.size() > 64) return false;
  for (char c : key)
    if (!((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '_' || c == '.')) return false;
  return true;
}
}  // namespace

Settings::Settings(std::string path) : path_(std::move(path)) {}

void Settings::load() {
  values_.clear();
  badFileOnDisk_ = false;
  if (path_.empty()) return;
  std::string bytes;
  try {
    if (!readPlainFile(path_, kMaxBytes, bytes)) return;
  } catch (const StorageError& e) {
    problem_ = std::string("settings not read, using the defaults: ") + e.what();
    badFileOnDisk_ = true;
    return;
  }
  std::istringstream in(bytes);
  std::string line;
  std::map<std::string, std::string> read;
  bool ok = std::getline(in, line) && line == kFirstLine;
  for (int n = 2; ok && std::getline(in, line); ++n) {
    if (line.empty()) continue;
    const auto space = line.find(' ');
    const std::string key = line.substr(0, space);
    if (space == std::string::npos || !validKey(key) || line.find_first_of(std::string("\0\r", 2)) != std::string::npos) {
      ok = false;
      break;
    }
    read[key] = line.substr(space + 1);
  }
  if (!ok) {
    problem_ = "settings not read, using the defaults: \"" + path_ + "\" is not a settings file of this game";
    badFileOnDisk_ = true;
    return;
  }
  values_ = std::move(read);
}

bool Settings::save() {
  if (path_.empty()) return true;
  std::string text = std::string(kFirstLine) + "\n";
  for (const auto& [key, v] : values_) text += key + " " + v + "\n";
  try {
    const auto slash = path_.rfind('/');
    if (slash != std::string::npos && slash > 0) makeFolders(path_.substr(0, slash));
    if (badFileOnDisk_) {
      try {
        moveAside(path_, "bad");
      } catch (const StorageError&) {
        // a folder we cannot move is reported by the write below
      }
      badFileOnDisk_ = false;
    }
    writeFileAtomically(path_, text);
  } catch (const StorageError& e) {
    problem_ = std::string("settings not saved: ") + e.what();
    return false;
  }
  return true;
}

std::string Settings::takeProblem() {
  std::string p = std::move(problem_);
  problem_.clear();
  return p;
}

std::optional<std::string> Settings::value(const std::string& key) const {
  auto it = values_.find(key);
  if (it == values_.end()) return std::nullopt;
  return it->second;
}

bool Settings::flag(const std::string& key, bool fallback) const {
  const auto v = value(key);
  if (v == "on") return true;
  if (v == "off") return false;
  return fallback;
}

int Settings::number(const std::string& key, int fallback, int lo, int hi) const {
  const auto v = value(key);
  if (!v) return fallback;
  int n = 0;
  auto [end, ec] = std::from_chars(v->data(), v->data() + v->size(), n);
  if (ec != std::errc() || end != v->data() + v->size() || n < lo || n > hi) return fallback;
  return n;
}

void Settings::setFlag(const std::string& key, bool on) {
  if (validKey(key)) values_[key] = on ? "on" : "off";
}

void Settings::setNumber(const std::string& key, int n) {
  if (validKey(key)) values_[key] = std::to_string(n);
}

Settings loadUserSettings() {
  const std::string folder = settingsFolder();
  Settings s(folder.empty() ? std::string() : folder + "/settings");
  s.load();
  return s;
}

}  // namespace tenrali
