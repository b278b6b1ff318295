#include "storage/user_folders.h"

#include <sys/stat.h>

#include <cstdlib>
#include <fstream>

namespace tenrali {

namespace {

std::string variable(const char* name) {
  const char* v = std::getenv(name);
  return v ? std::string(v) : std::string();
}

// $XDG_<kind> when it is an absolute path, else the fallback under the home folder.
std::string xdgFolder(const char* xdgVariable, const char* underHome) {
  std::string base = variable(xdgVariable);
  if (base.empty() || base[0] != '/') {
    const std::string home = variable("HOME");
    if (home.empty()) return {};
    base = home + "/" + underHome;
  }
  return base + "/tenrali";
}

}  // namespace

std::string saveFolder() {
  const std::string chosen = variable("TENRALI_SAVE_DIR");
  return chosen.empty() ? xdgFolder("XDG_DATA_HOME", ".local/share") : chosen;
}

std::string settingsFolder() { return xdgFolder("XDG_CONFIG_HOME", ".config"); }

std::string picturesFolder() {
  const std::string home = variable("HOME");
  std::string config = variable("XDG_CONFIG_HOME");
  if (config.empty() || config[0] != '/') config = home.empty() ? std::string() : home + "/.config";
  std::ifstream dirs(config + "/user-dirs.dirs");
  std::string chosen;
  // Lines as the desktop writes them: XDG_PICTURES_DIR="$HOME/Pictures" or an absolute path.
  for (std::string line; !config.empty() && std::getline(dirs, line);) {
    const std::string key = "XDG_PICTURES_DIR=\"";
    if (line.rfind(key, 0) != 0 || line.size() < key.size() + 1 || line.back() != '"') continue;
    std::string value = line.substr(key.size(), line.size() - key.size() - 1);
    if (value.rfind("$HOME", 0) == 0 && !home.empty()) value = home + value.substr(5);
    if (!value.empty() && value[0] == '/') chosen = value;
  }
  struct stat st;
  if (!chosen.empty() && stat(chosen.c_str(), &st) == 0 && S_ISDIR(st.st_mode)) return chosen;
  return home;
}

}  // namespace tenrali
