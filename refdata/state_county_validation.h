// State QSO-party county validation: places a received county, state or province.
#pragma once
#include <cstdint>

#include "core/conversion_job.h"
#include "core/message_lists.h"
#include "core/qso_record.h"
#include "refdata/state_table.h"

// Places the record's received text in the job's party county table(s), setting
// job.countyText on a county hit and adding warnings and errors as it goes.
// Returns the state code for the state column, or nullptr when it stays blank.
const char* validateStateCounty(MessageLists& lists, const QsoRecord& record, ConversionJob& job);
