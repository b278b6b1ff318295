#include "web/save_store.h"

#include <emscripten.h>

namespace tenrali {

namespace {

EM_JS(void, mountAndRead, (const char* folder), {
  var path = UTF8ToString(folder);
  FS.mkdir(path);
  FS.mount(IDBFS, {}, path);
  FS.syncfs(true, function (err) {
    if (err) console.error("tenrali: the browser's storage cannot be read (" + err + "); the game is kept until the page closes");
    Module._tenrali_start();
  });
});

// Module.savesFlushed counts the flushes done, for the page's test.
EM_JS(void, writeOut, (), {
  if (Module.savesFlushing) {
    Module.savesAgain = true;
    return;
  }
  Module.savesFlushing = true;
  FS.syncfs(false, function done(err) {
    if (err) console.error("tenrali: the game cannot be kept in the browser's storage (" + err + ")");
    if (Module.savesAgain) {
      Module.savesAgain = false;
      FS.syncfs(false, done);
      return;
    }
    Module.savesFlushing = false;
    Module.savesFlushed = (Module.savesFlushed || 0) + 1;
  });
});

}  // namespace

void loadSaveFolder() { mountAndRead(kWebSaveFolder); }

void flushSaveFolder() { writeOut(); }

}  // namespace tenrali
