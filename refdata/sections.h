// ARRL and RAC sections with the US state each lies in.
#pragma once

// The state code of a section, the empty text for a section outside the 50 states.
// Returns nullptr when the text is no section.
const char* sectionState(const char* text);
