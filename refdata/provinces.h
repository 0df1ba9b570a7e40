// Canadian provinces, their older forms, and the Maritime QSO Party counties.
#pragma once

// The standard province code for a code or an alias ("PQ" gives "QC").
// Returns nullptr when the text is neither.
const char* findProvince(const char* text);

// The Maritime QSO Party county code equal to the text. Returns nullptr on a miss.
const char* findMaritimeCounty(const char* text);
