#pragma once
// The saved game in a web page: the save folder lives in the browser's own storage (IndexedDB),
// read back before the game starts and written out after every save, so a reload continues the
// game. A browser that keeps nothing (storage refused or full) plays on; the game is then kept
// only until the page is closed.
namespace tenrali {

inline constexpr const char* kWebSaveFolder = "/save";

// Mounts the folder, reads what the browser kept into it, then calls the program's
// tenrali_start() (exported to the page).
void loadSaveFolder();
// Writes the folder out to the browser's storage; one asked for while another runs follows it.
void flushSaveFolder();

}  // namespace tenrali
