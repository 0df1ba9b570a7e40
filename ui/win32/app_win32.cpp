#include "ui/win32/app.h"

#include <windows.h>
#include <commctrl.h>

#include "ui/win32/main_dialog.h"

// The one application object, constructed before the entry point runs.
Cwl2kvxApp theApp;

Cwl2kvxApp::Cwl2kvxApp() = default;

Cwl2kvxApp::~Cwl2kvxApp() = default;

bool Cwl2kvxApp::initInstance() {
  InitCommonControls();
  WinApp::initInstance();

  Cwl2kvxDlg dialog;
  setMainWindow(&dialog);
  dialog.doModal();  // Done, Escape and the close box end it; its result is not needed
  setMainWindow(nullptr);
  return false;
}

// The application's message map: the standard help command (F1 in a dialog that does not
// handle it, such as the about box) goes to the main dialog, which opens the help page.
bool Cwl2kvxApp::handleCommand(int id) {
  if (id == kIdHelp && mainWindow() != nullptr && mainWindow()->hwnd() != nullptr) {
    SendMessageW(mainWindow()->hwnd(), WM_COMMAND, MAKEWPARAM(kIdHelp, 0), 0);
    return true;
  }
  return WinApp::handleCommand(id);
}
