// Writes one QSO as a KOLVEX import record (two lines) and, for contests that carry the other
// operator's name, one names-file entry: the record is worked out into a contact
// (resolved_contact.h), then laid out in the job's format (line_layout.h).
#pragma once
#include <cstdint>
#include <cstdio>

#include "core/conversion_job.h"
#include "core/message_lists.h"
#include "core/qso_record.h"
#include "writer/import_writer_state.h"

// Starts a run afresh: no band or unit notice given, no names written.
void resetImportWriter(ImportWriterState& state);

// Writes the record's two lines to the import file, possibly one names entry, and adds the
// record's problems to the warnings and errors lists. Every line ends in CR LF. Of the job it
// sets countyText (the record's county), serialExchange (for a serial-number contest) and
// namesWritten. Returns 1: every record counts as one QSO written.
int32_t writeImportRecord(MessageLists& lists, std::FILE* importFile, std::FILE* namesFile, const QsoRecord& record,
                          ConversionJob& job, ImportWriterState& state);
