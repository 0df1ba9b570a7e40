#include "refdata/callsign_prefix.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// One row of the prefix rules' worked examples and edge cases.
struct PrefixCase {
  const char* callsign;  // the callsign as logged
  const char* prefix;    // nullptr: no prefix
  const char* message;   // the message on failure; unused on success
  bool us;               // what isUsCallsign must say
};

void expectPrefixCase(const PrefixCase& c) {
  SCOPED_TRACE(c.callsign);
  const std::string callsign = c.callsign;
  std::string message = "untouched";
  const std::optional<std::string> prefix = callsignPrefix(callsign, message);
  if (c.prefix != nullptr) {
    ASSERT_TRUE(prefix.has_value()) << message;
    EXPECT_EQ(*prefix, c.prefix);
    EXPECT_EQ(message, "untouched");  // success leaves the message alone
  } else {
    EXPECT_FALSE(prefix.has_value()) << *prefix;
    EXPECT_EQ(message, c.message);
  }
  EXPECT_EQ(callsign, c.callsign);
  EXPECT_EQ(isUsCallsign(callsign), c.us);
  EXPECT_EQ(callsign, c.callsign);
}

TEST(CallsignPrefix, WorkedExamples) {
  const PrefixCase cases[] = {
      {"K1ABC", "K1", nullptr, true},
      {"WA6XYZ", "WA6", nullptr, true},
      {"JA1ABC", "JA1", nullptr, false},
      {"9A1A", "9A1", nullptr, false},
      {"2E0ABC", "2E0", nullptr, false},
      {"4XAB", "4XAB0", nullptr, false},
      {"ABC", "AB0", nullptr, true},
      {"K1ABC/P", "K1", nullptr, true},
      {"K1ABC/QRP", "K1", nullptr, true},
      {"K1ABC/MM", "K1", nullptr, true},
      {"K1ABC/7", "K7", nullptr, true},
      {"WA6ABC/7", "WA7", nullptr, true},
      {"K1ABC/F", "F0", nullptr, false},
      {"VE3/K1ABC", "VE3", nullptr, false},
      {"K1ABC/VE3", "VE3", nullptr, false},
      {"KH6/K1ABC", "KH6", nullptr, false},
      {"K1ABC/10", "K1", nullptr, true},
      {"K1ABC/05", "K1", nullptr, true},
      {"VE3/K1ABC/P", "VE3", nullptr, false},
      {"KL7AB", "KL7", nullptr, false},
      {"KP4AB", "KP4", nullptr, false},
      {"AA1A", "AA1", nullptr, true},
      {"AH6AB", "AH6", nullptr, false},
      {"AB/CD", nullptr, "ERROR [1]: Can't determine prefix for AB/CD", false},
      {"K/1", nullptr, "ERROR [1]: Can't determine prefix for K/1", false},
      {"K1ABC/-", nullptr, "ERROR [2]: Can't determine prefix for K1ABC/-", false},
      {"K12-3", nullptr, "ERROR [5]: Can't parse callsign K12-3", false},
  };
  for (const PrefixCase& c : cases) expectPrefixCase(c);
}

TEST(CallsignPrefix, SlashSuffixes) {
  const PrefixCase cases[] = {
      // A trailing "/" leaves the empty suffix as the shorter part.
      {"K1ABC/", nullptr, "ERROR [3]: Can't parse callsign ", false},
      {"K1ABC/0A", "0A0", nullptr, false},
      {"RAEM/3", "RA0", nullptr, false},
      {"K1ABC/G", "G0", nullptr, false},
      {"K1ABC/I", "I0", nullptr, false},
      {"K1ABC/M", "K1", nullptr, true},
      {"K1ABC/A", "K1", nullptr, true},
      {"K1ABC/f", "K1", nullptr, true},      // F only in upper case
      {"K1ABC/qrp", "qr0", nullptr, false},  // designators only in upper case
      {"K1ABC/AIR", "K1", nullptr, true},
      {"K1ABC/LHT", "K1", nullptr, true},
      {"K1ABC/LGT", "K1", nullptr, true},
      {"K1A/QRPP", "K1", nullptr, true},                    // the base is the shorter part
      {"K1ABC/QRPP", "QR0", nullptr, false},                // not a designator: the shorter part
      {"K1ABC/99999999999999999999", "K1", nullptr, true},  // huge number, no overflow
      {"K1ABC/-12", nullptr, "ERROR [3]: Can't parse callsign -12", false},
      {"KH6ABC/00", "KH6", nullptr, false},  // leading zero and a digit: the base
      {"W1AW/0", "W0", nullptr, true},
      {"2E0ABC/5", "2E5", nullptr, false},  // the first character is never replaced
      {"K1A2BC/7", "K1", nullptr, true},    // the last digit is replaced: K1A7BC
      {"VE3/K1ABC/7", "VE3", nullptr, false},
      {"K1ABC/P/MM", "K1", nullptr, true},  // resolved from the right
      {"DL/K1ABC/P", "DL0", nullptr, false},
      {"/7", nullptr, "ERROR [3]: Can't parse callsign ", false},
      {"K1ABC/*", nullptr, "ERROR [2]: Can't determine prefix for K1ABC/*", false},
      {"W1AW/7/*", nullptr, "ERROR [2]: Can't determine prefix for W1AW/7/*", false},
      {"/", nullptr, "ERROR [1]: Can't determine prefix for /", false},
  };
  for (const PrefixCase& c : cases) expectPrefixCase(c);
}

TEST(CallsignPrefix, ScanWithoutSlash) {
  const PrefixCase cases[] = {
      {"", nullptr, "ERROR [3]: Can't parse callsign ", false},
      {"K", "K0", nullptr, true},
      {"F", "F0", nullptr, false},
      {"k1abc", "k1", nullptr, false},  // lower case is never US
      {"W", "W0", nullptr, true},
      {"KH", "KH0", nullptr, false},
      {"K1", "K1", nullptr, true},
      {"K123", "K123", nullptr, true},
      {"9", "90", nullptr, false},
      {"9A", "9A0", nullptr, false},
      {"99A1", "99", nullptr, false},
      {"-K1", nullptr, "ERROR [3]: Can't parse callsign -K1", false},
      {"K-1", nullptr, "ERROR [3]: Can't parse callsign K-1", false},
      {"K1ABC ", "K1", nullptr, true},  // the letter after the digits ends the prefix first
      {"K1 ", nullptr, "ERROR [5]: Can't parse callsign K1 ", false},
      {"9A-1", nullptr, "ERROR [4]: Can't parse callsign 9A-1", false},
      {"K\xC4"
       "1A",
       nullptr,
       "ERROR [3]: Can't parse callsign K\xC4"
       "1A",
       false},
      {"AL7AB", "AL7", nullptr, false},
      {"AZ1A", "AZ1", nullptr, false},
      {"AG1A", "AG1", nullptr, true},
      {"AI1A", "AI1", nullptr, true},
      {"AK1A", "AK1", nullptr, true},
      {"NH6A", "NH6", nullptr, false},
      {"WP4A", "WP4", nullptr, false},
      {"NL7A", "NL7", nullptr, false},
      {"N0AX", "N0", nullptr, true},
  };
  for (const PrefixCase& c : cases) expectPrefixCase(c);
}

TEST(CallsignPrefix, FailureOverwritesAnEarlierMessage) {
  std::string message = "ERROR [1]: Can't determine prefix for X/Y";
  EXPECT_FALSE(callsignPrefix("K12-3", message).has_value());
  EXPECT_EQ(message, "ERROR [5]: Can't parse callsign K12-3");
}

TEST(CopyPrefix, TakesLeadingCharactersAndAddsZero) {
  EXPECT_EQ(copyPrefix("K1ABC", 2, false), "K1");
  EXPECT_EQ(copyPrefix("ABC", 2, true), "AB0");
  EXPECT_EQ(copyPrefix("4XAB", 4, true), "4XAB0");
  EXPECT_EQ(copyPrefix("", 0, true), "0");
}

}  // namespace
