// Every script under tests/play/ is a game played through tenrali-play. A comment line
// "#> TEXT" right after a command that answers says that its answer holds TEXT.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "support/test_game.h"

namespace tenrali::test {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> scripts() {
  std::vector<std::string> out;
  for (const auto& entry : fs::directory_iterator(fs::path(TENRALI_TEST_SOURCE_DIR) / "tests" / "play"))
    if (entry.path().extension() == ".play") out.push_back(entry.path().stem().string());
  std::sort(out.begin(), out.end());
  return out;
}

bool answers(const std::string& command) {
  return command == "click" || command == "clickat" || command == "key" || command == "state" ||
         command == "element" || command == "visible" || command == "message" || command == "sounds";
}

class PlayScript : public ::testing::TestWithParam<std::string> {};

TEST_P(PlayScript, AnswersAsExpected) {
  fs::path path = fs::path(TENRALI_TEST_SOURCE_DIR) / "tests" / "play" / (GetParam() + ".play");
  std::ifstream in(path);
  std::stringstream all;
  all << in.rdbuf();
  const std::string script = all.str();

  int status = -1;
  std::string errors;
  std::vector<std::string> output = runPlay(script, 0, &status, &errors);
  EXPECT_EQ(status, 0) << errors;
  EXPECT_EQ(errors, "");

  std::istringstream lines(script);
  std::size_t next = 0;
  std::string current;
  int lineNo = 0, checks = 0;
  for (std::string line; std::getline(lines, line);) {
    ++lineNo;
    if (line.rfind("#>", 0) == 0) {
      std::string want = line.substr(line.size() > 2 && line[2] == ' ' ? 3 : 2);
      EXPECT_NE(current.find(want), std::string::npos)
          << path.filename().string() << ":" << lineNo << ": expected " << want << "\n in: " << current;
      ++checks;
      continue;
    }
    std::istringstream words(line);
    std::string command;
    if (!(words >> command) || command[0] == '#') continue;
    if (answers(command)) {
      ASSERT_LT(next, output.size()) << path.filename().string() << ":" << lineNo << ": no answer";
      current = output[next++];
    }
  }
  EXPECT_EQ(next, output.size()) << "more answers than commands that answer";
  EXPECT_GT(checks, 0) << "a script with nothing to check";
}

INSTANTIATE_TEST_SUITE_P(Scripts, PlayScript, ::testing::ValuesIn(scripts()),
                         [](const ::testing::TestParamInfo<std::string>& info) {
                           std::string name = info.param;
                           for (char& c : name)
                             if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                           return name;
                         });

}  // namespace
}  // namespace tenrali::test
