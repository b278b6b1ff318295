#include "platform/file_source.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace tenrali {

namespace fs = std::filesystem;

bool DirectoryFileSource::read(const std::string& bareName, std::string& bytes, std::string& error) {
  if (!isBareFileName(bareName)) {
    error = "not a bare file name";
    return false;
  }
  fs::path path = fs::path(folder_) / bareName;
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
  if (fs::exists(status) && fs::file_size(path, ec) > kMaxDataFileBytes) {
    error = "larger than " + std::to_string(kMaxDataFileBytes >> 20) + " MB";
    return false;
  }
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    error = std::strerror(errno);
    return false;
  }
  std::ostringstream all;
  all << in.rdbuf();
  if (in.bad()) {
    error = "read error";
    return false;
  }
  bytes = std::move(all).str();
  return true;
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
