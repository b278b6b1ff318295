// akuse.dat: 24 records of name and picture.
#include "fuzz_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tenrali;
  return fuzz::readOrRefuse(data, size, "akuse.dat", readAccessoryTable, [](const auto& table) {
    for (const AccessoryRecord& r : table) {
      fuzz::checkText(r.name, 30);
      fuzz::checkText(r.picture, 9);
    }
  });
}
