#include "platform/script_io.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>

#include "app/recorded_play.h"
#include "data/quoted.h"
#include "platform/file_source.h"

namespace tenrali {

namespace {

// Opens and says what was opened, so that what is checked is what will be read or written.
int openChecked(const std::string& path, int flags, struct stat& st) {
  const int fd = ::open(path.c_str(), flags | O_CLOEXEC | O_NOCTTY, 0666);
  if (fd < 0) return -1;
  if (::fstat(fd, &st) != 0) {
    const int e = errno;
    ::close(fd);
    errno = e;
    return -1;
  }
  return fd;
}

}  // namespace

ScriptReader::ScriptReader(const std::string& path, const std::string& what, bool plainFile)
    : name_(path.empty() ? what + " from standard input" : what + " " + quoted(path, 200)) {
  if (path.empty()) return;
  struct stat st {};
  // A script may come through a named pipe (its writer is waited for); a replay must not wait.
  fd_ = openChecked(path, O_RDONLY | (plainFile ? O_NONBLOCK : 0), st);
  if (fd_ < 0) fail(std::strerror(errno));
  own_ = true;
  if (S_ISDIR(st.st_mode)) fail("a folder, not a file");
  if (plainFile && !S_ISREG(st.st_mode)) fail("not a plain file");
  if (plainFile && static_cast<unsigned long long>(st.st_size) > kMaxDataFileBytes)
    fail("larger than " + std::to_string(kMaxDataFileBytes >> 20) + " MB");
}

ScriptReader::~ScriptReader() {
  if (own_) ::close(fd_);
}

void ScriptReader::fail(const std::string& why) const { throw PlayError{"cannot read " + name_ + ": " + why}; }

bool ScriptReader::next(std::string& line) {
  for (;;) {
    const std::size_t end = buffer_.find('\n', start_);
    const std::size_t length = (end == std::string::npos ? buffer_.size() : end) - start_;
    if (length > kMaxLineBytes)
      fail("line " + std::to_string(lineNo_ + 1) + " is longer than " + std::to_string(kMaxLineBytes) + " bytes");
    if (end != std::string::npos || (ended_ && length > 0)) {
      line.assign(buffer_, start_, length);
      start_ += length + (end != std::string::npos);
      if (++lineNo_ == 1 && line.rfind("\xEF\xBB\xBF", 0) == 0) line.erase(0, 3);
      return true;
    }
    if (ended_) return false;
    buffer_.erase(0, start_);
    start_ = 0;
    char chunk[16384];
    const ssize_t n = ::read(fd_, chunk, sizeof chunk);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) fail(std::strerror(errno));
    if (n == 0) ended_ = true;
    buffer_.append(chunk, static_cast<std::size_t>(n > 0 ? n : 0));
  }
}

bool ScriptReader::ready() const {
  if (ended_ || buffer_.find('\n', start_) != std::string::npos) return true;
  pollfd in{fd_, POLLIN, 0};
  return ::poll(&in, 1, 0) > 0;
}

void flushAnswers() {
  errno = 0;
  std::cout.flush();
  const bool failed = !std::cout || std::fflush(stdout) != 0 || std::ferror(stdout);
  if (failed)
    throw AnswerError{std::string("cannot write the answers: ") + (errno ? std::strerror(errno) : "write error")};
}

void writeWholeFile(const std::string& path, std::string_view bytes) {
  auto fail = [&path](const std::string& why) { throw PlayError{"cannot write " + quoted(path, 200) + ": " + why}; };
  struct stat st {};
  // Not waiting: a pipe with nobody reading it cannot be opened so, and is refused.
  const int fd = openChecked(path, O_WRONLY | O_CREAT | O_NONBLOCK, st);
  if (fd < 0) fail(errno == ENXIO ? "not a plain file" : errno == EISDIR ? "a folder, not a file" : std::strerror(errno));
  auto closeAndFail = [fd, &fail](const std::string& why) {
    ::close(fd);
    fail(why);
  };
  if (S_ISDIR(st.st_mode)) closeAndFail("a folder, not a file");
  if (!S_ISREG(st.st_mode)) closeAndFail("not a plain file");
  if (::ftruncate(fd, 0) != 0) closeAndFail(std::strerror(errno));
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) closeAndFail(n < 0 ? std::strerror(errno) : "nothing written");
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  if (::close(fd) != 0) fail(std::strerror(errno));
}

}  // namespace tenrali
