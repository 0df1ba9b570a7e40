// The contest a log names through its CONTEST_IDs, for choosing the contest of a run before it
// starts: the one most of its QSOs name.
#pragma once
#include <cstdint>
#include <cstdio>
#include <map>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "refdata/contest_choice.h"

// A mapped CONTEST_ID and what it names.
struct LogContest {
  std::string contestId;  // the id as the log writes it, surrounding blanks removed
  ContestChoice contest;  // the catalogue entry and, for a State QSO Party, its state
};

// The contests that the records of a log name, as a run meets the records.
struct LogContests {
  std::optional<std::string> firstId;  // value of the first CONTEST_ID tag of record text, as written
  // For each contest named, the first id that names it, without surrounding blanks, in order of
  // first appearance. Ids of one catalogue entry (and one party) are one contest; every other id
  // is a contest of its own, ids that differ only in letter case being one.
  std::vector<std::string> ids;
  std::vector<int32_t> recordsNaming;  // for each entry of `ids`, the complete records that name its contest
  // The contests of `ids`, to tell a new one, each with its index in `ids`.
  std::map<std::tuple<int32_t, StateNumber, std::string>, size_t> keys;
  std::string lastId;             // the id noted last
  size_t lastIndex = 0;           // the index in `ids` of the contest lastId names
  int32_t records = 0;            // complete records
  int32_t recordsNamingNone = 0;  // complete records whose CONTEST_ID is missing, empty or blank
};

// Notes one complete record, given its CONTEST_ID values as written, in order.
void noteRecordContests(LogContests& contests, const std::vector<std::string>& recordIds);

// Notes an unfinished last record the same way: it is not counted, but its first id is the
// log's firstId when no record before named one.
void noteUnfinishedRecordContests(LogContests& contests, const std::vector<std::string>& recordIds);

// The complete records that name the contest (its catalogue entry and, for a State QSO Party,
// its party). Returns 0 for a contest outside the catalogue.
int32_t recordsNaming(const LogContests& contests, const ContestChoice& contest);

// The contest of the catalogue that most complete records name; a tie goes to the one named
// first. Its id is the first that names it. Returns nullopt when no record names one.
std::optional<LogContest> majorityContest(const LogContests& contests);

// The contests that the records of an open input name, read from where it stands to its end;
// the input is put back there. The first CONTEST_ID of an unfinished last record counts as
// firstId. A stream that cannot be repositioned (a pipe) is not read.
// Returns nullopt for a stream that cannot be repositioned and on a read error.
std::optional<LogContests> logContestsIn(std::FILE* input);

// What a CONTEST_ID value names. Returns nullopt for none, and for an empty, blank or unmapped id.
std::optional<LogContest> logContestOf(const std::optional<std::string>& contestId);

// The majority contest (see majorityContest) of an open input, read as logContestsIn reads it.
// A log without CONTEST_ID, or whose ids are all empty, blank or unmapped, names no contest.
// Returns nullopt when the log names none, for a stream that cannot be repositioned, on a read error.
std::optional<LogContest> contestNamedBy(std::FILE* input);

// The same for a file, opened for the scan and closed again.
// Returns nullopt as contestNamedBy does, and for a file that cannot be opened.
std::optional<LogContest> contestNamedByFile(const std::string& path);
