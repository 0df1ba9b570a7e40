#include "writer/column_text.h"

#include "core/utf8_cut.h"

namespace {

// The bytes of a UTF-8 character led by this byte: 1 to 4, 0 for no lead byte.
size_t sequenceLength(char byte) {
  const unsigned char lead = static_cast<unsigned char>(byte);
  if (lead < 0x80) return 1;
  if (lead >= 0xc2 && lead <= 0xdf) return 2;
  if (lead >= 0xe0 && lead <= 0xef) return 3;
  if (lead >= 0xf0 && lead <= 0xf4) return 4;
  return 0;
}

// Whether every character of the text is a lead byte followed by its continuation bytes.
bool isUtf8(std::string_view text) {
  for (size_t i = 0; i < text.size();) {
    const size_t length = sequenceLength(text[i]);
    if (length == 0 || i + length > text.size()) return false;
    for (size_t k = 1; k < length; ++k) {
      if (!isUtf8Continuation(text[i + k])) return false;
    }
    i += length;
  }
  return true;
}

}  // namespace

size_t nonAsciiCharacterCount(std::string_view text) {
  if (!isUtf8(text)) return text.size();
  size_t count = 0;
  for (char byte : text) {
    if (!isUtf8Continuation(byte)) ++count;
  }
  return count;
}

size_t characterPrefixBytes(std::string_view text, size_t count) {
  if (text.size() <= count) return text.size();  // never more characters than bytes
  if (isAsciiText(text) || !isUtf8(text)) return count;
  size_t at = 0;
  for (size_t n = 0; n < count && at < text.size(); ++n) at += sequenceLength(text[at]);
  return at;
}
