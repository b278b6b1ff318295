// tenki.dat: 8 records of name, weather code, picture.
#include "fuzz_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tenrali;
  return fuzz::readOrRefuse(data, size, "tenki.dat", readWeatherTable, [](const auto& table) {
    for (const WeatherRecord& r : table) {
      fuzz::checkText(r.name, 8);
      fuzz::checkText(r.picture, 8);
      if (r.code < 0 || r.code > 7) fuzz::fault("a weather code outside 0..7");
    }
  });
}
