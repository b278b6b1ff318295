#include "platform/file_source.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>

namespace tenrali {

namespace fs = std::filesystem;

namespace {
// Our largest picture is 1 MB; the largest we could decode, 64 MB.
constexpr std::uintmax_t kMaxFileBytes = 80u << 20;
}  // namespace

namespace {

// The file's bytes, up to `limit` of them, through one descriptor: a plain file only, and never
// one larger than we would ever read.
bool readFile(const fs::path& path, std::size_t limit, std::string& bytes, std::uint64_t& size, std::string& error) {
  std::error_code ec;
  if (fs::is_directory(path, ec)) {
    error = "a folder, not a file";
    return false;
  }
  // Only a plain file of a sane size: a pipe would block the game forever, a device never end.
  const fs::file_status status = fs::status(path, ec);
  if (fs::exists(status) && !fs::is_regular_file(status)) {
    error = "not a plain file";
    return false;
  }
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) {
    error = std::strerror(errno);
    return false;
  }
  struct stat st;
  bool ok = fstat(fd, &st) == 0;
  if (!ok) {
    error = std::strerror(errno);
  } else if (!S_ISREG(st.st_mode)) {
    error = "not a plain file";
    ok = false;
  } else if (static_cast<std::uintmax_t>(st.st_size) > kMaxFileBytes) {
    error = "larger than " + std::to_string(kMaxFileBytes >> 20) + " MB";
    ok = false;
  }
  if (ok) {
    size = static_cast<std::uint64_t>(st.st_size);
    bytes.resize(std::min<std::size_t>(limit, static_cast<std::size_t>(st.st_size)));
    std::size_t got = 0;
    while (got < bytes.size()) {
      const ssize_t n = ::read(fd, bytes.data() + got, bytes.size() - got);
      if (n < 0 && errno == EINTR) continue;
      if (n < 0) {
        error = "read error";
        ok = false;
        break;
      }
      if (n == 0) break;  // the file shrank under us: what is there
      got += static_cast<std::size_t>(n);
    }
    bytes.resize(got);
    if (got < limit && size > got) size = got;
  }
  ::close(fd);
  return ok;
}

}  // namespace

bool DirectoryFileSource::read(const std::string& bareName, std::string& bytes, std::string& error) {
  std::uint64_t size = 0;
  return readHead(bareName, kMaxFileBytes, bytes, size, error);
}

bool DirectoryFileSource::readHead(const std::string& bareName, std::size_t limit, std::string& bytes,
                                   std::uint64_t& size, std::string& error) {
  if (!isBareFileName(bareName)) {
    error = "not a bare file name";
    return false;
  }
  return readFile(fs::path(folder_) / bareName, limit, bytes, size, error);
}

std::string findGameFolder(const char* program) {
  std::error_code ec;
  auto holdsData = [&ec](const fs::path& dir) { return fs::is_regular_file(dir / "tenki.dat", ec); };
  if (holdsData(fs::current_path(ec))) return ".";
  fs::path self = fs::read_symlink("/proc/self/exe", ec);
  if (ec && program) self = fs::absolute(program, ec);
  std::vector<fs::path> candidates;
  if (!self.empty()) {
    candidates.push_back(self.parent_path() / "game");
    candidates.push_back(self.parent_path().parent_path() / "share" / "tenrali");
  }
#ifdef TENRALI_INSTALL_DATA_DIR
  candidates.emplace_back(TENRALI_INSTALL_DATA_DIR);
#endif
#ifdef TENRALI_BUILD_GAME_DIR
  candidates.emplace_back(TENRALI_BUILD_GAME_DIR);
#endif
  for (const auto& dir : candidates)
    if (holdsData(dir)) return dir.string();
  return ".";  // nothing found: the data files will be reported missing from the working directory
}

}  // namespace tenrali
