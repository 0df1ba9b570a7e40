#include "core/message_lists.h"

void addMessage(int list, MessageLists& lists, const std::string& text) {
  if (list < 0 || list >= static_cast<int>(lists.lines.size())) return;
  lists.lines[static_cast<size_t>(list)].push_back(text);
}

const std::vector<std::string>& messagesOf(const MessageLists& lists, int list) {
  static const std::vector<std::string> kNoLines;
  if (list < 0 || list >= static_cast<int>(lists.lines.size())) return kNoLines;
  return lists.lines[static_cast<size_t>(list)];
}
