// A log that cannot be read twice (a pipe, a terminal, standard input), kept in an anonymous
// temporary file so that the contest scan and the conversion can both read it.
#pragma once
#include <cstdio>
#include <string>

#include "convert/files/run_files.h"

// Whether the input can go back to where it stands, to be read again from there.
bool canReadAgain(std::FILE* input);

// Copies what is left of the input into an anonymous temporary file, in pieces of a fixed size,
// and leaves *copy open at its start (closing it deletes it); inputPath names the input in the
// error text.
// Returns false with an "ERROR: " text in *err when the input could not be read or the copy
// not be written; *copy is then empty.
bool copyInput(std::FILE* input, const std::string& inputPath, OwnedFile* copy, std::string* err);
