#pragma once
// Pictures by bare file name, read through the FileSource and decoded once.
#include <memory>
#include <string>
#include <unordered_map>

#include "data/bmp.h"
#include "data/file_source.h"
#include "ui/picture_store.h"

namespace tenrali {

class FilePictureStore : public PictureStore {
 public:
  explicit FilePictureStore(FileSource& files) : files_(files) {}
  bool load(const std::string& name, int& width, int& height, std::string& error) override;
  const Image* image(const std::string& name) override;

 private:
  struct Entry {
    bool ok = false;
    Image image;
    std::string error;
  };
  const Entry& entry(const std::string& name);
  FileSource& files_;
  std::unordered_map<std::string, Entry> cache_;
};

}  // namespace tenrali
