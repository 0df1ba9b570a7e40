#include "core/utf8_cut.h"

size_t utf8CharacterLength(std::string_view text) {
  if (text.empty()) return 0;
  const unsigned char lead = static_cast<unsigned char>(text[0]);
  if (lead <= 0x7f) return 1;
  size_t length = 0;
  // The second byte's range is narrower after some lead bytes; the others take any continuation.
  unsigned char secondLow = 0x80;
  unsigned char secondHigh = 0xbf;
  if (lead >= 0xc2 && lead <= 0xdf) {
    length = 2;
  } else if (lead >= 0xe0 && lead <= 0xef) {
    length = 3;
    if (lead == 0xe0) secondLow = 0xa0;   // no over-long forms
    if (lead == 0xed) secondHigh = 0x9f;  // no surrogates
  } else if (lead >= 0xf0 && lead <= 0xf4) {
    length = 4;
    if (lead == 0xf0) secondLow = 0x90;   // no over-long forms
    if (lead == 0xf4) secondHigh = 0x8f;  // nothing beyond U+10FFFF
  } else {
    return 0;
  }
  if (text.size() < length) return 0;
  const unsigned char second = static_cast<unsigned char>(text[1]);
  if (second < secondLow || second > secondHigh) return 0;
  for (size_t i = 2; i < length; ++i) {
    if (!isUtf8Continuation(text[i])) return 0;
  }
  return length;
}

size_t utf8CutLength(std::string_view text, size_t limit) {
  if (text.size() <= limit) return text.size();
  size_t at = 0;
  while (at < limit) {
    const size_t length = utf8CharacterLength(text.substr(at));
    if (length == 0) return limit;       // not UTF-8: cut between bytes as they come
    if (at + length > limit) return at;  // the character the limit falls into goes whole
    at += length;
  }
  return limit;
}

size_t countedValueLength(std::string_view bytes, size_t count) {
  if (count >= bytes.size()) return bytes.size();
  if (!isUtf8Continuation(bytes[count])) return count;
  size_t at = 0;
  size_t characters = 0;
  while (at < count) {
    const size_t length = utf8CharacterLength(bytes.substr(at));
    if (length == 0) return count;  // not UTF-8: the count is in bytes
    at += length;
    ++characters;
  }
  while (characters < count && at < bytes.size()) {
    const size_t length = utf8CharacterLength(bytes.substr(at));
    if (length == 0) break;
    at += length;
    ++characters;
  }
  return at;
}
