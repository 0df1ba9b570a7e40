// State QSO-party county validation: places a received county, state or province.
#pragma once
#include <cstdint>

#include "core/conversion_job.h"
#include "core/message_lists.h"
#include "core/qso_record.h"
#include "refdata/county_tables.h"
#include "refdata/state_table.h"

// Places the record's received text in the job's party county table(s), adding warnings and
// errors as it goes; a party that reads the chosen exchange first takes the exchange (nullptr
// for none). Gives the state column's code and, on a county table hit, the county name.
// Returns both nullptr when the text is placed nowhere.
StateCountyPair validateStateCounty(MessageLists& lists, const QsoRecord& record, const ConversionJob& job,
                                    const char* exchange);
