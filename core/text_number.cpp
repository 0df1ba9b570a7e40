#include "core/text_number.h"

#include <cmath>
#include <cstdlib>
#include <string>

namespace {

const char* skipDigits(const char* p) {
  while (isAsciiDigit(*p)) ++p;
  return p;
}

}  // namespace

double textToDouble(const char* text) {
  const char* start = text;
  while (isAsciiSpace(*start)) ++start;
  // The extent of the decimal number: sign, digits and one '.', then an exponent if digits follow it.
  const char* p = start;
  if (*p == '+' || *p == '-') ++p;
  const char* integerEnd = skipDigits(p);
  const char* end = integerEnd;
  if (*end == '.') end = skipDigits(end + 1);
  if (end - p == (*integerEnd == '.' ? 1 : 0)) return 0.0;  // no digit at all
  if (*end == 'e' || *end == 'E') {
    const char* exponent = end + 1;
    if (*exponent == '+' || *exponent == '-') ++exponent;
    if (isAsciiDigit(*exponent)) end = skipDigits(exponent);
  }
  // Only the checked decimal text reaches strtod, which then reads no hex form, "inf" or "nan".
  // strtod follows the C locale unless a program changes it; this program never does.
  const double value = std::strtod(std::string(start, end).c_str(), nullptr);
  return std::isfinite(value) ? value : 0.0;
}
