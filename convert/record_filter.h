// Which records of a log a run converts: with "Only this contest's QSOs", those whose
// CONTEST_ID names the run's contest; with a time window, those whose moment lies inside it.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "core/conversion_job.h"
#include "core/qso_record.h"

// Why a record is not converted.
enum class RecordSkip {
  None,           // the record is converted
  OtherContest,   // its CONTEST_ID names another contest, or it names none
  OutsideWindow,  // its date and time lie outside the window, or it has none
};

// The records a run read and the ones it skipped, for its summary.
struct SkipCounts {
  int32_t read = 0;           // complete records read
  int32_t otherContest = 0;   // skipped as RecordSkip::OtherContest
  int32_t outsideWindow = 0;  // skipped as RecordSkip::OutsideWindow
};

// Whether the job converts only some records: a filter is on.
bool filtersRecords(const ConversionJob& job);

// Whether the job converts a record, given the record's CONTEST_ID values in order, of which the
// last counts, as for every field. It has to name the job's catalogue entry and, for the State
// QSO Party, its party, as the log's CONTEST_ID names the contest of a run. A record both
// filters skip is OtherContest. Returns RecordSkip::None when the record is converted.
RecordSkip recordSkip(const ConversionJob& job, const QsoRecord& record, const std::vector<std::string>& contestIds);

// The summary lines of the skips, one per filter that is on, also when it skipped nothing:
// the contest's line first, then the window's. Returns no lines when no filter is on.
std::vector<std::string> skipSummary(const ConversionJob& job, const SkipCounts& counts);
