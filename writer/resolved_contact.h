// A contact worked out for its import record: every column as it will be written, the note
// line, the names entry, and the notes of what was defaulted, converted, cut or guessed. The
// record writer lays it out; working it out changes neither the record nor the job.
#pragma once
#include <array>
#include <optional>
#include <string>

#include "core/contest_table.h"
#include "core/conversion_job.h"
#include "core/import_format.h"
#include "core/message_lists.h"
#include "core/qso_record.h"
#include "writer/column_text.h"
#include "writer/import_writer_state.h"

// One entry of the names file.
struct NamesEntry {
  std::string call;         // callsign as logged
  std::string loggedName;   // the name as logged; with the call, what makes an entry new
  std::string writtenName;  // the name as written: lower case from its second character on
};

// One contact as its import record will show it.
struct ResolvedContact {
  std::array<ColumnText, kContactColumnCount> columns;  // text of each Column, at most its width; blank = empty
  std::string noteLine;                                 // the free line after the columns, without its line end
  std::optional<NamesEntry> namesEntry;                 // the other operator's name, for contests that carry it
  MessageLists notes;                                   // the contact's messages, each list in column order
  RunNotices notices;                                   // the run's notices given, this contact's included

  const ColumnText& column(Column c) const { return columns[static_cast<size_t>(c)]; }
  ColumnText& column(Column c) { return columns[static_cast<size_t>(c)]; }
};

// Works out the contact of a record by the run's contest rules and the job's layout. Gives the
// once-a-run notices about the log's BAND and FREQ unless the state says they were given; the
// contact says which are given after it. Changes nothing it is given. Never fails: what does
// not fit or is missing becomes a note.
ResolvedContact resolveContact(const QsoRecord& record, const ConversionJob& job, const ContestRules& rules,
                               const ImportWriterState& state);
