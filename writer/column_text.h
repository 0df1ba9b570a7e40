// Texts measured as the importing program reads a column: in characters, where a text is
// UTF-8, rather than in bytes.
#pragma once
#include <algorithm>
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <iterator>
#include <string_view>

#include "core/import_format.h"

// The characters of a text that holds a byte of 0x80 or above: its UTF-8 characters when it is
// UTF-8, else its bytes.
size_t nonAsciiCharacterCount(std::string_view text);

// Whether every byte of the text is below 0x80. Nearly every value is ASCII, where a character
// is a byte; the loop without an early exit is the quicker one for such texts.
inline bool isAsciiText(std::string_view text) {
  unsigned char high = 0;
  for (char byte : text) high |= static_cast<unsigned char>(byte);
  return high < 0x80;
}

// The characters of a text: its UTF-8 characters when it is UTF-8, else its bytes. A QSO line
// counts each of its values.
inline size_t characterCount(std::string_view text) {
  return isAsciiText(text) ? text.size() : nonAsciiCharacterCount(text);
}

// The bytes of the text's first `count` characters, counted as characterCount does; a cut
// there never splits a character. Returns the whole size when the text has no more.
size_t characterPrefixBytes(std::string_view text, size_t count);

// The text of one column as it will be written: at most the widest value column's characters
// of up to four bytes each. Held in place, as a contact has one for every column.
class ColumnText {
 public:
  // Keeps the text, or as much of it as there is room for.
  void assign(std::string_view text) {
    size_ = std::min(text.size(), sizeof bytes_);
    if (size_ > 0) std::memcpy(bytes_, text.data(), size_);
  }
  // Keeps the decimal text of the number.
  void assignNumber(int32_t value) {
    size_ = static_cast<size_t>(std::to_chars(bytes_, std::end(bytes_), value).ptr - bytes_);
  }
  std::string_view view() const { return {bytes_, size_}; }

 private:
  char bytes_[4 * kMaxValueWidth];  // the text, not NUL-terminated
  size_t size_ = 0;                 // bytes of bytes_ in use
};
