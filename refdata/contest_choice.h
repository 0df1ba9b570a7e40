// A contest as a run converts it or a log names it: a catalogue entry and, for the State QSO
// Party, the party's state. How the operator sees it named, and when two are the same.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/contest_kind.h"
#include "refdata/state_table.h"

// A catalogue entry with the state of its party.
struct ContestChoice {
  ContestKind contest = ContestKind::None;  // catalogue entry; None when there is none
  StateNumber state = -1;                   // StateTable row of a State QSO Party; -1 for none
};

// The catalogue name, and for a State QSO Party with a state "State QSO Party (%s)" with the
// state's name ("State QSO Party (Florida)"). Returns the empty text for a contest outside the
// catalogue.
std::string contestChoiceName(const ContestChoice& choice);

// The same catalogue entry and, for a contest that needs a state only, the same state; the state of any
// other contest is not compared. Returns false when either contest is outside the catalogue.
bool sameContest(const ContestChoice& a, const ContestChoice& b);

// The warning for a log whose CONTEST_ID names another contest than the run converts with:
// "%s names the contest %s (CONTEST_ID %s); it was converted as %s." with the input path as
// given, the log's contest, its CONTEST_ID without surrounding blanks and the run's contest.
// Returns the empty text when both are the same contest (or either is outside the catalogue).
std::string contestMismatchWarning(std::string_view inputPath, const ContestChoice& logContest,
                                   std::string_view contestId, const ContestChoice& runContest);

// The warning for a log whose records name more than one contest: "%s names %d contests (%s);
// all its QSOs were converted as %s." with the input path as given, the number of contests, the
// first three of the given ids (one for each contest) joined by ", " (and " and %d more" for the
// others) and the run's contest. A run that converted only some records says "all converted
// QSOs" in place of "all its QSOs". Returns the empty text for fewer than two ids.
std::string severalContestsWarning(std::string_view inputPath, const std::vector<std::string>& contestIds,
                                   const ContestChoice& runContest, bool someRecordsOnly = false);

// The warning for a log of which only some QSOs name a contest: "%s: %d of its %d QSOs name no
// contest; all were converted as %s." with the input path as given, the QSOs without a contest,
// all QSOs and the run's contest. Returns the empty text when none or all of them name none.
std::string unnamedContestWarning(std::string_view inputPath, int32_t unnamed, int32_t qsos,
                                  const ContestChoice& runContest);
