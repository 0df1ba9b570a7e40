// wine_drop.dll: runs inside the program under test and posts it a drop of files, so that the
// DROPFILES block is the target's own moveable memory, as the shell would hand it over.
#include <windows.h>
#include <shlobj.h>

#include <cstring>

#include "tests/wine/drop_files.h"

extern "C" __declspec(dllexport) DWORD WINAPI postDroppedFiles(void* parameter) {
  const DropRequest* request = static_cast<const DropRequest*>(parameter);
  const SIZE_T nameBytes = request->nameChars * sizeof(wchar_t);
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DROPFILES) + nameBytes);
  if (block == nullptr) return 0;
  DROPFILES* drop = static_cast<DROPFILES*>(GlobalLock(block));
  drop->pFiles = sizeof(DROPFILES);
  drop->pt.x = request->x;
  drop->pt.y = request->y;
  drop->fNC = FALSE;
  drop->fWide = TRUE;
  std::memcpy(reinterpret_cast<BYTE*>(drop) + sizeof(DROPFILES), request->names, nameBytes);
  GlobalUnlock(block);
  HWND window = reinterpret_cast<HWND>(static_cast<ULONG_PTR>(request->window));
  if (!PostMessageW(window, WM_DROPFILES, reinterpret_cast<WPARAM>(block), 0)) {
    GlobalFree(block);
    return 0;
  }
  return 1;  // the receiver frees the block with DragFinish
}

BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) { return TRUE; }
