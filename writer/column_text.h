// Texts measured as the importing program reads a column: in characters, where a text is
// UTF-8, rather than in bytes.
#pragma once
#include <cstddef>
#include <string_view>

// The characters of a text: its UTF-8 characters when it is UTF-8, else its bytes.
size_t characterCount(std::string_view text);

// The bytes of the text's first `count` characters, counted as characterCount does; a cut
// there never splits a character. Returns the whole size when the text has no more.
size_t characterPrefixBytes(std::string_view text, size_t count);
