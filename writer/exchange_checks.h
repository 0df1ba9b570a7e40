// The state and award columns of an import record, with the checks that fill them.
#pragma once
#include <optional>
#include <string>

#include "core/conversion_job.h"
#include "core/message_lists.h"
#include "core/qso_record.h"

// The state column text for the job's contest (a table text), adding warnings for exchanges
// that do not check out. For the State QSO Party it also sets job.countyText.
// Returns nullptr when the column stays blank.
const char* exchangeState(MessageLists& lists, const QsoRecord& record, ConversionJob& job,
                          const std::optional<std::string>& exchange);

// The award column text for the job's contest (twelve characters or more).
// Returns nullopt when the contest has no award reference or its condition fails.
std::optional<std::string> awardReference(const QsoRecord& record, const ConversionJob& job,
                                          const std::optional<std::string>& exchange);
