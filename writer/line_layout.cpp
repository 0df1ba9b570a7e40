#include "writer/line_layout.h"

#include <cstring>
#include <string_view>

#include "writer/column_text.h"

namespace {

// When every value is ASCII, each stands at a fixed byte position: the values are copied into
// the format's blank line. Returns false, having written nothing, when a value is not ASCII.
bool layOutAscii(RecordBuffer& out, ImportFormat format, const ResolvedContact& contact) {
  const FormatTraits& traits = formatTraits(format);
  const size_t length = static_cast<size_t>(traits.lineLength);
  char* line = out.claim(length);
  std::memcpy(line, blankLine(format), length);
  for (size_t i = 0; i < traits.columnCount; ++i) {
    const ColumnSpec& layoutColumn = traits.columns[i];
    if (layoutColumn.column == Column::Constant) continue;
    const std::string_view text = contact.column(layoutColumn.column).view();
    if (text.empty()) continue;
    const size_t width = static_cast<size_t>(layoutColumn.width);
    const size_t size = text.size() < width ? text.size() : width;
    const size_t offset = layoutColumn.align == Align::Right ? width - size : 0;
    std::memcpy(line + layoutColumn.start - 1 + offset, text.data(), size);
  }
  // The constant texts are ASCII, so the whole line shows whether a value is not.
  if (isAsciiText(std::string_view(line, length))) return true;
  out.unclaim(length);
  return false;
}

// A value holds other characters than ASCII: each column is padded by its characters.
void layOutCharacters(RecordBuffer& out, const FormatTraits& traits, const ResolvedContact& contact) {
  for (size_t i = 0; i < traits.columnCount; ++i) {
    const ColumnSpec& layoutColumn = traits.columns[i];
    const size_t width = static_cast<size_t>(layoutColumn.width);
    if (layoutColumn.column == Column::Constant) {
      out.append(std::string_view(layoutColumn.text, width));
      continue;
    }
    std::string_view text = contact.column(layoutColumn.column).view();
    size_t characters = characterCount(text);
    if (characters > width) {  // a value the resolution left too wide still keeps the line's length
      text = text.substr(0, characterPrefixBytes(text, width));
      characters = width;
    }
    if (layoutColumn.align == Align::Right) out.fill(' ', width - characters);
    out.append(text);
    if (layoutColumn.align == Align::Left) out.fill(' ', width - characters);
  }
}

}  // namespace

void layOutContact(RecordBuffer& out, ImportFormat format, const ResolvedContact& contact) {
  if (!layOutAscii(out, format, contact)) layOutCharacters(out, formatTraits(format), contact);
  out.endLine();
  out.append(contact.noteLine);
  out.endLine();
}
