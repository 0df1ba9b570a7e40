#include "core/conversion_driver.h"

#include <set>
#include <string>

#include "core/adif_reader.h"
#include "core/qso_record.h"
#include "core/text_format.h"
#include "writer/import_record.h"

int32_t runConversion(MessageLists& lists, std::FILE* input, std::FILE* importFile,
                      std::FILE* namesFile, ConversionJob& job) {
  QsoRecord record;
  resetQsoRecord(record);
  job.headerSeen = 0;
  job.namesWritten = 0;
  job.serialExchange = 0;
  ImportWriterState writer;
  resetImportWriter(writer);

  // Distinct callsigns of a CW Ops Mini-CWT log, byte for byte (n0call and N0CALL are two).
  std::set<std::string> callTally;
  const bool countCalls = job.contest == ContestKind::CwOpsMiniCwt;

  int32_t count = 0;
  while (readQsoRecord(input, record, job) == 1) {
    const int32_t written = writeImportRecord(lists, importFile, namesFile, record, job, writer);
    if (countCalls) callTally.insert(record.call);
    resetQsoRecord(record);
    count += written;
  }
  if (countCalls) {
    addMessage(kSummaryList, lists, formatText("%d unique callsigns.\n", static_cast<int>(callTally.size())));
  }
  return count;
}
