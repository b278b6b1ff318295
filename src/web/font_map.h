#pragma once
// The faces the web page carries, by the file names Debian's fonts have (the names matter: a file
// whose name says neither bold nor italic gets those drawn by SDL_ttf, as on the desktop).
#include <string>

namespace tenrali {

inline constexpr const char* kWebFontFolder = "/fonts";

// The file of a face of the window description in a weight and slant; null for a face the game
// never names.
const char* webFontFile(const std::string& face, bool bold, bool italic);

}  // namespace tenrali
