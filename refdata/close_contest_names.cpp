#include "refdata/close_contest_names.h"

#include <algorithm>
#include <string>
#include <tuple>
#include <utility>

#include "core/ascii.h"
#include "core/contest_kind.h"

namespace {

constexpr size_t kMaxNames = 5;

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

}  // namespace

std::vector<const char*> closeContestNames(std::string_view value) {
  const std::string wanted = reduced(value);
  if (wanted.size() < 2) return {};
  // Distance, length difference and code of every close name: sorting them gives the order.
  std::vector<std::tuple<size_t, size_t, int32_t>> close;
  for (int32_t code = 0; code < kContestCount; ++code) {
    const std::string name = reduced(contestName(code));
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
      close.emplace_back(distance, lengthDifference(name.size(), wanted.size()), code);
    }
  }
  std::sort(close.begin(), close.end());
  std::vector<const char*> names;
  for (size_t i = 0; i < close.size() && i < kMaxNames; ++i) names.push_back(contestName(std::get<2>(close[i])));
  return names;
}
