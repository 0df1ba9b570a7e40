#include "refdata/state_argument.h"

#include <gtest/gtest.h>

namespace {

TEST(ParseStateArgument, CodeOrNameInAnyCase) {
  struct Case {
    const char* text;  // as typed
    const char* code;  // code of the row it names; nullptr: none
  };
  const Case cases[] = {
      {"alabama", "AL"},
      {" AL ", "AL"},
      {"\tOhio\r\n", "OH"},
      {"oh", "OH"},
      {"7qp", "7QP"},
      {"7-land qso party", "7QP"},
      {"neqp", "NEQP"},
      {"NEW ENGLAND QSO PARTY", "NEQP"},
      {"multi", "MULTI"},
      {"7/in/ne/marac", "MULTI"},
      {"vt", "VT"},  // a state the dialog's list does not offer
      {"Wyoming", "WY"},
      {"uscqp", "USCQP"},
      {"", nullptr},
      {"   ", nullptr},
      {"Ohi", nullptr},
      {"Ohio x", nullptr},
      {"New  England QSO Party", nullptr},
      {"DC", nullptr},
      {"ON", nullptr},  // a province
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    const StateNumber n = parseStateArgument(c.text);
    if (c.code == nullptr) {
      EXPECT_EQ(n, -1);
    } else {
      EXPECT_STREQ(stateCodeOf(n), c.code);
    }
  }
}

TEST(ParseStateArgument, EveryRowByCodeAndName) {
  for (StateNumber n = 0; n < kStateCount; ++n) {
    EXPECT_EQ(parseStateArgument(stateCodeOf(n)), n) << n;
    EXPECT_EQ(parseStateArgument(stateNameOf(n)), n) << n;
  }
}

}  // namespace
