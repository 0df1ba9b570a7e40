// The contest a log names through its first CONTEST_ID, for choosing the contest of a run
// before it starts.
#pragma once
#include <cstdio>
#include <optional>
#include <string>

#include "refdata/contest_choice.h"

// A mapped CONTEST_ID and what it names.
struct LogContest {
  std::string contestId;  // the id as the log writes it, surrounding blanks removed
  ContestChoice contest;  // the catalogue entry and, for a State QSO Party, its state
};

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
