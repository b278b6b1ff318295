#pragma once
// One window at a time keeps the game of a save folder: two would each save over the other's game
// in turn. The lock is a file in the folder held while the window is open, and it goes with the
// process however that ends (killed outright too), so a game that crashed never locks the next out.
#include <string>

namespace tenrali {

class FolderLock {
 public:
  // Takes the lock of `folder`, creating the folder when missing.
  explicit FolderLock(const std::string& folder);
  ~FolderLock();
  FolderLock(const FolderLock&) = delete;
  FolderLock& operator=(const FolderLock&) = delete;

  // True when another process holds the folder. A folder that cannot be created or locked (no
  // home, a read-only disk) is not held by anyone: the game starts, and its saving says what fails.
  bool heldElsewhere() const { return heldElsewhere_; }

 private:
  int fd_ = -1;
  bool heldElsewhere_ = false;
};

}  // namespace tenrali
