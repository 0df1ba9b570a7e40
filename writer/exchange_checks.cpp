#include "writer/exchange_checks.h"

#include <cstring>

#include "core/text_format.h"
#include "core/text_number.h"
#include "refdata/provinces.h"
#include "refdata/sections.h"
#include "refdata/state_county_validation.h"
#include "refdata/state_table.h"

namespace {

// A text counts as numeric when its leading number is not zero (serials, zones, member numbers).
bool isNumeric(const char* text) { return textToInt(text) != 0; }

bool isNumeric(const std::optional<std::string>& text) { return text && isNumeric(text->c_str()); }

void warnNotState(MessageLists& lists, const QsoRecord& record, const char* text) {
  addMessage(kWarningsList, lists, contactPrefix(record) + formatText(" in %s is not a valid US state.", text));
}

void warnNotSection(MessageLists& lists, const QsoRecord& record, const char* text) {
  addMessage(kWarningsList, lists, contactPrefix(record) + formatText(" in %s is not a valid ARRL section.", text));
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

// Stations send a US state, a Canadian province or a number; only the first gives a state.
const char* stateUnlessProvinceOrNumber(MessageLists& lists, const QsoRecord& record,
                                        const std::optional<std::string>& exchange) {
  if (!exchange || isNumeric(exchange->c_str()) || findProvince(exchange->c_str()) != nullptr) {
    return nullptr;
  }
  return stateOrWarn(lists, record, exchange->c_str());
}

// ARRL DX: a W/VE station may show its state in QTH, STATE or, when STATE is missing, SRX.
const char* arrlDxState(MessageLists& lists, const QsoRecord& record) {
  const char* result = nullptr;
  if (record.qth[0] != '\0' && findProvince(record.qth) == nullptr) {
    result = stateOrWarn(lists, record, record.qth);
  }
  if (record.state[0] != '\0') {
    // A province in STATE leaves whatever QTH gave.
    if (findProvince(record.state) == nullptr) result = stateOrWarn(lists, record, record.state);
  } else if (record.srx[0] != '\0' && !isNumeric(record.srx) && findProvince(record.srx) == nullptr &&
             std::strcmp(record.srx, "KW") != 0) {
    result = stateOrWarn(lists, record, record.srx);
  }
  return result;
}

// Members send their member number; anyone else sends a location.
const char* cwOpsState(MessageLists& lists, const QsoRecord& record, const std::optional<std::string>& exchange) {
  if (!exchange) {
    addMessage(kWarningsList, lists, formatText("%s is not a CWOPS member.", record.call));
    return nullptr;
  }
  if (isNumeric(exchange->c_str())) return nullptr;
  const char* state = findStateCode(exchange->c_str());
  addMessage(kWarningsList, lists, formatText("%s in %s is not a CWOPS member.", record.call, exchange->c_str()));
  return state;
}

// Maritime stations send their county; others their province or state.
const char* maritimeState(MessageLists& lists, const QsoRecord& record, const std::optional<std::string>& exchange) {
  if (!exchange || findMaritimeCounty(exchange->c_str()) != nullptr || findProvince(exchange->c_str()) != nullptr) {
    return nullptr;
  }
  return stateOrWarn(lists, record, exchange->c_str());
}

// A prefix of K marks a US station whose QTH is its state; otherwise STATE is used, where a
// Canadian station logs its province.
const char* prefixState(MessageLists& lists, const QsoRecord& record) {
  if (std::strcmp(record.pref, "K") == 0) {
    if (std::strcmp(record.qth, "DC") == 0) {
      addMessage(kWarningsList, lists, contactPrefix(record) + " is in DC, not a state.");
      return nullptr;
    }
    if (isNumeric(record.qth)) return nullptr;
    return findStateCode(record.qth);
  }
  if (record.state[0] == '\0' || findProvince(record.state) != nullptr) return nullptr;
  return stateOrWarn(lists, record, record.state);
}

// Widths of the award column's two parts.
constexpr size_t kAwardKindWidth = 4;
constexpr size_t kAwardValueWidth = 8;

void appendPadded(std::string& text, const char* part, size_t width) {
  const size_t start = text.size();
  text.append(part);
  if (text.size() - start < width) text.append(width - (text.size() - start), ' ');
}

// "%-4s%-8s": the reference kind in four columns, then its value in eight or more.
std::string awardText(const char* kind, const char* value) {
  std::string text;
  appendPadded(text, kind, kAwardKindWidth);
  appendPadded(text, value, kAwardValueWidth);
  return text;
}

// The exchange as an award value when it is present and not a number.
std::optional<std::string> textAward(const char* kind, const std::optional<std::string>& exchange) {
  if (!exchange || isNumeric(exchange->c_str())) return std::nullopt;
  return awardText(kind, exchange->c_str());
}

// The section Field Day stations outside the ARRL and RAC sections send.
constexpr const char* kFieldDayDxSection = "DX";

// Japanese prefectures are numbered 1 to 47.
constexpr int32_t kFirstPrefecture = 1;
constexpr int32_t kLastPrefecture = 47;

}  // namespace

const char* exchangeState(MessageLists& lists, const QsoRecord& record, ConversionJob& job,
                          const std::optional<std::string>& exchange) {
  switch (job.contest) {
    case ContestKind::Arrl10:
    case ContestKind::ArrlRttyRoundUp:
    case ContestKind::Cq160:
    case ContestKind::CqWw:
      return stateUnlessProvinceOrNumber(lists, record, exchange);
    case ContestKind::Arrl160:
      return exchange ? sectionOrWarn(lists, record, exchange->c_str()) : nullptr;
    case ContestKind::ArrlDx:
      return arrlDxState(lists, record);
    case ContestKind::ArrlFieldDay:
      // Stations outside the US and Canada send DX as their section in Field Day.
      if (std::strcmp(record.arrlSect, kFieldDayDxSection) == 0) return "";
      return sectionOrWarn(lists, record, record.arrlSect);
    case ContestKind::ArrlSweepstakes:
      return sectionOrWarn(lists, record, record.arrlSect);
    case ContestKind::CwOpsMiniCwt:
      return cwOpsState(lists, record, exchange);
    case ContestKind::MaritimeQsoParty:
      return maritimeState(lists, record, exchange);
    case ContestKind::Naqp:
    case ContestKind::NaSprint:
    case ContestKind::TaraMelee:
      return prefixState(lists, record);
    case ContestKind::StateQsoParty:
      return validateStateCounty(lists, record, job);
    default:
      return nullptr;
  }
}

std::optional<std::string> awardReference(const QsoRecord& record, const ConversionJob& job,
                                          const std::optional<std::string>& exchange) {
  switch (job.contest) {
    case ContestKind::CwOpsMiniCwt:
      if (!isNumeric(exchange)) return std::nullopt;
      return awardText("CWOP", std::to_string(textToInt(exchange->c_str())).c_str());
    case ContestKind::EaRtty:
      return textAward("EAPV", exchange);
    case ContestKind::HaDx:
      return textAward("WHAP", exchange);
    case ContestKind::JapanIntlDx: {
      if (!exchange) return std::nullopt;
      const int32_t prefecture = textToInt(exchange->c_str());
      if (prefecture < kFirstPrefecture || prefecture > kLastPrefecture) return std::nullopt;
      const char number[] = {static_cast<char>('0' + prefecture / 10), static_cast<char>('0' + prefecture % 10), '\0'};
      // Kind JAPR, then the prefecture as JP-07 and three blanks to fill the twelve columns.
      return std::string("JAPR") + "JP-" + number + "   ";
    }
    case ContestKind::MaritimeQsoParty:
      if (!exchange || findMaritimeCounty(exchange->c_str()) == nullptr) return std::nullopt;
      return awardText("MCTY", exchange->c_str());
    case ContestKind::Rda:
      return awardText("RDA", record.cnty);
    case ContestKind::Ref:
      if (!isNumeric(exchange)) return std::nullopt;
      return awardText("FDEP", exchange->c_str());
    case ContestKind::RussianDx:
      return textAward("OBLA", exchange);
    case ContestKind::Uba:
      if (record.prov[0] == '\0') return std::nullopt;
      return awardText("WABP", record.prov);
    case ContestKind::VkShires:
      return textAward("AVKS", exchange);
    case ContestKind::WorkedAllGermany:
      // A missing DOK still marks the contact for the award, with a blank value.
      if (isNumeric(exchange)) return std::nullopt;
      return awardText("DOK", exchange ? exchange->c_str() : "");
    default:
      return std::nullopt;
  }
}
