// Which received exchange, zone number and operator name a contest takes from one record.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/contest_table.h"
#include "core/qso_record.h"

// The result of one selection.
struct ExchangeChoice {
  std::optional<std::string> exchange;      // received exchange; nullopt = none
  int32_t zoneNumber = 0;                   // zone column, 0 = none
  std::string zoneText;                     // the field's text the zone number was read from
  std::optional<std::string> operatorName;  // name for the names file; nullopt = none
  bool serial = false;                      // the contest exchanges serial numbers
  std::string cnty;                         // CNTY as the award column reads it (an RDA district rebuilt as AB-12)
  bool qthGaveWay = false;                  // QTH was no exchange the contest checks take; a later candidate was
  bool fromSrxString = false;               // every candidate was empty; the exchange is SRX_STRING's last word
  bool classFromReport = false;             // Field Day without a class elsewhere: RST_RCVD held it
};

// Whether a text is a Field Day class: one or two digits and a letter A-F, in any case.
bool isFieldDayClass(std::string_view text);

// Chooses the received exchange by the run's contest rules from the record's fields, using the
// mode text the writer prints. A QTH that the contest's checks do not take (a town) gives way to a
// later filled candidate; when every candidate is empty, SRX_STRING's last word stands in
// (not for Field Day, whose SRX_STRING starts with its class), upper-cased as every table code
// is. Field Day without a class elsewhere takes an RST_RCVD that is one. Changes nothing it is given.
// Returns no exchange when nothing is found, and an empty choice for rules without a contest.
ExchangeChoice selectExchange(const QsoRecord& record, const ContestRules& rules, const char* modeText);
