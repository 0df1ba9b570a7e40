#include "core/message_lists.h"

#include <cstdarg>
#include <vector>

#include "core/text_format.h"

namespace {

bool isList(const MessageLists& lists, int list) { return list >= 0 && list < static_cast<int>(lists.lines.size()); }

const std::vector<std::string> kNoLines;

}  // namespace

MessageText formatMessage(const char* format, ...) {
  va_list args;
  va_start(args, format);
  std::string text = formatTextList(format, args);
  va_end(args);
  return MessageText(std::move(text), format);
}

void addMessage(int list, MessageLists& lists, const MessageText& message) {
  if (!isList(lists, list)) return;
  lists.lines[static_cast<size_t>(list)].push_back(message.text);
  lists.kinds[static_cast<size_t>(list)].push_back(message.kind);
}

void prependMessages(int list, MessageLists& lists, const std::vector<MessageText>& messages) {
  if (!isList(lists, list)) return;
  std::vector<std::string>& lines = lists.lines[static_cast<size_t>(list)];
  std::vector<std::string>& kinds = lists.kinds[static_cast<size_t>(list)];
  std::vector<std::string> newLines, newKinds;
  for (const MessageText& message : messages) {
    newLines.push_back(message.text);
    newKinds.push_back(message.kind);
  }
  lines.insert(lines.begin(), newLines.begin(), newLines.end());
  kinds.insert(kinds.begin(), newKinds.begin(), newKinds.end());
}

void appendMessages(MessageLists& to, const MessageLists& from) {
  for (size_t list = 0; list < to.lines.size(); ++list) {
    to.lines[list].insert(to.lines[list].end(), from.lines[list].begin(), from.lines[list].end());
    to.kinds[list].insert(to.kinds[list].end(), from.kinds[list].begin(), from.kinds[list].end());
  }
}

const std::vector<std::string>& messagesOf(const MessageLists& lists, int list) {
  return isList(lists, list) ? lists.lines[static_cast<size_t>(list)] : kNoLines;
}

const std::vector<std::string>& kindsOf(const MessageLists& lists, int list) {
  return isList(lists, list) ? lists.kinds[static_cast<size_t>(list)] : kNoLines;
}
