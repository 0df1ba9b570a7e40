// State QSO-party county validation: places a received county, state or province.
#pragma once
#include <cstdint>

#include "core/conversion_job.h"
#include "core/message_lists.h"
#include "core/qso_record.h"
#include "refdata/state_table.h"

// Where a received text was placed: the state and county columns of the contact.
struct StateCounty {
  const char* state = nullptr;   // state code for the state column; nullptr = blank
  const char* county = nullptr;  // county name of a county table hit; nullptr = blank
};

// Places the record's received text in the job's party county table(s), adding warnings and
// errors as it goes. Returns both columns blank when the text is placed nowhere.
StateCounty validateStateCounty(MessageLists& lists, const QsoRecord& record, const ConversionJob& job);
