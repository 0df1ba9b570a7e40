// Writes one QSO as a KOLVEX import record (two lines) and, for contests that carry the other
// operator's name, one names-file entry.
#pragma once
#include <cstdint>
#include <cstdio>
#include <set>
#include <string>
#include <utility>

#include "core/conversion_job.h"
#include "core/message_lists.h"
#include "core/qso_record.h"

// What the writer remembers from one record to the next within a run.
struct ImportWriterState {
  bool bandNoticeGiven = false;                           // band notice or no-band error given
  std::set<std::pair<std::string, std::string>> nameSet;  // (call, name) pairs already written
  bool kilohertzNoticeGiven = false;                      // the notice of FREQ in kHz given
  bool hertzNoticeGiven = false;                          // the notice of FREQ in Hz given
  std::string inputPath;  // the input's name as given, for the messages about the log; kept by a reset
};

// Starts a run afresh: no band or unit notice given, no names written.
void resetImportWriter(ImportWriterState& state);

// Writes the record's two lines to the import file, possibly one names entry, and adds the
// record's problems to the warnings and errors lists. Every line ends in CR LF.
// Returns 1: every record counts as one QSO written.
int32_t writeImportRecord(MessageLists& lists, std::FILE* importFile, std::FILE* namesFile, QsoRecord& record,
                          ConversionJob& job, ImportWriterState& state);
