// printf-style formatting into a string the caller owns.
#pragma once
#include <string>

// The text that snprintf would produce for the format and arguments; empty on a format error.
std::string formatText(const char* format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 1, 2)))
#endif
    ;
