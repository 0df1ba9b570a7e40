#include "refdata/close_names.h"

#include <algorithm>
#include <string>
#include <tuple>
#include <utility>

#include "core/ascii.h"
#include "core/contest_kind.h"
#include "refdata/state_pick_list.h"
#include "refdata/state_table.h"

namespace {

// The letters and digits of the text, upper-cased: blanks and punctuation do not count.
std::string reduced(std::string_view text) {
  std::string result;
  for (char c : text) {
    if (isAsciiLetter(c) || isAsciiDigit(c)) result += toAsciiUpper(c);
  }
  return result;
}

// The smallest edit distance between the pattern and any part of the text: a part may start
// and end anywhere in the text for free. Swapping two neighbours costs one edit.
size_t partDistance(const std::string& pattern, const std::string& text) {
  const size_t n = text.size();
  // Rows i-2, i-1 and i of the table; row 0 is all zero, since a part may start anywhere.
  std::vector<size_t> before(n + 1, 0), previous(n + 1, 0), current(n + 1, 0);
  for (size_t i = 1; i <= pattern.size(); ++i) {
    current[0] = i;
    for (size_t j = 1; j <= n; ++j) {
      const size_t replace = previous[j - 1] + (pattern[i - 1] != text[j - 1] ? 1 : 0);
      size_t best = std::min({previous[j] + 1, current[j - 1] + 1, replace});
      if (i > 1 && j > 1 && pattern[i - 1] == text[j - 2] && pattern[i - 2] == text[j - 1]) {
        best = std::min(best, before[j - 2] + 1);
      }
      current[j] = best;
    }
    std::swap(before, previous);
    std::swap(previous, current);
  }
  return *std::min_element(previous.begin(), previous.end());
}

size_t lengthDifference(size_t a, size_t b) { return a > b ? a - b : b - a; }

// At most maxNames of the candidates close to the value, closest first; ties in candidate order.
std::vector<const char*> closeNames(std::string_view value, const std::vector<const char*>& candidates,
                                    size_t maxNames) {
  const std::string wanted = reduced(value);
  if (wanted.size() < 2) return {};
  // Distance, length difference and position of every close name: sorting them gives the order.
  std::vector<std::tuple<size_t, size_t, size_t>> close;
  for (size_t position = 0; position < candidates.size(); ++position) {
    const std::string name = reduced(candidates[position]);
    // The value found in the name, or the name in the value; each within a quarter of the
    // length of what is looked for, so a short name never matches by chance in a long value.
    const size_t valueInName = partDistance(wanted, name);
    const size_t nameInValue = partDistance(name, wanted);
    const bool valueFound = valueInName <= wanted.size() / 4;
    const bool nameFound = nameInValue <= name.size() / 4;
    if (valueFound || nameFound) {
      const size_t distance = valueFound && nameFound ? std::min(valueInName, nameInValue)
                              : valueFound            ? valueInName
                                                      : nameInValue;
      close.emplace_back(distance, lengthDifference(name.size(), wanted.size()), position);
    }
  }
  std::sort(close.begin(), close.end());
  std::vector<const char*> names;
  for (size_t i = 0; i < close.size() && i < maxNames; ++i) names.push_back(candidates[std::get<2>(close[i])]);
  return names;
}

}  // namespace

std::vector<const char*> closeContestNames(std::string_view value) {
  std::vector<const char*> names;
  for (int32_t code = 0; code < kContestCount; ++code) names.push_back(contestName(code));
  return closeNames(value, names, 5);
}

std::vector<const char*> closeStateNames(std::string_view value) {
  std::vector<const char*> names;
  for (int32_t position = 0; position < kStatePickCount; ++position) {
    names.push_back(stateNameOf(statePickListEntry(position)));
  }
  return closeNames(value, names, 3);
}
