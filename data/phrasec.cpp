// zeziru-ridaz-phrasec SOURCE_DIR OUTPUT_DIR
//
// Turns the editable phrase sources (UTF-8 text, one phrase a line) into the files the program
// reads: fixed-length Windows-1252 records per column and the counts file zintok.dat. Every
// problem in every source is reported before anything is written, so one run shows the whole list.

#include <cstddef>
#include <exception>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/phrase_store.h"
#include "core/text_generator.h"
#include "runtime/record.h"
#include "runtime/text.h"

namespace fs = std::filesystem;

namespace {

// A text takes one phrase a line from every column, never the same record twice.
constexpr std::size_t kMinPhrases = zr::kLinesPerText;
constexpr std::size_t kMaxPhrases = 32767;  // the program reads the counts as 16-bit numbers
constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

class Problems {
 public:
  void Report(const std::string& where, std::string_view what) {
    std::cerr << where << ": " << what << '\n';
    ++count_;
  }
  bool Any() const { return count_ > 0; }

 private:
  int count_ = 0;
};

bool IsBlank(char c) {
  return c == ' ' || c == '\xA0';
}

// Checks one phrase; returns its Windows-1252 bytes, or an empty string after reporting.
std::string EncodePhrase(std::string_view line, const std::string& where, Problems& problems) {
  const auto encoded = zr::Utf8ToCp1252(line);
  if (!encoded) {
    problems.Report(where, "not valid UTF-8, or holds a character Windows-1252 cannot encode");
    return {};
  }
  bool ok = true;
  for (const char c : *encoded) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 32 || byte == 127) {
      problems.Report(where, "holds a tab or another control character");
      ok = false;
      break;
    }
  }
  if (IsBlank(encoded->front()) || IsBlank(encoded->back())) {
    problems.Report(where, "starts or ends with a blank");
    ok = false;
  }
  if (encoded->size() > zr::kRecordLength) {
    problems.Report(where, "phrase is " + std::to_string(encoded->size()) + " bytes, more than " +
                               std::to_string(zr::kRecordLength));
    ok = false;
  }
  return ok ? *encoded : std::string{};
}

// Reads one source file; returns its phrases as Windows-1252, each padded to a full record.
std::vector<std::string> ReadSource(const fs::path& path, Problems& problems) {
  const std::string name = path.filename().string();
  std::error_code error;
  std::ifstream in(path, std::ios::binary);
  if (!fs::is_regular_file(path, error) || !in) {
    problems.Report(name, "cannot read");
    return {};
  }
  std::vector<std::string> records;
  std::map<std::string, int, std::less<>> firstLine;  // phrase -> line it first appeared on
  std::string line;
  for (int number = 1; std::getline(in, line); ++number) {
    if (number == 1 && line.starts_with(kUtf8Bom))
      line.erase(0, kUtf8Bom.size());
    if (line.ends_with('\r'))
      line.pop_back();  // sources saved with Windows line ends
    if (line.find_first_not_of(" \t") == std::string::npos || line.starts_with('#'))
      continue;

    const std::string where = name + ':' + std::to_string(number);
    const auto [seen, fresh] = firstLine.try_emplace(line, number);
    if (!fresh)
      problems.Report(where, "duplicate of line " + std::to_string(seen->second));
    records.push_back(zr::PadRecord(EncodePhrase(line, where, problems)));
  }
  if (in.bad()) {
    problems.Report(name, "cannot read");
  } else if (records.size() < kMinPhrases) {
    problems.Report(name, std::to_string(records.size()) + " phrases, at least " +
                              std::to_string(kMinPhrases) + " needed");
  } else if (records.size() > kMaxPhrases) {
    problems.Report(name, std::to_string(records.size()) + " phrases, at most " +
                              std::to_string(kMaxPhrases) + " allowed");
  }
  return records;
}

struct OutputFile {
  std::string name;
  std::string bytes;
};

// Writes every file under a temporary name first and renames only when all are complete, so a
// failed run leaves the previous set untouched and an interrupted one leaves no half file.
bool WriteAll(const fs::path& directory, const std::vector<OutputFile>& files) {
  std::error_code error;
  fs::create_directories(directory, error);
  if (error) {
    std::cerr << directory.string() << ": cannot create: " << error.message() << '\n';
    return false;
  }
  const auto tempPath = [&](const OutputFile& file) { return directory / (file.name + ".tmp"); };
  const auto removeTemps = [&] {
    for (const auto& file : files) fs::remove(tempPath(file), error);
  };
  for (const auto& file : files) {
    std::ofstream out(tempPath(file), std::ios::binary | std::ios::trunc);
    out.write(file.bytes.data(), static_cast<std::streamsize>(file.bytes.size()));
    out.close();
    if (!out) {
      std::cerr << tempPath(file).string() << ": cannot write\n";
      removeTemps();
      return false;
    }
  }
  for (const auto& file : files) {
    fs::rename(tempPath(file), directory / file.name, error);
    if (error) {
      std::cerr << (directory / file.name).string() << ": cannot replace: " << error.message()
                << '\n';
      removeTemps();
      return false;
    }
  }
  return true;
}

int Run(const fs::path& sourceDir, const fs::path& outputDir) {
  Problems problems;
  std::vector<OutputFile> outputs;
  std::string counts;
  for (const auto& department : zr::kDepartments) {
    for (int column = 1; column <= zr::kColumns; ++column) {
      const std::string stem = std::string(1, department.letter) + static_cast<char>('0' + column);
      const auto records = ReadSource(sourceDir / (stem + ".txt"), problems);
      counts += std::to_string(records.size()) + (column < zr::kColumns ? "," : "\r\n");
      OutputFile& file = outputs.emplace_back(OutputFile{stem + ".dat", {}});
      for (const auto& record : records) file.bytes += record;
    }
  }
  if (problems.Any())
    return 1;
  // The counts file goes last: a reader that finds it can rely on the records it describes.
  outputs.push_back({"zintok.dat", counts});
  return WriteAll(outputDir, outputs) ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: zeziru-ridaz-phrasec SOURCE_DIR OUTPUT_DIR\n";
    return 2;
  }
  try {
    return Run(argv[1], argv[2]);
  } catch (const std::exception& e) {
    std::cerr << "zeziru-ridaz-phrasec: " << e.what() << '\n';
    return 1;
  }
}
