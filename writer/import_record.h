// Writes one QSO as a KOLVEX import record (two lines) and, for contests that carry the other
// operator's name, one names-file entry: the record is worked out into a contact
// (resolved_contact.h), then laid out in the job's format (line_layout.h).
#pragma once
#include <cstdint>
#include <cstdio>

#include "core/contest_table.h"
#include "core/conversion_job.h"
#include "core/message_lists.h"
#include "core/qso_record.h"
#include "writer/import_writer_state.h"

// The rules a run of the job writes by: its contest's row, for a contest that needs a state the
// row of the job's party. Built once before the first record. Returns rules of kind None for a
// job without a contest.
ContestRules contestRulesOf(const ConversionJob& job);

// Starts a run afresh: no band or unit notice given, no names written.
void resetImportWriter(ImportWriterState& state);

// Writes the record's two lines to the import file, possibly one names entry, and adds the
// record's problems to the warnings and errors lists. Every line ends in CR LF. Of what it is
// given it changes only the run's state: the notices given and the names written. Returns 1:
// every record counts as one QSO written.
int32_t writeImportRecord(MessageLists& lists, std::FILE* importFile, std::FILE* namesFile, const QsoRecord& record,
                          const ConversionJob& job, const ContestRules& rules, ImportWriterState& state);
