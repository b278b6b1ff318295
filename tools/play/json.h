#pragma once
// Just enough JSON for the headless driver's answers: one object per line, UTF-8 passed through.
// Everything is appended in place: a whole game prints a few hundred thousand of these.
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

namespace tenrali::json {

// Appends s as a JSON string.
inline void appendStr(std::string& out, std::string_view s) {
  out += '"';
  std::size_t plain = 0;  // start of the run of characters that need no escape
  for (std::size_t i = 0; i < s.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(s[i]);
    if (c >= 0x20 && c != '"' && c != '\\') continue;
    out.append(s, plain, i - plain);
    plain = i + 1;
    switch (c) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      default: {
        char buf[8];
        std::snprintf(buf, sizeof buf, "\\u%04x", static_cast<unsigned>(c));
        out += buf;
      }
    }
  }
  out.append(s, plain, s.size() - plain);
  out += '"';
}

inline std::string str(std::string_view s) {
  std::string out;
  appendStr(out, s);
  return out;
}

// Appends a whole number.
inline void appendNum(std::string& out, long long value) {
  char buf[24];
  const auto end = std::to_chars(buf, buf + sizeof buf, value).ptr;
  out.append(buf, end);
}

// Builds one object, keys in the order they are added.
class Object {
 public:
  Object() { body_ += '{'; }
  Object& raw(std::string_view key, std::string_view value) {
    this->key(key);
    body_ += value;
    return *this;
  }
  Object& text(std::string_view key, std::string_view value) {
    this->key(key);
    appendStr(body_, value);
    return *this;
  }
  Object& num(std::string_view key, long long value) {
    this->key(key);
    appendNum(body_, value);
    return *this;
  }
  Object& flag(std::string_view key, bool value) { return raw(key, value ? "true" : "false"); }
  std::string done() const { return body_ + '}'; }

 private:
  void key(std::string_view k) {
    if (body_.size() > 1) body_ += ',';
    appendStr(body_, k);
    body_ += ':';
  }
  std::string body_;
};

}  // namespace tenrali::json
