#pragma once
// The player's own folders, as the desktop names them: saved games in $XDG_DATA_HOME/tenrali
// (TENRALI_SAVE_DIR overrides it), settings in $XDG_CONFIG_HOME/tenrali. A relative or empty
// XDG variable is ignored, as the desktop's rules say, and the folders under the home folder
// are used instead.
#include <string>

namespace tenrali {

// Empty when neither the variables nor HOME give a folder.
std::string saveFolder();
std::string settingsFolder();
// The player's pictures folder as `xdg-user-dir PICTURES` names it (user-dirs.dirs in the settings
// folder of the desktop), when it exists; else the home folder; empty when there is neither.
std::string picturesFolder();

}  // namespace tenrali
