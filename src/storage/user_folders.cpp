#include "storage/user_folders.h"

#include <cstdlib>

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

}  // namespace tenrali
