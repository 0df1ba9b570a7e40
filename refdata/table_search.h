// The two searches every lookup table uses, over rows whose key is read by a function.
// Internal to refdata/.
#pragma once
#include <cstddef>

#include "refdata/compare_text.h"

// The row whose key equals the text in a table sorted ascending under compareText:
// lo = 0, hi = count - 1 inclusive, mid = (lo + hi) / 2. Returns nullptr on a miss.
template <typename Row, typename KeyOf>
const Row* bisectRows(const Row* rows, size_t count, const char* text, KeyOf keyOf) {
  if (text == nullptr || rows == nullptr) return nullptr;
  // Signed bounds, so hi = mid - 1 may fall below zero and end the loop.
  std::ptrdiff_t lo = 0;
  std::ptrdiff_t hi = static_cast<std::ptrdiff_t>(count) - 1;
  while (lo <= hi) {
    const std::ptrdiff_t mid = (lo + hi) / 2;
    const int order = compareText(text, keyOf(rows[mid]));
    if (order < 0) {
      hi = mid - 1;
    } else if (order > 0) {
      lo = mid + 1;
    } else {
      return &rows[mid];
    }
  }
  return nullptr;
}

// The first row, in stored order, whose key equals the text. Returns nullptr on a miss.
template <typename Row, typename KeyOf>
const Row* linearRows(const Row* rows, size_t count, const char* text, KeyOf keyOf) {
  if (text == nullptr || rows == nullptr) return nullptr;
  for (size_t i = 0; i < count; ++i) {
    if (compareText(text, keyOf(rows[i])) == 0) return &rows[i];
  }
  return nullptr;
}
