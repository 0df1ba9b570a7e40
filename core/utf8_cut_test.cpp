#include "core/utf8_cut.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(Utf8Cut, KeepsWholeCharactersOfUtf8AndCutsOtherBytesAtTheLimit) {
  struct Case {
    const char* text;
    size_t limit;
    size_t kept;
  };
  const Case cases[] = {
      {"JOHN", 15, 4},                             // fits
      {"ABCDEFGHIJKLMNOP", 15, 15},                // ASCII: the limit itself
      {"ABCDEFGHIJKLMN\xc3\xa9", 15, 14},          // 2-byte e-acute split: it goes whole
      {"ABCDEFGHIJKLM\xc3\xa9XY", 15, 15},         // the limit falls between characters
      {"ABCDEFGHIJKLM\xe2\x82\xac", 15, 13},       // 3-byte euro sign split after two bytes
      {"ABCDEFGHIJKLMN\xf0\x9f\x98\x80", 15, 14},  // 4-byte character split after one byte
      {"ABCDEFGHIJKLMN\xe9XYZ", 15, 15},           // Latin-1 e-acute: cut between bytes
      {"ABCDEFGHIJKLMN\xc0\x80", 15, 15},          // over-long form
      {"ABCDEFGHIJKLM\xed\xa0\x80", 15, 15},       // surrogate
  };
  for (const Case& c : cases) {
    EXPECT_EQ(utf8CutLength(c.text, c.limit), c.kept) << c.text;
  }
}

}  // namespace
