// tenrali-play: the game without a window. It reads commands, one per line, from a script or
// standard input, drives the same game core the window drives, and answers in JSON lines.
#include <charconv>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "app/form1.h"
#include "data/data_files.h"
#include "data/picture_files.h"
#include "data/png.h"
#include "json.h"
#include "platform/file_source.h"
#include "platform/fonts.h"
#include "platform/renderer.h"

using namespace tenrali;

namespace {

struct ScriptError {
  std::string what;
};

std::vector<std::string> words(const std::string& line) {
  std::istringstream in(line);
  std::vector<std::string> out;
  for (std::string w; in >> w;) out.push_back(w);
  return out;
}

template <class T>
T number(const std::string& text, T lo, T hi) {
  T value{};
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size() || value < lo || value > hi)
    throw ScriptError{"bad number \"" + text + "\""};
  return value;
}

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

E element(const std::string& name) {
  E e = findElement(name.c_str());
  if (e == E::count) throw ScriptError{"unknown element \"" + name + "\""};
  return e;
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
      for (int i = 0; i < f.length; ++i) list += (i ? "," : "") + std::to_string(*f.at(s, i));
      o.raw(f.name, list + "]");
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

std::string clickedJson(E hit) {
  return json::Object().raw("clicked", hit == E::count ? "null" : json::str(elementName(hit))).done();
}

class Player {
 public:
  Player(TForm1& form, FontLibrary& fonts, PictureStore& pictures) : form_(form), renderer_(fonts, pictures) {}

  // Runs one command; false when the run ends (quit).
  bool run(const std::vector<std::string>& w) {
    const std::string& cmd = w[0];
    auto want = [&](std::size_t n) {
      if (w.size() != n) throw ScriptError{"\"" + cmd + "\" takes " + std::to_string(n - 1) + " argument(s)"};
    };
    ScreenModel& sm = form_.screen();
    if (cmd == "seed") {
      want(2);
      form_.random().seed(number<std::uint32_t>(w[1], 0, 4294967295u));
    } else if (cmd == "menu") {
      want(2);
      if (w[1] == "new") form_.menuCommand(E::K2);
      else if (w[1] == "quit") form_.menuCommand(E::K4);
      else throw ScriptError{"unknown menu entry \"" + w[1] + "\""};
    } else if (cmd == "click") {
      want(2);
      E e = element(w[1]);
      if (sm.get(e).kind == Kind::Timer || sm.get(e).kind == Kind::MenuItem)
        throw ScriptError{"\"" + w[1] + "\" is not on the screen"};
      Rect r = sm.rect(e);
      std::cout << clickedJson(form_.clickAt(r.x + r.w / 2, r.y + r.h / 2)) << '\n';
    } else if (cmd == "clickat") {
      want(3);
      std::cout << clickedJson(form_.clickAt(number<int>(w[1], -100000, 100000), number<int>(w[2], -100000, 100000)))
                << '\n';
    } else if (cmd == "tick") {
      if (w.size() > 2) throw ScriptError{"\"tick\" takes at most 1 argument"};
      long long n = w.size() == 2 ? number<long long>(w[1], 0, 1000000000LL) : 1;
      for (long long i = 0; i < n && !form_.closed(); ++i) form_.tickInterval();
    } else if (cmd == "set") {
      want(3);
      set(w[1], number<std::int32_t>(w[2], INT32_MIN, INT32_MAX));
    } else if (cmd == "state") {
      want(1);
      std::cout << stateJson(form_.state()) << '\n';
    } else if (cmd == "element") {
      want(2);
      std::cout << elementJson(sm, element(w[1])) << '\n';
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
    } else {
      throw ScriptError{"unknown command \"" + cmd + "\""};
    }
    std::cout.flush();
    return !form_.closed();
  }

 private:
  void set(const std::string& target, std::int32_t value) {
    std::string name = target;
    int index = 0;
    bool indexed = false;
    if (auto open = target.find('['); open != std::string::npos) {
      if (target.back() != ']') throw ScriptError{"bad field \"" + target + "\""};
      name = target.substr(0, open);
      index = number<int>(target.substr(open + 1, target.size() - open - 2), 0, 1000);
      indexed = true;
    }
    const IntField* f = findIntField(name);
    if (!f) throw ScriptError{"unknown field \"" + name + "\""};
    if (indexed != (f->length > 1) || index >= f->length)
      throw ScriptError{"bad index for field \"" + target + "\""};
    *f->at(form_.state(), index) = value;
  }

  void screenshot(const std::string& file) {
    Image shot;
    renderer_.render(form_.screen(), shot);
    std::string bytes;
    auto endsWith = [&file](const char* ext) {
      std::string e = ext;
      return file.size() >= e.size() && file.compare(file.size() - e.size(), e.size(), e) == 0;
    };
    if (endsWith(".png")) bytes = encodePng(shot);
    else if (endsWith(".bmp")) bytes = encodeBmp24(shot);
    else throw ScriptError{"a screenshot is a .bmp or .png file"};
    std::ofstream out(file, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) throw ScriptError{"cannot write \"" + file + "\""};
  }

  TForm1& form_;
  ScreenRenderer renderer_;
};

}  // namespace

int main(int argc, char** argv) {
  std::uint32_t seed = static_cast<std::uint32_t>(std::time(nullptr));
  const char* scriptPath = nullptr;
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    if (arg == "--seed" && i + 1 < argc) {
      try {
        seed = number<std::uint32_t>(argv[++i], 0, 4294967295u);
      } catch (const ScriptError& e) {
        std::cerr << "tenrali-play: --seed: " << e.what << '\n';
        return 2;
      }
    } else if (!scriptPath && arg.rfind("--", 0) != 0) {
      scriptPath = argv[i];
    } else {
      std::cerr << "usage: tenrali-play [--seed N] [SCRIPT]\n";
      return 2;
    }
  }
  std::ifstream file;
  if (scriptPath) {
    file.open(scriptPath);
    if (!file) {
      std::cerr << "tenrali-play: cannot open the script \"" << scriptPath << "\"\n";
      return 2;
    }
  }
  std::istream& script = scriptPath ? static_cast<std::istream&>(file) : std::cin;

  try {
    FontLibrary fonts;
    DirectoryFileSource files(findGameFolder(argv[0]));
    FilePictureStore pictures(files);
    TForm1 form({fonts, pictures, files}, seed);
    Player player(form, fonts, pictures);
    std::string line;
    for (int lineNo = 1; std::getline(script, line); ++lineNo) {
      auto w = words(line);
      if (w.empty() || w[0][0] == '#') continue;
      try {
        if (!player.run(w)) return 0;
      } catch (const ScriptError& e) {
        std::cout.flush();
        std::cerr << "tenrali-play: line " << lineNo << ": " << e.what << '\n';
        return 2;
      }
    }
  } catch (const DataError& e) {
    std::cerr << "tenrali-play: " << e.what() << '\n';
    return 2;
  } catch (const FontError& e) {
    std::cerr << "tenrali-play: " << e.what() << '\n';
    return 2;
  }
  return 0;
}
