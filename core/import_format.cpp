#include "core/import_format.h"

namespace {

const FormatTraits kTraits[kImportFormatCount] = {
    {"KOLVEX6", 253, "%-5s", "%3d", "NNNYNNNNNNNNNNNNNNNN", false, "%s,%s\r\n", 133},
    {"KOLVEX8", 65533, "%-6s", "%5d", "NN", true, "%s,\r\n%s\r\n\r\n", 187},
};

}  // namespace

const FormatTraits& formatTraits(ImportFormat format) {
  return format == ImportFormat::Kolvex6 ? kTraits[0] : kTraits[1];
}

const char* importFormatName(int32_t value) {
  if (value < 0 || value >= kImportFormatCount) return nullptr;
  return kTraits[value].name;
}
