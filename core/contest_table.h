// The contest catalogue as one table: per contest its code, the name the dialog shows, and the
// record fields its received exchange, zone number and operator name come from.
#pragma once
#include <array>
#include <cstddef>

#include "core/contest_kind.h"
#include "core/record_field.h"

// Where a contest's zone column comes from.
enum class ZoneRule {
  None,        // no zone column
  Exchange,    // integer value of the chosen exchange, 0 without one
  Cqz,         // integer value of CQZ
  CqzElseSrx,  // integer value of CQZ when given, else of SRX when given
};

// Most candidate lists are short; four is the longest any contest or party needs.
constexpr size_t kMaxCandidates = 4;
using CandidateList = std::array<FieldReader, kMaxCandidates>;

// One contest of the catalogue.
struct ContestRow {
  ContestKind kind;          // the contest's code; the rows stand in code order
  const char* name;          // name the dialog shows
  CandidateList candidates;  // fields tried in order for the exchange; the first non-empty one wins; nullptr ends
  ZoneRule zone;             // source of the zone number
  FieldReader operatorName;  // field giving the operator name; nullptr = no names-file entry
  bool serial;               // the exchange carries a serial number
};

// The row of a contest 0 to 44. Returns nullptr for any other code.
const ContestRow* contestRow(ContestKind contest);
