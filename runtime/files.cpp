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
#include <variant>

#include "failure.h"
#include "number_reader.h"
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

namespace {
struct RecordFile {
  UniqueFd fd;
  std::string name;
  int recordLength;
};
}  // namespace

// A bound number holds one of two kinds of file: free-format input or fixed-length records.
struct FileTable::OpenFile {
  std::variant<NumberReader, RecordFile> file;

  const std::string& Name() const {
    if (const auto* reader = std::get_if<NumberReader>(&file))
      return reader->name();
    return std::get<RecordFile>(file).name;
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
  auto [fd, shown] = OpenFree(number, name);
  Bind(number, OpenFile{NumberReader(std::move(fd), std::move(shown))});
}

void FileTable::OpenRecords(int number, std::string_view name, int recordLength) {
  if (recordLength < 1) {
    throw Failure(err::kIllegalFunctionCall, "record length must be positive");
  }
  auto [fd, shown] = OpenFree(number, name);
  Bind(number, OpenFile{RecordFile{std::move(fd), std::move(shown), recordLength}});
}

void FileTable::Bind(int number, OpenFile file) {
  files_[static_cast<std::size_t>(number)] = std::make_unique<OpenFile>(std::move(file));
}

std::pair<UniqueFd, std::string> FileTable::OpenFree(int number, std::string_view name) const {
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
  return {std::move(fd), std::move(shown)};
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
  OpenFile& open = Bound(number);
  auto* reader = std::get_if<NumberReader>(&open.file);
  if (reader == nullptr)
    throw Failure(err::kBadFileMode, open.Name() + ": not open for input");
  for (auto& value : out) value = reader->Next();
}

std::string FileTable::ReadRecord(int number, long recordNumber) {
  return ReadRecords(number, recordNumber, 1);
}

std::string FileTable::ReadRecords(int number, long first, long count) {
  OpenFile& open = Bound(number);
  auto* records = std::get_if<RecordFile>(&open.file);
  if (records == nullptr)
    throw Failure(err::kBadFileMode, open.Name() + ": not open for records");
  const RecordFile& file = *records;
  if (first < 1)
    throw Failure(err::kBadRecordNumber,
                  file.name + ": bad record number " + std::to_string(first));
  const auto length = static_cast<std::size_t>(file.recordLength);
  const auto offset = static_cast<off_t>(first - 1) * file.recordLength;
  std::string bytes(length * static_cast<std::size_t>(std::max(count, 0L)), ' ');
  std::size_t got = 0;
  while (got < bytes.size()) {
    const ssize_t n = ::pread(file.fd.get(), bytes.data() + got, bytes.size() - got,
                              offset + static_cast<off_t>(got));
    if (n < 0 && errno == EINTR)
      continue;
    if (n < 0)
      throw Failure(err::kDeviceIoError, file.name + ": read error: " + std::strerror(errno));
    if (n == 0)
      break;
    got += static_cast<std::size_t>(n);
  }
  if (got < bytes.size()) {
    const long past = first + static_cast<long>(got / length);
    throw Failure(err::kInputPastEndOfFile, file.name + ": record " + std::to_string(past) +
                                                " lies past the end of the file");
  }
  return bytes;
}

}  // namespace zr
