#include "core/message_kinds.h"

#include <algorithm>
#include <map>
#include <utility>

#include "core/text_format.h"

MessageKinds groupMessageKinds(const MessageLists& lists) {
  MessageKinds kinds;
  kinds.warnings = static_cast<int32_t>(messagesOf(lists, kWarningsList).size());
  kinds.errors = static_cast<int32_t>(messagesOf(lists, kErrorsList).size());
  for (int list : {kWarningsList, kErrorsList}) {
    const std::vector<std::string>& lines = messagesOf(lists, list);
    const std::vector<std::string>& lineKinds = kindsOf(lists, list);
    std::map<std::string, size_t> groupOf;
    for (size_t i = 0; i < lines.size(); ++i) {
      const auto [at, isNew] = groupOf.emplace(lineKinds[i], kinds.groups.size());
      if (isNew) kinds.groups.emplace_back();
      kinds.groups[at->second].lines.push_back(lines[i]);
    }
  }
  std::stable_sort(kinds.groups.begin(), kinds.groups.end(), [](const MessageKindGroup& a, const MessageKindGroup& b) {
    return a.lines.size() > b.lines.size();
  });
  return kinds;
}

std::string kindCountsLine(const MessageKinds& kinds) {
  return formatText("%d errors, %d warnings, %d kinds", static_cast<int>(kinds.errors),
                    static_cast<int>(kinds.warnings), static_cast<int>(kinds.groups.size()));
}

std::vector<std::string> kindLines(const MessageKinds& kinds) {
  std::vector<std::string> lines;
  for (const MessageKindGroup& group : kinds.groups) {
    const std::string& first = group.lines.front();
    const size_t end = first.find_last_not_of("\r\n");
    lines.push_back(formatText("%d \xC3\x97 %s", static_cast<int>(group.lines.size()),
                               first.substr(0, end == std::string::npos ? 0 : end + 1).c_str()));
  }
  return lines;
}
