#pragma once
// What lasts beyond one run (saved games, settings) is read and written here, never beside the
// game's data. A file is written whole or not at all, and read only when it is a plain file of a
// sane size, so that a crash, a full disk or a strange file can never cost the player a game.
#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>

namespace tenrali {

// A file or folder of the player's that could not be read or written; what() names the path and
// the reason, ready to be shown.
class StorageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Writes `bytes` to `path` so that, whatever happens at any instant (a crash, a kill, a power
// cut), the path holds either its old contents or the new ones, never a torn file: a temporary
// file in the same folder is written, flushed to disk, renamed over the path, and the folder is
// flushed. The folder must exist. Throws StorageError; the old file is then left untouched.
void writeFileAtomically(const std::string& path, std::string_view bytes);

// Removes what writeFileAtomically(path, …) left behind when the writing process was killed:
// its temporary files older than `ageSeconds` (a younger one may belong to a run saving now).
void removeStaleTemporaries(const std::string& path, long ageSeconds);

// The system calls a write goes through. Tests swap one for a failing stand-in to see that a
// failure at each step leaves the old file whole; the game never changes them.
struct WriteSteps {
  int (*create)(char* pattern);
  long (*write)(int fd, const void* bytes, unsigned long size);
  int (*flush)(int fd);
  int (*close)(int fd);
  int (*rename)(const char* from, const char* to);
  int (*openFolder)(const char* path);
};
WriteSteps& writeSteps();

// The bytes of a plain file of at most `limit` bytes. A folder, a pipe, a device, a larger file
// or one that cannot be read throws StorageError; a missing file (or a path through a file)
// returns false.
bool readPlainFile(const std::string& path, std::size_t limit, std::string& bytes);

// Creates a folder and its parents where they are missing (for the player only). Throws
// StorageError when it cannot, or when the path is not a folder.
void makeFolders(const std::string& path);

// Moves a file aside under a new name beside it ("save.bad-1", "save.bad-2", …) and returns that
// name; never overwrites anything. Throws StorageError.
std::string moveAside(const std::string& path, std::string_view tag);

}  // namespace tenrali
