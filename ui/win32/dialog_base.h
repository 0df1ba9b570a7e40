// A thin class layer over the raw Win32 API in the shape of a dialog class library: an
// application object with an instance start-up, a modal dialog base with initialisation,
// data exchange and a message map, and wrappers for combo boxes and list boxes.
#pragma once
#include <windows.h>

#include <cstddef>
#include <string>

class Dialog;

// The one application object. Its constructor makes it the program's application; the
// program's entry point calls initInstance and, when that returns true, runs a message loop.
class WinApp {
 public:
  WinApp();
  virtual ~WinApp();
  WinApp(const WinApp&) = delete;
  WinApp& operator=(const WinApp&) = delete;

  // Instance start-up. The base does nothing and returns true (go on to the message loop).
  virtual bool initInstance();
  // Message map of the application: commands that no window handled. Returns false when the
  // command is not in the map.
  virtual bool handleCommand(int id);

  // The application object, or nullptr before it is constructed.
  static WinApp* current();

  HINSTANCE instance() const { return instance_; }
  // The program file's name without folder and extension ("adif2kvx" for adif2kvx.exe), UTF-8.
  const std::string& title() const { return title_; }
  // The folder of the program file, without a trailing backslash, UTF-8; empty when unknown.
  const std::string& folder() const { return folder_; }

  Dialog* mainWindow() const { return mainWindow_; }
  void setMainWindow(Dialog* window) { mainWindow_ = window; }

  // Called by the entry point before initInstance.
  void startUp(HINSTANCE instance);
  // Message loop; returns the exit code of WM_QUIT.
  int run();

 private:
  HINSTANCE instance_ = nullptr;
  std::string title_;
  std::string folder_;
  Dialog* mainWindow_ = nullptr;
};

// The standard help command id, raised by the F1 key in any dialog.
constexpr int kIdHelp = 57670;

// A UTF-8 text as the wide (UTF-16) API takes it. A text that is no UTF-8 (a log's own bytes
// quoted in a message) is read in the ANSI code page, as the program showed it before.
std::wstring wideText(const std::string& text);
// A UTF-16 text from the wide API as UTF-8.
std::string utf8Text(const std::wstring& text);

// A modal message box owned by the main window, with the application title as caption.
// Returns the id of the button that closed it.
int appMessageBox(const std::string& text, UINT type);

// Moves a window so that it is centred over another, kept inside the other's monitor.
void centreOver(HWND window, HWND over);

// Wrapper of a combo box control bound to a dialog item.
class ComboBox {
 public:
  void attach(HWND control) { hwnd_ = control; }
  HWND hwnd() const { return hwnd_; }
  // Appends an entry. Returns its index, or CB_ERR.
  int addString(const std::string& text);
  // The index of the selected entry, or CB_ERR (-1) when none is selected.
  int getCurSel() const;
  // Selects an entry (-1 clears the selection). Returns the index, or CB_ERR.
  int setCurSel(int index);
  int getCount() const;

 private:
  HWND hwnd_ = nullptr;
};

// Wrapper of a list box control bound to a dialog item.
class ListBox {
 public:
  void attach(HWND control) { hwnd_ = control; }
  HWND hwnd() const { return hwnd_; }
  // Adds an entry. Returns its index, or LB_ERR.
  int addString(const std::string& text);
  // Deletes one entry. Returns the number of entries left, or LB_ERR.
  int deleteString(int index);
  void resetContent();
  int getCount() const;

 private:
  HWND hwnd_ = nullptr;
};

// The text of a window (an edit control's contents), UTF-8. Returns "" when the window has none.
std::string windowText(HWND window);

// Copies between a dialog's member variables and its controls, in one direction per run.
class DataExchange {
 public:
  DataExchange(HWND dialog, bool saveAndValidate) : dialog_(dialog), save_(saveAndValidate) {}
  // true: controls to members; false: members to controls.
  bool saveAndValidate() const { return save_; }
  // Binds a wrapper to the dialog item with this id (both directions).
  void control(int id, ComboBox& combo);
  void control(int id, ListBox& list);
  // Exchanges a member text with the text of the dialog item.
  void text(int id, std::string& value);

 private:
  HWND dialog_;
  bool save_;
};

// One row of a dialog's message map: either a control notification (WM_COMMAND with a
// control id and notification code) handled by a command member, or another window
// message handled by a message member.
template <class D>
struct MessageMapEntry {
  UINT message;                                           // window message
  int controlId;                                          // control id of a WM_COMMAND row
  int notifyCode;                                         // notification code of a WM_COMMAND row
  void (D::*onCommand)();                                 // handler of a WM_COMMAND row
  bool (D::*onMessage)(WPARAM, LPARAM, LRESULT& result);  // other messages; false = default
};

// A message-map row for a control notification.
template <class D>
constexpr MessageMapEntry<D> commandEntry(int controlId, int notifyCode, void (D::*handler)()) {
  return {WM_COMMAND, controlId, notifyCode, handler, nullptr};
}

// A message-map row for a window message.
template <class D>
constexpr MessageMapEntry<D> messageEntry(UINT message, bool (D::*handler)(WPARAM, LPARAM, LRESULT&)) {
  return {message, 0, 0, nullptr, handler};
}

// Looks the message up in the map and runs its handler. Returns false when no row handles
// it (the caller then applies the default handling).
template <class D, std::size_t N>
bool dispatchMessageMap(D& self, const MessageMapEntry<D> (&map)[N], UINT message, WPARAM wParam, LPARAM lParam,
                        LRESULT& result) {
  for (const MessageMapEntry<D>& row : map) {
    if (row.message != message) continue;
    if (message == WM_COMMAND) {
      if (row.controlId != LOWORD(wParam) || row.notifyCode != HIWORD(wParam)) continue;
      (self.*row.onCommand)();
      result = 0;
      return true;
    }
    return (self.*row.onMessage)(wParam, lParam, result);
  }
  return false;
}

// A modal dialog made from a dialog template.
class Dialog {
 public:
  // parent nullptr: the application's main window owns the dialog while it runs.
  Dialog(int templateId, HWND parent);
  virtual ~Dialog();
  Dialog(const Dialog&) = delete;
  Dialog& operator=(const Dialog&) = delete;

  // Creates the dialog and runs it until endDialog. Returns the code given to endDialog, or
  // -1 when the dialog could not be created.
  INT_PTR doModal();
  HWND hwnd() const { return hwnd_; }

 protected:
  // Message map accessor: runs the dialog's own handler of a message. Returns false when the
  // dialog has none, and the default handling applies. The base has an empty map.
  virtual bool handleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
  // Exchange between members and controls. The base exchanges nothing.
  virtual void doDataExchange(DataExchange& exchange);
  // Initialisation, once the window and its controls exist. The base binds the controls and
  // copies the members into them. Returns true to let the platform place the focus.
  virtual bool onInitDialog();
  // Default handling of the OK and Cancel commands: both end the modal run.
  virtual void onOK();
  virtual void onCancel();

  // Runs the data exchange in one direction. Returns true.
  bool updateData(bool saveAndValidate);
  void endDialog(int result);

 private:
  static INT_PTR CALLBACK dialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  INT_PTR dispatch(UINT message, WPARAM wParam, LPARAM lParam);

  int templateId_;
  HWND parent_;
  HWND hwnd_ = nullptr;
};
