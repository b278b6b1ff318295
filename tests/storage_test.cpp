// The player's files: written whole or not at all, read only when plain and small, settings that
// survive a bad file.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "storage/files.h"
#include "storage/folder_lock.h"
#include "storage/settings.h"
#include "storage/user_folders.h"
#include "support/temp_folder.h"

namespace tenrali::test {
namespace {

namespace fs = std::filesystem;

TEST(Storage, AWriteReplacesWholeOrLeavesTheOldFile) {
  TempFolder t;
  const std::string file = t / "save";
  writeFileAtomically(file, "first\n");
  writeFileAtomically(file, "second\n");
  EXPECT_EQ(slurp(file), "second\n");
  EXPECT_EQ(std::distance(fs::directory_iterator(t.path), fs::directory_iterator()), 1);  // no temporary left

  // A path that cannot take the file (a folder stands in the way): an error naming it, nothing lost.
  fs::create_directory(t / "taken");
  EXPECT_THROW(writeFileAtomically(t / "taken", "x"), StorageError);
  EXPECT_THROW(writeFileAtomically(t / "missing/save", "x"), StorageError);
  EXPECT_TRUE(fs::is_directory(t / "taken"));
  EXPECT_EQ(std::distance(fs::directory_iterator(t.path), fs::directory_iterator()), 2);
}

// A failure at each step of a write: an error naming the file, the old file whole, no temporary
// left behind. Past the rename the new file is in place; only its flush to disk is in doubt.
TEST(Storage, AFailureAtAnyStepOfAWriteLeavesTheOldFile) {
  TempFolder t;
  const std::string file = t / "save";
  WriteSteps& steps = writeSteps();
  const WriteSteps real = steps;
  struct Fault {
    const char* step;
    void (*inject)(WriteSteps&);
    bool renamed;
  } faults[] = {
      {"create", [](WriteSteps& s) { s.create = [](char*) { errno = EACCES; return -1; }; }, false},
      {"write",
       [](WriteSteps& s) {
         s.write = [](int, const void*, unsigned long) -> long {
           errno = ENOSPC;
           return -1;
         };
       },
       false},
      {"short write", [](WriteSteps& s) { s.write = [](int, const void*, unsigned long) -> long { return 0; }; },
       false},
      {"flush", [](WriteSteps& s) { s.flush = [](int) { errno = EIO; return -1; }; }, false},
      {"close", [](WriteSteps& s) { s.close = [](int fd) { ::close(fd); errno = EIO; return -1; }; }, false},
      {"rename", [](WriteSteps& s) { s.rename = [](const char*, const char*) { errno = EXDEV; return -1; }; }, false},
      {"open folder", [](WriteSteps& s) { s.openFolder = [](const char*) { errno = EMFILE; return -1; }; }, true},
  };
  for (const Fault& f : faults) {
    writeFileAtomically(file, "old\n");
    f.inject(steps);
    try {
      writeFileAtomically(file, "new\n");
      ADD_FAILURE() << f.step << ": no error";
    } catch (const StorageError& e) {
      EXPECT_NE(std::string(e.what()).find(t.path.string()), std::string::npos) << f.step << ": " << e.what();
    }
    steps = real;
    EXPECT_EQ(slurp(file), f.renamed ? "new\n" : "old\n") << f.step;
    EXPECT_EQ(std::distance(fs::directory_iterator(t.path), fs::directory_iterator()), 1)
        << f.step << ": a temporary left";
  }
}

TEST(Storage, OnlyPlainSmallFilesAreRead) {
  TempFolder t;
  std::string bytes;
  EXPECT_FALSE(readPlainFile(t / "none", 100, bytes));
  writeFileAtomically(t / "small", "12345");
  ASSERT_TRUE(readPlainFile(t / "small", 5, bytes));
  EXPECT_EQ(bytes, "12345");
  ASSERT_EQ(::mkfifo((t / "pipe").c_str(), 0600), 0);
  fs::create_symlink("/dev/zero", t / "zero");
  fs::create_symlink("/proc/self/status", t / "proc");  // claims no size, but has some
  struct Bad { std::string path; std::size_t limit; const char* says; } bad[] = {
      {t / "small", 4, "larger than 4 bytes"}, {t.path.string(), 100, "a folder"},
      {t / "pipe", 100, "not a plain file"},   {t / "zero", 100, "not a plain file"},
      {t / "proc", 10, "larger than 10 bytes"}};
  for (const Bad& b : bad) {
    try {
      readPlainFile(b.path, b.limit, bytes);
      ADD_FAILURE() << b.path;
    } catch (const StorageError& e) {
      EXPECT_NE(std::string(e.what()).find(b.says), std::string::npos) << e.what();
      EXPECT_NE(std::string(e.what()).find(b.path), std::string::npos) << e.what();
    }
  }
}

TEST(Storage, SettingsLastAndABadFileGivesTheDefaults) {
  TempFolder t;
  const std::string file = t / "config/tenrali/settings";
  {
    Settings s(file);
    s.load();
    EXPECT_TRUE(s.problem().empty());
    EXPECT_TRUE(s.flag("music", true));
    s.setFlag("music", false);
    s.setNumber("scale", 2);
    ASSERT_TRUE(s.save()) << s.problem();
  }
  Settings again(file);
  again.load();
  EXPECT_FALSE(again.flag("music", true));
  EXPECT_EQ(again.number("scale", 1, 1, 3), 2);
  EXPECT_EQ(again.number("scale", 1, 3, 4), 1);  // out of range: the fallback

  for (const char* garbage : {"", "tenrali-settings 2\nmusic on\n", "tenrali-settings 1\nno-value\n",
                              "\x89PNG\r\n\x1a\n"}) {
    writeFileAtomically(file, garbage);
    Settings s(file);
    s.load();
    EXPECT_NE(s.takeProblem().find(file), std::string::npos) << garbage;
    EXPECT_TRUE(s.flag("music", true));
    ASSERT_TRUE(s.save());
    EXPECT_EQ(slurp(file), "tenrali-settings 1\n");
    EXPECT_EQ(slurp(file + ".bad-1"), garbage);  // kept aside, never deleted
    fs::remove(file + ".bad-1");
  }
}

TEST(Storage, OneWindowAtATimeHoldsASaveFolder) {
  TempFolder dir;
  const std::string folder = dir / "saves";
  {
    FolderLock first(folder);  // the folder is made for it
    EXPECT_FALSE(first.heldElsewhere());
    EXPECT_TRUE(FolderLock(folder).heldElsewhere());
  }
  EXPECT_FALSE(FolderLock(folder).heldElsewhere());  // free again once the first has gone
  // A folder that cannot be made is nobody's: the game starts and its saving says what fails.
  std::ofstream(dir / "file") << "x";
  EXPECT_FALSE(FolderLock(dir / "file" + "/saves").heldElsewhere());
}

TEST(Storage, TheFoldersFollowTheDesktopsVariables) {
  const char* saved[] = {"HOME", "XDG_DATA_HOME", "XDG_CONFIG_HOME", "TENRALI_SAVE_DIR"};
  std::string old[4];
  for (int i = 0; i < 4; ++i) old[i] = std::getenv(saved[i]) ? std::getenv(saved[i]) : "\x01";
  ::setenv("HOME", "/home/p", 1);
  ::setenv("XDG_DATA_HOME", "relative", 1);  // ignored: not absolute
  ::unsetenv("XDG_CONFIG_HOME");
  ::unsetenv("TENRALI_SAVE_DIR");
  EXPECT_EQ(saveFolder(), "/home/p/.local/share/tenrali");
  EXPECT_EQ(settingsFolder(), "/home/p/.config/tenrali");
  ::setenv("XDG_DATA_HOME", "/data", 1);
  ::setenv("XDG_CONFIG_HOME", "/conf", 1);
  EXPECT_EQ(saveFolder(), "/data/tenrali");
  EXPECT_EQ(settingsFolder(), "/conf/tenrali");
  ::setenv("TENRALI_SAVE_DIR", "/mine", 1);
  EXPECT_EQ(saveFolder(), "/mine");
  for (int i = 0; i < 4; ++i)
    if (old[i] == "\x01") ::unsetenv(saved[i]);
    else ::setenv(saved[i], old[i].c_str(), 1);
}

}  // namespace
}  // namespace tenrali::test
