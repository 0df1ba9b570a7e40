// Runs one conversion from the first line of the ADIF log to its end.
#pragma once
#include <cstdint>
#include <cstdio>
#include <string>

#include "convert/log_contest.h"
#include "core/conversion_job.h"
#include "core/message_lists.h"

// What a run wrote.
struct RunCounts {
  int32_t qsos = 0;   // QSOs written: complete records converted
  int32_t names = 0;  // names written to the names file
};

// Converts every complete record of the input that the job's filters let through (see
// record_filter.h) into the import and names files, collecting problems in the lists; inputPath is
// the input's name as given, for the messages about it. The caller opens and closes the three
// streams. When contests is given, it receives the contests the converted records name (see
// LogContests), so the caller can compare them with the contest of the run without reading the
// log twice. *counts receives the QSOs and names written.
// Returns false when the log gives no result: a failed read of the input, or a log without an
// end-of-header (that does not start with a record either), with the "ERROR: " text in *err;
// the caller then keeps no output.
bool runConversion(MessageLists& lists, std::FILE* input, const std::string& inputPath, std::FILE* importFile,
                   std::FILE* namesFile, ConversionJob& job, RunCounts* counts, std::string* err,
                   LogContests* contests = nullptr);

// Reads an input from where it stands to the end of its first record, to tell before a run
// whether the log can give a result; the stream is left where the reading stopped.
// Returns false with runConversion's "ERROR: " text in *err when it cannot.
bool checkLogStart(std::FILE* input, const std::string& inputPath, std::string* err);
