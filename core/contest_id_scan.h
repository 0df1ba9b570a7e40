// The contest id a log carries: the value of the first CONTEST_ID tag of its record text.
#pragma once
#include <cstdio>
#include <optional>
#include <string>

// Reads the input from where it stands up to the first CONTEST_ID tag of record text (after
// the end-of-header, or from the start of a log without one that the reader takes as records)
// and returns its value as written, even when it is empty or blank; one in the header does
// not count. Tags are found as the ADIF reader finds them. The stream is left wherever the
// scan stopped. Returns nullopt when no record text holds one, or on a read error.
std::optional<std::string> scanContestId(std::FILE* input);
