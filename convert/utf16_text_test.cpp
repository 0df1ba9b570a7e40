#include "convert/utf16_text.h"

#include <gtest/gtest.h>

namespace {

// Texts that must survive UTF-8 -> UTF-16 -> UTF-8, with their UTF-16 form.
struct RoundTrip {
  const char* utf8;      // the UTF-8 bytes
  std::u16string utf16;  // the same as UTF-16
};

const RoundTrip kRoundTrips[] = {
    {"C:\\Logs\\a.adi", u"C:\\Logs\\a.adi"},
    {"Micha\xC5\x82_\xE3\x83\xAD\xE3\x82\xB0", u"Micha\u0142_\u30ED\u30B0"},  // two scripts
    {"\xF0\x9F\x93\xBB.adi", u"\U0001F4FB.adi"},                              // outside the BMP
    {"\xED\xA0\x80x", u"\xD800x"},                                            // an unpaired surrogate
};

TEST(Utf16Text, RoundTrips) {
  for (const RoundTrip& c : kRoundTrips) {
    EXPECT_EQ(utf16FromUtf8(c.utf8), c.utf16) << c.utf8;
    EXPECT_EQ(utf8FromUtf16(c.utf16), c.utf8) << c.utf8;
    EXPECT_TRUE(isUtf8(c.utf8)) << c.utf8;
  }
}

// Bytes that are no UTF-8: each byte that starts no sequence reads as U+FFFD.
TEST(Utf16Text, InvalidBytes) {
  const struct {
    const char* bytes;    // not UTF-8
    std::u16string read;  // as utf16FromUtf8 reads it
  } cases[] = {
      {"Logs \x96 2024", u"Logs \uFFFD 2024"},            // cp1252 en dash
      {"\xC3", u"\uFFFD"},                                // cut sequence
      {"\xC0\xAF", u"\uFFFD\uFFFD"},                      // overlong '/'
      {"\xF4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD"},  // beyond U+10FFFF
  };
  for (const auto& c : cases) {
    EXPECT_EQ(utf16FromUtf8(c.bytes), c.read) << c.bytes;
    EXPECT_FALSE(isUtf8(c.bytes)) << c.bytes;
  }
}

}  // namespace
