// The text a fixed column of the QSO line holds: ASCII only, so that a line has as many bytes
// as characters and a program that reads the columns by byte finds each in its place.
#pragma once
#include <string>
#include <string_view>

// The text with each letter that carries a diacritic written as its base letter (é e, Ñ N,
// Ł L, ø o; ß ss, æ ae, œ oe) and every other character outside ASCII, or byte that is no UTF-8,
// as "?". Returns an ASCII text unchanged.
std::string asciiColumnText(std::string_view text);
