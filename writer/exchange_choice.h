// Which received exchange, zone number and operator name a contest takes from one record.
#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "core/conversion_job.h"
#include "core/qso_record.h"

// The result of one selection, valid while the record is being written.
struct ExchangeChoice {
  std::optional<std::string> exchange;      // received exchange; nullopt = none
  int32_t zoneNumber = 0;                   // zone column, 0 = none
  std::optional<std::string> operatorName;  // name for the names file; nullopt = none
};

// Chooses the received exchange for the job's contest from the record's fields, using the mode
// text the writer prints. Sets job.serialExchange for serial-number contests and, for the RDA
// Contest, may rewrite record.cnty. Returns an empty exchange when every candidate is empty.
ExchangeChoice selectExchange(QsoRecord& record, ConversionJob& job, const char* modeText);
