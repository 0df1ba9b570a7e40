// Converting one ADIF log with the options an operator chose. This is the one place where the
// Convert checks, the overwrite refusals, the derived names file, the safe file writing, the run
// and the results lines live; the dialog and the command-line tool build a request and show
// the result.
#pragma once
#include <cstdint>
#include <cstdio>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "convert/files/run_files.h"
#include "core/conversion_job.h"
#include "core/message_kinds.h"

// What the operator asked for.
struct ConversionRequest {
  std::string inputPath;             // the ADIF log; empty when none was chosen
  std::FILE* inputStream = nullptr;  // read in place of opening inputPath, which names it (standard input)
  std::string outputPath;            // the import file; empty when none was chosen
  ConversionJob options;        // contest, state, format and the flags as set; run fields and the window are ignored
  std::string groupNumberText;  // the group number as typed
  std::string noteText;         // the QSO note as typed; cut to the job's note width
  std::string fromText;         // "From (UTC)" as typed (see parseUtcBound); empty = no lower bound
  std::string toText;           // "To (UTC)" as typed; empty = no upper bound
  TemporaryFileListener* temporaryFiles = nullptr;  // told of the run's temporary files; may be null
  bool contestFromLog = false;           // with no contest chosen, convert as the log's CONTEST_ID names (command line)
  bool failSecondReplacement = false;    // test switch: the names file's replacement fails, see RunFiles
  bool stopBetweenReplacements = false;  // test switch: the process ends right before it, see RunFiles
  bool checkOnly = false;                // read and check the log, but create or change no file (command line)
  // Asked, once every choice has passed its check, whether an existing output file may be
  // replaced; false ends the run with nothing written. Null: replaced without asking.
  std::function<bool(const std::string& outputPath)> mayReplace;
};

// How a conversion ended.
enum class ConversionStatus {
  Converted,    // the run went to the end; the result holds its lines
  CheckFailed,  // a choice was missing, wrong or would overwrite a file; nothing was written
  FileError,    // a file could not be read or written, or the log has no header; no file was created or changed
  Declined,     // the existing output file was not to be replaced; nothing was written
};

// The choice a failed check is about, where the dialog puts the focus after the error.
enum class RequestField {
  None,         // no choice of the operator's: a file could not be read or written
  Input,        // the ADIF log
  Output,       // the import file
  Contest,      // the contest
  State,        // the State QSO Party's state
  GroupNumber,  // the group number
  From,         // the window's start
  To,           // the window's end
};

// What the operator is shown afterwards.
struct ConversionResult {
  ConversionStatus status = ConversionStatus::CheckFailed;  // how it ended
  std::string error;                                        // the "ERROR: " text when not Converted
  RequestField failedField = RequestField::None;            // what a CheckFailed is about
  std::vector<std::string> lines;                           // the results lines in order, when Converted
  MessageKinds messageKinds;                                // the warnings and errors by kind, when Converted
  std::string notice;        // the end-of-run notice "%d QSOs written to %s" ("1 QSO ..."), when Converted
  int32_t qsoCount = 0;      // QSOs written
  int32_t namesWritten = 0;  // names written to the names file
  std::string namesPath;     // the names file beside the output file, when Converted
  ConversionJob job;         // the job as it ran: options, group number, note and run fields
  // When the contest was to come from the log and the log named none of the catalogue: its first
  // CONTEST_ID without surrounding blanks, empty when it has none or an empty one, or when it
  // could not be read for one; nullopt in every other case.
  std::optional<std::string> unnamedContestId;
};

// The line that follows the error of a run whose contest was to come from the log: what the
// log's CONTEST_ID named, then howToChoose (how the front end chooses a contest). Returns ""
// when the result has no such id (unnamedContestId is nullopt).
std::string unnamedContestLine(const ConversionResult& result, const std::string& howToChoose);

// The path with its file name's extension (from the name's last '.') replaced by the given one,
// dot included; '/' and '\' both separate folders. A name without '.' gets the extension
// appended; an empty path stays empty.
std::string derivedName(const std::string& path, const std::string& extension);

// Checks the request in the dialog's order, writes the import and names files and collects the
// results. The two files replace the earlier pair together or not at all, also when another
// run writes the same output at the same time; a log without an end-of-header, or one that
// cannot be read, changes nothing and is a file error. A log whose first CONTEST_ID names
// another contest than the run's gets a warning first, then one whose records name several
// contests, then one of which only some records name a contest. With contestFromLog and no contest
// chosen, the input is read for its CONTEST_ID before the contest check (an input that cannot
// be read or has no end-of-header is then a file error), and the contest it names, with its
// party unless a state was chosen, is the run's; the summary then begins by saying so. An input
// that cannot be read twice (a pipe) is then first copied into an anonymous temporary file.
// Never throws; every failure is a status with its "ERROR: " text.
ConversionResult convertLog(const ConversionRequest& request);
