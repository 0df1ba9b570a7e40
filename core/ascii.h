// ASCII character classes and case mapping. Scanning never consults the C locale:
// bytes above 127 are neither letters nor digits and keep their value.
#pragma once

inline bool isAsciiDigit(char c) { return c >= '0' && c <= '9'; }
inline bool isAsciiUpper(char c) { return c >= 'A' && c <= 'Z'; }
inline bool isAsciiLower(char c) { return c >= 'a' && c <= 'z'; }
inline bool isAsciiLetter(char c) { return isAsciiUpper(c) || isAsciiLower(c); }
// The blanks the C library skips before a number: space, tab, LF, VT, FF, CR.
inline bool isAsciiSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
inline char toAsciiUpper(char c) { return static_cast<char>(c - (isAsciiLower(c) ? 'a' - 'A' : 0)); }
inline char toAsciiLower(char c) { return isAsciiUpper(c) ? static_cast<char>(c - 'A' + 'a') : c; }
