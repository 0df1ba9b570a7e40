// UTF-8 character boundaries: cutting a text to a byte limit without splitting a character, and
// reading a value whose length a logger counted in characters rather than bytes.
#pragma once
#include <cstddef>
#include <string_view>

// Whether a byte continues a UTF-8 character (bit pattern 10xxxxxx).
inline bool isUtf8Continuation(char byte) { return (static_cast<unsigned char>(byte) & 0xC0) == 0x80; }

// The length of the well-formed UTF-8 character at the text's start: 1 to 4, or 0 when the
// bytes there are no character (a stray continuation byte, an over-long or surrogate form,
// a code point beyond U+10FFFF, or a character cut short by the text's end, or no text).
size_t utf8CharacterLength(std::string_view text);

// How many bytes of the text to keep so that at most `limit` remain: when the text is longer
// and its bytes up to the end of the character the limit falls into form UTF-8, the cut moves
// back to that character's start. Returns the limit itself for bytes that are not UTF-8, and
// the whole size for a text that fits.
size_t utf8CutLength(std::string_view text, size_t limit);

// The bytes a value of `count` takes at the front of `bytes` (the input from the value's start
// on). When the count ends inside a UTF-8 character (the byte after it is a continuation byte)
// and the bytes from the start to that character's end form UTF-8, the logger counted
// characters: the value is `count` characters, or the whole characters up to the first bytes
// that are not UTF-8 or the end of `bytes`. Returns `count` otherwise, and the size of `bytes`
// when `count` reaches past its end.
size_t countedValueLength(std::string_view bytes, size_t count);
