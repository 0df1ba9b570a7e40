#include "writer/locator.h"

#include "core/ascii.h"

namespace {

bool isLetterUpTo(char c, char last) {
  const char upper = toAsciiUpper(c);
  return upper >= 'A' && upper <= last;
}

}  // namespace

bool isMaidenheadLocator(std::string_view text) {
  if (text.size() != 4 && text.size() != 6 && text.size() != 8) return false;
  if (!isLetterUpTo(text[0], 'R') || !isLetterUpTo(text[1], 'R')) return false;
  if (!isAsciiDigit(text[2]) || !isAsciiDigit(text[3])) return false;
  if (text.size() >= 6 && (!isLetterUpTo(text[4], 'X') || !isLetterUpTo(text[5], 'X'))) return false;
  return text.size() < 8 || (isAsciiDigit(text[6]) && isAsciiDigit(text[7]));
}
