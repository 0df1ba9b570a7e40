// The about box, opened from the main dialog's system menu.
#pragma once
#include "ui/win32/dialog_base.h"

// No data and no handlers of its own: OK, Escape and the close box end it. It opens centred
// on the main dialog.
class CAboutDlg : public Dialog {
 public:
  CAboutDlg();
  ~CAboutDlg() override;

 protected:
  bool handleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  bool onInitDialog() override;
};
