// Helpers for the writer's tests: records and jobs built field by field.
#pragma once
#include <cstring>

#include "core/conversion_job.h"
#include "core/qso_record.h"
#include "refdata/state_table.h"

// Stores a text into a fixed-width record field; the tests only use texts that fit.
template <size_t N>
void setField(char (&field)[N], const char* text) {
  std::strncpy(field, text, N - 1);
  field[N - 1] = '\0';
}

// A contact with the callsign, date and time every message names.
inline QsoRecord contactRecord() {
  QsoRecord record{};
  setField(record.call, "N0CALL");
  setField(record.qsoDate, "20120325");
  setField(record.timeOn, "1430");
  return record;
}

inline ConversionJob jobFor(ContestKind contest) {
  ConversionJob job;
  job.contest = contest;
  return job;
}
