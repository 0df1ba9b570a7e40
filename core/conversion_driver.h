// Runs one conversion from the first line of the ADIF log to its end.
#pragma once
#include <cstdint>
#include <cstdio>

#include "core/conversion_job.h"
#include "core/message_lists.h"

// Converts every complete record of the input into the import and names files, collecting
// problems in the lists. The caller opens and closes the three streams.
// Returns the number of QSOs written (complete records read); 0 for a log without any.
int32_t runConversion(MessageLists& lists, std::FILE* input, std::FILE* importFile,
                      std::FILE* namesFile, ConversionJob& job);
