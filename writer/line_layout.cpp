#include "writer/line_layout.h"

#include <string_view>

#include "writer/column_text.h"

void layOutContact(RecordBuffer& out, const FormatTraits& traits, const ResolvedContact& contact) {
  for (size_t i = 0; i < traits.columnCount; ++i) {
    const ColumnSpec& spec = traits.columns[i];
    if (spec.column == Column::Constant) {
      out.append(spec.text);
      continue;
    }
    const size_t width = static_cast<size_t>(spec.width);
    std::string_view text = contact.column(spec.column);
    size_t characters = characterCount(text);
    if (characters > width) {  // a value the resolution left too wide still keeps the line's length
      text = text.substr(0, characterPrefixBytes(text, width));
      characters = width;
    }
    if (spec.align == Align::Right) out.fill(' ', width - characters);
    out.append(text);
    if (spec.align == Align::Left) out.fill(' ', width - characters);
  }
  out.endLine();
  out.append(contact.noteLine);
  out.endLine();
}
