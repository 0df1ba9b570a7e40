// Windows: a path is UTF-8 text, handed to the wide (UTF-16) functions of the Win32 API, so that
// every path Windows can hold works, whatever the ANSI code page. (The C runtime's narrow
// functions and MinGW's std::filesystem would miss names outside that code page.)
#include "convert/file_system.h"

#include <windows.h>
#include <fcntl.h>
#include <io.h>

#include <cerrno>
#include <cstring>
#include <cwchar>

#include "convert/utf16_text.h"

namespace {

// The path as the wide functions take it.
std::wstring widePath(const std::string& path) {
  const std::u16string wide = utf16FromUtf8(path);
  return std::wstring(wide.begin(), wide.end());
}

// Another program holds the file open without sharing it, or locks part of it.
bool isHeldElsewhere(DWORD code) { return code == ERROR_SHARING_VIOLATION || code == ERROR_LOCK_VIOLATION; }

// A failed call's error code in words: the C library's text where one fits, so that these
// reasons read like those of a failed open; Windows' own text otherwise.
std::string reasonOf(DWORD code) {
  switch (code) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
      return std::strerror(ENOENT);
    case ERROR_ACCESS_DENIED:
      return std::strerror(EACCES);
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
      return kHeldElsewhere;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
      return std::strerror(ENOSPC);
    case ERROR_NOT_SAME_DEVICE:
      return std::strerror(EXDEV);
    default:
      break;
  }
  wchar_t text[256] = {};
  DWORD length = FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0, text,
                                sizeof text / sizeof text[0], nullptr);
  while (length > 0 && (text[length - 1] == L'\r' || text[length - 1] == L'\n' || text[length - 1] == L' ' ||
                        text[length - 1] == L'.')) {
    --length;
  }
  if (length == 0) return "Windows error " + std::to_string(code);
  return utf8FromUtf16(std::u16string(text, text + length));
}

// The volume and file index that identify an existing file or folder. Returns false when the
// path cannot be opened for reading its attributes.
bool fileIdentity(const std::string& path, BY_HANDLE_FILE_INFORMATION& identity) {
  // No access rights are asked for: only the attributes are read. Folders need backup semantics.
  HANDLE file = CreateFileW(widePath(path).c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  const bool read = GetFileInformationByHandle(file, &identity) != 0;
  CloseHandle(file);
  return read;
}

// A name beside target for a file of this process: the process id keeps other runs' names
// apart, the number this run's; an exclusive creation catches a name left by a killed run.
std::string runFileName(const std::string& target, int number, const char* suffix) {
  return pathBeside(target,
                    kRunFilePrefix + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(number) + suffix);
}

// The path of a run's mark beside a target: ".adif2kvx-PID.run".
std::string markPath(const std::string& beside, unsigned long processId) {
  return pathBeside(beside, kRunFilePrefix + std::to_string(processId) + ".run");
}

}  // namespace

std::FILE* openFile(const std::string& path, const char* mode) {
  // Opened here rather than by _wfopen, which reports a file held by another program as EACCES,
  // like a file the operator may not read.
  const bool write = mode[0] != 'r';
  HANDLE handle =
      CreateFileW(widePath(path).c_str(), write ? GENERIC_WRITE : GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                  nullptr, write ? CREATE_ALWAYS : OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) {
    const DWORD code = GetLastError();
    errno = isHeldElsewhere(code)                                          ? EBUSY
            : code == ERROR_FILE_NOT_FOUND || code == ERROR_PATH_NOT_FOUND ? ENOENT
            : code == ERROR_DISK_FULL || code == ERROR_HANDLE_DISK_FULL    ? ENOSPC
            : code == ERROR_INVALID_NAME || code == ERROR_BAD_PATHNAME     ? EINVAL
                                                                           : EACCES;
    return nullptr;
  }
  const int binary = std::strchr(mode, 'b') != nullptr ? _O_BINARY : _O_TEXT;
  const int descriptor = _open_osfhandle(reinterpret_cast<intptr_t>(handle), (write ? _O_WRONLY : _O_RDONLY) | binary);
  if (descriptor < 0) {
    CloseHandle(handle);
    return nullptr;
  }
  std::FILE* file = _fdopen(descriptor, mode);
  if (file == nullptr) _close(descriptor);
  return file;
}

PathKind pathKind(const std::string& path) {
  // Devices (NUL, CON, COM1) and pipes open too; only a disk file or folder is one of ours.
  HANDLE handle = CreateFileW(widePath(path).c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return PathKind::Missing;
  PathKind kind = PathKind::Other;
  BY_HANDLE_FILE_INFORMATION information;
  if (GetFileType(handle) == FILE_TYPE_DISK && GetFileInformationByHandle(handle, &information) != 0) {
    kind = (information.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0 ? PathKind::Folder : PathKind::File;
  }
  CloseHandle(handle);
  return kind;
}

bool isSameFile(const std::string& a, const std::string& b) {
  BY_HANDLE_FILE_INFORMATION first;
  BY_HANDLE_FILE_INFORMATION second;
  if (!fileIdentity(a, first) || !fileIdentity(b, second)) return false;
  return first.dwVolumeSerialNumber == second.dwVolumeSerialNumber && first.nFileIndexHigh == second.nFileIndexHigh &&
         first.nFileIndexLow == second.nFileIndexLow;
}

std::string linkTarget(const std::string& path) { return path; }

std::string writeAccessProblem(const std::string& path) {
  // The file is replaced by a rename, which another program's open handle without delete
  // sharing prevents: asking for delete access too finds that before anything is written.
  // Where the file's own rights withhold delete access (the folder may still allow the
  // rename), write access alone is asked for.
  const std::wstring wide = widePath(path);
  DWORD code = ERROR_SUCCESS;
  const DWORD accesses[] = {GENERIC_WRITE | DELETE, GENERIC_WRITE};
  for (const DWORD access : accesses) {
    HANDLE handle = CreateFileW(wide.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle != INVALID_HANDLE_VALUE) {
      CloseHandle(handle);
      return {};
    }
    code = GetLastError();
    if (code != ERROR_ACCESS_DENIED) break;
  }
  return reasonOf(code);
}

std::string createNewFile(const std::string& target, NewFile& created) {
  // The new file takes the folder's inherited permissions, as any new file there does.
  for (int number = 0;; ++number) {
    created.name = runFileName(target, number, ".tmp");
    HANDLE handle = CreateFileW(widePath(created.name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
      const DWORD code = GetLastError();
      if (code == ERROR_FILE_EXISTS || code == ERROR_ALREADY_EXISTS) continue;
      created.name.clear();
      return reasonOf(code);
    }
    const int descriptor = _open_osfhandle(reinterpret_cast<intptr_t>(handle), _O_WRONLY | _O_BINARY);
    if (descriptor < 0) CloseHandle(handle);
    created.file = descriptor < 0 ? nullptr : _fdopen(descriptor, "wb");
    if (created.file != nullptr) return {};
    const int error = errno;
    if (descriptor >= 0) _close(descriptor);
    DeleteFileW(widePath(created.name).c_str());
    created.name.clear();
    return std::strerror(error);
  }
}

std::string flushToDisk(std::FILE* file) {
  if (std::fflush(file) != 0) return std::strerror(errno);
  HANDLE handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(file)));
  if (FlushFileBuffers(handle) == 0) return reasonOf(GetLastError());
  return {};
}

std::string nameNewFile(NewFile& /*file*/, const std::string& /*target*/) { return {}; }

std::string keepOldFile(const std::string& path, std::string& kept) {
  for (int number = 0;; ++number) {
    kept = runFileName(path, number, ".old");
    const std::wstring keptWide = widePath(kept);
    if (CreateHardLinkW(keptWide.c_str(), widePath(path).c_str(), nullptr) != 0) return {};
    DWORD code = GetLastError();
    if (code == ERROR_FILE_EXISTS || code == ERROR_ALREADY_EXISTS) continue;
    // A file system without hard links (FAT) gets a copy.
    if (CopyFileW(widePath(path).c_str(), keptWide.c_str(), TRUE) != 0) return {};
    code = GetLastError();
    if (code == ERROR_FILE_EXISTS || code == ERROR_ALREADY_EXISTS) continue;
    kept.clear();
    return reasonOf(code);
  }
}

std::string renameReplacing(const std::string& from, const std::string& to) {
  if (MoveFileExW(widePath(from).c_str(), widePath(to).c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) !=
      0)
    return {};
  return reasonOf(GetLastError());
}

void flushFolderOf(const std::string& /*path*/) {}

bool removeFile(const std::string& path) { return DeleteFileW(widePath(path).c_str()) != 0; }

unsigned long thisProcessId() { return GetCurrentProcessId(); }

std::string pathBeside(const std::string& beside, const std::string& name) {
  const size_t separator = beside.find_last_of("/\\");
  return separator == std::string::npos ? name : beside.substr(0, separator + 1) + name;
}

std::vector<std::string> namesBeside(const std::string& beside, const std::string& prefix) {
  std::vector<std::string> names;
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW(widePath(pathBeside(beside, prefix + "*")).c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return names;
  do {
    const wchar_t* name = found.cFileName;
    names.push_back(utf8FromUtf16(std::u16string(name, name + wcslen(name))));
  } while (FindNextFileW(search, &found) != 0);
  FindClose(search);
  return names;
}

bool runHasEnded(const std::string& beside, unsigned long processId) {
  // A running run holds its mark open without letting it be deleted.
  if (DeleteFileW(widePath(markPath(beside, processId)).c_str()) != 0) return true;
  const DWORD code = GetLastError();
  return code == ERROR_FILE_NOT_FOUND;
}

struct RunMark::Held {
  HANDLE mark = INVALID_HANDLE_VALUE;  // the mark, open; INVALID_HANDLE_VALUE when it could not be made
};

RunMark::RunMark(const std::string& target) : held_(std::make_unique<Held>()) {
  // Deleted when the last handle closes, which the system does for a process however it ends.
  held_->mark = CreateFileW(widePath(markPath(target, GetCurrentProcessId())).c_str(), GENERIC_WRITE | DELETE,
                            FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_HIDDEN | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
}

RunMark::~RunMark() {
  if (held_->mark != INVALID_HANDLE_VALUE) CloseHandle(held_->mark);
}

void removeUnheldLockFile(const std::string& /*beside*/) {}

void endProcessAbruptly() {
  TerminateProcess(GetCurrentProcess(), 128 + 9);
  ExitProcess(128 + 9);  // not reached: the process is gone
}

struct PlacingStep::Held {
  HANDLE mutex = nullptr;  // owned while the step runs; null when none could be made
};

PlacingStep::PlacingStep(const std::string& lockTarget) : held_(std::make_unique<Held>()) {
  if (lockTarget.empty()) return;
  // The mutex is named after the folder's volume and file index, so every spelling of the
  // folder meets the same one, and it goes with the last process that holds it: no lock file.
  wchar_t full[MAX_PATH];
  wchar_t* name = nullptr;
  const DWORD length = GetFullPathNameW(widePath(lockTarget).c_str(), MAX_PATH, full, &name);
  if (length == 0 || length >= MAX_PATH || name == nullptr || name == full) return;
  const std::u16string folderWide(full, name);
  const std::string folder = utf8FromUtf16(folderWide);
  BY_HANDLE_FILE_INFORMATION identity;
  if (!fileIdentity(folder, identity)) return;
  const std::string mutexName = "adif2kvx-placing-" + std::to_string(identity.dwVolumeSerialNumber) + "-" +
                                std::to_string(identity.nFileIndexHigh) + "-" + std::to_string(identity.nFileIndexLow);
  held_->mutex = CreateMutexA(nullptr, FALSE, mutexName.c_str());
  if (held_->mutex == nullptr) return;
  // An abandoned mutex (its holder was ended) is owned all the same.
  const DWORD waited = WaitForSingleObject(held_->mutex, INFINITE);
  if (waited != WAIT_OBJECT_0 && waited != WAIT_ABANDONED) {
    CloseHandle(held_->mutex);
    held_->mutex = nullptr;
  }
}

PlacingStep::~PlacingStep() {
  if (held_->mutex == nullptr) return;
  ReleaseMutex(held_->mutex);
  CloseHandle(held_->mutex);
}

std::FILE* openDiscardingStream() { return openFile("NUL", "wb"); }
