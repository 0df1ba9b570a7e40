// Delivering a drop of files to a window of another process, as Explorer's drag-and-drop would:
// a DROPFILES block that the target process itself allocates and posts with WM_DROPFILES.
// The driver loads wine_drop.dll into the target (a remote thread running LoadLibraryW) and
// runs its postDroppedFiles there with the window and the names.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

// What the driver hands to postDroppedFiles in the target's memory.
struct DropRequest {
  DWORD window;      // the HWND that receives WM_DROPFILES
  LONG x, y;         // drop point in the window's client area
  DWORD nameChars;   // wchar_t count of `names`, both terminating NULs included
  wchar_t names[1];  // the paths, each NUL-terminated, then one more NUL
};

// Name of the exported function of wine_drop.dll, a thread start routine taking a DropRequest*
// and returning 1 when the message was posted.
constexpr const char* kPostDroppedFiles = "postDroppedFiles";

// Drops the files (UTF-8 paths) onto the window of the process. Returns false, and says why in
// `error`, when the drop could not be delivered.
bool dropFilesOnto(HANDLE process, HWND window, const std::vector<std::string>& paths, std::string& error);
