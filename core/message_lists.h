// The three lists of text lines a run collects: summary, warnings and errors, each line with
// its kind.
//
// A line's kind is the text it was made from without the call, date, time and values: its
// format. Lines of one kind differ only in what was filled in, so the dialog and --by-kind can
// count them. A new message keeps the shape of the old ones; only the helper that formats it
// changes, so that the format is kept where it is known:
//   addMessage(list, lists, "BAND field is missing, ...");                      a fixed text
//   addMessage(list, lists, formatMessage("%s is not a CWOPS member.", call));  formatText's place
//   addMessage(list, lists, contactMessage(record, ": %s holds ...", value));   contactPrefix(record) +
//                                                                                formatText(...)'s place
// contactMessage (core/qso_record.h) puts "%s on %s at %s" before the format. The writer's own
// warn(": %s ...", value) in writer/resolved_contact.cpp is contactMessage's. A line said once per
// run may be made elsewhere and added as MessageText(line, line), its own kind. A plain
// std::string does not convert: it has lost its format, so such a call fails to compile.
#pragma once
#include <array>
#include <string>
#include <utility>
#include <vector>

// Index of a message list.
enum MessageListIndex : int {
  kSummaryList = 0,   // the run as a whole: the contest taken from the log, unique callsigns, QSOs skipped
  kWarningsList = 1,  // contacts that were written but did not check out in full
  kErrorsList = 2,    // contacts whose band or state exchange could not be placed
};

// One message line and its kind.
struct MessageText {
  // A fixed text, which is its own kind.
  MessageText(const char* fixed) : text(fixed), kind(fixed) {}  // NOLINT: literals convert
  MessageText(std::string made, std::string format) : text(std::move(made)), kind(std::move(format)) {}

  std::string text;  // the line as shown
  std::string kind;  // the format it was made from
};

// The text formatText makes of the format and arguments, with the format as its kind.
MessageText formatMessage(const char* format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 1, 2)))
#endif
    ;

// Lines are kept oldest first, each exactly as it was added (a trailing newline included);
// kinds[list][i] is the kind of lines[list][i].
struct MessageLists {
  std::array<std::vector<std::string>, 3> lines;
  std::array<std::vector<std::string>, 3> kinds;
};

// Appends the message to list 0, 1 or 2; any other index is ignored.
void addMessage(int list, MessageLists& lists, const MessageText& message);

// Puts the messages in front of the lines list 0, 1 or 2 already holds, in their order; any
// other index is ignored.
void prependMessages(int list, MessageLists& lists, const std::vector<MessageText>& messages);

// Appends every line of `from` to the same list of `to`, kinds kept.
void appendMessages(MessageLists& to, const MessageLists& from);

// The lines of list 0, 1 or 2, oldest first; an empty list for any other index.
const std::vector<std::string>& messagesOf(const MessageLists& lists, int list);

// The kinds of the lines of list 0, 1 or 2, in the same order; an empty list for any other index.
const std::vector<std::string>& kindsOf(const MessageLists& lists, int list);
