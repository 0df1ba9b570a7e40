#include "writer/ascii_column.h"

#include <iterator>

#include "core/utf8_cut.h"
#include "writer/column_text.h"

namespace {

// The first code point of kLatinLetters.
constexpr char32_t kLatinFirst = 0xC0;

// The ASCII spelling of U+00C0 to U+017F (Latin-1 letters and Latin Extended-A): the base letter
// of a letter with a diacritic or stroke, two letters for a ligature, "?" for the rest.
constexpr const char* kLatinLetters[] = {
    "A", "A", "A",  "A",  "A", "A", "AE", "C", "E", "E", "E", "E", "I", "I", "I", "I",   // U+00C0
    "D", "N", "O",  "O",  "O", "O", "O",  "?", "O", "U", "U", "U", "U", "Y", "?", "ss",  // U+00D0
    "a", "a", "a",  "a",  "a", "a", "ae", "c", "e", "e", "e", "e", "i", "i", "i", "i",   // U+00E0
    "d", "n", "o",  "o",  "o", "o", "o",  "?", "o", "u", "u", "u", "u", "y", "?", "y",   // U+00F0
    "A", "a", "A",  "a",  "A", "a", "C",  "c", "C", "c", "C", "c", "C", "c", "D", "d",   // U+0100
    "D", "d", "E",  "e",  "E", "e", "E",  "e", "E", "e", "E", "e", "G", "g", "G", "g",   // U+0110
    "G", "g", "G",  "g",  "H", "h", "H",  "h", "I", "i", "I", "i", "I", "i", "I", "i",   // U+0120
    "I", "i", "IJ", "ij", "J", "j", "K",  "k", "?", "L", "l", "L", "l", "L", "l", "L",   // U+0130
    "l", "L", "l",  "N",  "n", "N", "n",  "N", "n", "n", "?", "?", "O", "o", "O", "o",   // U+0140
    "O", "o", "OE", "oe", "R", "r", "R",  "r", "R", "r", "S", "s", "S", "s", "S", "s",   // U+0150
    "S", "s", "T",  "t",  "T", "t", "T",  "t", "U", "u", "U", "u", "U", "u", "U", "u",   // U+0160
    "U", "u", "U",  "u",  "W", "w", "Y",  "y", "Y", "Z", "z", "Z", "z", "Z", "z", "s",   // U+0170
};

// Romanian's S and T with a comma below, outside the block above.
constexpr char32_t kCommaBelowFirst = 0x218;
constexpr const char* kCommaBelowLetters[] = {"S", "s", "T", "t"};

// The code point of a well-formed UTF-8 character of 2 to 4 bytes.
char32_t codePointOf(std::string_view character) {
  const auto byte = [&character](size_t i) { return static_cast<char32_t>(static_cast<unsigned char>(character[i])); };
  char32_t point = byte(0) & (0x7F >> character.size());
  for (size_t i = 1; i < character.size(); ++i) point = (point << 6) | (byte(i) & 0x3F);
  return point;
}

const char* asciiSpellingOf(char32_t point) {
  if (point >= kLatinFirst && point < kLatinFirst + std::size(kLatinLetters)) return kLatinLetters[point - kLatinFirst];
  if (point >= kCommaBelowFirst && point < kCommaBelowFirst + std::size(kCommaBelowLetters)) {
    return kCommaBelowLetters[point - kCommaBelowFirst];
  }
  return "?";
}

}  // namespace

std::string asciiColumnText(std::string_view text) {
  if (isAsciiText(text)) return std::string(text);
  std::string ascii;
  for (size_t at = 0; at < text.size();) {
    const size_t length = utf8CharacterLength(text.substr(at));
    if (length == 1) {
      ascii += text[at];
    } else if (length == 0) {
      ascii += '?';  // a byte that is no UTF-8 (Latin-1 and the like)
    } else {
      ascii += asciiSpellingOf(codePointOf(text.substr(at, length)));
    }
    at += length == 0 ? 1 : length;
  }
  return ascii;
}
