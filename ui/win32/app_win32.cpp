#include "ui/win32/app.h"

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

// The application's message map: the standard help command goes to the default help.
bool Cwl2kvxApp::handleCommand(int id) {
  if (id == kIdHelp) {
    onHelp();
    return true;
  }
  return WinApp::handleCommand(id);
}
