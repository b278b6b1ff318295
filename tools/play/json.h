#pragma once
// Just enough JSON for the headless driver's answers: one object per line, UTF-8 passed through.
#include <cstdint>
#include <string>
#include <string_view>

namespace tenrali::json {

inline std::string str(std::string_view s) {
  std::string out = "\"";
  for (char c : s) {
    switch (c) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      default:
        if (static_cast<unsigned char>(c) < 0x20) {
          char buf[8];
          std::snprintf(buf, sizeof buf, "\\u%04x", static_cast<unsigned>(c));
          out += buf;
        } else {
          out += c;
        }
    }
  }
  return out + "\"";
}

// Builds one object, keys in the order they are added.
class Object {
 public:
  Object& raw(std::string_view key, std::string_view value) {
    body_ += body_.empty() ? "" : ",";
    body_ += str(key);
    body_ += ':';
    body_ += value;
    return *this;
  }
  Object& text(std::string_view key, std::string_view value) { return raw(key, str(value)); }
  Object& num(std::string_view key, long long value) { return raw(key, std::to_string(value)); }
  Object& flag(std::string_view key, bool value) { return raw(key, value ? "true" : "false"); }
  std::string done() const { return "{" + body_ + "}"; }

 private:
  std::string body_;
};

}  // namespace tenrali::json
