#pragma once
// The plumbing of a recorded game: its lines read one at a time, each of a sane length, and the
// answers written out, with every failure to read or write told in one line, never lost.
#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>

namespace tenrali {

class ScriptReader {
 public:
  // A script line never needs more than this; a longer one is refused (a device or a binary
  // file given by mistake would otherwise be read without end).
  static constexpr std::size_t kMaxLineBytes = 4096;

  // Reads the file at `path` ("" for standard input); `what` names it in messages ("the script").
  // A replay read in whole before it plays (`plainFile`) must be a plain file of at most the
  // size the data files may have, as they must. Throws PlayError naming the file and why.
  ScriptReader(const std::string& path, const std::string& what, bool plainFile = false);
  ~ScriptReader();
  ScriptReader(const ScriptReader&) = delete;
  ScriptReader& operator=(const ScriptReader&) = delete;

  // The next line without its end (a byte-order mark before the first is dropped); false at the
  // end. Throws PlayError when the file cannot be read or the line is too long.
  bool next(std::string& line);
  // True when the next line can be had without waiting (or the end is known).
  bool ready() const;
  // The number of the line `next` gave last, from 1.
  int lineNumber() const { return lineNo_; }

 private:
  [[noreturn]] void fail(const std::string& why) const;
  int fd_ = 0;
  bool own_ = false;
  std::string name_;
  std::string buffer_;
  std::size_t start_ = 0;  // where the next line begins in buffer_
  bool ended_ = false;
  int lineNo_ = 0;
};

// Answers that could not be written: the run cannot go on (its status is not that of a bad script).
class AnswerError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Flushes the answers on standard output; throws AnswerError ("cannot write the answers: …") when
// they did not all get there.
void flushAnswers();

// Writes a whole file, a new one or over a plain file, never into a pipe, a device or a folder
// (a pipe without a reader would hold the game forever). Throws PlayError naming the file.
void writeWholeFile(const std::string& path, std::string_view bytes);

}  // namespace tenrali
