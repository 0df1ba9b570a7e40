#include "tests/wine/drop_files.h"

#include <cstddef>
#include <cstring>
#include <string>

#include "tests/wine/remote.h"

namespace {

constexpr DWORD kThreadTimeoutMs = 20000;

// wine_drop.dll beside the driver's own program file.
std::wstring dropDllPath() {
  wchar_t path[MAX_PATH] = {};
  const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring folder(path, length);
  folder.resize(folder.find_last_of(L"\\/") + 1);
  return folder + L"wine_drop.dll";
}

// Memory in another process, freed when this goes.
class RemoteMemory {
 public:
  RemoteMemory(HANDLE process, const void* bytes, SIZE_T size) : process_(process) {
    address_ = VirtualAllocEx(process, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    if (address_ != nullptr && !WriteProcessMemory(process, address_, bytes, size, nullptr)) {
      VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
      address_ = nullptr;
    }
  }
  ~RemoteMemory() {
    if (address_ != nullptr) VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
  }
  RemoteMemory(const RemoteMemory&) = delete;
  RemoteMemory& operator=(const RemoteMemory&) = delete;
  void* address() const { return address_; }

 private:
  HANDLE process_;
  void* address_ = nullptr;
};

// Runs a function of the target on a thread of its own and waits for it. Returns false when
// the thread could not run; `exitCode` is what the function returned.
bool runRemote(HANDLE process, const void* function, void* parameter, DWORD& exitCode) {
  HANDLE thread = CreateRemoteThread(process, nullptr, 0, reinterpret_cast<LPTHREAD_START_ROUTINE>(function), parameter,
                                     0, nullptr);
  if (thread == nullptr) return false;
  const bool ended =
      WaitForSingleObject(thread, kThreadTimeoutMs) == WAIT_OBJECT_0 && GetExitCodeThread(thread, &exitCode) != 0;
  CloseHandle(thread);
  return ended;
}

}  // namespace

bool dropFilesOnto(HANDLE process, HWND window, const std::vector<std::string>& paths, std::string& error) {
  // Load the helper into the target. kernel32 lies at the same address in every process of
  // the session, so LoadLibraryW's address here is its address there.
  const std::wstring dll = dropDllPath();
  HMODULE local = LoadLibraryW(dll.c_str());
  if (local == nullptr) {
    error = "cannot load " + narrow(dll);
    return false;
  }
  const void* localPost = reinterpret_cast<const void*>(GetProcAddress(local, kPostDroppedFiles));
  RemoteMemory dllName(process, dll.c_str(), (dll.size() + 1) * sizeof(wchar_t));
  DWORD remoteBase = 0;
  const void* loadLibrary =
      reinterpret_cast<const void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "LoadLibraryW"));
  if (localPost == nullptr || dllName.address() == nullptr) {
    error = localPost == nullptr ? "wine_drop.dll exports no postDroppedFiles" : "cannot write into the program";
  } else if (!runRemote(process, loadLibrary, dllName.address(), remoteBase)) {
    error = "no thread ran in the program (error " + std::to_string(GetLastError()) + ")";
  } else if (remoteBase == 0) {
    error = "the program could not load wine_drop.dll";
  }
  if (!error.empty()) {
    FreeLibrary(local);
    return false;
  }
  // The export lies at the same offset from the module's base in both processes.
  const std::ptrdiff_t offset = static_cast<const BYTE*>(localPost) - reinterpret_cast<const BYTE*>(local);
  const void* remotePost = reinterpret_cast<const BYTE*>(static_cast<ULONG_PTR>(remoteBase)) + offset;
  FreeLibrary(local);

  std::wstring names;
  for (const std::string& path : paths) names += widen(path) + L'\0';
  names += L'\0';
  std::vector<BYTE> bytes(offsetof(DropRequest, names) + names.size() * sizeof(wchar_t));
  DropRequest* request = reinterpret_cast<DropRequest*>(bytes.data());
  request->window = static_cast<DWORD>(reinterpret_cast<ULONG_PTR>(window));
  request->x = 20;
  request->y = 20;
  request->nameChars = static_cast<DWORD>(names.size());
  std::memcpy(bytes.data() + offsetof(DropRequest, names), names.data(), names.size() * sizeof(wchar_t));
  RemoteMemory remoteRequest(process, bytes.data(), bytes.size());
  DWORD posted = 0;
  if (remoteRequest.address() == nullptr || !runRemote(process, remotePost, remoteRequest.address(), posted) ||
      posted != 1) {
    error = "the program could not post WM_DROPFILES to itself";
    return false;
  }
  return true;
}
