// A saved game as text a person can read: one "name value…" a line. Reading trusts nothing: the
// file may be cut short, edited by hand, written by a newer game or not ours at all, and a game
// that breaks a rule of its own must never reach the screen.
#include <cctype>
#include <charconv>
#include <cstdio>
#include <vector>

#include "save/saved_game.h"
#include "save/saved_game_rules.h"

namespace tenrali {

namespace {

constexpr std::string_view kFormatName = "tenrali-save";
constexpr std::size_t kLongestLine = 1000;
constexpr std::size_t kLongestText = 200;  // bytes of one message line

const char* const kMessageKeys[5] = {"portrait", "mes1", "mes2", "mes3", "mes4"};

std::string quoted(std::string_view s) {
  std::string out = "\"";
  for (char c : s) {
    if (c == '"' || c == '\\') out += '\\';
    out += c;
  }
  return out + "\"";
}

std::string flags(const std::array<bool, 3>& f) {
  return std::string(f[0] ? "1" : "0") + " " + (f[1] ? "1" : "0") + " " + (f[2] ? "1" : "0");
}

std::string hexColor(Rgb c) {
  char text[8];
  std::snprintf(text, sizeof text, "#%02X%02X%02X", c.r, c.g, c.b);
  return text;
}

// A colour as the file writes it: "#RRGGBB".
bool readColor(std::string_view w, Rgb& c) {
  unsigned v = 0;
  if (w.size() != 7 || w[0] != '#') return false;
  for (char d : w.substr(1))
    if (!std::isxdigit(static_cast<unsigned char>(d))) return false;
  std::from_chars(w.data() + 1, w.data() + 7, v, 16);
  c = Rgb{static_cast<std::uint8_t>(v >> 16), static_cast<std::uint8_t>(v >> 8), static_cast<std::uint8_t>(v)};
  return true;
}

[[noreturn]] void fail(int line, const std::string& what) { failOnLine(line, what); }

// Whole UTF-8 sequences only: no overlong forms, no surrogates, nothing past U+10FFFF.
bool validUtf8(std::string_view s) {
  for (std::size_t i = 0; i < s.size();) {
    const auto c = static_cast<unsigned char>(s[i]);
    std::size_t n = c < 0x80 ? 1 : (c >> 5) == 0x6 ? 2 : (c >> 4) == 0xE ? 3 : (c >> 3) == 0x1E ? 4 : 0;
    if (n == 0 || i + n > s.size()) return false;
    std::uint32_t cp = n == 1 ? c : c & (0x7F >> n);
    for (std::size_t k = 1; k < n; ++k) {
      const auto d = static_cast<unsigned char>(s[i + k]);
      if ((d & 0xC0) != 0x80) return false;
      cp = (cp << 6) | (d & 0x3F);
    }
    const std::uint32_t least[5] = {0, 0, 0x80, 0x800, 0x10000};
    if (cp < least[n] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
    i += n;
  }
  return true;
}

std::vector<std::string_view> words(std::string_view s) {
  std::vector<std::string_view> out;
  std::size_t at = 0;
  while (at <= s.size()) {
    const std::size_t space = s.find(' ', at);
    out.push_back(s.substr(at, space == std::string_view::npos ? std::string_view::npos : space - at));
    if (space == std::string_view::npos) break;
    at = space + 1;
  }
  return out;
}

template <typename T>
bool number(std::string_view w, T& value) {
  if (w.empty() || w[0] == '+' || (w.size() > 1 && w[0] == '0') || (w.size() > 2 && w[0] == '-' && w[1] == '0'))
    return false;  // one spelling for each number
  auto [end, ec] = std::from_chars(w.data(), w.data() + w.size(), value);
  return ec == std::errc() && end == w.data() + w.size();
}

// One line of the file after its name: the values it holds.
class Line {
 public:
  Line(int no, std::string_view key, std::string_view rest) : no_(no), key_(key), rest_(rest) {}

  std::vector<std::int64_t> numbers(std::size_t count, std::int64_t lo, std::int64_t hi) const {
    const auto w = words(rest_);
    if (w.size() != count)
      fail(no_, "\"" + key_ + "\" needs " + std::to_string(count) + (count == 1 ? " number" : " numbers") +
                    ", not \"" + std::string(rest_) + "\"");
    std::vector<std::int64_t> out;
    for (auto word : w) {
      std::int64_t v = 0;
      if (!number(word, v)) fail(no_, "\"" + key_ + "\" holds \"" + std::string(word) + "\", not a whole number");
      if (v < lo || v > hi)
        fail(no_, "\"" + key_ + "\" is " + std::to_string(v) + ", outside " + std::to_string(lo) + ".." +
                      std::to_string(hi));
      out.push_back(v);
    }
    return out;
  }
  std::int64_t one(std::int64_t lo, std::int64_t hi) const { return numbers(1, lo, hi)[0]; }
  std::array<bool, 3> flags() const {
    const auto v = numbers(3, 0, 1);
    return {v[0] == 1, v[1] == 1, v[2] == 1};
  }

  std::uint64_t bigNumber() const {
    std::uint64_t v = 0;
    if (!number(rest_, v)) fail(no_, "\"" + key_ + "\" holds \"" + std::string(rest_) + "\", not a number 0..2^64-1");
    return v;
  }

  std::string text() const {
    if (rest_.size() < 2 || rest_.front() != '"' || rest_.back() != '"')
      fail(no_, "\"" + key_ + "\" needs a text in double quotes");
    std::string out;
    for (std::size_t i = 1; i + 1 < rest_.size(); ++i) {
      char c = rest_[i];
      if (c == '"') fail(no_, "\"" + key_ + "\": a double quote inside the text must be written \\\"");
      if (c == '\\') {
        if (i + 2 >= rest_.size() || (rest_[i + 1] != '"' && rest_[i + 1] != '\\'))
          fail(no_, "\"" + key_ + "\": a backslash must be followed by \\ or \"");
        c = rest_[++i];
      }
      if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) fail(no_, "\"" + key_ + "\" holds a control character");
      out += c;
    }
    if (out.size() > kLongestText)
      fail(no_, "\"" + key_ + "\" is longer than " + std::to_string(kLongestText) + " bytes");
    return out;
  }

  Rgb color() const {
    Rgb c;
    if (!readColor(rest_, c)) fail(no_, "\"" + key_ + "\" needs a colour #RRGGBB, not \"" + std::string(rest_) + "\"");
    return c;
  }

  // Three stars: "-" for one not shown, else its colour.
  std::array<std::optional<Rgb>, 3> stars() const {
    const auto w = words(rest_);
    if (w.size() != 3) fail(no_, "\"" + key_ + "\" needs three stars, each - or #RRGGBB");
    std::array<std::optional<Rgb>, 3> out;
    for (std::size_t i = 0; i < 3; ++i) {
      Rgb c;
      if (w[i] == "-") continue;
      if (!readColor(w[i], c)) fail(no_, "\"" + key_ + "\" holds \"" + std::string(w[i]) + "\", neither - nor #RRGGBB");
      out[i] = c;
    }
    return out;
  }

  int no() const { return no_; }

 private:
  int no_;
  std::string key_;
  std::string_view rest_;
};

// A bare picture name as the game's own files have them: no folders, no surprises.
bool pictureName(const std::string& s) {
  if (s.size() < 5 || s.size() > 32 || s.compare(s.size() - 4, 4, ".bmp") != 0 || s[0] == '.') return false;
  for (char c : s)
    if (!(std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '-' || c == '.')) return false;
  return true;
}

}  // namespace

std::string savedGameText(const SavedGame& g) {
  std::string out;
  out.reserve(1500);
  out += std::string(kFormatName) + " " + std::to_string(kSaveVersion) + "\n";
  out += "# A game of Tenrali, saved on the home screen: the game state by field name, the random\n"
         "# source, and what the home screen shows that the fields do not say.\n";
  out += std::string("won ") + (g.won ? "1" : "0") + "\n";
  for (const IntField& f : intFields()) {
    out += f.name;
    for (int i = 0; i < f.length; ++i) out += " " + std::to_string(f.get(g.state, i));
    out += '\n';
  }
  out += "random " + std::to_string(g.random) + "\n";
  out += "todayWeather " + std::to_string(g.todayWeather) + "\n";
  out += "withered " + flags(g.withered) + "\n";
  out += "stars";
  for (const auto& star : g.stars) out += " " + (star ? hexColor(*star) : std::string("-"));
  out += "\n";
  out += "portrait " + quoted(g.portrait) + "\n";
  for (std::size_t i = 0; i < 4; ++i) out += std::string(kMessageKeys[i + 1]) + " " + quoted(g.lines[i]) + "\n";
  out += "messageColor " + hexColor(g.color) + "\n";
  return out;
}

namespace {
SavedGame readWhole(std::string_view text);
}

SavedGame readSavedGame(std::string_view text) {
  try {
    return readWhole(text);
  } catch (const SaveError& e) {
    // Every save ends with a line break: without one the end of the file is missing.
    if (text.empty() || text.back() == '\n' || std::string_view(e.what()).find("cut short") != std::string_view::npos)
      throw;
    throw SaveError(std::string(e.what()) + " (the file is cut short)");
  }
}

namespace {

SavedGame readWhole(std::string_view text) {
  if (text.size() > kSaveSizeLimit) fail(0, "larger than " + std::to_string(kSaveSizeLimit) + " bytes");
  if (text.find('\0') != std::string_view::npos || !validUtf8(text)) fail(0, "not a text file (not UTF-8)");

  SavedGame g;
  std::map<std::string, int> lineOf;
  bool first = true;
  int no = 0;
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t end = std::min(text.find('\n', at), text.size());
    std::string_view line = text.substr(at, end - at);
    at = end + 1;
    ++no;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.size() > kLongestLine) fail(no, "longer than " + std::to_string(kLongestLine) + " bytes");
    if (first) {
      first = false;
      const std::string head = std::string(kFormatName) + " ";
      if (line.substr(0, head.size()) != head)
        fail(0, "not a saved game of Tenrali (the first line is not \"" + head + std::to_string(kSaveVersion) + "\")");
      int version = 0;
      if (!number(line.substr(head.size()), version) || version < 1)
        fail(1, "\"" + std::string(line) + "\" names no version of the format");
      if (version > kSaveVersion)
        fail(1, "written by a newer game (format " + std::to_string(version) + "; this game reads format " +
                    std::to_string(kSaveVersion) + ")");
      continue;
    }
    if (line.empty() || line[0] == '#') continue;
    const std::size_t space = line.find(' ');
    if (space == std::string_view::npos) fail(no, "\"" + std::string(line) + "\" has no value");
    const std::string key(line.substr(0, space));
    const Line value(no, key, line.substr(space + 1));
    if (!lineOf.emplace(key, no).second)
      fail(no, "\"" + key + "\" comes twice (first on line " + std::to_string(lineOf[key]) + ")");

    if (const IntField* f = findIntField(key)) {
      const FieldRange& r = rangeOf(f->name);
      const auto v = value.numbers(static_cast<std::size_t>(f->length), r.lo, r.hi);
      for (int i = 0; i < f->length; ++i)
        *f->at(g.state, i) = static_cast<std::int32_t>(v[static_cast<std::size_t>(i)]);
    } else if (key == "won") {
      g.won = value.one(0, 1) == 1;
    } else if (key == "random") {
      g.random = value.bigNumber();
    } else if (key == "todayWeather") {
      g.todayWeather = static_cast<int>(value.one(0, 7));
    } else if (key == "withered") {
      g.withered = value.flags();
    } else if (key == "stars") {
      g.stars = value.stars();
    } else if (key == "portrait") {
      g.portrait = value.text();
      if (!pictureName(g.portrait)) fail(no, "\"portrait\" is \"" + g.portrait + "\", not the name of a picture");
    } else if (key == "mes1" || key == "mes2" || key == "mes3" || key == "mes4") {
      g.lines[static_cast<std::size_t>(key[3] - '1')] = value.text();
    } else if (key == "messageColor") {
      g.color = value.color();
    } else {
      fail(no, "\"" + key + "\" is not a line of a saved game");
    }
  }
  if (first) fail(0, "empty");
  std::vector<std::string> keys = {"won", "random", "todayWeather", "withered", "stars", "messageColor"};
  for (const char* k : kMessageKeys) keys.push_back(k);
  for (const IntField& f : intFields()) keys.push_back(f.name);
  for (const auto& k : keys)
    if (!lineOf.count(k)) fail(0, "\"" + k + "\" is missing (the file may be cut short)");
  checkRules(g, lineOf);
  return g;
}

}  // namespace

}  // namespace tenrali
