#include "convert/files/replacement_record.h"

#include <charconv>
#include <vector>

#include "convert/files/file_system.h"
#include "core/ascii.h"

namespace {

// The first field of a record, so that no other file is taken for one.
constexpr char kRecordMark[] = "adif2kvx replacing a pair";

// The fields of a record in their order; each is followed by a NUL byte, which no name holds.
std::vector<std::string> fieldsOf(const ReplacementRecord& record) {
  return {kRecordMark,      std::to_string(record.processId),
          record.output,    record.keptOutput,
          record.newOutput, record.names,
          record.newNames};
}

// The number a text of 1 to 19 decimal digits spells, without a leading zero. Returns nullopt
// for any other text and for a number beyond unsigned long (32 bits on Windows).
std::optional<unsigned long> numberOf(std::string_view text) {
  if (text.empty() || text.size() > 19 || (text[0] == '0' && text.size() > 1)) return std::nullopt;
  for (const char c : text) {
    if (!isAsciiDigit(c)) return std::nullopt;
  }
  unsigned long number = 0;
  const auto [stop, error] = std::from_chars(text.data(), text.data() + text.size(), number);
  if (error != std::errc() || stop != text.data() + text.size()) return std::nullopt;
  return number;
}

// A file name alone: it reaches no other folder.
bool isBareName(std::string_view name) {
  return !name.empty() && name != "." && name != ".." &&
         name.find_first_of(std::string_view("/\\\0", 3)) == std::string_view::npos;
}

// Whether a name is a run file of that process with that ending (".tmp", ".old").
bool isRunFileOf(std::string_view name, unsigned long processId, std::string_view ending) {
  return processOfRunFile(name) == processId && name.size() > ending.size() &&
         name.substr(name.size() - ending.size()) == ending;
}

}  // namespace

std::string recordBytes(const ReplacementRecord& record) {
  std::string bytes;
  for (const std::string& field : fieldsOf(record)) bytes.append(field).push_back('\0');
  return bytes;
}

std::optional<ReplacementRecord> parseReplacementRecord(std::string_view bytes) {
  if (bytes.size() > kRecordLimit) return std::nullopt;
  std::vector<std::string_view> fields;
  for (size_t start = 0; start < bytes.size();) {
    const size_t end = bytes.find('\0', start);
    if (end == std::string_view::npos) return std::nullopt;  // cut short while it was written
    fields.push_back(bytes.substr(start, end - start));
    start = end + 1;
  }
  if (fields.size() != 7 || fields[0] != kRecordMark) return std::nullopt;
  const std::optional<unsigned long> id = numberOf(fields[1]);
  if (!id) return std::nullopt;
  const ReplacementRecord record{*id,
                                 std::string(fields[2]),
                                 std::string(fields[3]),
                                 std::string(fields[4]),
                                 std::string(fields[5]),
                                 std::string(fields[6])};
  if (!isBareName(record.output) || record.names != namesFileName(record.output) ||
      !isRunFileOf(record.newOutput, *id, ".tmp") || !isRunFileOf(record.newNames, *id, ".tmp") ||
      record.newOutput == record.newNames ||
      (!record.keptOutput.empty() && !isRunFileOf(record.keptOutput, *id, ".old"))) {
    return std::nullopt;
  }
  return record;
}

std::string runFileName(int number, const char* ending) {
  return kRunFilePrefix + std::to_string(thisProcessId()) + "-" + std::to_string(number) + ending;
}

std::string runMarkName(unsigned long processId) { return kRunFilePrefix + std::to_string(processId) + ".run"; }

std::optional<unsigned long> processOfRunFile(std::string_view name) {
  constexpr std::string_view prefix = kRunFilePrefix;
  if (name.substr(0, prefix.size()) != prefix) return std::nullopt;
  name.remove_prefix(prefix.size());
  const size_t dot = name.find('.');
  if (dot == std::string_view::npos) return std::nullopt;
  const std::string_view ending = name.substr(dot);
  const std::string_view numbers = name.substr(0, dot);
  if (ending == ".run") return numberOf(numbers);
  if (ending != ".tmp" && ending != ".old") return std::nullopt;
  const size_t dash = numbers.find('-');
  if (dash == std::string_view::npos || !numberOf(numbers.substr(dash + 1))) return std::nullopt;
  return numberOf(numbers.substr(0, dash));
}

std::string namesFileName(const std::string& outputName) {
  const size_t dot = outputName.rfind('.');
  return (dot == std::string::npos ? outputName : outputName.substr(0, dot)) + ".kvn";
}
