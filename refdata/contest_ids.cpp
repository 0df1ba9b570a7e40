#include "refdata/contest_ids.h"

#include <algorithm>

#include "core/ascii_text.h"
#include "refdata/contest_id_data.h"

std::optional<ContestChoice> findContestId(std::string_view id) {
  const std::string_view text = trimAsciiSpace(id);
  const ContestIdRow* first = ContestIds.rows;
  const ContestIdRow* last = first + ContestIds.count;
  // The keys are upper case and sorted in byte order, which is the order lessIgnoringCase
  // gives them, so the text needs no copy to be upper-cased for the bisection.
  const ContestIdRow* row = std::lower_bound(
      first, last, text, [](const ContestIdRow& r, std::string_view t) { return lessIgnoringCase(r.key, t); });
  if (text.empty() || row == last || !equalsIgnoringCase(row->key, text)) return std::nullopt;
  return ContestChoice{row->contest, row->party};
}

const ContestIdTable& contestIdTable() { return ContestIds; }
