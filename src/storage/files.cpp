#include "storage/files.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <ctime>
#include <cstring>

namespace tenrali {

namespace {

[[noreturn]] void fail(const std::string& path, const std::string& what, int error = 0) {
  throw StorageError("\"" + path + "\": " + what + (error ? std::string(": ") + std::strerror(error) : ""));
}

std::string folderOf(const std::string& path) {
  const auto slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

WriteSteps systemSteps() {
  return {
      [](char* pattern) { return ::mkstemp(pattern); },
      [](int fd, const void* bytes, unsigned long size) { return static_cast<long>(::write(fd, bytes, size)); },
      [](int fd) { return ::fsync(fd); },
      [](int fd) { return ::close(fd); },
      [](const char* from, const char* to) { return ::rename(from, to); },
      [](const char* path) { return ::open(path, O_RDONLY | O_DIRECTORY | O_CLOEXEC); },
  };
}

// Closes a descriptor when it goes out of scope.
struct Descriptor {
  int fd;
  explicit Descriptor(int d) : fd(d) {}
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  ~Descriptor() {
    if (fd >= 0) ::close(fd);
  }
  // Closes now and says whether the last writes reached the file.
  int closeNow() {
    const int r = writeSteps().close(fd);
    fd = -1;
    return r;
  }
};

void writeAll(int fd, std::string_view bytes, const std::string& path) {
  while (!bytes.empty()) {
    const ssize_t n = writeSteps().write(fd, bytes.data(), bytes.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) fail(path, "cannot write", n < 0 ? errno : ENOSPC);
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
}

}  // namespace

void writeFileAtomically(const std::string& path, std::string_view bytes) {
  const std::string folder = folderOf(path);
  std::string temporary = path + ".tmp-XXXXXX";
  const WriteSteps& step = writeSteps();
  Descriptor out(step.create(temporary.data()));
  if (out.fd < 0) fail(path, "cannot create a file in \"" + folder + "\"", errno);
  try {
    writeAll(out.fd, bytes, temporary);
    if (step.flush(out.fd) != 0) fail(temporary, "cannot flush to disk", errno);
    if (out.closeNow() != 0) fail(temporary, "cannot close", errno);
    if (step.rename(temporary.c_str(), path.c_str()) != 0) fail(path, "cannot replace", errno);
  } catch (...) {
    ::unlink(temporary.c_str());
    throw;
  }
  // The rename is only durable once the folder itself is on disk.
  Descriptor dir(step.openFolder(folder.c_str()));
  if (dir.fd < 0 || step.flush(dir.fd) != 0) fail(folder, "cannot flush the folder to disk", errno);
}

WriteSteps& writeSteps() {
  static WriteSteps steps = systemSteps();
  return steps;
}

void removeStaleTemporaries(const std::string& path, long ageSeconds) {
  const std::string folder = folderOf(path);
  const std::string prefix = path.substr(path.rfind('/') + 1) + ".tmp-";
  DIR* dir = ::opendir(folder.c_str());
  if (!dir) return;
  const time_t now = ::time(nullptr);
  while (const dirent* entry = ::readdir(dir)) {
    const std::string name = entry->d_name;
    // Exactly the names mkstemp gives: the prefix and six characters.
    if (name.size() != prefix.size() + 6 || name.compare(0, prefix.size(), prefix) != 0) continue;
    const std::string old = folder + "/" + name;
    struct stat st {};
    if (::lstat(old.c_str(), &st) == 0 && S_ISREG(st.st_mode) && now - st.st_mtime > ageSeconds) ::unlink(old.c_str());
  }
  ::closedir(dir);
}

bool readPlainFile(const std::string& path, std::size_t limit, std::string& bytes) {
  // O_NONBLOCK: opening a pipe must not wait for a writer; the type is checked on what was
  // opened, so the file cannot be swapped between the check and the read.
  Descriptor in(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
  if (in.fd < 0) {
    if (errno == ENOENT || errno == ENOTDIR) return false;  // no such file, or a file where a folder should be
    fail(path, "cannot open", errno);
  }
  struct stat st {};
  if (::fstat(in.fd, &st) != 0) fail(path, "cannot read", errno);
  if (S_ISDIR(st.st_mode)) fail(path, "a folder, not a file");
  if (!S_ISREG(st.st_mode)) fail(path, "not a plain file");
  if (static_cast<unsigned long long>(st.st_size) > limit)
    fail(path, "larger than " + std::to_string(limit) + " bytes");
  bytes.clear();
  char buf[16384];
  for (;;) {
    const ssize_t n = ::read(in.fd, buf, sizeof buf);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) fail(path, "cannot read", errno);
    if (n == 0) break;
    bytes.append(buf, static_cast<std::size_t>(n));
    // A file may grow while it is read, or claim no size at all (/proc): the limit still holds.
    if (bytes.size() > limit) fail(path, "larger than " + std::to_string(limit) + " bytes");
  }
  return true;
}

void makeFolders(const std::string& path) {
  if (path.empty()) throw StorageError("no folder to write to (HOME is not set)");
  for (std::size_t i = 1; i <= path.size(); ++i) {
    if (i < path.size() && path[i] != '/') continue;
    const std::string part = path.substr(0, i);
    if (::mkdir(part.c_str(), 0700) != 0 && errno != EEXIST) fail(part, "cannot create the folder", errno);
  }
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) fail(path, "cannot create the folder", errno);
  if (!S_ISDIR(st.st_mode)) fail(path, "not a folder");
}

std::string moveAside(const std::string& path, std::string_view tag) {
  for (int n = 1; n < 1000; ++n) {
    const std::string aside = path + "." + std::string(tag) + "-" + std::to_string(n);
    // A hard link never replaces an existing name; then the old name goes.
    if (::link(path.c_str(), aside.c_str()) == 0) {
      if (::unlink(path.c_str()) != 0) fail(path, "cannot move aside", errno);
      return aside;
    }
    if (errno == EEXIST) continue;
    // Where hard links are not allowed, rename without replacing, as far as the folder allows.
    if (::access(aside.c_str(), F_OK) != 0 && errno == ENOENT) {
      if (::rename(path.c_str(), aside.c_str()) != 0) fail(path, "cannot move aside", errno);
      return aside;
    }
  }
  fail(path, "cannot move aside: too many files beside it");
}

}  // namespace tenrali
