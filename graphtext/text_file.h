// Text files as every program of the tool chain reads and writes them.
//
// Reading: a line ends at LF, CR LF or a lone CR; the character 26 is the end of the
// file. An integer is a token after skipping every character of code 32 or below (so it
// may come from a later line) and ends at the next such character. Reading a line keeps
// at most 255 characters and skips the rest of the line.
//
// Writing: every line ends with CR LF, in files and on the console.
//
// Every operation is checked at once; a failure ends the program with the failure report.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "failure.h"

namespace graphtext {

inline constexpr int MAX_LINE = 255;

class TextReader {
 public:
  TextReader() = default;
  TextReader(const TextReader&) = delete;
  TextReader& operator=(const TextReader&) = delete;
  ~TextReader();

  void open(const char* name);
  void close();
  bool is_open() const { return fd_ >= 0; }
  const char* name() const { return name_; }

  // Skips every character of code 32 or below; true when anything but the end follows.
  bool more_records();
  // Reads one integer token; 0 when nothing but blanks and line ends remains.
  // A token that is not an optionally signed decimal fitting 32 bits fails with 106.
  int32_t read_int();
  // Skips blanks and other characters below 32 that do not end a line; true when the
  // current line is at its end (CR, LF, character 26 or the end of the file).
  bool at_line_end();
  // Moves past the next line end (or to the end of the file).
  void skip_line();
  // Reads the rest of the current line, at most 255 characters kept, and moves past its
  // line end. At the end of the file the line is empty. The view stays valid until the
  // next call.
  std::string_view read_line();
  // True when no character is left (or the next one is character 26).
  bool at_end();

  // Numbering of records for failure statements: `begin_record` marks where a record
  // starts; `record_number` and `record_line` tell which record and line that was.
  void begin_record();
  int32_t record_number() const { return record_number_; }
  int32_t record_line() const { return record_line_; }
  int32_t line_number() const { return line_; }

 private:
  static constexpr std::size_t BUFFER_SIZE = 1 << 16;
  static constexpr int END = -1;
  static constexpr unsigned char END_OF_FILE_CHARACTER = 26;

  // The next character without taking it, END at the end of the file.
  int peek() {
    if (pos_ < len_ && buffer_[pos_] != END_OF_FILE_CHARACTER) return buffer_[pos_];
    return peek_slow();
  }
  // Takes the next character, counting lines (a CR LF pair as one line end).
  int get() {
    int c = peek();
    if (c == END) return END;
    ++pos_;
    if (c == '\n' || (c == '\r' && peek() != '\n')) ++line_;
    return c;
  }
  int peek_slow();
  bool refill();
  void require_open() const;

  int fd_ = -1;
  bool ended_ = false;
  std::size_t pos_ = 0;
  std::size_t len_ = 0;
  int32_t line_ = 1;
  int32_t record_number_ = 0;
  int32_t record_line_ = 0;
  char name_[256] = "";
  char line_text_[MAX_LINE + 1] = "";
  unsigned char buffer_[BUFFER_SIZE];
};

class TextWriter : public FlushOnFailure {
 public:
  TextWriter() = default;
  TextWriter(const TextWriter&) = delete;
  TextWriter& operator=(const TextWriter&) = delete;
  ~TextWriter();

  // Creates (or replaces) the file.
  void create(const char* name);
  // Flushes and closes; a failed flush or close is a failed write.
  void close();
  bool is_open() const { return fd_ >= 0; }
  const char* name() const { return name_; }

  void write(std::string_view text);
  void write_char(char c);
  // Decimal, no leading zeros or blanks.
  void write_int(int64_t value);
  // Decimal right-aligned in a field of `width` characters (wider numbers in full).
  void write_int(int64_t value, int width);
  void end_line();

  // Standard output: flushed at every line end, so progress shows while a run goes on.
  static TextWriter& console();

  void flush();
  void flush_for_failure() noexcept override;

 private:
  static constexpr std::size_t BUFFER_SIZE = 1 << 16;

  void require_open() const;
  void put(const char* data, std::size_t size);

  int fd_ = -1;
  bool flush_each_line_ = false;
  std::size_t used_ = 0;
  char name_[256] = "";
  char buffer_[BUFFER_SIZE];
};

// The decimal text of a number, as the writers put it.
std::string_view decimal_text(int64_t value, char (&out)[24]);

}  // namespace graphtext
