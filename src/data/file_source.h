#pragma once
// The core reads files only through this port: a file by its bare name, since the game keeps its
// data files and pictures side by side in one folder.
#include <cstddef>
#include <cstdint>
#include <string>

namespace tenrali {

class FileSource {
 public:
  virtual ~FileSource() = default;
  // The bytes of the file with this bare name; false with a short reason when it cannot be read.
  virtual bool read(const std::string& bareName, std::string& bytes, std::string& error) = 0;
  // The first `limit` bytes of the file (all of it when it is shorter) and its whole size, for a
  // look at a header without reading what follows it.
  virtual bool readHead(const std::string& bareName, std::size_t limit, std::string& bytes, std::uint64_t& size,
                        std::string& error) {
    if (!read(bareName, bytes, error)) return false;
    size = bytes.size();
    if (bytes.size() > limit) bytes.resize(limit);
    return true;
  }
};

// A bare name names a file in the game folder and nothing else: no folders, no way out of it.
bool isBareFileName(const std::string& name);

}  // namespace tenrali
