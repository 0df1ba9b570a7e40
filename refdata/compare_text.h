// The one text comparison of every lookup.
#pragma once

// Compares byte by byte as unsigned values until a difference or both ends (strcmp order):
// negative, zero or positive. Case-sensitive, nothing trimmed; a prefix sorts first.
int compareText(const char* a, const char* b);
