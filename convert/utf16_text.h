// Paths and texts travel as UTF-8 inside the program; Windows' wide API takes UTF-16. These
// conversions are lossless for every name Windows can hold: an unpaired surrogate, which a
// Windows file name may contain, is carried as its own three-byte sequence.
#pragma once
#include <string>
#include <string_view>

// The UTF-16 code units of a UTF-8 text. A byte that starts no valid sequence becomes U+FFFD.
std::u16string utf16FromUtf8(std::string_view text);

// The UTF-8 bytes of a UTF-16 text; an unpaired surrogate is encoded on its own.
std::string utf8FromUtf16(std::u16string_view text);

// Whether the bytes are UTF-8 as utf8FromUtf16 writes it (so that utf16FromUtf8 reads every
// byte). Returns false for other text, such as a log's Latin-1 or code-page bytes.
bool isUtf8(std::string_view text);
