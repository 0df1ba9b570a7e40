#include "core/contest_id_scan.h"

#include <string_view>

#include "core/adif_reader.h"

std::optional<std::string> scanContestId(std::FILE* input) {
  std::optional<std::string> id;
  scanRecordTags(input, [&id](std::string_view name, std::string_view value) {
    if (!isContestIdTag(name)) return true;
    id = std::string(value);
    return false;
  });
  return id;
}
