// SPDX-FileCopyrightText: 2026 The Zeziru Ridaz team <team@zeziru-ridaz.example>
//
// SPDX-License-Identifier: MIT

#include "files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <limits>
#include <vector>

#include "failure.h"
#include "unique_fd.h"

namespace zr {

namespace {
const char* KindOf(mode_t mode) {
  if (S_ISDIR(mode))
    return "a directory";
  if (S_ISFIFO(mode))
    return "a FIFO";
  if (S_ISCHR(mode) || S_ISBLK(mode))
    return "a device";
  if (S_ISSOCK(mode))
    return "a socket";
  return "something else";
}
}  // namespace

struct FileTable::OpenFile {
  std::string name;
  UniqueFd fd;
  bool records = false;
  int recordLength = 0;
  // Sequential input state.
  std::vector<char> buffer;
  std::size_t pos = 0;
  std::size_t len = 0;
  bool atStart = true;
  bool atEnd = false;
  // Where the input stands, for messages: CR, LF and CR LF each end one line.
  long line = 1;
  bool afterCr = false;
  int numbersRead = 0;

  int Peek() {
    if (pos == len && !Fill())
      return -1;
    return static_cast<unsigned char>(buffer[pos]);
  }
  void Skip() {
    const char c = buffer[pos++];
    if (c == '\n' ? !afterCr : c == '\r')
      ++line;
    afterCr = c == '\r';
  }

  std::string Where() const { return name + ": line " + std::to_string(line) + ": "; }

  bool Fill() {
    if (atEnd)
      return false;
    ssize_t n;
    do {
      n = ::read(fd.get(), buffer.data(), buffer.size());
    } while (n < 0 && errno == EINTR);
    if (n < 0)
      throw Failure(err::kDeviceIoError, name + ": read error: " + std::strerror(errno));
    pos = 0;
    len = static_cast<std::size_t>(n);
    atEnd = n == 0;
    return n > 0;
  }

  // Shows the field as far as a message can hold it, then fails.
  [[noreturn]] void NotAWholeNumber(std::string field) {
    constexpr std::size_t kShown = 24;
    for (int c = Peek(); c >= 0 && c != ',' && c != '\r' && c != '\n' && field.size() < kShown;
         c = Peek()) {
      // Other bytes could upset the terminal that shows the message.
      field += c >= 0x20 && c < 0x7F ? static_cast<char>(c) : '?';
      Skip();
    }
    throw Failure(err::kInvalidFileFormat,
                  Where() + (field.empty() ? std::string("an empty field") : "'" + field + "'") +
                      " is not a whole number");
  }

  // Shows the number as far as a message can hold it, then fails.
  [[noreturn]] void TooBig(std::string digits) {
    constexpr std::size_t kShown = 24;
    for (int c = Peek(); c >= '0' && c <= '9' && digits.size() < kShown; c = Peek()) {
      digits += static_cast<char>(c);
      Skip();
    }
    const int next = Peek();
    if (next >= '0' && next <= '9')
      digits += "...";
    throw Failure(err::kOverflow, Where() + digits + " does not fit in 16 bits");
  }

  std::int16_t ReadWholeNumber() {
    if (atStart) {
      atStart = false;
      SkipByteOrderMark();
    }
    int c = Peek();
    while (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
      Skip();
      c = Peek();
    }
    if (c < 0) {
      throw Failure(err::kInputPastEndOfFile,
                    name + ": the file ends after " + std::to_string(numbersRead) + " numbers");
    }
    std::string digits;
    bool negative = false;
    if (c == '+' || c == '-') {
      negative = c == '-';
      digits += static_cast<char>(c);
      Skip();
      c = Peek();
    }
    if (c < '0' || c > '9')
      NotAWholeNumber(std::move(digits));
    long value = 0;
    constexpr long kLimit = -static_cast<long>(std::numeric_limits<std::int16_t>::min());
    while (c >= '0' && c <= '9') {
      value = value * 10 + (c - '0');
      digits += static_cast<char>(c);
      Skip();
      // Stop soon: a field of a million digits must not be read to its end.
      if (value > kLimit || (!negative && value == kLimit))
        TooBig(std::move(digits));
      c = Peek();
    }
    const bool blanksAfter = c == ' ' || c == '\t';
    while (c == ' ' || c == '\t') {
      Skip();
      c = Peek();
    }
    // The LF of a CR LF is a blank before the next number.
    if (c == ',' || c == '\r' || c == '\n') {
      Skip();
    } else if (c >= 0) {
      NotAWholeNumber(blanksAfter ? digits + ' ' : digits);
    }
    ++numbersRead;
    return static_cast<std::int16_t>(negative ? -value : value);
  }

  void SkipByteOrderMark() {
    static constexpr unsigned char kBom[] = {0xEF, 0xBB, 0xBF};
    if (Peek() != kBom[0])
      return;
    // The buffer holds the file's first bytes, so the mark is wholly in it or not there.
    if (len >= 3 && static_cast<unsigned char>(buffer[1]) == kBom[1] &&
        static_cast<unsigned char>(buffer[2]) == kBom[2]) {
      pos = 3;
    }
  }
};

FileTable::FileTable(std::filesystem::path directory) : directory_(std::move(directory)) {}

std::string FileTable::PathOf(std::string_view name) const {
  if (directory_.empty() || directory_ == ".")
    return std::string(name);
  return (directory_ / name).string();
}

FileTable::~FileTable() = default;

void FileTable::OpenInput(int number, std::string_view name) {
  Bind(number, name, false, 0);
}

void FileTable::OpenRecords(int number, std::string_view name, int recordLength) {
  if (recordLength < 1) {
    throw Failure(err::kIllegalFunctionCall, "record length must be positive");
  }
  Bind(number, name, true, recordLength);
}

void FileTable::Bind(int number, std::string_view name, bool records, int recordLength) {
  if (number < 1 || number > kMaxFileNumber) {
    throw Failure(err::kBadFileNameOrNumber, "bad file number " + std::to_string(number));
  }
  std::string shown = PathOf(name);
  if (files_[static_cast<std::size_t>(number)]) {
    throw Failure(err::kFileAlreadyOpen,
                  shown + ": file number " + std::to_string(number) + " is already open");
  }
  // O_NONBLOCK so that a FIFO in place of a data file cannot block the open.
  UniqueFd fd(::open(shown.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
  if (!fd) {
    const int error = errno;
    if (error == ENOENT || error == ENOTDIR)
      throw Failure(err::kFileNotFound, shown + ": no such file");
    if (error == EMFILE || error == ENFILE)
      throw Failure(err::kTooManyFiles, shown + ": too many files open");
    throw Failure(err::kPathFileAccessError, shown + ": cannot open: " + std::strerror(error));
  }
  struct stat info {};
  if (::fstat(fd.get(), &info) != 0)
    throw Failure(err::kPathFileAccessError, shown + ": cannot open: " + std::strerror(errno));
  if (!S_ISREG(info.st_mode)) {
    throw Failure(err::kPathFileAccessError,
                  shown + ": not a regular file but " + KindOf(info.st_mode));
  }
  auto file = std::make_unique<OpenFile>();
  file->name = std::move(shown);
  file->fd = std::move(fd);
  file->records = records;
  file->recordLength = recordLength;
  if (!records)
    file->buffer.resize(4096);
  files_[static_cast<std::size_t>(number)] = std::move(file);
}

void FileTable::Close(int number) noexcept {
  if (number >= 1 && number <= kMaxFileNumber)
    files_[static_cast<std::size_t>(number)].reset();
}

bool FileTable::IsOpen(int number) const {
  return number >= 1 && number <= kMaxFileNumber && files_[static_cast<std::size_t>(number)];
}

FileTable::OpenFile& FileTable::Bound(int number) {
  if (!IsOpen(number)) {
    throw Failure(err::kBadFileNameOrNumber,
                  "file number " + std::to_string(number) + " is not open");
  }
  return *files_[static_cast<std::size_t>(number)];
}

void FileTable::ReadNumbers(int number, std::span<std::int16_t> out) {
  OpenFile& file = Bound(number);
  if (file.records)
    throw Failure(err::kBadFileMode, file.name + ": not open for input");
  for (auto& value : out) value = file.ReadWholeNumber();
}

std::string FileTable::ReadRecord(int number, long recordNumber) {
  return ReadRecords(number, recordNumber, 1);
}

std::string FileTable::ReadRecords(int number, long first, long count) {
  OpenFile& file = Bound(number);
  if (!file.records)
    throw Failure(err::kBadFileMode, file.name + ": not open for records");
  if (first < 1)
    throw Failure(err::kBadRecordNumber,
                  file.name + ": bad record number " + std::to_string(first));
  const auto length = static_cast<std::size_t>(file.recordLength);
  const auto offset = static_cast<off_t>(first - 1) * file.recordLength;
  std::string records(length * static_cast<std::size_t>(std::max(count, 0L)), ' ');
  std::size_t got = 0;
  while (got < records.size()) {
    const ssize_t n = ::pread(file.fd.get(), records.data() + got, records.size() - got,
                              offset + static_cast<off_t>(got));
    if (n < 0 && errno == EINTR)
      continue;
    if (n < 0)
      throw Failure(err::kDeviceIoError, file.name + ": read error: " + std::strerror(errno));
    if (n == 0)
      break;
    got += static_cast<std::size_t>(n);
  }
  if (got < records.size()) {
    const long past = first + static_cast<long>(got / length);
    throw Failure(err::kInputPastEndOfFile, file.name + ": record " + std::to_string(past) +
                                                " lies past the end of the file");
  }
  return records;
}

}  // namespace zr
