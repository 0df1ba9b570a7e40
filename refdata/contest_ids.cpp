#include "refdata/contest_ids.h"

#include <algorithm>
#include <cstring>

#include "core/ascii_text.h"
#include "refdata/contest_id_data.h"

namespace {

// The catalogue entry of exactly this name; None when no contest has it.
ContestKind contestNamed(const char* name) {
  for (int32_t code = 0; code < kContestCount; ++code) {
    if (std::strcmp(contestName(code), name) == 0) return static_cast<ContestKind>(code);
  }
  return ContestKind::None;
}

}  // namespace

std::optional<ContestChoice> findContestId(std::string_view id) {
  const std::string_view text = trimAsciiSpace(id);
  const ContestIdRow* first = ContestIds.rows;
  const ContestIdRow* last = first + ContestIds.count;
  // The keys are upper case and sorted in byte order, which is the order lessIgnoringCase
  // gives them, so the text needs no copy to be upper-cased for the bisection.
  const ContestIdRow* row = std::lower_bound(
      first, last, text, [](const ContestIdRow& r, std::string_view t) { return lessIgnoringCase(r.key, t); });
  if (text.empty() || row == last || !equalsIgnoringCase(row->key, text)) return std::nullopt;
  const ContestKind contest = contestNamed(row->catalogue);
  if (contest == ContestKind::None) return std::nullopt;
  return ContestChoice{contest, row->party[0] != '\0' ? findStateNumber(row->party) : -1};
}
