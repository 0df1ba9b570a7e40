// Coverage-guided fuzzing of the ADIF reader and the scan for the contests a log names: any bytes as a log.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "convert/log_contest.h"
#include "core/adif_reader.h"

namespace {

// Every text field must still be NUL-terminated inside its width after a read.
void checkTerminated(const char* field, size_t size) {
  if (std::memchr(field, '\0', size) == nullptr) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::FILE* input = std::tmpfile();
  if (input == nullptr) return 0;
  std::fwrite(data, 1, size, input);
  std::rewind(input);
  logContestsIn(input);
  std::rewind(input);
  ConversionJob job;
  AdifInput adif(input);
  QsoRecord record{};
  while (readQsoRecord(adif, record, job) == 1) {
    checkTerminated(record.call, sizeof record.call);
    checkTerminated(record.rxExch, sizeof record.rxExch);
    checkTerminated(record.rcvd, sizeof record.rcvd);
    checkTerminated(record.qth, sizeof record.qth);
    record = QsoRecord{};
  }
  std::fclose(input);
  return 0;
}
