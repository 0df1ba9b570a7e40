// What killed runs leave in a folder: a pair split between its two renames, told by the
// record, and run files. Both are dealt with only under the folder's lock.
#pragma once
#include <optional>
#include <string>

#include "convert/files/file_system.h"

// What became of the record in a locked folder.
struct RecordOutcome {
  bool free = false;                     // no record is there any more: a run may write its own
  std::optional<unsigned long> keptRun;  // the process whose files the record still needs
};

// Puts the pair that a locked folder's record tells of back together when its run has ended,
// then removes the record. A record that is no own regular file of at most kRecordLimit bytes,
// holds anything but a record of this program, or names a file that is not an own regular
// file, is left alone, and *warning says so.
RecordOutcome repairRecordedPair(RunFolder& folder, std::string* warning);

// Removes from a locked folder the own run files of runs that have ended, except those of
// keptRun, and the lock file that no run holds.
void removeEndedRunsFiles(RunFolder& folder, std::optional<unsigned long> keptRun);
