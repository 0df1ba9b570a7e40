// Windows: a path is UTF-8 text, handed to the wide (UTF-16) functions of the Win32 API, so that
// every path Windows can hold works, whatever the ANSI code page. (The C runtime's narrow
// functions and MinGW's std::filesystem would miss names outside that code page.)
#include "convert/files/file_system.h"

#include <windows.h>
#include <aclapi.h>
#include <fcntl.h>
#include <io.h>

#include <cerrno>
#include <cstring>
#include <cwchar>
#include <map>

#include "convert/files/replacement_record.h"
#include "convert/utf16_text.h"
#include "core/text_format.h"

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

bool fail(std::string* err, DWORD code) {
  *err = reasonOf(code);
  return false;
}

}  // namespace

bool openFile(const std::string& path, const char* mode, OwnedFile* file, std::string* err) {
  // Opened here rather than by _wfopen, which reports a file held by another program as EACCES,
  // like a file the operator may not read.
  const bool write = mode[0] != 'r';
  HANDLE handle =
      CreateFileW(widePath(path).c_str(), write ? GENERIC_WRITE : GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                  nullptr, write ? CREATE_ALWAYS : OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) {
    const DWORD code = GetLastError();
    *err = isHeldElsewhere(code)                                          ? std::string(kHeldElsewhere)
           : code == ERROR_FILE_NOT_FOUND || code == ERROR_PATH_NOT_FOUND ? std::strerror(ENOENT)
           : code == ERROR_DISK_FULL || code == ERROR_HANDLE_DISK_FULL    ? std::strerror(ENOSPC)
           : code == ERROR_INVALID_NAME || code == ERROR_BAD_PATHNAME     ? std::strerror(EINVAL)
                                                                          : std::strerror(EACCES);
    return false;
  }
  const int binary = std::strchr(mode, 'b') != nullptr ? _O_BINARY : _O_TEXT;
  const int descriptor = _open_osfhandle(reinterpret_cast<intptr_t>(handle), (write ? _O_WRONLY : _O_RDONLY) | binary);
  if (descriptor < 0) {
    CloseHandle(handle);
    *err = std::strerror(EMFILE);
    return false;
  }
  file->reset(_fdopen(descriptor, mode));
  if (*file != nullptr) return true;
  *err = std::strerror(errno);
  _close(descriptor);
  return false;
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

bool canWriteInPlace(const std::string& path, std::string* err) {
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
      return true;
    }
    code = GetLastError();
    if (code != ERROR_ACCESS_DENIED) break;
  }
  return fail(err, code);
}

bool createNewFile(const std::string& target, NewFile* created, std::string* err) {
  // The new file takes the folder's inherited permissions, as any new file there does.
  for (int number = 0;; ++number) {
    created->name = pathBeside(target, runFileName(number, ".tmp"));
    HANDLE handle = CreateFileW(widePath(created->name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
      const DWORD code = GetLastError();
      if (code == ERROR_FILE_EXISTS || code == ERROR_ALREADY_EXISTS) continue;
      created->name.clear();
      return fail(err, code);
    }
    const int descriptor = _open_osfhandle(reinterpret_cast<intptr_t>(handle), _O_WRONLY | _O_BINARY);
    if (descriptor < 0) CloseHandle(handle);
    created->file = descriptor < 0 ? nullptr : _fdopen(descriptor, "wb");
    if (created->file != nullptr) return true;
    const int error = errno;
    if (descriptor >= 0) _close(descriptor);
    DeleteFileW(widePath(created->name).c_str());
    created->name.clear();
    *err = std::strerror(error);
    return false;
  }
}

bool flushToDisk(std::FILE* file, std::string* err) {
  if (std::fflush(file) != 0) {
    *err = std::strerror(errno);
    return false;
  }
  HANDLE handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(file)));
  return FlushFileBuffers(handle) != 0 || fail(err, GetLastError());
}

bool nameNewFile(NewFile* /*file*/, const std::string& /*target*/, std::string* /*err*/) { return true; }

bool keepOldFile(const std::string& path, std::string* kept, std::string* err) {
  for (int number = 0;; ++number) {
    *kept = pathBeside(path, runFileName(number, ".old"));
    const std::wstring keptWide = widePath(*kept);
    if (CreateHardLinkW(keptWide.c_str(), widePath(path).c_str(), nullptr) != 0) return true;
    DWORD code = GetLastError();
    if (code == ERROR_FILE_EXISTS || code == ERROR_ALREADY_EXISTS) continue;
    // A file system without hard links (FAT) gets a copy.
    if (CopyFileW(widePath(path).c_str(), keptWide.c_str(), TRUE) != 0) return true;
    code = GetLastError();
    if (code == ERROR_FILE_EXISTS || code == ERROR_ALREADY_EXISTS) continue;
    kept->clear();
    return fail(err, code);
  }
}

bool renameReplacing(const std::string& from, const std::string& to, std::string* err) {
  return MoveFileExW(widePath(from).c_str(), widePath(to).c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0 ||
         fail(err, GetLastError());
}

void flushFolderOf(const std::string& /*path*/) {}

bool removeFile(const std::string& path, std::string* err) {
  return DeleteFileW(widePath(path).c_str()) != 0 || fail(err, GetLastError());
}

unsigned long thisProcessId() { return GetCurrentProcessId(); }

std::string pathBeside(const std::string& beside, const std::string& name) {
  const size_t separator = beside.find_last_of("/\\");
  return separator == std::string::npos ? name : beside.substr(0, separator + 1) + name;
}

std::string folderOf(const std::string& path) {
  const size_t separator = path.find_last_of("/\\");
  if (separator == std::string::npos) return ".";
  return separator == 0 ? path.substr(0, 1) : path.substr(0, separator);
}

std::string nameOf(const std::string& path) { return path.substr(path.find_last_of("/\\") + 1); }

struct RunMark::Held {
  HANDLE mark = INVALID_HANDLE_VALUE;  // the mark, open; INVALID_HANDLE_VALUE when it could not be made
  std::string path;                    // its path; empty when it could not be made
};

RunMark::RunMark(const std::string& target) : held_(std::make_unique<Held>()) {
  // Deleted when the last handle closes, which the system does for a process however it ends.
  const std::string markPath = pathBeside(target, runMarkName(thisProcessId()));
  held_->mark = CreateFileW(widePath(markPath).c_str(), GENERIC_WRITE | DELETE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                            nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_HIDDEN | FILE_FLAG_DELETE_ON_CLOSE | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
  if (held_->mark != INVALID_HANDLE_VALUE) held_->path = markPath;
}

const std::string& RunMark::path() const { return held_->path; }

RunMark::~RunMark() {
  if (held_->mark != INVALID_HANDLE_VALUE) CloseHandle(held_->mark);
}

void endProcessAbruptly() {
  TerminateProcess(GetCurrentProcess(), 128 + 9);
  ExitProcess(128 + 9);  // not reached: the process is gone
}

struct PlacingStep::Held {};

PlacingStep::PlacingStep() {}

PlacingStep::~PlacingStep() = default;

namespace {

// The owners a file made by this process gets: the token's user and its default owner (the
// Administrators group for an elevated run). Empty when the token cannot be read.
struct OwnSids {
  std::vector<BYTE> user;   // TOKEN_USER
  std::vector<BYTE> owner;  // TOKEN_OWNER
};

std::vector<BYTE> tokenInformation(HANDLE token, TOKEN_INFORMATION_CLASS kind) {
  DWORD size = 0;
  GetTokenInformation(token, kind, nullptr, 0, &size);
  std::vector<BYTE> bytes(size);
  if (size == 0 || GetTokenInformation(token, kind, bytes.data(), size, &size) == 0) bytes.clear();
  return bytes;
}

// Whether an open file belongs to the user the process runs as. A file whose owner cannot be
// told (a FAT volume has none) counts as the user's, as anyone may change it there anyway.
bool ownedByThisUser(HANDLE file) {
  PSID owner = nullptr;
  PSECURITY_DESCRIPTOR descriptor = nullptr;
  if (GetSecurityInfo(file, SE_FILE_OBJECT, OWNER_SECURITY_INFORMATION, &owner, nullptr, nullptr, nullptr,
                      &descriptor) != ERROR_SUCCESS) {
    return true;
  }
  bool own = owner == nullptr;
  HANDLE token = nullptr;
  if (!own && OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token) != 0) {
    const std::vector<BYTE> user = tokenInformation(token, TokenUser);
    const std::vector<BYTE> defaultOwner = tokenInformation(token, TokenOwner);
    own = (!user.empty() && EqualSid(owner, reinterpret_cast<const TOKEN_USER*>(user.data())->User.Sid) != 0) ||
          (!defaultOwner.empty() &&
           EqualSid(owner, reinterpret_cast<const TOKEN_OWNER*>(defaultOwner.data())->Owner) != 0);
    CloseHandle(token);
  }
  LocalFree(descriptor);
  return own;
}

// Opens an entry of a folder without following a reparse point (a symbolic link or junction).
HANDLE openEntry(const std::string& path, DWORD access) {
  return CreateFileW(widePath(path).c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                     OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT | FILE_FLAG_BACKUP_SEMANTICS, nullptr);
}

// What an open entry is; its size too when it is the user's regular file.
EntryKind kindOfOpen(HANDLE entry, unsigned long long* size) {
  BY_HANDLE_FILE_INFORMATION information;
  if (GetFileType(entry) != FILE_TYPE_DISK || GetFileInformationByHandle(entry, &information) == 0 ||
      (information.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) != 0 ||
      !ownedByThisUser(entry)) {
    return EntryKind::Foreign;
  }
  *size = (static_cast<unsigned long long>(information.nFileSizeHigh) << 32) | information.nFileSizeLow;
  return EntryKind::Own;
}

bool isMissing(DWORD code) { return code == ERROR_FILE_NOT_FOUND || code == ERROR_PATH_NOT_FOUND; }

}  // namespace

struct RunFolder::Held {
  HANDLE folder = INVALID_HANDLE_VALUE;  // open without delete sharing, so it cannot be renamed meanwhile
  HANDLE mutex = nullptr;                // the folder's lock, owned; null when none is held
};

RunFolder::RunFolder(const std::string& target) : held_(std::make_unique<Held>()), target_(target) {
  held_->folder =
      CreateFileW(widePath(folderOf(target)).c_str(), FILE_READ_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                  OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
}

RunFolder::~RunFolder() {
  if (held_->mutex != nullptr) {
    ReleaseMutex(held_->mutex);
    CloseHandle(held_->mutex);
  }
  if (held_->folder != INVALID_HANDLE_VALUE) CloseHandle(held_->folder);
}

bool RunFolder::lock(bool wait, bool* locked, std::string* /*err*/) {
  *locked = held_->mutex != nullptr;
  BY_HANDLE_FILE_INFORMATION identity;
  if (*locked || held_->folder == INVALID_HANDLE_VALUE || GetFileInformationByHandle(held_->folder, &identity) == 0) {
    return true;
  }
  // The mutex is named after the folder's volume and file index, so every spelling of the
  // folder meets the same one, and it goes with the last process that holds it: no lock file.
  const std::string mutexName = "adif2kvx-placing-" + std::to_string(identity.dwVolumeSerialNumber) + "-" +
                                std::to_string(identity.nFileIndexHigh) + "-" + std::to_string(identity.nFileIndexLow);
  HANDLE mutex = CreateMutexA(nullptr, FALSE, mutexName.c_str());
  if (mutex == nullptr) return true;
  // An abandoned mutex (its holder was ended) is owned all the same.
  const DWORD waited = WaitForSingleObject(mutex, wait ? INFINITE : 0);
  if (waited != WAIT_OBJECT_0 && waited != WAIT_ABANDONED) {
    CloseHandle(mutex);
    return true;
  }
  held_->mutex = mutex;
  *locked = true;
  return true;
}

std::string RunFolder::pathOf(const std::string& name) const { return pathBeside(target_, name); }

EntryKind RunFolder::kindOf(const std::string& name) const {
  HANDLE entry = openEntry(pathOf(name), FILE_READ_ATTRIBUTES | READ_CONTROL);
  if (entry == INVALID_HANDLE_VALUE) return isMissing(GetLastError()) ? EntryKind::Missing : EntryKind::Foreign;
  unsigned long long size = 0;
  const EntryKind kind = kindOfOpen(entry, &size);
  CloseHandle(entry);
  return kind;
}

SmallFileRead RunFolder::readSmallFile(const std::string& name, size_t limit, std::string* bytes) const {
  HANDLE entry = openEntry(pathOf(name), GENERIC_READ | READ_CONTROL);
  if (entry == INVALID_HANDLE_VALUE) return isMissing(GetLastError()) ? SmallFileRead::Missing : SmallFileRead::Refused;
  unsigned long long size = 0;
  SmallFileRead read = SmallFileRead::Refused;
  if (kindOfOpen(entry, &size) == EntryKind::Own && size <= limit) {
    // Read with the bound too: the file may grow meanwhile.
    bytes->assign(limit + 1, '\0');
    DWORD got = 0;
    if (ReadFile(entry, &(*bytes)[0], static_cast<DWORD>(bytes->size()), &got, nullptr) != 0 && got <= limit) {
      bytes->resize(got);
      read = SmallFileRead::Read;
    }
  }
  CloseHandle(entry);
  return read;
}

bool RunFolder::publishFile(const std::string& name, const std::string& bytes, std::string* err) {
  std::string temporary;
  HANDLE file = INVALID_HANDLE_VALUE;
  for (int number = 0; file == INVALID_HANDLE_VALUE; ++number) {
    temporary = pathOf(runFileName(number, ".tmp"));
    file =
        CreateFileW(widePath(temporary).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    const DWORD code = GetLastError();
    if (file == INVALID_HANDLE_VALUE && code != ERROR_FILE_EXISTS && code != ERROR_ALREADY_EXISTS) {
      return fail(err, code);
    }
  }
  DWORD written = 0;
  DWORD code = ERROR_SUCCESS;
  if (WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) == 0 ||
      written != bytes.size() || FlushFileBuffers(file) == 0) {
    code = GetLastError();
  }
  CloseHandle(file);
  // Without MOVEFILE_REPLACE_EXISTING whatever has the name stays.
  if (code == ERROR_SUCCESS &&
      MoveFileExW(widePath(temporary).c_str(), widePath(pathOf(name)).c_str(), MOVEFILE_WRITE_THROUGH) != 0) {
    return true;
  }
  if (code == ERROR_SUCCESS) code = GetLastError();
  DeleteFileW(widePath(temporary).c_str());
  return fail(err, code);
}

bool RunFolder::rename(const std::string& from, const std::string& to, std::string* err) {
  if (kindOf(from) != EntryKind::Own || kindOf(to) == EntryKind::Foreign) return fail(err, ERROR_ACCESS_DENIED);
  return renameReplacing(pathOf(from), pathOf(to), err);
}

bool RunFolder::remove(const std::string& name, std::string* err) {
  if (kindOf(name) != EntryKind::Own) return fail(err, ERROR_ACCESS_DENIED);
  return removeFile(pathOf(name), err);
}

void RunFolder::flush() {}

std::vector<std::string> RunFolder::namesStartingWith(const std::string& prefix) const {
  std::vector<std::string> names;
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW(widePath(pathOf(prefix + "*")).c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return names;
  do {
    const wchar_t* name = found.cFileName;
    names.push_back(utf8FromUtf16(std::u16string(name, name + wcslen(name))));
  } while (FindNextFileW(search, &found) != 0);
  FindClose(search);
  return names;
}

bool RunFolder::runHasEnded(unsigned long processId) {
  // A running run holds its mark open without letting it be deleted; a mark that is no own
  // regular file tells nothing.
  const std::string mark = runMarkName(processId);
  const EntryKind kind = kindOf(mark);
  if (kind == EntryKind::Missing) return true;
  return kind == EntryKind::Own && DeleteFileW(widePath(pathOf(mark)).c_str()) != 0;
}

void RunFolder::removeRunFile(unsigned long /*processId*/) {}

void RunFolder::removeUnheldLockFile() {}

bool openDiscardingStream(OwnedFile* stream, std::string* err) { return openFile("NUL", "wb", stream, err); }
