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
// streams. A failed read of the input ends the run with job.readError set to its errno value, and
// a log without an end-of-header (that does not start with a record either) leaves
// job.headerSeen 0: such a log gives no result, and the caller reports logFileError's text and
// keeps no output. When contests is given, it receives the contests the converted records name
// (see LogContests), so the caller can compare them with the contest of the run without reading
// the log twice. Returns the QSOs and names written; none for a log without records.
RunCounts runConversion(MessageLists& lists, std::FILE* input, const std::string& inputPath, std::FILE* importFile,
                        std::FILE* namesFile, ConversionJob& job, LogContests* contests = nullptr);

// The file error of a run whose log gave no result, from the job as runConversion left it: a
// failed read, or no end-of-header. Returns the "ERROR: " text, empty when the log was read.
std::string logFileError(const ConversionJob& job, const std::string& inputPath);

// Reads an input from where it stands to the end of its first record, to tell before a run
// whether the log can give a result; the stream is left where the reading stopped.
// Returns logFileError's text for what was read, empty when the log's records can be read.
std::string logStartError(std::FILE* input, const std::string& inputPath);
