#include "refdata/state_county_validation.h"

#include <cstring>
#include <string>
#include <string_view>

#include "core/text_format.h"
#include "refdata/callsign_prefix.h"
#include "refdata/county_tables.h"
#include "refdata/provinces.h"

namespace {

// The received text: the first non-empty of the fields a logger may put it in, after the
// chosen exchange for a party that reads it first.
const char* receivedText(const QsoRecord& record, const SingleStateParty* party, const char* exchange) {
  if (party != nullptr && party->received == ReceivedText::ExchangeFirst && exchange != nullptr &&
      exchange[0] != '\0') {
    return exchange;
  }
  for (const char* text : {record.exchange1, record.cnty, record.rcvd, record.qth}) {
    if (text[0] != '\0') return text;
  }
  return nullptr;
}

void addNotValid(MessageLists& lists, const QsoRecord& record, const char* text) {
  addMessage(kErrorsList, lists, contactMessage(record, ": %s is not a valid state/province/county.", text));
}

void warnIndependentCity(MessageLists& lists, const QsoRecord& record, const char* text, const char* state) {
  addMessage(kWarningsList, lists, contactMessage(record, ": %s is a %s independent city.", text, state));
}

// The 7th-area parties accept NVCAR, Carson City, as an independent city of Nevada.
bool isCarsonCity(const char* text) { return std::string_view(text) == "NVCAR"; }

// A text that is no county of the party: a state, a province, or an error for US stations.
const char* placeOutsideParty(MessageLists& lists, const QsoRecord& record, const char* text,
                              const SingleStateParty* party) {
  if (const char* state = findStateCode(text)) return state;
  if (const char* province = findProvince(text)) {
    // Inside a province whose party refuses its own code, only a region will do, from anyone.
    if (party != nullptr && party->ownCodeRefused && std::strcmp(province, stateCodeOf(party->state)) == 0) {
      addNotValid(lists, record, text);
    }
    return nullptr;
  }
  // Stations outside the US may send anything (a serial, a country): no complaint.
  if (!isUsCallsign(record.call)) return nullptr;
  // The Washington DC area is counted with Maryland.
  const std::string_view sent = text;
  if (sent == "MDC" || (sent == "DC" && party != nullptr && party->dcCountsAsMaryland)) {
    return stateCodeOf(kStateMaryland);
  }
  addNotValid(lists, record, text);
  return nullptr;
}

}  // namespace

StateCountyPair validateStateCounty(MessageLists& lists, const QsoRecord& record, const ConversionJob& job,
                                    const char* exchange) {
  const StateNumber n = job.stateNumber;
  const SingleStateParty* party = singleStatePartyOf(n);
  const char* text = receivedText(record, party, exchange);
  if (text == nullptr) return {};

  if (party != nullptr) {
    if (const char* county = findCounty(*party->table, text)) return {stateCodeOf(n), county};
    // Virginia's independent cities are sent as three letters ending in X.
    if (n == kStateVirginia && std::strlen(text) == 3 && text[2] == 'X') {
      warnIndependentCity(lists, record, text, stateCodeOf(kStateVirginia));
      return {stateCodeOf(kStateVirginia), nullptr};
    }
  } else if (n == kPartyNeqp) {
    if (const std::optional<StateCountyPair> hit = findPartyCounty(neqpCounties(), text)) return *hit;
  } else if (n == kPartySevenQp || n == kPartyMulti) {
    if (n == kPartyMulti) {
      // Indiana's own table first: its keys win over the other parties' same keys.
      if (const char* county = findCounty(*countyTableOf(kStateIndiana), text)) {
        return {stateCodeOf(kStateIndiana), county};
      }
      if (const std::optional<StateCountyPair> hit = findPartyCounty(neqpCounties(), text)) return *hit;
    }
    if (const std::optional<StateCountyPair> hit = findPartyCounty(sevenQpCounties(), text)) return *hit;
    if (n == kPartyMulti) {
      if (const std::optional<StateCountyPair> hit = findPartyCounty(allStatesCounties(), text)) return *hit;
    }
    if (isCarsonCity(text)) {
      warnIndependentCity(lists, record, text, stateCodeOf(kStateNevada));
      return {stateCodeOf(kStateNevada), nullptr};
    }
  } else if (const char* code = stateCodeOf(n)) {
    // A state table row without a party of its own: said for every contact.
    addMessage(kWarningsList, lists, formatMessage("%s is unsupported at this time.", code));
  }
  return {placeOutsideParty(lists, record, text, party), nullptr};
}
