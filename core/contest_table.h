// The contest catalogue as one table: per contest everything particular to it, from the name
// the dialog shows to the record fields of its exchange and the rules of its columns, and per
// state QSO party the columns in which it differs from the catalogue's "State QSO Party". The
// writer turns each rule into code; a new contest is a row here (and a code in contest_kind.h),
// a new party a party row.
#pragma once
#include <array>
#include <cstddef>

#include "core/contest_kind.h"
#include "core/record_field.h"

// How a contest's received exchange is found.
enum class ExchangeRule {
  Candidates,              // the first non-empty candidate field
  CandidatesElseSrxClass,  // the same; without one, a Field Day class as the first word of SRX_STRING
  RdaDistrict,             // an RDA district from CNTY (AB-12 gives AB12) or a four-character first item
};

// Where a contest's zone column comes from.
enum class ZoneRule {
  None,        // no zone column
  Exchange,    // integer value of the chosen exchange, 0 without one
  Cqz,         // integer value of CQZ
  CqzElseSrx,  // integer value of CQZ when given, else of SRX when given
};

// Where the other operator's name for the names file comes from.
enum class NameRule {
  None,            // no names-file entry
  Name,            // NAME
  RxExchElseName,  // the text after RX_EXCH's first blank (no name without a blank); NAME when RX_EXCH is empty
};

// Which mode text is written, which also picks the default reports.
enum class ModeRule {
  Logged,   // MODE, or SUBMODE under MODE MFSK
  RoundUp,  // PSK31 when DGTL is BPSK, else RTTY, whatever MODE says
};

// How the state column is filled and the exchange checked.
enum class StateRule {
  None,                // no state, no check
  UsStateExchange,     // the exchange as a US state unless it is a province or a number
  SectionExchange,     // the state of the exchange as an ARRL or RAC section
  ArrlDx,              // a W/VE station's state from QTH, STATE, then SRX
  FieldDaySection,     // the state of ARRL_SECT; DX (outside the sections) is no state
  SweepstakesSection,  // the state of ARRL_SECT
  CwOpsMember,         // members send a number, anyone else a location
  MaritimeCounty,      // a Maritime county or province gives no state; anything else is a US state
  ByPrefix,            // PREF K: the state in QTH; otherwise STATE
  PartyCounty,         // the county validation of the job's state QSO party, which also gives the county
};

// Which value an award reference carries, and when a contact has one.
enum class AwardValue {
  None,            // no award column
  TextExchange,    // the exchange, when present and not numeric
  NumberExchange,  // the exchange, when present and numeric
  MemberNumber,    // the exchange's integer value, when present and numeric
  Prefecture,      // JP- and the exchange's value 1 to 47 in two digits
  MaritimeCounty,  // the exchange, when it is a Maritime county
  Cnty,            // CNTY as the exchange selection leaves it, always
  Prov,            // the province field, when not empty
  NonNumber,       // the exchange, also when missing, unless numeric
};

// The award column: a reference kind in four characters, then its value in eight.
struct AwardRule {
  const char* kind = "";                // reference kind, such as OBLA
  AwardValue value = AwardValue::None;  // what follows it, and when
};

// The contest's own item at the end of the note line when the exchange is appended.
enum class NoteItem {
  None,         // nothing after the item's separating blank
  FieldDay,     // "#<exchange> <ARRL_SECT>"
  Sweepstakes,  // "#<SRX> <PREC> <CHECK> <ARRL_SECT>"
};

// Most candidate lists are short; four is the longest any contest or party needs.
constexpr size_t kMaxCandidates = 4;
using CandidateList = std::array<FieldReader, kMaxCandidates>;

// One contest of the catalogue, or one state QSO party. Rows are built in contest_table.cpp from
// the code, name and candidates; every other column starts at "nothing particular".
struct ContestRow {
  ContestKind kind = ContestKind::None;              // the contest's code; the rows stand in code order
  const char* name = "";                             // name the dialog shows
  CandidateList candidates = {};                     // fields tried in order for the exchange; nullptr ends
  CandidateList rttyCandidates = {};                 // the candidates when the mode text is RTTY; empty = the same
  ExchangeRule exchange = ExchangeRule::Candidates;  // how the exchange is found
  ZoneRule zone = ZoneRule::None;                    // source of the zone number
  NameRule operatorName = NameRule::None;            // source of the names-file entry
  bool serial = false;                               // the exchange carries a serial number (SerNr note item)
  ModeRule mode = ModeRule::Logged;                  // the mode text written
  StateRule state = StateRule::None;                 // the state column and its checks
  AwardRule award = {};                              // the award column
  NoteItem noteItem = NoteItem::None;                // the contest's note-line item
  bool needsState = false;                           // a run needs the party's state; its party row has the rules
  bool countsCalls = false;                          // a run counts the log's distinct callsigns
  const char* party = "";                            // a party row's state table code (CA, 7QP); "" otherwise
};

// Whether a run of the contest needs a state (the party it is). Returns false for a code
// outside the catalogue.
bool contestNeedsState(ContestKind contest);

// A run's contest as the writer applies it, worked out once before the first record.
struct ContestRules {
  ContestRow row;  // the contest's row; for a contest that needs a state, its party's row; kind None = no contest
};

// The rules of a contest and, for one that needs a state, of the party with that state table
// code. A party without a row of its own, or no party (nullptr), plays by the common party
// rules. Returns rules of kind None for a code outside the catalogue.
ContestRules contestRules(ContestKind contest, const char* partyCode);
