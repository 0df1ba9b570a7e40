#include "writer/exchange_choice.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <string_view>
#include <utility>

#include "core/ascii.h"
#include "core/ascii_text.h"
#include "core/contest_table.h"
#include "core/text_number.h"
#include "writer/exchange_checks.h"
#include "writer/locator.h"

namespace {

// The first candidate field that is not empty; nullptr when all are empty. A QTH that the
// contest's check does not take (a town rather than a state) gives way to a later filled
// candidate, and qthGaveWay says so.
FieldReader firstFilledField(const QsoRecord& record, const CandidateList& candidates, StateRule check,
                             bool& qthGaveWay) {
  for (size_t i = 0; i < candidates.size() && candidates[i] != nullptr; ++i) {
    const FieldReader read = candidates[i];
    if (*read(record) == '\0') continue;
    if (read == kQth && !checkTakesExchange(check, record.qth)) {
      const auto later = std::find_if(candidates.begin() + static_cast<std::ptrdiff_t>(i) + 1, candidates.end(),
                                      [&record](FieldReader next) { return next != nullptr && *next(record) != '\0'; });
      if (later != candidates.end()) {
        qthGaveWay = true;
        continue;
      }
    }
    return read;
  }
  return nullptr;
}

// The last word of a text; nullopt when it has none.
std::optional<std::string> lastWordOf(const char* text) {
  const std::string_view words = text;
  const size_t end = words.find_last_not_of(' ');
  if (end == std::string_view::npos) return std::nullopt;
  const size_t blank = words.find_last_of(' ', end);
  const size_t start = blank == std::string_view::npos ? 0 : blank + 1;
  return std::string(words.substr(start, end + 1 - start));
}

// The grid square a locator of six or eight characters lies in: its first four characters. A
// contest whose exchange is the square gets it whole from a longer locator. Returns nullopt for
// any other text.
std::optional<std::string> squareOfLocator(const char* locator) {
  if (std::strlen(locator) <= 4 || !isMaidenheadLocator(locator)) return std::nullopt;
  return std::string(locator, 4);
}

// A text in upper case. Loggers keep SRX_STRING as the operator typed it ("599 ct").
std::string upperCased(std::string_view text) {
  std::string upper(text);
  for (char& c : upper) c = toAsciiUpper(c);
  return upper;
}

// Field Day's class (1F, 12A) as one logger keeps it: the first word of SRX_STRING ("1F CT").
// Returns nullopt when that word is no class.
std::optional<std::string> fieldDayClassOf(const char* srxString) {
  const std::string_view text = srxString;
  const std::string_view word = text.substr(0, text.find(' '));
  if (!isFieldDayClass(word)) return std::nullopt;
  return upperCased(word);
}

// The first filled candidate's text, a locator narrowed to its square. Returns nullopt when
// every candidate is empty.
std::optional<std::string> candidateExchange(const QsoRecord& record, const CandidateList& candidates, StateRule check,
                                             bool& qthGaveWay) {
  const FieldReader read = firstFilledField(record, candidates, check, qthGaveWay);
  if (read == nullptr) return std::nullopt;
  if (read == kGrid) {
    if (std::optional<std::string> square = squareOfLocator(record.grid)) return square;
  }
  return std::string(read(record));
}

// CW Open sends "serial name" in RX_EXCH; the name is what follows its first blank.
std::optional<std::string> nameOf(NameRule rule, const QsoRecord& record) {
  switch (rule) {
    case NameRule::None:
      return std::nullopt;
    case NameRule::Name:
      return std::string(record.name);
    case NameRule::RxExchElseName: {
      if (record.rxExch[0] == '\0') return std::string(record.name);
      const char* blank = std::strchr(record.rxExch, ' ');
      if (blank == nullptr) return std::nullopt;
      return std::string(blank + 1);
    }
  }
  return std::nullopt;
}

// RDA districts are logged as AB-12 and written four characters wide as AB12. When only the
// four-character form was logged, the award column gets the dashed form.
std::optional<std::string> rdaDistrict(const QsoRecord& record, std::string& cnty) {
  if (record.cnty[0] != '\0') {
    if (std::strlen(record.cnty) == 5 && record.cnty[2] == '-') {
      const char district[] = {record.cnty[0], record.cnty[1], record.cnty[3], record.cnty[4]};
      return std::string(district, sizeof district);
    }
    return std::nullopt;
  }
  if (std::strlen(record.exchange1) != 4) return std::nullopt;
  const char* e = record.exchange1;
  cnty = {e[0], e[1], '-', e[2], e[3]};
  return std::string(record.exchange1);
}

// The zone number and the text it was read from.
void takeZone(ZoneRule rule, const QsoRecord& record, ExchangeChoice& choice) {
  const char* text = nullptr;
  switch (rule) {
    case ZoneRule::None:
      return;
    case ZoneRule::Exchange:
      if (choice.exchange) text = choice.exchange->c_str();
      break;
    case ZoneRule::Cqz:
      text = record.cqz;
      break;
    case ZoneRule::CqzElseSrx:
      if (record.cqz[0] != '\0') {
        text = record.cqz;
      } else if (record.srx[0] != '\0') {
        text = record.srx;
      }
      break;
  }
  if (text == nullptr) return;
  choice.zoneNumber = textToInt(text);
  choice.zoneText = text;
}

}  // namespace

bool isFieldDayClass(std::string_view text) {
  if (text.size() < 2 || text.size() > 3) return false;
  if (!std::all_of(text.begin(), text.end() - 1, isAsciiDigit)) return false;
  const char letter = toAsciiUpper(text.back());
  return letter >= 'A' && letter <= 'F';
}

ExchangeChoice selectExchange(const QsoRecord& record, const ContestRules& rules, const char* modeText) {
  ExchangeChoice choice;
  const ContestRow& row = rules.row;
  if (row.kind == ContestKind::None) return choice;
  choice.cnty = record.cnty;

  choice.serial = row.serial;
  switch (row.exchange) {
    case ExchangeRule::Candidates:
    case ExchangeRule::CandidatesElseSrxClass: {
      const bool rtty = row.rttyCandidates[0] != nullptr && std::strcmp(modeText, "RTTY") == 0;
      choice.exchange =
          candidateExchange(record, rtty ? row.rttyCandidates : row.candidates, row.state, choice.qthGaveWay);
      if (!choice.exchange && row.exchange == ExchangeRule::CandidatesElseSrxClass) {
        choice.exchange = fieldDayClassOf(record.srxString);
        // One logger keeps the class in the report fields (RST_RCVD 3A).
        const std::string_view report = trimAsciiSpace(record.rstRcvd);
        if (!choice.exchange && isFieldDayClass(report)) {
          choice.exchange = upperCased(report);
          choice.classFromReport = true;
        }
      }
      break;
    }
    case ExchangeRule::RdaDistrict:
      choice.exchange = rdaDistrict(record, choice.cnty);
      break;
  }
  // Some contest loggers keep the whole exchange only in SRX_STRING ("599 001 CT"); its last
  // word is the item that varies. Field Day's SRX_STRING starts with its class instead.
  if (!choice.exchange && row.exchange == ExchangeRule::Candidates) {
    choice.exchange = lastWordOf(record.srxString);
    choice.fromSrxString = choice.exchange.has_value();
    if (choice.exchange) choice.exchange = upperCased(*choice.exchange);
  }
  takeZone(row.zone, record, choice);
  choice.operatorName = nameOf(row.operatorName, record);
  return choice;
}
