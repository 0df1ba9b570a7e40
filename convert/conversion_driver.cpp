#include "convert/conversion_driver.h"

#include <cstring>
#include <set>
#include <utility>

#include "core/adif_reader.h"
#include "core/qso_record.h"
#include "core/text_format.h"
#include "writer/import_record.h"

int32_t runConversion(MessageLists& lists, std::FILE* input, const std::string& inputPath, std::FILE* importFile,
                      std::FILE* namesFile, ConversionJob& job, LogContests* contests) {
  QsoRecord record{};
  job.headerSeen = 0;
  job.namesWritten = 0;
  job.serialExchange = 0;
  job.readError = 0;
  ImportWriterState writer;
  resetImportWriter(writer);
  writer.inputPath = inputPath;
  AdifInput adif(input);

  // Distinct callsigns of a CW Ops Mini-CWT log, byte for byte (n0call and N0CALL are two).
  std::set<std::string> callTally;
  const bool countCalls = job.contest == ContestKind::CwOpsMiniCwt;

  int32_t count = 0;
  int32_t more = readQsoRecord(adif, record, job);
  // Whether the log has a header is known once the first record is read, before it is written.
  if (adif.headerless) {
    addMessage(kWarningsList, lists,
               formatText("%s has no ADIF header; its QSOs were read from the first line.", inputPath.c_str()));
  }
  while (more == 1) {
    if (contests != nullptr) noteRecordContests(*contests, adif.contestIds);
    // The next record's ids alone, to tell a record that names no contest; cleared, not
    // replaced, so that their storage is kept.
    adif.contestIds.first.reset();
    adif.contestIds.distinct.clear();
    adif.contestIds.keys.clear();
    const int32_t written = writeImportRecord(lists, importFile, namesFile, record, job, writer);
    if (countCalls) callTally.insert(record.call);
    record = QsoRecord{};
    count += written;
    more = readQsoRecord(adif, record, job);
  }
  // An unfinished last record is not converted, but its id still tells what the log names.
  if (contests != nullptr && !contests->firstId) contests->firstId = std::move(adif.contestIds.first);
  job.readError = adif.lines.readError();
  // The caller reports a failed read or a missing header and keeps nothing.
  if (job.readError != 0 || job.headerSeen == 0) return count;

  if (adif.recordUnfinished) {
    addMessage(kWarningsList, lists,
               formatText("The last record of %s has no <EOR>; it was not converted.", inputPath.c_str()));
  }
  if (countCalls) {
    addMessage(kSummaryList, lists, formatText("%d unique callsigns.\n", static_cast<int>(callTally.size())));
  }
  return count;
}

std::string logFileError(const ConversionJob& job, const std::string& inputPath) {
  if (job.readError != 0) {
    return formatText("ERROR: Can't read input file %s: %s", inputPath.c_str(), std::strerror(job.readError));
  }
  if (job.headerSeen == 0) {
    return formatText("ERROR: No ADIF end-of-header (<EOH>) found in %s; no QSOs were read.", inputPath.c_str());
  }
  return {};
}

std::string logStartError(std::FILE* input, const std::string& inputPath) {
  QsoRecord record{};
  ConversionJob job;
  AdifInput adif(input);
  readQsoRecord(adif, record, job);
  job.readError = adif.lines.readError();
  return logFileError(job, inputPath);
}
