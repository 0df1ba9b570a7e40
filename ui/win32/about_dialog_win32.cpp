#include "ui/win32/about_dialog.h"

#include "ui/win32/resource.h"

CAboutDlg::CAboutDlg() : Dialog(IDD_ABOUTBOX, nullptr) {}

CAboutDlg::~CAboutDlg() = default;

// The about box's message map is empty.
bool CAboutDlg::handleMessage(UINT, WPARAM, LPARAM, LRESULT&) { return false; }

bool CAboutDlg::onInitDialog() {
  Dialog::onInitDialog();
  if (HWND owner = GetWindow(hwnd(), GW_OWNER)) centreOver(hwnd(), owner);
  return true;
}
