// Reading a text as a number, the way the C library's decimal conversion does.
#pragma once
#include <cstdint>

// The value of a text's leading decimal number: optional blanks, an optional sign, then
// digits up to the first other character. Returns 0 when there are no digits; values beyond
// the signed 32-bit range saturate at its ends ("20M" gives 20, "A12" gives 0).
int32_t textToInt(const char* text);

// The value of a text's leading decimal floating-point number, C-locale rules ("14.025" gives
// 14.025). Returns 0.0 when the text does not start with a number.
double textToDouble(const char* text);
