// Cutting a text to a byte limit without splitting a UTF-8 character.
#pragma once
#include <cstddef>
#include <string_view>

// How many bytes of the text to keep so that at most `limit` remain: when the text is longer
// and its bytes up to the end of the character the limit falls into form UTF-8, the cut moves
// back to that character's start. Returns the limit itself for bytes that are not UTF-8, and
// the whole size for a text that fits.
size_t utf8CutLength(std::string_view text, size_t limit);
