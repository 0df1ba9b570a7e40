#include "refdata/state_pick_list.h"

#include <gtest/gtest.h>

namespace {

TEST(StatePickList, TwentyNineEntriesInDialogOrder) {
  const char* const codes[kStatePickCount] = {
      "AL", "AZ", "CA", "CO", "FL", "GA", "IL", "IN", "IA", "KS", "KY", "MI",  "MN",   "MO",    "NV",
      "NM", "NY", "NC", "OH", "PA", "SD", "TN", "TX", "VA", "WA", "WI", "7QP", "NEQP", "MULTI",
  };
  for (int32_t i = 0; i < kStatePickCount; ++i) {
    const StateNumber n = statePickListEntry(i);
    EXPECT_STREQ(stateCodeOf(n), codes[i]) << i;
    EXPECT_EQ(statePickListPosition(n), i);
  }
  EXPECT_EQ(statePickListPosition(findStateNumber("MD")), -1);  // a state the list does not offer
  EXPECT_EQ(statePickListPosition(-1), -1);
  EXPECT_EQ(statePickListEntry(0), 1);
  EXPECT_EQ(statePickListEntry(26), 54);
  EXPECT_EQ(statePickListEntry(28), 56);
  EXPECT_EQ(statePickListEntry(-1), -1);
  EXPECT_EQ(statePickListEntry(29), -1);
  EXPECT_STREQ(stateNameOf(statePickListEntry(8)), "Iowa");
  EXPECT_STREQ(stateNameOf(statePickListEntry(28)), "7/IN/NE/MARAC");
}

}  // namespace
