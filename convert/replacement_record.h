// The record a run leaves beside its output while it puts a new pair in place, so that a run
// killed between the two renames is repaired by the next run; and the removal of the files that
// runs which no longer run left behind.
#pragma once
#include <string>

// What a run is about to do when it puts its pair in place.
struct ReplacementRecord {
  unsigned long processId = 0;  // the run's process
  std::string outputTarget;     // the output file being replaced
  std::string keptOutput;       // the old output's second name; empty when there was no old output
  std::string newOutput;        // the new output file's temporary name
  std::string namesTarget;      // the names file being replaced
  std::string newNames;         // the new names file's temporary name
};

// The record's path beside an output: one per folder, as a folder's placements take turns.
std::string replacementRecordPath(const std::string& outputTarget);

// Writes the record and sends it to the disk. Returns the reason of a failure, empty on success.
std::string writeReplacementRecord(const ReplacementRecord& record);

// When the folder of an output holds the record of a run that no longer runs, puts that run's
// pair back together: the old output goes back when the names file was not yet replaced, and
// the run's clean-up is completed when it was. Costs one lookup when no record is there. A
// record that cannot be read, or whose repair fails, stays for a later run.
void repairInterruptedReplacement(const std::string& outputTarget);

// Removes the temporary files, kept names and unheld lock file that runs which no longer run
// left in the folder of `beside`; a running run's files are never touched.
void removeLeftoverFiles(const std::string& beside);
