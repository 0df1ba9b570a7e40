// Runs one conversion from the first line of the ADIF log to its end.
#pragma once
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>

#include "core/adif_reader.h"
#include "core/conversion_job.h"
#include "core/message_lists.h"

// Converts every complete record of the input into the import and names files, collecting
// problems in the lists; inputPath is the input's name as given, for the messages about it.
// The caller opens and closes the three streams. A failed read of the input ends the run with
// job.readError set to its errno value; the caller then reports it and keeps no output.
// When contestIds is given, it receives the log's CONTEST_ID values of record text (the first as
// written, nullopt when there is none, and each value once), so the caller can compare them with
// the contest of the run without reading the log twice.
// Returns the number of QSOs written (complete records read); 0 for a log without any.
int32_t runConversion(MessageLists& lists, std::FILE* input, const std::string& inputPath, std::FILE* importFile,
                      std::FILE* namesFile, ConversionJob& job, ContestIdsSeen* contestIds = nullptr);
