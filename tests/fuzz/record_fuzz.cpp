// Coverage-guided fuzzing of the recovery record's parser: any bytes as a record. A record it
// accepts names files of its own folder only, and reads back as the same bytes.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "convert/files/replacement_record.h"

namespace {

// A name that reaches outside the folder, or names the folder itself.
bool leavesFolder(const std::string& name) {
  return name == "." || name == ".." || name.find_first_of(std::string_view("/\\\0", 3)) != std::string::npos;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const std::optional<ReplacementRecord> record = parseReplacementRecord(bytes);
  if (!record) return 0;
  for (const std::string* name : {&record->output, &record->newOutput, &record->names, &record->newNames}) {
    if (name->empty() || leavesFolder(*name)) __builtin_trap();
  }
  if (leavesFolder(record->keptOutput) || recordBytes(*record) != bytes) __builtin_trap();
  return 0;
}
