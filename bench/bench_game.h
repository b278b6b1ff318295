// A whole game for the benchmarks, from the built game folder with the real fonts; its pictures
// are decoded once and kept, as in the window.
#pragma once

#include "app/form1.h"
#include "ui/picture_files.h"
#include "platform/file_source.h"
#include "platform/fonts.h"

namespace tenrali::bench {

inline FontLibrary& fonts() {
  static FontLibrary f;
  return f;
}

struct Game {
  DirectoryFileSource files{TENRALI_BENCH_GAME_DIR};
  FilePictureStore pictures{files};
  TForm1 form{{fonts(), pictures, files}, 0};

  void homeScreen() {
    form.menuCommand(E::K2);
    form.tickInterval();
    form.clickElement(E::ivent);
  }
  // A frame of a story scene: a full-window picture, the speaker's portrait, three white lines.
  void sceneFrame() {
    form.menuCommand(E::K2);
    form.screen().hide(E::ivent);
    form.screen().show(E::ivent4);
    form.setMessageColor(colors::white);
    form.screen().show(E::kaow);
    form.sayMessage("usaw2.bmp", "ララベ", "「きれいな　ゆびわ……", "　いつか　わたしも", "　つけてみたいな」");
  }
};

}  // namespace tenrali::bench
