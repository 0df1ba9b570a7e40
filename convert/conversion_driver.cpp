#include "convert/conversion_driver.h"

#include <cerrno>
#include <cstring>
#include <set>
#include <string_view>

#include "convert/files/run_files.h"
#include "convert/record_filter.h"
#include "core/adif_reader.h"
#include "core/ascii_text.h"
#include "core/qso_record.h"
#include "core/text_format.h"
#include "writer/import_record.h"

namespace {

// The file error of a log that gave no result: a failed read (its errno value), or no
// end-of-header. Returns false with the "ERROR: " text in *err; true when the log was read.
bool logGaveResult(int readError, int32_t headerSeen, const std::string& inputPath, std::string* err) {
  // A file that opened but refuses its bytes is locked by another program (Windows).
  if (readError == EACCES || readError == EBUSY) {
    *err = heldFileError(inputPath);
  } else if (readError != 0) {
    *err = formatText("ERROR: Can't read input file %s: %s", inputPath.c_str(), std::strerror(readError));
  } else if (headerSeen == 0) {
    *err = formatText("ERROR: No ADIF end-of-header (<EOH>) found in %s; no QSOs were read.", inputPath.c_str());
  } else {
    return true;
  }
  return false;
}

}  // namespace

bool runConversion(MessageLists& lists, std::FILE* input, const std::string& inputPath, std::FILE* importFile,
                   std::FILE* namesFile, ConversionJob& job, RunCounts* counts, std::string* err,
                   LogContests* contests) {
  QsoRecord record{};
  job.headerSeen = 0;
  const ContestRules rules = contestRulesOf(job);
  ImportWriterState writer;
  resetImportWriter(writer);
  writer.inputPath = inputPath;
  AdifInput adif(input);

  // Distinct callsigns of the log, byte for byte (n0call and N0CALL are two).
  std::set<std::string> callTally;
  const bool countCalls = rules.row.countsCalls;

  *counts = RunCounts{};
  int32_t more = readQsoRecord(adif, record, job);
  // Whether the log has a header is known once the first record is read, before it is written.
  if (adif.headerless) {
    addMessage(kWarningsList, lists,
               formatMessage("%s has no ADIF header; its QSOs were read from the first line.", inputPath.c_str()));
  }
  SkipCounts skips;
  // The words for nothing already told of, in any letter case: one warning per word and log.
  std::set<std::string, bool (*)(std::string_view, std::string_view)> nothingWordsTold(&lessIgnoringCase);
  while (more == 1) {
    ++skips.read;
    // A skipped record is decided on as read, before anything of it is worked out, and leaves
    // no trace in the files, the messages, the tally or the contest ids.
    const RecordSkip skip = recordSkip(job, record, adif.recordContestIds);
    if (skip == RecordSkip::None) {
      if (contests != nullptr) noteRecordContests(*contests, adif.recordContestIds);
      for (const std::string& word : adif.nothingWords) {
        if (!nothingWordsTold.insert(word).second) continue;
        addMessage(kWarningsList, lists,
                   formatMessage("%s writes %s for values that are not there; they were read as empty.",
                                 inputPath.c_str(), word.c_str()));
      }
      for (const std::string& tag : adif.lineBreakTags) {
        addMessage(kWarningsList, lists,
                   contactMessage(record, ": %s holds a line break; it was read without it.", tag.c_str()));
      }
      if (!adif.lengthPastEnd.empty()) {
        addMessage(kWarningsList, lists,
                   contactMessage(record,
                                  ": the length of %s runs past the end of the file; the value was read up to the "
                                  "next tag or the end of its line.",
                                  adif.lengthPastEnd.c_str()));
      }
      const int32_t written = writeImportRecord(lists, importFile, namesFile, record, job, rules, writer);
      if (countCalls) callTally.insert(record.call);
      counts->qsos += written;
    } else {
      ++(skip == RecordSkip::OtherContest ? skips.otherContest : skips.outsideWindow);
    }
    record = QsoRecord{};
    more = readQsoRecord(adif, record, job);
  }
  // An unfinished last record is not converted, but its id still tells what the log names.
  if (contests != nullptr) noteUnfinishedRecordContests(*contests, adif.recordContestIds);
  counts->names = writer.namesWritten();
  // The caller reports a failed read or a missing header and keeps nothing.
  if (!logGaveResult(adif.lines.readError(), job.headerSeen, inputPath, err)) return false;

  if (adif.recordUnfinished) {
    addMessage(kWarningsList, lists,
               formatMessage("The last record of %s has no <EOR>; it was not converted.", inputPath.c_str()));
  }
  if (countCalls) {
    addMessage(kSummaryList, lists, formatMessage("%d unique callsigns.\n", static_cast<int>(callTally.size())));
  }
  // Each is said once per run, so its text is its kind.
  for (const std::string& line : skipSummary(job, skips)) addMessage(kSummaryList, lists, MessageText(line, line));
  return true;
}

bool checkLogStart(std::FILE* input, const std::string& inputPath, std::string* err) {
  QsoRecord record{};
  ConversionJob job;
  AdifInput adif(input);
  readQsoRecord(adif, record, job);
  return logGaveResult(adif.lines.readError(), job.headerSeen, inputPath, err);
}
