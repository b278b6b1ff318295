#include "data/data_files.h"

#include "data/cp932.h"
#include "data/quoted.h"
#include "data/token_reader.h"

namespace tenrali {

bool isBareFileName(const std::string& name) {
  if (name.empty() || name == "." || name == "..") return false;
  for (char c : name)
    if (c == '/' || c == '\\' || c == '\0') return false;
  return true;
}

namespace {

std::string hexByte(unsigned char c) {
  const char* digits = "0123456789ABCDEF";
  return std::string("0x") + digits[c >> 4] + digits[c & 15];
}

// Reads one file's records, with the file name and record number for every complaint.
class RecordReader {
 public:
  RecordReader(const char* file, int records, std::string_view bytes) : file_(file), records_(records), in_(bytes) {}

  void startRecord(int index) { record_ = index + 1; }

  // A text field of at most `width - 1` bytes of cp932 (its width includes the terminator).
  std::string text(const char* what, int width) {
    auto w = in_.word();
    if (!w) fail(std::string("the file ends before the ") + what);
    if (static_cast<int>(w->size()) > width - 1)
      fail(std::string("the ") + what + " is " + std::to_string(w->size()) + " bytes long, more than the " +
           std::to_string(width - 1) + " it may have");
    // A zero byte would end the text early and a control byte draws as nothing: neither is text.
    for (unsigned char c : *w)
      if (c < 0x20 || c == 0x7F) fail(std::string("the ") + what + " holds the control byte " + hexByte(c));
    auto utf8 = cp932ToUtf8(*w);
    if (!utf8) fail(std::string("the ") + what + " is not valid cp932 text");
    return *utf8;
  }

  std::int32_t number(const char* what) {
    std::int32_t value = 0;
    std::string_view token;
    switch (in_.number(value, token)) {
      case TokenReader::NumberError::None: return value;
      case TokenReader::NumberError::End: fail(std::string("the file ends before the ") + what);
      case TokenReader::NumberError::OutOfRange: fail(std::string("the ") + what + " is too large a number");
      case TokenReader::NumberError::NotANumber: break;
    }
    const auto shown = cp932ToUtf8(token);
    fail(std::string("the ") + what + " must be a number, not " + quoted(shown ? *shown : token));
  }

  [[noreturn]] void fail(const std::string& why) const {
    throw DataError(std::string(file_) + ": record " + std::to_string(record_) + " of " + std::to_string(records_) +
                    ": " + why);
  }

 private:
  const char* file_;
  int records_;
  int record_ = 0;
  TokenReader in_;
};

}  // namespace

std::array<WeatherRecord, 8> readWeatherTable(std::string_view bytes) {
  std::array<WeatherRecord, 8> table;
  RecordReader in("tenki.dat", 8, bytes);
  for (int i = 0; i < 8; ++i) {
    in.startRecord(i);
    auto& r = table[static_cast<std::size_t>(i)];
    r.name = in.text("weather name", 8);
    r.code = in.number("weather code");
    if (r.code < 0 || r.code > 7) in.fail("the weather code " + std::to_string(r.code) + " is not one of 0..7");
    r.picture = in.text("picture name", 8);
  }
  return table;
}

std::array<SeedRecord, 27> readSeedTable(std::string_view bytes) {
  std::array<SeedRecord, 27> table;
  RecordReader in("tane.dat", 27, bytes);
  for (int i = 0; i < 27; ++i) {
    in.startRecord(i);
    auto& r = table[static_cast<std::size_t>(i)];
    r.name = in.text("plant name", 12);
    r.number1 = in.number("first number");
    r.number2 = in.number("second number");
    r.number3 = in.number("third number");
    r.picture = in.text("picture name", 12);
  }
  return table;
}

std::array<AccessoryRecord, 24> readAccessoryTable(std::string_view bytes) {
  std::array<AccessoryRecord, 24> table;
  RecordReader in("akuse.dat", 24, bytes);
  for (int i = 0; i < 24; ++i) {
    in.startRecord(i);
    auto& r = table[static_cast<std::size_t>(i)];
    r.name = in.text("accessory name", 30);
    r.picture = in.text("picture name", 9);
  }
  return table;
}

void loadDataFiles(FileSource& files, GameState& state) {
  auto readAll = [&files](const char* name) {
    std::string bytes, error;
    if (!files.read(name, bytes, error)) throw DataError(std::string(name) + ": cannot be read (" + error + ")");
    return bytes;
  };
  state.weatherTable = readWeatherTable(readAll("tenki.dat"));
  state.seedTable = readSeedTable(readAll("tane.dat"));
  state.accessoryTable = readAccessoryTable(readAll("akuse.dat"));
}

}  // namespace tenrali
