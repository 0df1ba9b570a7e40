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
  bool onColorListBox(WPARAM wParam, LPARAM lParam, LRESULT& result);
  bool onGetMinMaxInfo(WPARAM wParam, LPARAM lParam, LRESULT& result);
  bool onSize(WPARAM wParam, LPARAM lParam, LRESULT& result);
  bool onDpiChanged(WPARAM wParam, LPARAM lParam, LRESULT& result);
  bool onScaled(WPARAM wParam, LPARAM lParam, LRESULT& result);
  bool onNextControl(WPARAM wParam, LPARAM lParam, LRESULT& result);
  void onBrowseInput();
  void onBrowseOutput();
  void onConvert();
  void onHelp();
  void onResultsDoubleClick();
  // A notification of a control of the table (ui/dialog_controls.h) that tells of a change:
  // handed to the logic. Returns false for any other.
  bool onControlChange(WPARAM wParam);
  // Puts the dialog where and as large as the operator left it, when that is on a monitor
  // now; otherwise centred on the monitor under the mouse at its designed size.
  void placeWindow();
  // Tooltips showing the path lists' full paths.
  void addPathTips();
  // The results list takes the room the window has beyond its designed size; the other
  // controls keep their places and sizes.
  void layOutResults();
  // Opens the contest list wide enough for its longest name in its present font.
  void fitContestListWidth();
  // The results list's own keys and menu: Enter on a kind, Ctrl+C, Ctrl+A and the context
  // menu's "Copy" and "Select All". The list keeps the dialog in its user data and hands every
  // other message to its own procedure.
  static LRESULT CALLBACK resultsListProc(HWND list, UINT message, WPARAM wParam, LPARAM lParam);
  void showResultsMenu(LPARAM screenPoint);

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
  ComboBox viewCombo_;
  WNDPROC resultsListOwnProc_ = nullptr;  // the results list's procedure before ours
  SIZE minimumSize_ = {};                 // the window's designed size, its smallest, in pixels
  UINT dpi_ = 96;                         // the display scale the window is laid out for
  Win32WindowSystem windows_;
  MainDialogLogic logic_;
};
