// Texts compared without regard to ASCII letter case, and surrounding blanks removed.
// Like the character classes, these never consult the C locale.
#pragma once
#include <algorithm>
#include <string_view>

#include "core/ascii.h"

// The text without its leading and trailing blanks (space, tab, LF, VT, FF, CR); the empty
// text when it holds nothing else.
inline std::string_view trimAsciiSpace(std::string_view text) {
  const auto first = std::find_if_not(text.begin(), text.end(), isAsciiSpace);
  const auto last = std::find_if_not(text.rbegin(), text.rend(), isAsciiSpace).base();
  return first < last ? text.substr(static_cast<size_t>(first - text.begin()), static_cast<size_t>(last - first))
                      : std::string_view();
}

// Byte order (unsigned, as strcmp) of the upper-cased bytes; a proper prefix sorts first.
inline bool lessIgnoringCase(std::string_view a, std::string_view b) {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return static_cast<unsigned char>(toAsciiUpper(x)) < static_cast<unsigned char>(toAsciiUpper(y));
  });
}

// Equal apart from the letter case of A-Z.
inline bool equalsIgnoringCase(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                    [](char x, char y) { return toAsciiUpper(x) == toAsciiUpper(y); });
}
