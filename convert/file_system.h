// The file operations of a conversion run, on paths as the platform's narrow (8-bit) API spells
// them: bytes on POSIX, the ANSI code page on Windows. Each platform has its own implementation
// (file_system_posix.cpp, file_system_win32.cpp).
#pragma once
#include <cstdio>
#include <string>

// Opens a file as std::fopen does. Returns nullptr on failure, with errno set.
std::FILE* openFile(const std::string& path, const char* mode);

// Whether anything (file or folder) exists at the path. Returns false when that cannot be told.
bool pathExists(const std::string& path);

// Whether the path names an existing folder. Returns false for a file or a missing path.
bool isFolder(const std::string& path);

// Whether two paths reach one existing file, also through a link or another spelling.
// Returns false when either is missing or cannot be examined.
bool isSameFile(const std::string& a, const std::string& b);

// Renames a file, replacing an existing file at the new path.
// Returns the reason in words when it fails, empty on success.
std::string renameReplacing(const std::string& from, const std::string& to);

// Deletes a file. Returns false when it could not be deleted.
bool removeFile(const std::string& path);

// The platform's null device, which takes any writes and keeps nothing ("/dev/null", "NUL").
const char* nullDevicePath();
