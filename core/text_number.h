// Reading a text as a number, the way the C library's decimal conversion does.
#pragma once
#include <cstdint>

#include "core/ascii.h"

// The value of a text's leading decimal number: optional blanks, an optional sign, then
// digits up to the first other character. Returns 0 when there are no digits; values beyond
// the signed 32-bit range saturate at its ends ("20M" gives 20, "A12" gives 0).
inline int32_t textToInt(const char* text) {
  const char* p = text;
  while (isAsciiSpace(*p)) ++p;
  bool negative = false;
  if (*p == '+' || *p == '-') negative = (*p++ == '-');
  int64_t value = 0;
  const int64_t limit = negative ? -static_cast<int64_t>(INT32_MIN) : INT32_MAX;
  for (; isAsciiDigit(*p); ++p) {
    value = value * 10 + (*p - '0');
    if (value > limit) {
      value = limit;
      break;  // saturated; the remaining digits cannot change it
    }
  }
  return static_cast<int32_t>(negative ? -value : value);
}

// The value of a text's leading decimal number: optional blanks, an optional sign, digits with
// at most one '.', and an optional exponent ("14.025" gives 14.025, "7e-3" gives 0.007). Hex
// forms, "inf" and "nan" are no numbers. Returns 0.0 when the text does not start with a
// number, or when the number lies beyond the range of a double.
double textToDouble(const char* text);
