// State QSO-party county validation: places a received county, state or province.
#pragma once
#include <cstdint>

#include "core/conversion_job.h"
#include "core/message_lists.h"
#include "core/qso_record.h"
#include "refdata/state_table.h"

// Number of entries in the dialog's state list.
constexpr int32_t kStatePickCount = 29;

// The StateNumber at a position of the dialog's state list, 0 to 28. Returns -1 for any other.
StateNumber statePickListEntry(int32_t position);

// The position of a StateNumber in the dialog's state list. Returns -1 for a state it does not offer.
int32_t statePickListPosition(StateNumber state);

// Places the record's received text in the job's party county table(s), setting
// job.countyText on a county hit and adding warnings and errors as it goes.
// Returns the state code for the state column, or nullptr when it stays blank.
const char* validateStateCounty(MessageLists& lists, const QsoRecord& record, ConversionJob& job);
