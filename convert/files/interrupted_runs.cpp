#include "convert/files/interrupted_runs.h"

#include <map>
#include <vector>

#include "convert/files/replacement_record.h"
#include "core/text_format.h"

RecordOutcome repairRecordedPair(RunFolder& folder, std::string* warning) {
  std::string bytes;
  const SmallFileRead read = folder.readSmallFile(kRecordName, kRecordLimit, &bytes);
  if (read == SmallFileRead::Missing) return {true, std::nullopt};
  const std::optional<ReplacementRecord> record =
      read == SmallFileRead::Read ? parseReplacementRecord(bytes) : std::nullopt;
  bool trusted = record.has_value();
  if (record) {
    // A file that another user planted under a name of the record is never renamed or removed.
    for (const std::string* name :
         {&record->output, &record->keptOutput, &record->newOutput, &record->names, &record->newNames}) {
      if (!name->empty() && folder.kindOf(*name) == EntryKind::Foreign) trusted = false;
    }
  }
  if (!trusted) {
    *warning = formatText("The file %s is not a recovery record of this program for this user; it was left alone.",
                          folder.pathOf(kRecordName).c_str());
    return {false, record ? std::optional<unsigned long>(record->processId) : std::nullopt};
  }
  if (!folder.runHasEnded(record->processId)) return {false, record->processId};
  std::string why;
  bool repaired = true;
  const bool outputReplaced = folder.kindOf(record->newOutput) == EntryKind::Missing;
  const bool namesReplaced = folder.kindOf(record->newNames) == EntryKind::Missing;
  if (outputReplaced && !namesReplaced) {
    // The pair is split: the old output goes back beside the old names file.
    if (record->keptOutput.empty()) {
      repaired = folder.kindOf(record->output) == EntryKind::Missing || folder.remove(record->output, &why);
    } else {
      repaired = folder.rename(record->keptOutput, record->output, &why);
    }
    folder.flush();
  }
  for (const std::string* left : {&record->newOutput, &record->newNames, &record->keptOutput}) {
    if (!left->empty() && folder.kindOf(*left) == EntryKind::Own && !folder.remove(*left, &why)) repaired = false;
  }
  if (!repaired || !folder.remove(kRecordName, &why)) return {false, record->processId};
  folder.flush();
  return {true, std::nullopt};
}

void removeEndedRunsFiles(RunFolder& folder, std::optional<unsigned long> keptRun) {
  std::map<unsigned long, std::vector<std::string>> runs;
  for (const std::string& name : folder.namesStartingWith(kRunFilePrefix)) {
    const std::optional<unsigned long> process = processOfRunFile(name);
    if (process && process != keptRun) runs[*process].push_back(name);
  }
  std::string why;
  for (const auto& [process, names] : runs) {
    // Another user's files, links and folders named alike stay; so does a running run's.
    if (!folder.runHasEnded(process)) continue;
    // The run file goes last, while its lock is held.
    const std::string runFile = runMarkName(process);
    for (const std::string& name : names) {
      if (name != runFile && folder.kindOf(name) == EntryKind::Own) folder.remove(name, &why);
    }
    folder.removeRunFile(process);
  }
  folder.removeUnheldLockFile();
}

bool tidyOutputFolder(const std::string& outputTarget, std::string* warning, std::string* err) {
  warning->clear();
  // Nothing here waits: when another run holds the lock, that run repairs before it places.
  PlacingStep step;
  RunFolder folder(outputTarget);
  bool locked = false;
  if (!folder.lock(false, &locked, err)) return false;
  if (!locked) return true;
  const RecordOutcome outcome = repairRecordedPair(folder, warning);
  removeEndedRunsFiles(folder, outcome.keptRun);
  return true;
}
