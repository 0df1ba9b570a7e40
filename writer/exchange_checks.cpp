#include "writer/exchange_checks.h"

#include <cstring>
#include <iterator>
#include <utility>

#include "core/contest_table.h"
#include "core/text_format.h"
#include "core/text_number.h"
#include "refdata/provinces.h"
#include "refdata/sections.h"
#include "refdata/state_table.h"

namespace {

// A text counts as numeric when its leading number is not zero (serials, zones, member numbers).
bool isNumeric(const char* text) { return textToInt(text) != 0; }

bool isNumeric(const std::optional<std::string>& text) { return text && isNumeric(text->c_str()); }

void warnNotState(MessageLists& lists, const QsoRecord& record, const char* text) {
  addMessage(kWarningsList, lists, contactMessage(record, " in %s is not a valid US state.", text));
}

void warnNotSection(MessageLists& lists, const QsoRecord& record, const char* text) {
  addMessage(kWarningsList, lists, contactMessage(record, " in %s is not a valid ARRL section.", text));
}

// A US state code, warning when the text is none.
const char* stateOrWarn(MessageLists& lists, const QsoRecord& record, const char* text) {
  const char* state = findStateCode(text);
  if (state == nullptr) warnNotState(lists, record, text);
  return state;
}

// A section's state: empty for a section outside the US, a warning for no section at all.
const char* sectionOrWarn(MessageLists& lists, const QsoRecord& record, const char* text) {
  const char* state = sectionState(text);
  if (state == nullptr) warnNotSection(lists, record, text);
  return state;
}

// What a state rule needs: the record, the job and the chosen exchange.
struct StateInput {
  const QsoRecord& record;                     // the contact
  const ConversionJob& job;                    // the job, for a party's state
  const std::optional<std::string>& exchange;  // the chosen exchange
  bool qthGaveWay;                             // QTH was passed over as no exchange; it is not read
};

StateCountyPair noState(MessageLists&, const StateInput&) { return {}; }

// Stations send a US state, a Canadian province or a number; only the first gives a state.
StateCountyPair usStateExchange(MessageLists& lists, const StateInput& in) {
  if (!in.exchange || isNumeric(in.exchange->c_str()) || findProvince(in.exchange->c_str()) != nullptr) return {};
  return {stateOrWarn(lists, in.record, in.exchange->c_str())};
}

StateCountyPair sectionExchange(MessageLists& lists, const StateInput& in) {
  if (!in.exchange) return {};
  return {sectionOrWarn(lists, in.record, in.exchange->c_str())};
}

// ARRL DX: a W/VE station may show its state in QTH, STATE or, when STATE is missing, SRX.
StateCountyPair arrlDxState(MessageLists& lists, const StateInput& in) {
  const QsoRecord& record = in.record;
  const char* result = nullptr;
  if (!in.qthGaveWay && record.qth[0] != '\0' && findProvince(record.qth) == nullptr) {
    result = stateOrWarn(lists, record, record.qth);
  }
  if (record.state[0] != '\0') {
    // A province in STATE leaves whatever QTH gave.
    if (findProvince(record.state) == nullptr) result = stateOrWarn(lists, record, record.state);
  } else if (record.srx[0] != '\0' && !isNumeric(record.srx) && findProvince(record.srx) == nullptr &&
             std::strcmp(record.srx, "KW") != 0) {
    result = stateOrWarn(lists, record, record.srx);
  }
  return {result};
}

// The section Field Day stations outside the ARRL and RAC sections send.
constexpr const char* kFieldDayDxSection = "DX";

StateCountyPair fieldDaySection(MessageLists& lists, const StateInput& in) {
  if (std::strcmp(in.record.arrlSect, kFieldDayDxSection) == 0) return {""};
  return {sectionOrWarn(lists, in.record, in.record.arrlSect)};
}

StateCountyPair sweepstakesSection(MessageLists& lists, const StateInput& in) {
  return {sectionOrWarn(lists, in.record, in.record.arrlSect)};
}

// Members send their member number; anyone else sends a location.
StateCountyPair cwOpsState(MessageLists& lists, const StateInput& in) {
  if (!in.exchange) {
    addMessage(kWarningsList, lists, formatMessage("%s is not a CWOPS member.", in.record.call));
    return {};
  }
  if (isNumeric(in.exchange->c_str())) return {};
  const char* state = findStateCode(in.exchange->c_str());
  addMessage(kWarningsList, lists,
             formatMessage("%s in %s is not a CWOPS member.", in.record.call, in.exchange->c_str()));
  return {state};
}

// Maritime stations send their county; others their province or state.
StateCountyPair maritimeState(MessageLists& lists, const StateInput& in) {
  const std::optional<std::string>& exchange = in.exchange;
  if (!exchange || findMaritimeCounty(exchange->c_str()) != nullptr || findProvince(exchange->c_str()) != nullptr) {
    return {};
  }
  return {stateOrWarn(lists, in.record, exchange->c_str())};
}

// A prefix of K marks a US station whose QTH is its state; otherwise STATE is used, where a
// Canadian station logs its province.
StateCountyPair prefixState(MessageLists& lists, const StateInput& in) {
  const QsoRecord& record = in.record;
  if (std::strcmp(record.pref, "K") == 0) {
    if (std::strcmp(record.qth, "DC") == 0) {
      addMessage(kWarningsList, lists, contactMessage(record, " is in DC, not a state."));
      return {};
    }
    if (isNumeric(record.qth)) return {};
    return {findStateCode(record.qth)};
  }
  if (record.state[0] == '\0' || findProvince(record.state) != nullptr) return {};
  return {stateOrWarn(lists, record, record.state)};
}

StateCountyPair partyCounty(MessageLists& lists, const StateInput& in) {
  return validateStateCounty(lists, in.record, in.job, in.exchange ? in.exchange->c_str() : nullptr);
}

// The code of each state rule, in the rule's order.
struct StateRuleCode {
  StateRule rule;                                              // the rule
  StateCountyPair (*place)(MessageLists&, const StateInput&);  // its code
};

constexpr StateRuleCode kStateRules[] = {
    {StateRule::None, noState},
    {StateRule::UsStateExchange, usStateExchange},
    {StateRule::SectionExchange, sectionExchange},
    {StateRule::ArrlDx, arrlDxState},
    {StateRule::FieldDaySection, fieldDaySection},
    {StateRule::SweepstakesSection, sweepstakesSection},
    {StateRule::CwOpsMember, cwOpsState},
    {StateRule::MaritimeCounty, maritimeState},
    {StateRule::ByPrefix, prefixState},
    {StateRule::PartyCounty, partyCounty},
};

constexpr bool stateRulesInOrder() {
  for (size_t i = 0; i < std::size(kStateRules); ++i) {
    if (kStateRules[i].rule != static_cast<StateRule>(i)) return false;
  }
  return static_cast<size_t>(StateRule::PartyCounty) + 1 == std::size(kStateRules);
}
static_assert(stateRulesInOrder(), "one entry per state rule, in the rule's order");

// Widths of the award column's two parts.
constexpr size_t kAwardKindWidth = 4;
constexpr size_t kAwardValueWidth = 8;

void appendPadded(std::string& text, const std::string& part, size_t width) {
  text.append(part);
  if (part.size() < width) text.append(width - part.size(), ' ');
}

// "%-4s%-8s": the reference kind in four columns, then its value in eight or more.
AwardReference awardText(const char* kind, std::string value) {
  AwardReference award;
  appendPadded(award.text, kind, kAwardKindWidth);
  appendPadded(award.text, value, kAwardValueWidth);
  award.value = std::move(value);
  return award;
}

// Japanese prefectures are numbered 1 to 47.
constexpr int32_t kFirstPrefecture = 1;
constexpr int32_t kLastPrefecture = 47;

// The award value a rule finds for a contact; nullopt when the contact has none.
std::optional<std::string> awardValue(AwardValue rule, const QsoRecord& record, const ExchangeChoice& choice) {
  const std::optional<std::string>& exchange = choice.exchange;
  switch (rule) {
    case AwardValue::None:
      return std::nullopt;
    case AwardValue::TextExchange:
      if (!exchange || isNumeric(exchange)) return std::nullopt;
      return exchange;
    case AwardValue::NumberExchange:
      if (!isNumeric(exchange)) return std::nullopt;
      return exchange;
    case AwardValue::MemberNumber:
      if (!isNumeric(exchange)) return std::nullopt;
      return std::to_string(textToInt(exchange->c_str()));
    case AwardValue::Prefecture: {
      if (!exchange) return std::nullopt;
      const int32_t prefecture = textToInt(exchange->c_str());
      if (prefecture < kFirstPrefecture || prefecture > kLastPrefecture) return std::nullopt;
      return std::string{'J', 'P', '-', static_cast<char>('0' + prefecture / 10),
                         static_cast<char>('0' + prefecture % 10)};
    }
    case AwardValue::MaritimeCounty:
      if (!exchange || findMaritimeCounty(exchange->c_str()) == nullptr) return std::nullopt;
      return exchange;
    case AwardValue::Cnty:
      return choice.cnty;
    case AwardValue::Prov:
      if (record.prov[0] == '\0') return std::nullopt;
      return std::string(record.prov);
    case AwardValue::NonNumber:
      if (isNumeric(exchange)) return std::nullopt;
      return exchange.value_or("");
  }
  return std::nullopt;
}

}  // namespace

StateCountyPair exchangeState(MessageLists& lists, const QsoRecord& record, const ConversionJob& job,
                              const ContestRules& rules, const std::optional<std::string>& exchange, bool qthGaveWay) {
  return kStateRules[static_cast<size_t>(rules.row.state)].place(lists, StateInput{record, job, exchange, qthGaveWay});
}

bool checkTakesExchange(StateRule rule, const char* text) {
  const bool place = findStateCode(text) != nullptr || findProvince(text) != nullptr;
  switch (rule) {
    case StateRule::UsStateExchange:
      return place || isNumeric(text);
    case StateRule::ArrlDx:
      return place;
    case StateRule::SectionExchange:
      return sectionState(text) != nullptr;
    case StateRule::MaritimeCounty:
      return place || findMaritimeCounty(text) != nullptr;
    default:
      return true;
  }
}

std::optional<AwardReference> awardReference(const QsoRecord& record, const ContestRules& rules,
                                             const ExchangeChoice& choice) {
  const AwardRule& award = rules.row.award;
  std::optional<std::string> value = awardValue(award.value, record, choice);
  if (!value) return std::nullopt;
  return awardText(award.kind, std::move(*value));
}
