// The three lists of text lines a run collects: summary, warnings and errors.
#pragma once
#include <array>
#include <string>
#include <vector>

// Index of a message list.
enum MessageListIndex : int {
  kSummaryList = 0,   // the run as a whole: the contest taken from the log, unique callsigns, QSOs skipped
  kWarningsList = 1,  // contacts that were written but did not check out in full
  kErrorsList = 2,    // contacts whose band or state exchange could not be placed
};

// Lines are kept oldest first, each exactly as it was added (a trailing newline included).
struct MessageLists {
  std::array<std::vector<std::string>, 3> lines;
};

// Appends a copy of the text to list 0, 1 or 2; any other index is ignored.
void addMessage(int list, MessageLists& lists, const std::string& text);

// The lines of list 0, 1 or 2, oldest first; an empty list for any other index.
const std::vector<std::string>& messagesOf(const MessageLists& lists, int list);
