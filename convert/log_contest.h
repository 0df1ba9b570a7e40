// The contest a log names through its first CONTEST_ID, for choosing the contest of a run
// before it starts.
#pragma once
#include <cstdint>
#include <cstdio>
#include <optional>
#include <set>
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
  std::set<std::tuple<int32_t, StateNumber, std::string>> keys;  // the contests of `ids`, to tell a new one
  std::string lastId;                                            // the id noted last
  int32_t records = 0;                                           // complete records
  int32_t recordsNamingNone = 0;  // complete records whose CONTEST_ID is missing, empty or blank
};

// Notes one complete record, given its CONTEST_ID values as written, in order.
void noteRecordContests(LogContests& contests, const std::vector<std::string>& recordIds);

// What a CONTEST_ID value names. Returns nullopt for none, and for an empty, blank or unmapped id.
std::optional<LogContest> logContestOf(const std::optional<std::string>& contestId);

// The value of the first CONTEST_ID tag of record text, as written, read from where an open input
// stands; the input is put back there. A stream that cannot be repositioned (a pipe) is not read.
// Returns nullopt when the log has none, for a stream that cannot be repositioned, on a read error.
std::optional<std::string> contestIdIn(std::FILE* input);

// Scans an open input from where it stands and puts it back there. A stream that cannot be
// repositioned (a pipe) is not scanned at all. A log without CONTEST_ID, or whose first one is
// empty, blank or unmapped, names no contest.
// Returns nullopt when the log names none, for a stream that cannot be repositioned, on a read error.
std::optional<LogContest> contestNamedBy(std::FILE* input);

// The same for a file, opened for the scan and closed again.
// Returns nullopt as contestNamedBy does, and for a file that cannot be opened.
std::optional<LogContest> contestNamedByFile(const std::string& path);
