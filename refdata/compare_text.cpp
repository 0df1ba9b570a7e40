#include "refdata/compare_text.h"

int compareText(const char* a, const char* b) {
  // Unsigned bytes, so a byte above 127 sorts after every ASCII byte, as strcmp does.
  const auto* p = reinterpret_cast<const unsigned char*>(a);
  const auto* q = reinterpret_cast<const unsigned char*>(b);
  while (*p != 0 && *p == *q) {
    ++p;
    ++q;
  }
  return static_cast<int>(*p) - static_cast<int>(*q);
}
