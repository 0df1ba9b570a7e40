#include "convert/replacement_record.h"

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string_view>
#include <vector>

#include "convert/file_system.h"
#include "core/ascii.h"

namespace {

// The record's file name; it tells what the file is to whoever finds it.
constexpr char kRecordName[] = ".adif2kvx.replacing";

// The first line of a record, so that no other file is taken for one.
constexpr char kRecordMark[] = "adif2kvx replacing a pair";

// The fields of a record in their order; each is followed by a NUL byte, as a path may hold a
// line end but never a NUL.
std::vector<std::string> fieldsOf(const ReplacementRecord& record) {
  return {kRecordMark,         std::to_string(record.processId),
          record.outputTarget, record.keptOutput,
          record.newOutput,    record.namesTarget,
          record.newNames};
}

// The process id a text of 1 to 19 decimal digits spells. Returns nullopt for any other text and
// for an id beyond unsigned long (32 bits on Windows).
std::optional<unsigned long> processIdOf(std::string_view text) {
  unsigned long id = 0;
  if (text.empty() || text.size() > 19) return std::nullopt;
  const char* const end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, id);
  if (error != std::errc() || stop != end) return std::nullopt;
  return id;
}

// What reading a record found.
enum class RecordRead {
  Whole,     // a whole record
  Unopened,  // no file that could be opened
  Broken,    // a file without a whole record: its run was killed while writing it, before any rename
};

// Reads a record.
RecordRead readRecord(const std::string& path, ReplacementRecord& record) {
  OwnedFile file(openFile(path, "rb"), &std::fclose);
  if (!file) return RecordRead::Unopened;
  std::vector<std::string> fields(1);
  for (int c; (c = std::fgetc(file.get())) != EOF;) {
    if (c == '\0') {
      fields.emplace_back();
    } else {
      fields.back() += static_cast<char>(c);
    }
  }
  const std::optional<unsigned long> id = fields.size() > 1 ? processIdOf(fields[1]) : std::nullopt;
  if (fields.size() != 8 || fields[0] != kRecordMark || !fields[7].empty() || !id) return RecordRead::Broken;
  record = {*id, fields[2], fields[3], fields[4], fields[5], fields[6]};
  return RecordRead::Whole;
}

// Puts the recorded pair back together. Returns false when a step failed.
bool repair(const ReplacementRecord& record) {
  const bool outputReplaced = pathKind(record.newOutput) != PathKind::File;
  const bool namesReplaced = pathKind(record.newNames) != PathKind::File;
  bool repaired = true;
  if (outputReplaced && !namesReplaced) {
    // The pair is split: the old output goes back beside the old names file.
    if (record.keptOutput.empty()) {
      repaired = removeFile(record.outputTarget) || pathKind(record.outputTarget) == PathKind::Missing;
    } else {
      repaired = renameReplacing(record.keptOutput, record.outputTarget).empty();
    }
    flushFolderOf(record.outputTarget);
  }
  for (const std::string& left : {record.newOutput, record.newNames, record.keptOutput}) {
    if (!left.empty() && pathKind(left) == PathKind::File && !removeFile(left)) repaired = false;
  }
  return repaired;
}

// The process id in a run file's name ".adif2kvx-PID-N.tmp" or ".adif2kvx-PID-N.old"; 0 for
// any other name.
unsigned long processOfRunFile(const std::string& name) {
  const size_t prefix = std::strlen(kRunFilePrefix);
  const size_t dash = name.find('-', prefix);
  const size_t dot = name.rfind('.');
  if (dash == std::string::npos || dot == std::string::npos || dot < dash || dot == dash + 1 ||
      (name.substr(dot) != ".tmp" && name.substr(dot) != ".old")) {
    return 0;
  }
  for (size_t i = dash + 1; i < dot; ++i) {
    if (!isAsciiDigit(name[i])) return 0;
  }
  return processIdOf(std::string_view(name).substr(prefix, dash - prefix)).value_or(0);
}

}  // namespace

std::string replacementRecordPath(const std::string& outputTarget) { return pathBeside(outputTarget, kRecordName); }

std::string writeReplacementRecord(const ReplacementRecord& record) {
  const std::string path = replacementRecordPath(record.outputTarget);
  OwnedFile file(openFile(path, "wb"), &std::fclose);
  if (!file) return std::strerror(errno);
  for (const std::string& field : fieldsOf(record)) std::fwrite(field.c_str(), 1, field.size() + 1, file.get());
  std::string why = flushToDisk(file.get());
  if (why.empty() && std::ferror(file.get()) != 0) why = std::strerror(EIO);
  if (std::fclose(file.release()) != 0 && why.empty()) why = std::strerror(errno);
  if (!why.empty()) removeFile(path);
  return why;
}

void repairInterruptedReplacement(const std::string& outputTarget) {
  const std::string path = replacementRecordPath(outputTarget);
  if (pathKind(path) != PathKind::File) return;
  // A running run leaves its record only while it holds the folder's lock.
  PlacingStep step(outputTarget);
  ReplacementRecord record;
  const RecordRead read = readRecord(path, record);
  if (read == RecordRead::Broken) removeFile(path);  // nothing was renamed: there is nothing to repair
  if (read != RecordRead::Whole) return;
  // This process has written no record yet: one with its id is an earlier process's.
  if (record.processId != thisProcessId() && !runHasEnded(outputTarget, record.processId)) return;
  if (repair(record)) removeFile(path);
  flushFolderOf(path);
}

void removeLeftoverFiles(const std::string& beside) {
  // A record that is still there needs its run's files for its repair.
  ReplacementRecord record;
  const bool whole = readRecord(replacementRecordPath(beside), record) == RecordRead::Whole;
  const unsigned long recorded = whole ? record.processId : 0;
  const unsigned long self = thisProcessId();
  for (const std::string& name : namesBeside(beside, kRunFilePrefix)) {
    const unsigned long process = processOfRunFile(name);
    if (process != 0 && process != self && process != recorded && runHasEnded(beside, process)) {
      removeFile(pathBeside(beside, name));
    }
  }
  removeUnheldLockFile(beside);
}
