#include "core/text_number.h"

#include <cstdlib>

#include "core/ascii.h"

int32_t textToInt(const char* text) {
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

double textToDouble(const char* text) {
  // strtod follows the C locale unless a program changes it; this program never does.
  return std::strtod(text, nullptr);
}
