#pragma once
// The core reads files only through this port: a file by its bare name, as the game always
// found its data files and pictures side by side in one folder.
#include <string>

namespace tenrali {

class FileSource {
 public:
  virtual ~FileSource() = default;
  // The bytes of the file with this bare name; false with a short reason when it cannot be read.
  virtual bool read(const std::string& bareName, std::string& bytes, std::string& error) = 0;
};

// A bare name names a file in the game folder and nothing else: no folders, no way out of it.
bool isBareFileName(const std::string& name);

}  // namespace tenrali
