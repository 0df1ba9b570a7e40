// Coverage-guided fuzzing of whole conversions: the first two bytes pick the contest, the
// State QSO Party state, the format and the options; the rest is the log.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

#include "convert/conversion_driver.h"
#include "convert/record_filter.h"
#include "core/adif_reader.h"
#include "core/contest_kind.h"
#include "core/message_lists.h"
#include "core/test_input.h"
#include "refdata/state_table.h"

namespace {

size_t countOf(const std::string& text, const char* what) {
  size_t count = 0;
  for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++count;
  return count;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2) return 0;
  ConversionJob job;
  job.contest = static_cast<ContestKind>(data[0] % kContestCount);
  job.stateNumber = static_cast<StateNumber>(data[1] % kStateCount);
  job.importFormat = (data[1] & 0x80) ? ImportFormat::Kolvex6 : ImportFormat::Kolvex8;
  job.appendExchange = job.appendSerial = (data[0] & 0x80) ? 1 : 0;
  job.includeFrequency = (data[0] & 0x40) ? 0 : 1;
  job.label = (data[1] & 0x40) ? 1 : 0;
  job.groupNumber = data[1];
  job.note[0] = (data[0] & 0x20) ? 'N' : '\0';
  job.onlyContest = (data[1] & 0x20) ? 1 : 0;
  job.toUtc = (data[1] & 0x10) ? 20240101235959 : 0;  // a window that some records miss

  std::FILE* input = std::tmpfile();
  std::FILE* output = std::tmpfile();
  std::FILE* names = std::tmpfile();
  if (input == nullptr || output == nullptr || names == nullptr) __builtin_trap();
  std::fwrite(data + 2, 1, size - 2, input);
  std::rewind(input);

  MessageLists lists;
  RunCounts counts;
  std::string error;
  runConversion(lists, input, "log.adi", output, names, job, &counts, &error);
  const int32_t written = counts.qsos;
  // Every complete record that no filter skips gives exactly two CR LF lines, and no line ends
  // any other way.
  const std::string kvx = contentsOf(output);
  const int32_t records = recordsIn(input);
  if (filtersRecords(job) ? written > records : written != records) __builtin_trap();
  if (countOf(kvx, "\r\n") != 2 * static_cast<size_t>(written)) __builtin_trap();
  if (countOf(kvx, "\n") != countOf(kvx, "\r\n")) __builtin_trap();
  const std::string kvn = contentsOf(names);
  if (countOf(kvn, "\n") != countOf(kvn, "\r\n")) __builtin_trap();

  std::fclose(input);
  std::fclose(output);
  std::fclose(names);
  return 0;
}
