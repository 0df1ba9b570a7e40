#include "writer/exchange_choice.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <string_view>
#include <utility>

#include "core/ascii.h"
#include "core/contest_table.h"
#include "core/text_number.h"
#include "refdata/state_table.h"

namespace {

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

// The first candidate field that is not empty; nullptr when all are empty.
FieldReader firstFilledField(const QsoRecord& record, const CandidateList& candidates) {
  for (FieldReader read : candidates) {
    if (read == nullptr) break;
    if (*read(record) != '\0') return read;
  }
  return nullptr;
}

// The first non-empty candidate, or nullopt when all are empty.
std::optional<std::string> firstFilled(const QsoRecord& record, const CandidateList& candidates) {
  const FieldReader read = firstFilledField(record, candidates);
  if (read == nullptr) return std::nullopt;
  return std::string(read(record));
}

bool isLocatorLetter(char c) {
  const char upper = toAsciiUpper(c);
  return upper >= 'A' && upper <= 'R';
}

// The grid square a locator of six or eight characters lies in: its first four characters when
// they form a square (two letters A-R and two digits, any case). A contest whose exchange is the
// square gets it whole from a longer locator. Returns nullopt for any other text.
std::optional<std::string> squareOfLocator(const char* locator) {
  const size_t length = std::strlen(locator);
  if (length != 6 && length != 8) return std::nullopt;
  if (!isLocatorLetter(locator[0]) || !isLocatorLetter(locator[1])) return std::nullopt;
  if (!isAsciiDigit(locator[2]) || !isAsciiDigit(locator[3])) return std::nullopt;
  return std::string(locator, 4);
}

// Field Day's class (1F, 12A) as one logger keeps it: the first word of SRX_STRING ("1F CT").
// Returns nullopt when that word is no class: one or two digits and a letter A-F, any case.
std::optional<std::string> fieldDayClassOf(const char* srxString) {
  const std::string_view text = srxString;
  const std::string_view word = text.substr(0, text.find(' '));
  if (word.size() < 2 || word.size() > 3) return std::nullopt;
  if (!std::all_of(word.begin(), word.end() - 1, isAsciiDigit)) return std::nullopt;
  const char letter = toAsciiUpper(word.back());
  if (letter < 'A' || letter > 'F') return std::nullopt;
  return std::string(word);
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
  const ContestRow* row = contestRow(job.contest);
  if (row == nullptr) return choice;

  if (job.contest == ContestKind::StateQsoParty) {
    const PartyRule& party = partyRuleOf(job.stateNumber);
    choice.exchange = firstFilled(record, party.candidates);
    if (party.name != nullptr) choice.operatorName = std::string(party.name(record));
    if (party.serial) job.serialExchange = 1;
    return choice;
  }

  if (job.contest == ContestKind::Rda) {
    choice.exchange = rdaDistrict(record);
  } else if (job.contest == ContestKind::CqWw && std::strcmp(modeText, "RTTY") == 0) {
    choice.exchange = firstFilled(record, kCqWwRttyCandidates);
  } else {
    const FieldReader read = firstFilledField(record, row->candidates);
    if (read != nullptr) choice.exchange = std::string(read(record));
    if (read == kGrid) {
      if (std::optional<std::string> square = squareOfLocator(record.grid)) choice.exchange = std::move(square);
    }
    if (job.contest == ContestKind::ArrlFieldDay && !choice.exchange)
      choice.exchange = fieldDayClassOf(record.srxString);
  }
  choice.zoneNumber = zoneOf(row->zone, record, choice.exchange);
  if (job.contest == ContestKind::CwOpen) {
    choice.operatorName = cwOpenName(record);
  } else if (row->operatorName != nullptr) {
    choice.operatorName = std::string(row->operatorName(record));
  }
  if (row->serial) job.serialExchange = 1;
  return choice;
}
