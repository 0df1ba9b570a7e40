// The state, county and award columns of an import record, with the checks that fill them.
#pragma once
#include <optional>
#include <string>

#include "core/contest_table.h"
#include "core/conversion_job.h"
#include "core/message_lists.h"
#include "core/qso_record.h"
#include "refdata/state_county_validation.h"
#include "writer/exchange_choice.h"

// The state column text by the run's contest rules (a table text), adding warnings for
// exchanges that do not check out; for the State QSO Party also the county column, from the
// job's party. A QTH that gave way to a later candidate is not read. Changes neither the record
// nor the job. Returns both columns blank (nullptr) when the contest has no state rule.
StateCountyPair exchangeState(MessageLists& lists, const QsoRecord& record, const ConversionJob& job,
                              const ContestRules& rules, const std::optional<std::string>& exchange,
                              bool qthGaveWay = false);

// Whether a state rule's check takes a text as the exchange without a warning (a state, a
// province, a number or a section, as the rule reads it). Returns true for rules that check
// nothing in the exchange.
bool checkTakesExchange(StateRule rule, const char* text);

// An award reference as the award column shows it.
struct AwardReference {
  std::string text;   // "%-4s%-8s": the reference kind, then the value; longer for a longer value
  std::string value;  // the value as the log gives it
};

// The award column by the run's contest rules. Returns nullopt when the contest has no award
// reference or its condition fails.
std::optional<AwardReference> awardReference(const QsoRecord& record, const ContestRules& rules,
                                             const ExchangeChoice& choice);
