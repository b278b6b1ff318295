#include "support/test_game.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <sys/wait.h>

namespace tenrali::test {

FontLibrary& sharedFonts() {
  static FontLibrary fonts;
  return fonts;
}

TestGame::TestGame(std::uint32_t seed, const std::string& folder) : files_(folder), pictures_(files_) {
  form_ = std::make_unique<TForm1>(TForm1::Ports{sharedFonts(), pictures_, files_}, seed);
  form_->screen().setWarningSink([this](const std::string& line) { warnings.push_back(line); });
}

E TestGame::click(E e) {
  Rect r = form_->screen().rect(e);
  return form_->clickAt(r.x + r.w / 2, r.y + r.h / 2);
}

E TestGame::click(const char* name) {
  E e = findElement(name);
  if (e == E::count) ADD_FAILURE() << "no element named " << name;
  return e == E::count ? E::count : click(e);
}

void TestGame::tick(int intervals) {
  for (int i = 0; i < intervals; ++i) form_->tickInterval();
}

void TestGame::startDay1() {
  menuNew();
  click(E::ivent);
}

void TestGame::startDay1With(const std::vector<std::pair<std::string, int>>& fields) {
  startDay1();
  for (const auto& [name, value] : fields) {
    std::int32_t* at = field(s(), name);
    if (!at) ADD_FAILURE() << "no field named " << name;
    else *at = value;
  }
  ScreenModel& screen = sm();
  for (int p = 1; p <= 3; ++p) {
    const int seed = s().potSeed(p), stage = s().potGrowth(p);
    if (seed > 8) continue;
    if (stage > 0) screen.loadPicture(kPots[p - 1], s().seedTable[static_cast<std::size_t>(3 * seed + stage - 1)].picture);
    screen.setCaption(kPlates[p - 1], s().seedTable[static_cast<std::size_t>(3 * seed)].name);
  }
  // What she wears, in the worn panel.
  for (int k = 0; k < 4; ++k) {
    const int index = accessoryWornAt(k, s().slotValue(k));
    if (index == kNoAccessory) continue;
    const AccessoryRecord& worn = s().accessoryTable[static_cast<std::size_t>(index)];
    screen.setCaption(kWornNames[k], worn.name);
    screen.loadPicture(kWornPictures[k], worn.picture);
  }
  form_->refreshStatus();
}

std::int32_t* field(GameState& s, const std::string& name) {
  std::string base = name;
  int index = 0;
  if (auto open = name.find('['); open != std::string::npos) {
    base = name.substr(0, open);
    index = std::stoi(name.substr(open + 1));
  }
  const IntField* f = findIntField(base);
  return f && index >= 0 && index < f->length ? f->at(s, index) : nullptr;
}

bool TestGame::shown(const char* name) const {
  E e = findElement(name);
  if (e == E::count) ADD_FAILURE() << "no element named " << name;
  return e != E::count && shown(e);
}

std::string TestGame::message() const {
  const ScreenModel& sm = form_->screen();
  return sm.get(E::kaow).picture + "|" + sm.get(E::mes1).caption + "|" + sm.get(E::mes2).caption + "|" +
         sm.get(E::mes3).caption + "|" + sm.get(E::mes4).caption;
}

std::string TestGame::visibleNames() const {
  std::string out;
  for (E e : form_->screen().drawOrder())
    if (*elementName(e)) out += std::string(out.empty() ? "" : " ") + elementName(e);
  return out;
}

std::vector<std::string> runPlay(const std::string& script, std::uint32_t seed, int* exitStatus,
                                 std::string* errors) {
  char scriptPath[] = "/tmp/tenrali-play-XXXXXX";
  int fd = mkstemp(scriptPath);
  std::string errPath = std::string(scriptPath) + ".err";
  {
    std::ofstream out(scriptPath);
    out << script;
  }
  close(fd);
  std::string cmd = std::string(TENRALI_TEST_PLAY_BINARY) + " --seed " + std::to_string(seed) + " " + scriptPath +
                    " 2>" + errPath;
  std::vector<std::string> lines;
  FILE* pipe = popen(cmd.c_str(), "r");
  std::string current;
  for (int c; (c = std::fgetc(pipe)) != EOF;) {
    if (c == '\n') {
      lines.push_back(current);
      current.clear();
    } else {
      current.push_back(static_cast<char>(c));
    }
  }
  int status = pclose(pipe);
  if (exitStatus) *exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  if (errors) {
    std::ifstream err(errPath);
    std::stringstream all;
    all << err.rdbuf();
    *errors = all.str();
  }
  std::remove(scriptPath);
  std::remove(errPath.c_str());
  return lines;
}

}  // namespace tenrali::test
