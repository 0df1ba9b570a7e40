// Windows: a narrow path is text in the ANSI code page. The A functions of the Win32 API read it
// through that code page, so every path the operator's Windows can spell in its language works.
// (MinGW's std::filesystem would read the bytes as Latin-1 and miss such paths.)
#include "convert/file_system.h"

#include <windows.h>

#include <cerrno>
#include <cstring>

namespace {

// A failed call's error code in words: the C library's text where one fits, so that these
// reasons read like those of a failed open; Windows' own text otherwise.
std::string reasonOf(DWORD code) {
  switch (code) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
      return std::strerror(ENOENT);
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
      return std::strerror(EACCES);
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
      return std::strerror(ENOSPC);
    case ERROR_NOT_SAME_DEVICE:
      return std::strerror(EXDEV);
    default:
      break;
  }
  char text[256] = {};
  DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0, text,
                                sizeof text, nullptr);
  while (length > 0 &&
         (text[length - 1] == '\r' || text[length - 1] == '\n' || text[length - 1] == ' ' || text[length - 1] == '.')) {
    --length;
  }
  if (length == 0) return "Windows error " + std::to_string(code);
  return std::string(text, length);
}

// The volume and file index that identify an existing file or folder. Returns false when the
// path cannot be opened for reading its attributes.
bool fileIdentity(const std::string& path, BY_HANDLE_FILE_INFORMATION& identity) {
  // No access rights are asked for: only the attributes are read. Folders need backup semantics.
  HANDLE file = CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  const bool read = GetFileInformationByHandle(file, &identity) != 0;
  CloseHandle(file);
  return read;
}

}  // namespace

std::FILE* openFile(const std::string& path, const char* mode) {
  // The C runtime's fopen takes an ANSI path.
  return std::fopen(path.c_str(), mode);
}

bool pathExists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

bool isFolder(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool isSameFile(const std::string& a, const std::string& b) {
  BY_HANDLE_FILE_INFORMATION first;
  BY_HANDLE_FILE_INFORMATION second;
  if (!fileIdentity(a, first) || !fileIdentity(b, second)) return false;
  return first.dwVolumeSerialNumber == second.dwVolumeSerialNumber && first.nFileIndexHigh == second.nFileIndexHigh &&
         first.nFileIndexLow == second.nFileIndexLow;
}

std::string renameReplacing(const std::string& from, const std::string& to) {
  if (MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING) != 0) return {};
  return reasonOf(GetLastError());
}

bool removeFile(const std::string& path) { return DeleteFileA(path.c_str()) != 0; }

const char* nullDevicePath() { return "NUL"; }
