// A save killed at any instant leaves a save that loads: the one before or the new one, never a
// torn file. First a process killed at each step of one write, then the real headless game
// killed at random instants while it plays and saves.
//
//   TENRALI_KILL_RUNS   kills of the headless game (default 20)
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <random>
#include <thread>

#include "platform/save_keeper.h"
#include "save/saved_game.h"
#include "storage/files.h"
#include "support/saved_games.h"
#include "support/temp_folder.h"

namespace tenrali::test {
namespace {

namespace fs = std::filesystem;

// Which step the child dies at, and whether before or after it does its work.
int gKillAt = 0;
int gStep = 0;
void dieHere() {
  if (++gStep == gKillAt) ::raise(SIGKILL);
}

// A saved game on day 1 of seed s, as text.
std::string dayOne(std::uint32_t seed) {
  TestGame g(seed);
  g.startDay1();
  return savedGameText(takeSavedGame(g.form()));
}

TEST(SaveKill, AKillAtEachStepOfAWriteLeavesTheOldSaveOrTheNew) {
  TempFolder t;
  const std::string file = t / SaveKeeper::kFileName;
  const std::string before = dayOne(1), after = dayOne(2);
  int sawOld = 0, sawNew = 0;
  // The steps a write goes through, each a place to die: before and after each call, and in the
  // middle of the bytes.
  for (int killAt = 1;; ++killAt) {
    ASSERT_LT(killAt, 100) << "the write never ends";
    writeFileAtomically(file, before);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      gKillAt = killAt;
      WriteSteps& s = writeSteps();
      static const WriteSteps real = s;
      s.create = [](char* p) { dieHere(); int fd = real.create(p); dieHere(); return fd; };
      s.write = [](int fd, const void* b, unsigned long n) -> long {
        dieHere();
        const long half = real.write(fd, b, n > 1 ? n / 2 : n);  // half, then a chance to die mid-file
        dieHere();
        return half;
      };
      s.flush = [](int fd) { dieHere(); int r = real.flush(fd); dieHere(); return r; };
      s.rename = [](const char* a, const char* b) { dieHere(); int r = real.rename(a, b); dieHere(); return r; };
      writeFileAtomically(file, after);
      ::_exit(gStep < gKillAt ? 3 : 0);  // lived through every step: killAt was past the last one
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    if (WIFEXITED(status)) {
      ASSERT_EQ(WEXITSTATUS(status), 3) << "step " << killAt;
      break;
    }
    ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << "step " << killAt;
    const std::string now = slurp(file);
    ASSERT_TRUE(now == before || now == after) << "killed at step " << killAt << ", the save holds:\n" << now;
    (now == before ? sawOld : sawNew) += 1;
    EXPECT_NO_THROW(readSavedGame(now));
  }
  EXPECT_GT(sawOld, 3);
  EXPECT_GT(sawNew, 0);
}

std::uint64_t envNumber(const char* name, std::uint64_t fallback) {
  const char* v = std::getenv(name);
  return v && *v ? std::strtoull(v, nullptr, 10) : fallback;
}

// The headless game with a save folder, playing day after day (a save at each), killed at a
// random instant. Each time, what the folder holds must load and continue.
TEST(SaveKill, TheGameKilledAtRandomInstantsAlwaysLeavesALoadableSave) {
  TempFolder t;
  const std::string folder = t / "saves";
  const std::string save = folder + "/" + SaveKeeper::kFileName;
  const std::uint64_t runs = envNumber("TENRALI_KILL_RUNS", 20);
  std::mt19937_64 rng(20240613);

  auto script = [&](bool asked) {
    std::string s = "menu new\n";
    if (asked) s += "click byes\n";
    s += "tick\nclickat 300 200\n";
    for (int d = 0; d < 30; ++d) s += d % 7 == 3 ? "click menuk8\n" : "click menuk9\n";
    const std::string path = t / "kill.play";
    std::ofstream(path) << s;
    return path;
  };
  auto start = [&](const std::string& path) {
    const pid_t child = ::fork();
    if (child == 0) {
      if (::chdir(TENRALI_TEST_GAME_DIR) != 0) ::_exit(5);
      std::freopen("/dev/null", "w", stdout);
      std::freopen("/dev/null", "w", stderr);
      ::execl(TENRALI_TEST_PLAY_BINARY, "tenrali-play", "--seed", "7", "--save-dir", folder.c_str(), path.c_str(),
              static_cast<char*>(nullptr));
      ::_exit(6);
    }
    return child;
  };

  // One whole run first: how long a game of saves takes here.
  const auto began = std::chrono::steady_clock::now();
  int status = 0;
  ::waitpid(start(script(false)), &status, 0);
  ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  const auto whole = std::chrono::steady_clock::now() - began;
  const auto micros = std::chrono::duration_cast<std::chrono::microseconds>(whole).count();

  std::uint64_t midWrite = 0;
  for (std::uint64_t run = 0; run < runs; ++run) {
    const bool had = fs::exists(save);
    const std::string path = script(had);
    const pid_t child = start(path);
    std::this_thread::sleep_for(std::chrono::microseconds(std::uniform_int_distribution<long>(0, micros)(rng)));
    ::kill(child, SIGKILL);
    ::waitpid(child, &status, 0);
    for (const auto& entry : fs::directory_iterator(folder))
      if (entry.path().filename().string().find(".tmp-") != std::string::npos) {
        ++midWrite;  // killed between creating its temporary and renaming it
        fs::remove(entry.path());
      }
    ASSERT_TRUE(fs::exists(save) || !had) << "run " << run << ": the save is gone";
    for (const std::string& file : {save, save + ".bak"}) {
      if (!fs::exists(file)) continue;
      try {
        TestGame g;
        continueSavedGame(g.form(), readSavedGameFile(file));
      } catch (const SaveError& e) {
        FAIL() << "run " << run << ": " << file << " cannot be continued: " << e.what() << "\n" << slurp(file);
      }
    }
  }
  std::cout << "kill: " << runs << " kills within a run of " << micros / 1000 << " ms, " << midWrite
            << " of them in the middle of a write; every save loaded\n";
}

}  // namespace
}  // namespace tenrali::test
