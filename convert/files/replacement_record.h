// The record a run leaves in its output's folder while it puts a new pair in place, so that a
// run killed between the two renames is repaired by the next run. It names files of that
// folder only, and is read as untrusted input: whoever can write the folder can write it.
#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// The record's file name, beside the output.
inline constexpr char kRecordName[] = ".adif2kvx.replacing";

// The most bytes a record may have; any name the system accepts fits.
inline constexpr size_t kRecordLimit = 4096;

// What a run is about to do when it puts its pair in place: file names in the output's folder.
struct ReplacementRecord {
  unsigned long processId = 0;  // the run's process
  std::string output;           // the output file being replaced
  std::string keptOutput;       // the old output's second name; empty when there was no old output
  std::string newOutput;        // the new output file's temporary name
  std::string names;            // the names file being replaced: the output's name with .kvn
  std::string newNames;         // the new names file's temporary name
};

// The record's bytes.
std::string recordBytes(const ReplacementRecord& record);

// The record the bytes hold: every name a bare file name (no '/' or '\', not "." or ".."), the
// names file the output's name with .kvn, the other names run files of the record's process.
// Returns nullopt for any other bytes.
std::optional<ReplacementRecord> parseReplacementRecord(std::string_view bytes);

// The name of a file of this process beside its output: ".adif2kvx-PID-N" and the ending
// (".tmp", ".old"). The process id keeps other runs' names apart, the number this run's; an
// exclusive creation catches a name left by a killed run.
std::string runFileName(int number, const char* ending);

// The name of the file a run of that process holds while it runs: ".adif2kvx-PID.run".
std::string runMarkName(unsigned long processId);

// The process id in the name of a run file: ".adif2kvx-PID-N.tmp", ".adif2kvx-PID-N.old" or
// ".adif2kvx-PID.run", numbers in decimal without leading zeros. Returns nullopt for any
// other name.
std::optional<unsigned long> processOfRunFile(std::string_view name);

// The name of the names file of an output of that name: its extension (from its last '.')
// replaced by .kvn, or .kvn appended.
std::string namesFileName(const std::string& outputName);
