#include "text_file.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace graphtext {
namespace {


bool is_line_end(int c) { return c == '\r' || c == '\n'; }

void copy_name(char (&to)[256], const char* from) {
  std::snprintf(to, sizeof to, "%s", from);
}

// Parses a token as an optionally signed decimal that fits 32 bits.
bool parse_int32(const char* token, std::size_t size, int32_t& value) {
  std::size_t i = 0;
  bool negative = false;
  if (i < size && (token[i] == '+' || token[i] == '-')) {
    negative = token[i] == '-';
    ++i;
  }
  if (i == size) return false;
  int64_t magnitude = 0;
  for (; i < size; ++i) {
    if (token[i] < '0' || token[i] > '9') return false;
    magnitude = magnitude * 10 + (token[i] - '0');
    if (magnitude > 2147483648LL) return false;
  }
  if (!negative && magnitude > 2147483647LL) return false;
  value = static_cast<int32_t>(negative ? -magnitude : magnitude);
  return true;
}

// Closes the descriptor (marking it closed first) and fails on an error.
void close_checked(int& fd, const char* name) {
  int closing = fd;
  fd = -1;
  if (::close(closing) != 0) {
    int err = errno;
    fail(report_code(err, name, Operation::Close), Operation::Close, "cannot close \"%s\": %s",
         name, std::strerror(err));
  }
}

}  // namespace

std::string_view decimal_text(int64_t value, char (&out)[24]) {
  if (value >= 0 && value < 10) {
    out[0] = static_cast<char>('0' + value);
    return {out, 1};
  }
  if (value >= 10 && value < 100) {
    out[0] = static_cast<char>('0' + value / 10);
    out[1] = static_cast<char>('0' + value % 10);
    return {out, 2};
  }
  // Digits from the back; the magnitude as unsigned so that the smallest value fits.
  uint64_t magnitude = value < 0 ? 0 - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
  std::size_t pos = sizeof out;
  do {
    out[--pos] = static_cast<char>('0' + magnitude % 10);
    magnitude /= 10;
  } while (magnitude != 0);
  if (value < 0) out[--pos] = '-';
  return {out + pos, sizeof out - pos};
}

// "  0" to "999": the fields of width 3 ready to copy.
constexpr std::array<std::array<char, 4>, 1000> make_width_3_fields() {
  std::array<std::array<char, 4>, 1000> fields{};
  for (int value = 0; value < 1000; ++value) {
    fields[value][0] = value >= 100 ? static_cast<char>('0' + value / 100) : ' ';
    fields[value][1] = value >= 10 ? static_cast<char>('0' + value / 10 % 10) : ' ';
    fields[value][2] = static_cast<char>('0' + value % 10);
  }
  return fields;
}
constexpr auto WIDTH_3_FIELDS = make_width_3_fields();

// ---------------------------------------------------------------- reading

TextReader::~TextReader() {
  if (fd_ >= 0) ::close(fd_);
}

void TextReader::open(const char* name) {
  // A reader used again after a failed run (a harness that goes on past the failure
  // report) still holds that run's file: let it go rather than lose its descriptor.
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
  copy_name(name_, name);
  int fd = ::open(name, O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    int err = errno;
    fail(report_code(err, name, Operation::Open), Operation::Open,
         "cannot open \"%s\" for reading: %s", name, std::strerror(err));
  }
  fd_ = fd;
  ended_ = false;
  pos_ = len_ = 0;
  line_ = 1;
  record_number_ = 0;
  record_line_ = 0;
}

void TextReader::close() {
  require_open();
  close_checked(fd_, name_);
}

void TextReader::require_open() const {
  if (fd_ < 0) fail(FILE_NOT_OPEN, Operation::Read, "file \"%s\" is not open", name_);
}

bool TextReader::refill() {
  if (ended_) return false;
  require_open();
  for (;;) {
    ssize_t got = ::read(fd_, buffer_, BUFFER_SIZE);
    if (got > 0) {
      pos_ = 0;
      len_ = static_cast<std::size_t>(got);
      return true;
    }
    if (got == 0) {
      ended_ = true;
      return false;
    }
    if (errno == EINTR) continue;
    int err = errno;
    fail(report_code(err, name_, Operation::Read), Operation::Read,
         "cannot read \"%s\" at line %d: %s", name_, line_, std::strerror(err));
  }
}

int TextReader::peek_slow() {
  if (pos_ == len_ && !refill()) return END;
  if (buffer_[pos_] == END_OF_FILE_CHARACTER) {
    // Character 26 ends the file: nothing after it is ever read.
    ended_ = true;
    pos_ = len_ = 0;
    return END;
  }
  return buffer_[pos_];
}

bool TextReader::more_records() {
  for (;;) {
    int c = peek();
    if (c == END) return false;
    if (c > ' ') return true;
    get();
  }
}

int32_t TextReader::read_int() {
  int c = peek();
  while (c != END && c <= ' ') {
    if (c == ' ' || c == '\t') {
      ++pos_;  // blanks end no line: no counting needed
    } else {
      get();
    }
    c = peek();
  }
  if (c == END) return 0;

  // The usual token, up to nine digits that end inside the buffer, is read in place.
  std::size_t end = pos_;
  int32_t digits_value = 0;
  while (end < len_ && end - pos_ < 9 && buffer_[end] >= '0' && buffer_[end] <= '9') {
    digits_value = digits_value * 10 + (buffer_[end] - '0');
    ++end;
  }
  if (end > pos_ && end < len_ && buffer_[end] <= ' ') {
    pos_ = end;
    return digits_value;
  }

  char token[64];
  std::size_t size = 0;
  std::size_t full_size = 0;
  int32_t token_line = line_;
  for (;;) {
    // A token holds no line end, so its characters come straight from the buffer.
    while (pos_ < len_ && buffer_[pos_] > ' ') {
      if (size < sizeof token - 1) token[size++] = static_cast<char>(buffer_[pos_]);
      ++full_size;
      ++pos_;
    }
    if (pos_ < len_) break;
    c = peek();
    if (c == END || c <= ' ') break;
  }
  token[size] = '\0';
  int32_t value = 0;
  if (full_size == size && parse_int32(token, size, value)) return value;

  if (record_number_ > 0) {
    fail(INVALID_NUMERIC_FORMAT, Operation::Number,
         "\"%s\", record %d, line %d: \"%s%s\" is not a decimal integer of 32 bits", name_,
         record_number_, token_line, token, full_size > size ? "..." : "");
  }
  fail(INVALID_NUMERIC_FORMAT, Operation::Number,
       "\"%s\", line %d: \"%s%s\" is not a decimal integer of 32 bits", name_, token_line,
       token, full_size > size ? "..." : "");
}

bool TextReader::at_line_end() {
  for (;;) {
    while (pos_ < len_ && buffer_[pos_] == ' ') ++pos_;  // blanks end no line
    int c = peek();
    if (c == END || is_line_end(c)) return true;
    if (c > ' ') return false;
    get();
  }
}

void TextReader::skip_line() {
  for (;;) {
    int c = get();
    if (c == END || c == '\n') return;
    if (c == '\r') {
      if (peek() == '\n') get();
      return;
    }
  }
}

std::string_view TextReader::read_line() {
  std::size_t size = 0;
  for (;;) {
    int c = get();
    if (c == END || c == '\n') break;
    if (c == '\r') {
      if (peek() == '\n') get();
      break;
    }
    if (size < static_cast<std::size_t>(MAX_LINE)) line_text_[size++] = static_cast<char>(c);
  }
  line_text_[size] = '\0';
  return {line_text_, size};
}

bool TextReader::at_end() { return peek() == END; }

void TextReader::begin_record() {
  ++record_number_;
  record_line_ = line_;
}

// ---------------------------------------------------------------- writing

TextWriter::~TextWriter() {
  if (fd_ >= 0) {
    unregister_for_failure_flush(this);
    if (fd_ > STDERR_FILENO) ::close(fd_);
  }
}

TextWriter& TextWriter::console() {
  static TextWriter* out = [] {
    // A closed pipe is a failed write like any other, not a silent kill.
    ::signal(SIGPIPE, SIG_IGN);
    auto* w = new TextWriter;
    w->fd_ = STDOUT_FILENO;
    w->flush_each_line_ = true;
    copy_name(w->name_, "standard output");
    register_for_failure_flush(w);
    return w;
  }();
  return *out;
}

void TextWriter::create(const char* name) {
  // As for a reader: the file of a failed earlier run is let go, its unwritten rest with it.
  if (fd_ > STDERR_FILENO) {
    unregister_for_failure_flush(this);
    ::close(fd_);
  }
  fd_ = -1;
  used_ = 0;
  copy_name(name_, name);
  int fd = ::open(name, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  if (fd < 0) {
    int err = errno;
    fail(report_code(err, name, Operation::Create), Operation::Create,
         "cannot create \"%s\": %s", name, std::strerror(err));
  }
  fd_ = fd;
  used_ = 0;
  register_for_failure_flush(this);
}

void TextWriter::require_open() const {
  if (fd_ < 0) fail(FILE_NOT_OPEN, Operation::Write, "file \"%s\" is not open", name_);
}

void TextWriter::flush() {
  require_open();
  std::size_t done = 0;
  while (done < used_) {
    ssize_t wrote = ::write(fd_, buffer_ + done, used_ - done);
    if (wrote < 0 && errno == EINTR) continue;
    if (wrote <= 0) {
      int err = wrote < 0 ? errno : EIO;
      // What could not be written is dropped; the report must not try again.
      used_ = 0;
      unregister_for_failure_flush(this);
      fail(report_code(err, name_, Operation::Write), Operation::Write,
           "cannot write to \"%s\": %s", name_, std::strerror(err));
    }
    done += static_cast<std::size_t>(wrote);
  }
  used_ = 0;
}

void TextWriter::flush_for_failure() noexcept {
  std::size_t done = 0;
  while (fd_ >= 0 && done < used_) {
    ssize_t wrote = ::write(fd_, buffer_ + done, used_ - done);
    if (wrote < 0 && errno == EINTR) continue;
    if (wrote <= 0) break;
    done += static_cast<std::size_t>(wrote);
  }
  used_ = 0;
}

void TextWriter::close() {
  flush();
  unregister_for_failure_flush(this);
  close_checked(fd_, name_);
}

void TextWriter::put(const char* data, std::size_t size) {
  require_open();
  while (size > 0) {
    if (used_ == BUFFER_SIZE) flush();
    std::size_t room = BUFFER_SIZE - used_;
    std::size_t part = size < room ? size : room;
    std::memcpy(buffer_ + used_, data, part);
    used_ += part;
    data += part;
    size -= part;
  }
}

void TextWriter::write(std::string_view text) { put(text.data(), text.size()); }

void TextWriter::write_char(char c) { put(&c, 1); }

void TextWriter::write_int(int64_t value) {
  char text[24];
  write(decimal_text(value, text));
}

void TextWriter::write_int(int64_t value, int width) {
  if (width == 3 && value >= 0 && value < 1000 && fd_ >= 0 && used_ + 3 <= BUFFER_SIZE) {
    // The fields of the neighbour rows, the bulk of every record written.
    std::memcpy(buffer_ + used_, WIDTH_3_FIELDS[value].data(), 3);
    used_ += 3;
    return;
  }
  char text[24];
  std::string_view digits = decimal_text(value, text);
  std::size_t pad = width > static_cast<int>(digits.size()) ? width - digits.size() : 0;
  if (fd_ >= 0 && used_ + pad + digits.size() <= BUFFER_SIZE) {
    // The usual case, straight into the buffer.
    for (std::size_t i = 0; i < pad; ++i) buffer_[used_++] = ' ';
    for (char d : digits) buffer_[used_++] = d;
    return;
  }
  for (; pad > 0; --pad) write_char(' ');
  write(digits);
}

void TextWriter::end_line() {
  put("\r\n", 2);
  if (flush_each_line_) flush();
}

}  // namespace graphtext
