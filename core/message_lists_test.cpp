#include "core/message_lists.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(MessageLists, LinesComeOutOldestFirstPerList) {
  MessageLists lists;
  addMessage(kWarningsList, lists, "A");
  addMessage(kErrorsList, lists, "E");
  addMessage(kWarningsList, lists, "B");
  addMessage(kWarningsList, lists, "C");
  EXPECT_EQ(messagesOf(lists, kWarningsList), (std::vector<std::string>{"A", "B", "C"}));
  EXPECT_EQ(messagesOf(lists, kErrorsList), (std::vector<std::string>{"E"}));
  EXPECT_TRUE(messagesOf(lists, kSummaryList).empty());
}

TEST(MessageLists, TextIsStoredUnchangedTrailingNewlineIncluded) {
  MessageLists lists;
  std::string text = "7 unique callsigns.\n";
  addMessage(kSummaryList, lists, MessageText(text, "%d unique callsigns.\n"));
  text[0] = '9';
  ASSERT_EQ(messagesOf(lists, kSummaryList).size(), 1u);
  EXPECT_EQ(messagesOf(lists, kSummaryList)[0], "7 unique callsigns.\n");
}

TEST(MessageLists, IndexOutsideTheThreeListsIsIgnored) {
  MessageLists lists;
  addMessage(3, lists, "X");
  addMessage(-1, lists, "X");
  for (int list = 0; list < 3; ++list) EXPECT_TRUE(messagesOf(lists, list).empty());
  EXPECT_TRUE(messagesOf(lists, 7).empty());
}

TEST(MessageLists, HundredsOfThousandsOfLinesAreKeptInOrder) {
  MessageLists lists;
  for (int i = 0; i < 500000; ++i) addMessage(kWarningsList, lists, formatMessage("%d", i));
  const std::vector<std::string>& lines = messagesOf(lists, kWarningsList);
  ASSERT_EQ(lines.size(), 500000u);
  EXPECT_EQ(lines.front(), "0");
  EXPECT_EQ(lines[250000], "250000");
  EXPECT_EQ(lines.back(), "499999");
}

}  // namespace
