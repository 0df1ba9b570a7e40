// The main dialog: the operator's one window, wired to the platform-neutral dialog logic.
#pragma once
#include <windows.h>

#include <string>

#include "ui/main_dialog_logic.h"
#include "ui/win32/dialog_base.h"
#include "ui/win32/win32_window_system.h"

// Name of the help page shipped beside the program.
constexpr const char* kHelpPageName = "adif2kvx-help.html";

class Cwl2kvxDlg : public Dialog {
 public:
  explicit Cwl2kvxDlg(HWND parent = nullptr);
  ~Cwl2kvxDlg() override;

 protected:
  bool handleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  void doDataExchange(DataExchange& exchange) override;
  bool onInitDialog() override;

 private:
  bool onSysCommand(WPARAM wParam, LPARAM lParam, LRESULT& result);
  bool onPaint(WPARAM wParam, LPARAM lParam, LRESULT& result);
  bool onQueryDragIcon(WPARAM wParam, LPARAM lParam, LRESULT& result);
  bool onDropFiles(WPARAM wParam, LPARAM lParam, LRESULT& result);
  bool onDrawItem(WPARAM wParam, LPARAM lParam, LRESULT& result);
  bool onNotify(WPARAM wParam, LPARAM lParam, LRESULT& result);
  bool onDestroy(WPARAM wParam, LPARAM lParam, LRESULT& result);
  void onBrowseInput();
  void onBrowseOutput();
  void onContestChange();
  void onConvert();
  void onExchgSerial();
  void onFrequency();
  void onLabel();
  void onUpload();
  void onHelp();
  void onFormatChange();
  void onStateChange();
  void onStateTyped();
  void onOnlyContest();
  // Puts the dialog where the operator left it, when that is on a monitor now; otherwise
  // centred on the monitor under the mouse.
  void placeWindow();
  // Tooltips showing the path lists' full paths.
  void addPathTips();
  // The results list's own keys and menu: Ctrl+C and the context menu's "Copy". The list keeps
  // the dialog in its user data and hands every other message to its own procedure.
  static LRESULT CALLBACK resultsListProc(HWND list, UINT message, WPARAM wParam, LPARAM lParam);
  void showResultsMenu(LPARAM screenPoint);

  // The check state of a box as the operator left it; any non-zero state counts as checked.
  bool isChecked(int controlId) const;

  static const MessageMapEntry<Cwl2kvxDlg> kMessageMap[];

  HICON icon_;               // the icon at the system's large size (taskbar, Alt+Tab, minimised)
  HICON smallIcon_;          // the icon at the caption's size
  HWND pathTips_ = nullptr;  // tooltip control of the path lists
  std::wstring tipText_;     // the text a tooltip shows; lives while it is up
  ComboBox contestCombo_;
  ComboBox formatCombo_;
  ListBox outputList_;
  ListBox resultsList_;
  ListBox inputList_;
  ComboBox stateCombo_;
  WNDPROC resultsListOwnProc_ = nullptr;  // the results list's procedure before ours
  Win32WindowSystem windows_;
  MainDialogLogic logic_;
};
