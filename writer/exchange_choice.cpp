#include "writer/exchange_choice.h"

#include <array>
#include <cstring>

#include "core/text_number.h"
#include "refdata/state_table.h"

namespace {

// Reads one text field of a record.
using FieldReader = const char* (*)(const QsoRecord&);

template <auto Member>
const char* fieldOf(const QsoRecord& record) {
  return record.*Member;
}

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

// How one contest picks its received exchange.
struct ContestRule {
  CandidateList candidates;  // fields tried in order; the first non-empty one wins; nullptr ends
  ZoneRule zone;             // source of the zone number
  FieldReader name;          // field giving the operator name; nullptr = no names-file entry
  bool serial;               // the exchange carries a serial number
};

constexpr FieldReader kAge = &fieldOf<&QsoRecord::age>;
constexpr FieldReader kArrlSect = &fieldOf<&QsoRecord::arrlSect>;
constexpr FieldReader kClass = &fieldOf<&QsoRecord::contestClass>;
constexpr FieldReader kCnty = &fieldOf<&QsoRecord::cnty>;
constexpr FieldReader kCqz = &fieldOf<&QsoRecord::cqz>;
constexpr FieldReader kDok = &fieldOf<&QsoRecord::dok>;
constexpr FieldReader kExchange1 = &fieldOf<&QsoRecord::exchange1>;
constexpr FieldReader kExchTime = &fieldOf<&QsoRecord::exchTime>;
constexpr FieldReader kGrid = &fieldOf<&QsoRecord::grid>;
constexpr FieldReader kHq = &fieldOf<&QsoRecord::hq>;
constexpr FieldReader kItuz = &fieldOf<&QsoRecord::ituz>;
constexpr FieldReader kName = &fieldOf<&QsoRecord::name>;
constexpr FieldReader kQth = &fieldOf<&QsoRecord::qth>;
constexpr FieldReader kRcvd = &fieldOf<&QsoRecord::rcvd>;
constexpr FieldReader kRxPwr = &fieldOf<&QsoRecord::rxPwr>;
constexpr FieldReader kSection = &fieldOf<&QsoRecord::section>;
constexpr FieldReader kSrx = &fieldOf<&QsoRecord::srx>;
constexpr FieldReader kState = &fieldOf<&QsoRecord::state>;
constexpr FieldReader kVeProv = &fieldOf<&QsoRecord::veProv>;
constexpr FieldReader kYear = &fieldOf<&QsoRecord::year>;
constexpr FieldReader kZone = &fieldOf<&QsoRecord::zone>;

// Indexed by contest code. CQ WW on RTTY, the CW Open name, the RDA district and the
// State QSO Party are handled in code on top of their rows here.
constexpr ContestRule kContestRules[kContestCount] = {
    {{kExchange1, kAge, kSrx}, ZoneRule::None, nullptr, false},           // All Asia
    {{kExchange1, kQth}, ZoneRule::None, nullptr, false},                 // ARRL 10
    {{kExchange1, kArrlSect}, ZoneRule::None, nullptr, false},            // ARRL 160
    {{kRxPwr, kQth, kState, kSrx}, ZoneRule::None, nullptr, false},       // ARRL DX
    {{kExchange1, kClass}, ZoneRule::None, nullptr, false},               // ARRL Field Day
    {{kExchange1, kQth, kSrx}, ZoneRule::None, nullptr, true},            // ARRL RTTY Round-Up
    {{kSrx}, ZoneRule::None, nullptr, true},                              // ARRL Sweepstakes
    {{kGrid}, ZoneRule::None, nullptr, false},                            // ARRL VHF
    {{kSrx}, ZoneRule::None, nullptr, true},                              // BARTG
    {{kSrx}, ZoneRule::None, nullptr, true},                              // BARTG Sprint
    {{kExchange1, kQth, kSrx}, ZoneRule::Exchange, nullptr, false},       // CQ 160
    {{kSrx}, ZoneRule::None, nullptr, true},                              // CQ WPX
    {{kSrx, kCqz}, ZoneRule::CqzElseSrx, nullptr, false},                 // CQ WW (not RTTY)
    {{kSrx}, ZoneRule::None, nullptr, false},                             // CW Open
    {{kExchange1, kRcvd}, ZoneRule::None, kName, false},                  // CW Ops Mini-CWT
    {{kSrx}, ZoneRule::None, nullptr, true},                              // DL-DX RTTY
    {{kExchange1, kExchTime}, ZoneRule::Cqz, nullptr, false},             // DRCG Long Distance
    {{kExchange1, kRcvd}, ZoneRule::None, nullptr, false},                // EA RTTY
    {{kExchange1, kRcvd, kSrx}, ZoneRule::None, nullptr, false},          // HA-DX
    {{kZone, kItuz, kHq}, ZoneRule::None, nullptr, false},                // IARU HF
    {{kSrx}, ZoneRule::None, nullptr, true},                              // IOTA
    {{kExchange1, kRcvd, kSrx}, ZoneRule::None, nullptr, false},          // Japan Int'l DX
    {{kAge}, ZoneRule::None, nullptr, false},                             // JARTS
    {{kGrid}, ZoneRule::None, nullptr, false},                            // Makrothen RTTY
    {{kSection}, ZoneRule::None, nullptr, false},                         // Manchester Mineira
    {{kExchange1, kRcvd, kCnty}, ZoneRule::None, nullptr, false},         // Maritime QSO Party
    {{kState, kVeProv, kExchange1, kQth}, ZoneRule::None, kName, false},  // NAQP
    {{kSrx}, ZoneRule::None, kName, true},                                // NA Sprint
    {{kSrx}, ZoneRule::None, nullptr, true},                              // Oceania DX
    {{kRcvd, kState, kSrx}, ZoneRule::None, nullptr, true},               // RAC Canada
    {{}, ZoneRule::None, nullptr, false},                                 // RDA (in code)
    {{kExchange1, kRcvd, kSrx}, ZoneRule::None, nullptr, false},          // REF
    {{kExchange1, kRcvd, kSrx}, ZoneRule::None, nullptr, false},          // Russian DX
    {{kExchange1, kYear}, ZoneRule::None, nullptr, false},                // SCC RTTY
    {{kExchange1, kRcvd}, ZoneRule::None, nullptr, false},                // SP DX
    {{}, ZoneRule::None, nullptr, false},                                 // State QSO Party (in code)
    {{kGrid}, ZoneRule::None, nullptr, false},                            // Stew Perry TBDC
    {{kGrid}, ZoneRule::None, nullptr, false},                            // TARA Grid Dip
    {{kQth}, ZoneRule::None, nullptr, false},                             // TARA Melee
    {{kSrx}, ZoneRule::None, nullptr, true},                              // UBA
    {{kExchange1, kGrid}, ZoneRule::None, nullptr, false},                // UK DX
    {{kSrx}, ZoneRule::None, nullptr, false},                             // VK Shires
    {{kSrx, kRcvd}, ZoneRule::Cqz, nullptr, true},                        // VOLTA RTTY
    {{kSrx}, ZoneRule::None, nullptr, true},                              // Worked All Europe
    {{kExchange1, kDok}, ZoneRule::None, nullptr, false},                 // Worked All Germany
};

// CQ WW logged on RTTY sends a state or province where other modes send the zone.
constexpr CandidateList kCqWwRttyCandidates = {kState, kQth, kSrx, kCqz};

// How one state QSO party picks its received exchange.
struct PartyRule {
  const char* code;          // state table code of the party
  CandidateList candidates;  // fields tried in order; nullptr ends
  FieldReader name;          // field giving the operator name; nullptr = none
  bool serial;               // the exchange carries a serial number
};

constexpr PartyRule kPartyRules[] = {
    {"CA", {kSrx}, nullptr, true},
    {"MI", {kSrx}, nullptr, true},
    {"OH", {kSrx}, nullptr, true},
    {"VA", {kSrx}, nullptr, true},
    {"CO", {kQth}, kName, false},
    {"FL", {kExchange1, kCnty, kQth}, nullptr, false},
    {"IN", {kExchange1, kQth}, nullptr, false},
    {"7QP", {kExchange1, kQth}, nullptr, false},
    {"MN", {kExchange1, kQth}, kName, false},
    {"NM", {kExchange1, kRcvd}, kName, false},
    {"MULTI", {kExchange1, kCnty, kRcvd, kQth}, nullptr, false},
};

// Every party not listed above.
constexpr PartyRule kOtherPartyRule = {"", {kExchange1, kRcvd}, nullptr, false};

const PartyRule& partyRuleOf(StateNumber state) {
  const char* code = stateCodeOf(state);
  if (code == nullptr) return kOtherPartyRule;
  for (const PartyRule& rule : kPartyRules) {
    if (std::strcmp(rule.code, code) == 0) return rule;
  }
  return kOtherPartyRule;
}

// The first non-empty candidate, or nullopt when all are empty.
std::optional<std::string> firstFilled(const QsoRecord& record, const CandidateList& candidates) {
  for (FieldReader read : candidates) {
    if (read == nullptr) break;
    const char* text = read(record);
    if (*text != '\0') return std::string(text);
  }
  return std::nullopt;
}

// CW Open sends "serial name" in RX_EXCH; the name is what follows its first blank.
std::optional<std::string> cwOpenName(const QsoRecord& record) {
  if (record.rxExch[0] == '\0') return std::string(record.name);
  const char* blank = std::strchr(record.rxExch, ' ');
  if (blank == nullptr) return std::nullopt;
  return std::string(blank + 1);
}

// RDA districts are logged as AB-12 and written four characters wide as AB12. When only the
// four-character form was logged, CNTY gets the dashed form for the award column.
std::optional<std::string> rdaDistrict(QsoRecord& record) {
  if (record.cnty[0] != '\0') {
    if (std::strlen(record.cnty) == 5 && record.cnty[2] == '-') {
      const char district[] = {record.cnty[0], record.cnty[1], record.cnty[3], record.cnty[4]};
      return std::string(district, sizeof district);
    }
    return std::nullopt;
  }
  if (std::strlen(record.exchange1) != 4) return std::nullopt;
  const char* e = record.exchange1;
  const char dashed[] = {e[0], e[1], '-', e[2], e[3], '\0'};
  static_assert(sizeof dashed <= sizeof record.cnty, "the dashed district fits CNTY");
  std::memcpy(record.cnty, dashed, sizeof dashed);
  return std::string(record.exchange1);
}

int32_t zoneOf(ZoneRule rule, const QsoRecord& record, const std::optional<std::string>& exchange) {
  switch (rule) {
    case ZoneRule::None:
      return 0;
    case ZoneRule::Exchange:
      return exchange ? textToInt(exchange->c_str()) : 0;
    case ZoneRule::Cqz:
      return textToInt(record.cqz);
    case ZoneRule::CqzElseSrx:
      if (record.cqz[0] != '\0') return textToInt(record.cqz);
      if (record.srx[0] != '\0') return textToInt(record.srx);
      return 0;
  }
  return 0;
}

}  // namespace

ExchangeChoice selectExchange(QsoRecord& record, ConversionJob& job, const char* modeText) {
  ExchangeChoice choice;
  const int32_t code = static_cast<int32_t>(job.contest);
  if (code < 0 || code >= kContestCount) return choice;

  if (job.contest == ContestKind::StateQsoParty) {
    const PartyRule& party = partyRuleOf(job.stateNumber);
    choice.exchange = firstFilled(record, party.candidates);
    if (party.name != nullptr) choice.operatorName = std::string(party.name(record));
    if (party.serial) job.serialExchange = 1;
    return choice;
  }

  const ContestRule& rule = kContestRules[code];
  if (job.contest == ContestKind::Rda) {
    choice.exchange = rdaDistrict(record);
  } else if (job.contest == ContestKind::CqWw && std::strcmp(modeText, "RTTY") == 0) {
    choice.exchange = firstFilled(record, kCqWwRttyCandidates);
  } else {
    choice.exchange = firstFilled(record, rule.candidates);
  }
  choice.zoneNumber = zoneOf(rule.zone, record, choice.exchange);
  if (job.contest == ContestKind::CwOpen) {
    choice.operatorName = cwOpenName(record);
  } else if (rule.name != nullptr) {
    choice.operatorName = std::string(rule.name(record));
  }
  if (rule.serial) job.serialExchange = 1;
  return choice;
}
