#pragma once
// The game folder: where tenki.dat and every picture lie side by side.
#include <cstdint>
#include <string>
#include <vector>

#include "data/file_source.h"

namespace tenrali {

// The largest file of the game folder that is read: our largest picture is 1 MB, the largest we
// could decode 64 MB.
inline constexpr std::uintmax_t kMaxDataFileBytes = 80u << 20;

class DirectoryFileSource : public FileSource {
 public:
  explicit DirectoryFileSource(std::string folder) : folder_(std::move(folder)) {}
  bool read(const std::string& bareName, std::string& bytes, std::string& error) override;
  bool readHead(const std::string& bareName, std::size_t limit, std::string& bytes, std::uint64_t& size,
                std::string& error) override;
  const std::string& folder() const { return folder_; }

 private:
  std::string folder_;
};

// The folder the game plays from: the working directory when it holds tenki.dat (a folder of
// data files the player points it at); otherwise the game folder beside the program (a build), the installed data
// folder, or the folder the program was built with. `program` is argv[0].
std::string findGameFolder(const char* program);

}  // namespace tenrali
