// Remote control of another process's windows, the way an operator's clicks would drive them:
// finding its dialogs, reading control texts, clicking buttons and answering modal windows.
// Texts and paths are UTF-8 throughout; they cross to Windows as UTF-16, so a path reads the
// same whatever the ANSI code page of the driver or of the program it drives.
#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

// Counts and prints the outcome of every check ("ok   name" or "FAIL name: detail").
class Report {
 public:
  void pass(const std::string& name);
  void fail(const std::string& name, const std::string& detail);
  // Passes when the two texts are equal; the failure shows both.
  bool expectEqual(const std::string& name, const std::string& want, const std::string& got);
  bool expectEqual(const std::string& name, long long want, long long got);
  bool expectTrue(const std::string& name, bool condition, const std::string& detail = "");
  bool expectLines(const std::string& name, const std::vector<std::string>& want, const std::vector<std::string>& got);
  int failures() const { return failures_; }

 private:
  int failures_ = 0;
};

// ASCII and UTF-8 texts to and from UTF-16.
std::wstring widen(const std::string& text);
std::string narrow(const std::wstring& text);

// The driver's own command-line arguments after the program name.
std::vector<std::string> commandLineArguments();
// Small files of the test, by UTF-8 path.
bool fileExists(const std::string& path);
bool deleteFile(const std::string& path);
// Returns false when the file cannot be written.
bool writeFile(const std::string& path, const std::string& bytes);
// Returns "" when the file cannot be read.
std::string readFile(const std::string& path);

// A window's text as its own window procedure reports it (WM_GETTEXT). "" on failure.
std::string windowTextOf(HWND window);
// The entries of a list box or a combo box, read with the W messages.
std::vector<std::string> listBoxItems(HWND listBox);
std::vector<std::string> comboBoxItems(HWND comboBox);
// The selected index of a combo box; -1 when none.
int comboSelection(HWND comboBox);
// BM_GETCHECK of a check box.
int checkState(HWND button);
std::string className(HWND window);

// Visible top-level dialog windows ("#32770") of a process.
std::vector<HWND> processDialogs(DWORD processId);
// Polls until a visible top-level dialog of the process other than `except` satisfies the
// predicate. Returns nullptr after the timeout.
HWND waitForDialog(DWORD processId, HWND except, const std::function<bool(HWND)>& wanted, DWORD timeoutMs);
// Polls until the window is gone. Returns false after the timeout.
bool waitGone(HWND window, DWORD timeoutMs);
// Polls until the condition holds. Returns false after the timeout.
bool waitUntil(const std::function<bool()>& condition, DWORD timeoutMs);

// A program under test, started with CreateProcess.
class Target {
 public:
  Target() = default;
  ~Target();
  Target(const Target&) = delete;
  Target& operator=(const Target&) = delete;

  // Starts the program in the folder and waits for its main dialog with this caption.
  // Returns false (and says why in `error`) when either fails.
  bool start(const std::string& program, const std::string& arguments, const std::string& folder,
             const std::string& caption, std::string& error);
  HWND mainWindow() const { return main_; }
  DWORD processId() const { return processId_; }
  HWND item(int id) const { return GetDlgItem(main_, id); }
  HANDLE process() const { return process_; }
  // Waits for the process to end. Returns false after the timeout.
  bool waitExit(DWORD timeoutMs, DWORD& exitCode);
  bool running() const;

 private:
  HANDLE process_ = nullptr;
  DWORD processId_ = 0;
  HWND main_ = nullptr;
};

// What a message box showed.
struct MessageBoxSeen {
  bool appeared = false;     // a message box came up
  std::string caption;       // its title
  std::string text;          // its text (static 0xFFFF)
  bool hasIcon = false;      // it shows an icon (static 0x440)
  int defaultButton = 0;     // the id of its default button
  bool warningIcon = false;  // a question (Yes and No) whose icon on the screen has the warning's yellow
  bool closed = false;       // it went away after the answer
};

// Clicks the button as the operator would (posted, because the click opens a modal window),
// waits for a message box, reads it and answers with the button `answer` (OK, Yes, No).
MessageBoxSeen clickForMessageBox(const Target& target, HWND button, DWORD timeoutMs = 20000, int answer = IDOK);
// Reads and answers the message box that is up or comes up next.
MessageBoxSeen answerMessageBox(const Target& target, DWORD timeoutMs = 20000, int answer = IDOK);

// What an open or save dialog showed.
struct FileDialogSeen {
  bool appeared = false;               // a dialog with the expected title came up
  std::string title;                   // its title
  std::string fileName;                // the file-name field before it was changed
  std::vector<std::string> fileTypes;  // entries of the file-type combo
  bool owned = false;                  // its owner is the main dialog, which it disables meanwhile
  bool closed = false;                 // it went away after the answer
};

// Clicks the button, waits for the open or save dialog with this title and answers it: types
// the path into the file-name field and presses Open/Save, or presses Cancel when `path` is
// empty.
FileDialogSeen clickForFileDialog(const Target& target, HWND button, const std::string& title, const std::string& path,
                                  DWORD timeoutMs = 30000);

// Selects a combo entry and sends the parent the notification the combo itself would send.
void selectComboEntry(HWND dialog, int comboId, int index);
// Replaces an edit control's text.
void setControlText(HWND control, const std::string& text);
// Replaces an edit control's text by typing it (ASCII), and waits until the field shows what it
// takes of it.
void typeText(HWND edit, const std::string& text);
// The clipboard's text; "" when it holds none. emptyClipboard returns false when it cannot.
std::string clipboardText();
bool emptyClipboard();
// Clicks a button that opens no modal window and waits until the click has been handled.
void clickNow(HWND button);
