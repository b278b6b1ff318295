// tane.dat: 27 records of name, three numbers, picture.
#include "fuzz_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tenrali;
  return fuzz::readOrRefuse(data, size, "tane.dat", readSeedTable, [](const auto& table) {
    for (const SeedRecord& r : table) {
      fuzz::checkText(r.name, 12);
      fuzz::checkText(r.picture, 12);
    }
  });
}
