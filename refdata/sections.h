// ARRL and RAC sections with the US state each lies in.
#pragma once
#include <cstddef>

// Rows of the section table.
constexpr size_t kSectionCount = 92;

// One ARRL or RAC section.
struct SectionRow {
  const char* section;  // section abbreviation, the sorted key
  const char* state;    // US state code it lies in; "" for a section outside the 50 states
};

// The sections, strictly ascending by section in byte order.
extern const SectionRow SectionTable[kSectionCount];

// The state code of a section, the empty text for a section outside the 50 states.
// Returns nullptr when the text is no section.
const char* sectionState(const char* text);
