#include "platform/screenshot_file.h"

#include <sys/stat.h>

#include <stdexcept>

#include "data/png.h"
#include "storage/files.h"

namespace tenrali {

std::string saveScreenshot(const Image& picture, const std::string& folder, std::time_t when) {
  if (folder.empty()) throw std::runtime_error("there is no pictures folder and no home folder");
  char stamp[32];
  std::tm local{};
  localtime_r(&when, &local);
  std::strftime(stamp, sizeof stamp, "%Y-%m-%d-%H%M%S", &local);
  const std::string base = folder + "/tenrali-" + stamp;
  std::string path = base + ".png";
  struct stat st;
  for (int n = 2; lstat(path.c_str(), &st) == 0; ++n) {
    if (n > 99) throw std::runtime_error("too many screenshots of the same second in \"" + folder + "\"");
    path = base + "-" + std::to_string(n) + ".png";
  }
  writeFileAtomically(path, encodePng(picture));
  return path;
}

}  // namespace tenrali
