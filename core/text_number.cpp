#include "core/text_number.h"

#include <cstdlib>


double textToDouble(const char* text) {
  // strtod follows the C locale unless a program changes it; this program never does.
  return std::strtod(text, nullptr);
}
