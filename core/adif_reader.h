// The ADIF reader: a line scanner that fills one QsoRecord per call.
#pragma once
#include <cstdint>
#include <cstdio>

#include "core/conversion_job.h"
#include "core/qso_record.h"

// Reads lines until an end-of-record tag completes a record, storing the known tags into the
// record (which the caller empties beforehand). Uses and sets job.headerSeen.
// Returns 1 when a record was completed, 0 at end of input or on a read error.
int32_t readQsoRecord(std::FILE* input, QsoRecord& record, ConversionJob& job);
