// tenrali-play: the game without a window. It reads commands, one per line, from a script or
// standard input, drives the same game core the window drives, and answers in JSON lines.
#include <cstdio>
#include <ctime>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "app/form1.h"
#include "app/recorded_play.h"
#include "data/data_files.h"
#include "ui/picture_files.h"
#include "data/png.h"
#include "data/quoted.h"
#include "json.h"
#include "platform/file_source.h"
#include "platform/focus_ring.h"
#include "platform/fonts.h"
#include "platform/renderer.h"
#include "platform/save_keeper.h"
#include "platform/script_io.h"
#include "platform/standard_streams.h"
#include "sound/sound_cues.h"
#include "storage/files.h"
#include "usage.h"

using namespace tenrali;

namespace {

std::string hexColor(Rgb c) {
  char buf[8];
  std::snprintf(buf, sizeof buf, "#%02X%02X%02X", c.r, c.g, c.b);
  return buf;
}

const char* kindName(Kind k) {
  switch (k) {
    case Kind::Picture: return "picture";
    case Kind::Label: return "label";
    case Kind::Panel: return "panel";
    case Kind::Timer: return "timer";
    case Kind::MenuItem: return "menuitem";
  }
  return "";
}

std::string weatherJson(const WeatherRecord& w) {
  return json::Object().text("name", w.name).num("code", w.code).text("picture", w.picture).done();
}

std::string stateJson(GameState& s) {
  json::Object o;
  for (const IntField& f : intFields()) {
    if (f.length == 1) {
      o.num(f.name, *f.at(s, 0));
    } else {
      std::string list = "[";
      for (int i = 0; i < f.length; ++i) {
        if (i) list += ',';
        json::appendNum(list, *f.at(s, i));
      }
      o.raw(f.name, list += ']');
    }
    if (std::string_view(f.name) == "dayNumber") o.raw("todayWeather", weatherJson(s.todayWeather));
  }
  return o.done();
}

std::string elementJson(const ScreenModel& sm, E e) {
  const Element& el = sm.get(e);
  Rect r = sm.rect(e);
  json::Object o;
  o.text("name", elementName(e)).text("kind", kindName(el.kind)).flag("visible", sm.isShown(e));
  o.num("x", r.x).num("y", r.y).num("w", r.w).num("h", r.h);
  switch (el.kind) {
    case Kind::Picture: o.text("picture", el.picture); break;
    case Kind::Label:
    case Kind::Panel: o.text("caption", el.caption).text("color", hexColor(el.font.color)); break;
    case Kind::Timer: o.flag("enabled", el.enabled).num("interval", el.interval); break;
    case Kind::MenuItem: o.text("caption", el.caption).flag("enabled", el.enabled); break;
  }
  return o.done();
}

std::string nameOrNull(E e) { return e == E::count ? "null" : json::str(elementName(e)); }

std::string clickedJson(const PlayStep& step, const Keyboard& keys) {
  json::Object o;
  o.raw("clicked", nameOrNull(step.clicked));
  if (step.byKey) o.raw("focus", nameOrNull(keys.focused()));
  return o.done();
}

class Player {
 public:
  Player(TForm1& form, FontLibrary& fonts, PictureStore& pictures, SaveKeeper* keeper, bool soundLog)
      : form_(form), renderer_(fonts, pictures), keeper_(keeper), soundLog_(soundLog) {
    form_.events().listen(true);
  }

  // Runs one command; false when the run ends (quit).
  bool run(const std::vector<std::string>& w) {
    const std::string& cmd = w[0];
    auto want = [&](std::size_t n) {
      if (w.size() != n) throw PlayError{quoted(cmd) + " takes " + std::to_string(n - 1) + " argument(s)"};
    };
    ScreenModel& sm = form_.screen();
    const PlayStep step = playAction(form_, w);
    if (step.kind == PlayStep::Kind::Clicked) {
      std::cout << clickedJson(step, form_.keyboard()) << '\n';
    } else if (step.kind == PlayStep::Kind::Ticks) {
      for (long long i = 0; i < step.ticks && !form_.closed(); ++i) {
        const bool running = form_.anyTimerEnabled();  // a beat with no scene changes nothing
        form_.tickInterval();
        if (keeper_ && running) keeper_->afterStep();
      }
    } else if (step.kind != PlayStep::Kind::Other) {
      // an action without an answer: done
    } else if (cmd == "state") {
      want(1);
      std::cout << stateJson(form_.state()) << '\n';
    } else if (cmd == "element") {
      want(2);
      std::cout << elementJson(sm, playElement(w[1])) << '\n';
    } else if (cmd == "visible") {
      want(1);
      std::string list = "[";
      bool first = true;
      for (E e : sm.drawOrder())
        if (*elementName(e)) {
          list += (first ? "" : ",") + json::str(elementName(e));
          first = false;
        }
      std::cout << json::Object().raw("visible", list + "]").done() << '\n';
    } else if (cmd == "message") {
      want(1);
      std::cout << json::Object()
                       .text("portrait", sm.get(E::kaow).picture)
                       .text("mes1", sm.get(E::mes1).caption)
                       .text("mes2", sm.get(E::mes2).caption)
                       .text("mes3", sm.get(E::mes3).caption)
                       .text("mes4", sm.get(E::mes4).caption)
                       .text("color", hexColor(sm.get(E::mes1).font.color))
                       .done()
                << '\n';
    } else if (cmd == "screenshot") {
      want(2);
      screenshot(w[1]);
    } else if (cmd == "save") {
      want(2);
      saveTo(w[1]);
    } else if (cmd == "load") {
      want(2);
      loadFrom(w[1]);
    } else if (cmd == "sounds") {
      want(1);
      std::string list = "[";
      for (std::size_t i = asked_; i < cues_.size(); ++i) list += (i > asked_ ? "," : "") + json::str(cues_[i].text());
      asked_ = cues_.size();
      std::cout << json::Object().raw("sounds", list + "]").done() << '\n';
    } else {
      throw PlayError{"unknown command " + quoted(cmd)};
    }
    if (keeper_ && step.kind != PlayStep::Kind::Ticks) keeper_->afterStep();
    // A picture the window would show and cannot is told here as the window tells it.
    sm.checkShownPictures();
    followSound();
    return !form_.closed();
  }

 private:
  void screenshot(const std::string& file) {
    Image shot;
    renderer_.render(form_.screen(), shot);
    if (form_.keyboard().focused() != E::count) drawFocusRing(shot, form_.keyboard().ring(), 0, renderer_.scale());
    std::string bytes;
    auto endsWith = [&file](const char* ext) {
      std::string e = ext;
      return file.size() >= e.size() && file.compare(file.size() - e.size(), e.size(), e) == 0;
    };
    if (endsWith(".png")) bytes = encodePng(shot);
    else if (endsWith(".bmp")) bytes = encodeBmp24(shot);
    else throw PlayError{"a screenshot is a .bmp or .png file"};
    writeWholeFile(file, bytes);
  }

  // The game as the autosave would write it now.
  void saveTo(const std::string& file) {
    try {
      writeFileAtomically(file, savedGameText(takeSavedGame(form_)));
    } catch (const SaveError& e) {
      throw PlayError{"save: " + std::string(e.what())};
    } catch (const StorageError& e) {
      throw PlayError{"save: " + std::string(e.what())};
    }
  }

  // As "続きから" from that file.
  void loadFrom(const std::string& file) {
    if (!form_.atTitle()) throw PlayError{"load: a game has already started in this run"};
    try {
      continueSavedGame(form_, readSavedGameFile(file));
    } catch (const SaveError& e) {
      throw PlayError{"load: " + quoted(file, 200) + ": " + e.what()};
    } catch (const StorageError& e) {
      // The reason names the file as the script gave it: shown quoted, as every echo of the script is.
      std::string why = e.what();
      const std::string raw = "\"" + file + "\"";
      if (why.rfind(raw, 0) == 0) why = quoted(file, 200) + why.substr(raw.size());
      throw PlayError{"load: " + why};
    }
  }

  // The cues of what the command did, in order; printed as they come with --sound-log.
  void followSound() {
    for (const SoundCue& cue : director_.follow(form_.events().take())) cues_.push_back(cue);
    for (; soundLog_ && logged_ < cues_.size(); ++logged_)
      std::cout << json::Object().text("sound", cues_[logged_].text()).done() << '\n';
  }

  TForm1& form_;
  ScreenRenderer renderer_;
  SaveKeeper* keeper_;
  SoundDirector director_;
  std::vector<SoundCue> cues_{SoundCue::music(director_.music())};  // the title's music first
  std::size_t asked_ = 0;   // the cues before this one were answered by "sounds"
  std::size_t logged_ = 0;  // and these printed by --sound-log
  bool soundLog_;
};

}  // namespace

int main(int argc, char** argv) {
  keepStandardStreamsTaken();
  std::ios::sync_with_stdio(false);  // our own buffers: only iostreams are used here
  std::uint32_t seed = static_cast<std::uint32_t>(std::time(nullptr));
  const char* scriptPath = nullptr;
  const char* saveDir = nullptr;  // without it no saved game is ever read or written on its own
  bool soundLog = false;
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    if (arg == "--save-dir" && i + 1 < argc && *argv[i + 1]) {
      saveDir = argv[++i];
    } else if (arg == "--seed" && i + 1 < argc) {
      try {
        seed = static_cast<std::uint32_t>(playNumber(argv[++i], 0, 4294967295LL));
      } catch (const PlayError& e) {
        std::cerr << "tenrali-play: --seed: " << e.what() << '\n';
        return 2;
      }
    } else if (arg == "--sound-log") {
      soundLog = true;
    } else if (arg == "--help" || arg == "--version") {
      std::cout << (arg == "--help" ? usage::kHelp : usage::kVersion) << std::flush;
      return std::cout ? 0 : 1;
    } else if (!scriptPath && arg.rfind("--", 0) != 0) {
      scriptPath = argv[i];
    } else {
      std::cerr << "tenrali-play: unexpected argument " << quoted(arg) << "\n" << usage::kUsage << usage::kMore;
      return 2;
    }
  }
  try {
    ScriptReader script(scriptPath ? scriptPath : "", "the script");
    FontLibrary fonts;
    DirectoryFileSource files(findGameFolder(argv[0]));
    FilePictureStore pictures(files);
    TForm1 form({fonts, pictures, files}, seed);
    std::optional<SaveKeeper> keeper;
    if (saveDir) {
      keeper.emplace(form, saveDir, [](const std::string& line) { std::cerr << line << '\n'; });
      keeper->start();
    }
    Player player(form, fonts, pictures, keeper ? &*keeper : nullptr, soundLog);
    // The answers go out together, and whenever the next command is not there yet: a driver
    // that waits for an answer gets it before the game waits for the next command.
    for (std::string line;;) {
      if (!script.ready()) flushAnswers();
      if (!script.next(line)) break;
      auto w = playWords(line);
      if (w.empty()) continue;
      try {
        if (!player.run(w)) {
          flushAnswers();
          return 0;
        }
      } catch (const PlayError& e) {
        flushAnswers();
        std::cerr << "tenrali-play: line " << script.lineNumber() << ": " << e.what() << '\n';
        return 2;
      }
    }
    flushAnswers();
  } catch (const AnswerError& e) {
    std::cerr << "tenrali-play: " << e.what() << '\n';
    return 1;
  } catch (const PlayError& e) {
    std::cerr << "tenrali-play: " << e.what() << '\n';
    return 2;
  } catch (const DataError& e) {
    std::cerr << "tenrali-play: " << e.what() << '\n';
    return 2;
  } catch (const FontError& e) {
    std::cerr << "tenrali-play: " << e.what() << '\n';
    return 2;
  }
  return 0;
}
