#include "tests/wine/remote.h"

#include <windows.h>
#include <shellapi.h>

#include <cstdio>

namespace {

constexpr UINT kSendTimeoutMs = 10000;
constexpr int kMessageBoxTextId = 0xFFFF;  // static text of a message box
constexpr int kMessageBoxIconId = 0x440;   // icon static of a message box
constexpr int kFileNameFieldId = 0x47c;    // file-name combo of the explorer-style dialogs
constexpr int kFileTypeComboId = 0x470;    // file-type combo of the explorer-style dialogs

LRESULT sendW(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutW(window, message, wParam, lParam, SMTO_NORMAL, kSendTimeoutMs, &result)) return -1;
  return static_cast<LRESULT>(result);
}

std::string quoted(const std::string& text) {
  std::string out = "\"";
  for (char c : text) {
    if (c == '\n') {
      out += "\\n";
    } else if (c == '\r') {
      out += "\\r";
    } else {
      out.push_back(c);
    }
  }
  return out + "\"";
}

std::vector<std::string> itemsOf(HWND control, UINT countMessage, UINT lengthMessage, UINT textMessage) {
  std::vector<std::string> items;
  const LRESULT count = sendW(control, countMessage, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    const LRESULT length = sendW(control, lengthMessage, static_cast<WPARAM>(i), 0);
    if (length < 0) {
      items.push_back("<unreadable>");
      continue;
    }
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    const LRESULT copied = sendW(control, textMessage, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text.data()));
    text.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
    items.push_back(narrow(text));
  }
  return items;
}

// The edit control inside a file dialog's file-name field.
HWND fileNameEdit(HWND dialog) {
  HWND field = GetDlgItem(dialog, kFileNameFieldId);
  if (field == nullptr) return nullptr;
  if (className(field) == "Edit") return field;
  HWND combo = FindWindowExW(field, nullptr, L"ComboBox", nullptr);
  HWND edit = FindWindowExW(combo != nullptr ? combo : field, nullptr, L"Edit", nullptr);
  return edit;
}

// Whether the window's pixels on the screen hold the yellow of the warning icon (a dozen or
// more); the question, error and information icons have none.
bool showsYellow(HWND window) {
  RECT rect;
  if (!GetWindowRect(window, &rect)) return false;
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  if (width <= 0 || height <= 0) return false;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  int yellow = 0;
  if (bitmap != nullptr) {
    HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
    const auto* pixels = static_cast<const DWORD*>(bits);
    for (int i = 0; i < width * height; ++i) {
      const DWORD p = pixels[i];
      if (((p >> 16) & 0xFF) > 200 && ((p >> 8) & 0xFF) > 150 && (p & 0xFF) < 100) ++yellow;
    }
    SelectObject(memory, previous);
    DeleteObject(bitmap);
  }
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return yellow >= 12;
}

}  // namespace

// ---------------------------------------------------------------- report

void Report::pass(const std::string& name) {
  std::printf("ok   %s\n", name.c_str());
  std::fflush(stdout);
}

void Report::fail(const std::string& name, const std::string& detail) {
  ++failures_;
  std::printf("FAIL %s: %s\n", name.c_str(), detail.c_str());
  std::fflush(stdout);
}

bool Report::expectEqual(const std::string& name, const std::string& want, const std::string& got) {
  if (want == got) {
    pass(name);
    return true;
  }
  fail(name, "expected " + quoted(want) + ", got " + quoted(got));
  return false;
}

bool Report::expectEqual(const std::string& name, long long want, long long got) {
  if (want == got) {
    pass(name);
    return true;
  }
  fail(name, "expected " + std::to_string(want) + ", got " + std::to_string(got));
  return false;
}

bool Report::expectTrue(const std::string& name, bool condition, const std::string& detail) {
  if (condition) {
    pass(name);
    return true;
  }
  fail(name, detail.empty() ? "not so" : detail);
  return false;
}

bool Report::expectLines(const std::string& name, const std::vector<std::string>& want,
                         const std::vector<std::string>& got) {
  if (want == got) {
    pass(name);
    return true;
  }
  std::string detail = "expected " + std::to_string(want.size()) + " lines, got " + std::to_string(got.size());
  for (size_t i = 0; i < want.size() || i < got.size(); ++i) {
    const std::string w = i < want.size() ? quoted(want[i]) : "(none)";
    const std::string g = i < got.size() ? quoted(got[i]) : "(none)";
    if (w != g) {
      detail += "; first difference at line " + std::to_string(i + 1) + ": expected " + w + ", got " + g;
      break;
    }
  }
  fail(name, detail);
  return false;
}

// ---------------------------------------------------------------- texts

std::wstring widen(const std::string& text) {
  if (text.empty()) return std::wstring();
  const int length = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(static_cast<size_t>(length), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
  return wide;
}

std::string narrow(const std::wstring& text) {
  if (text.empty()) return std::string();
  const int length =
      WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<size_t>(length), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), length, nullptr, nullptr);
  return out;
}

std::vector<std::string> commandLineArguments() {
  std::vector<std::string> arguments;
  int count = 0;
  LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
  if (wide == nullptr) return arguments;
  for (int i = 1; i < count; ++i) arguments.push_back(narrow(wide[i]));
  LocalFree(wide);
  return arguments;
}

bool fileExists(const std::string& path) { return GetFileAttributesW(widen(path).c_str()) != INVALID_FILE_ATTRIBUTES; }

bool deleteFile(const std::string& path) { return DeleteFileW(widen(path).c_str()) != 0; }

bool writeFile(const std::string& path, const std::string& bytes) {
  std::FILE* file = _wfopen(widen(path).c_str(), L"wb");
  if (file == nullptr) return false;
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  return std::fclose(file) == 0 && written;
}

std::string readFile(const std::string& path) {
  std::FILE* file = _wfopen(widen(path).c_str(), L"rb");
  if (file == nullptr) return std::string();
  std::string bytes;
  char piece[4096];
  size_t got;
  while ((got = std::fread(piece, 1, sizeof piece, file)) > 0) bytes.append(piece, got);
  std::fclose(file);
  return bytes;
}

std::string windowTextOf(HWND window) {
  const LRESULT length = sendW(window, WM_GETTEXTLENGTH, 0, 0);
  if (length <= 0) return std::string();
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  const LRESULT copied =
      sendW(window, WM_GETTEXT, static_cast<WPARAM>(length) + 1, reinterpret_cast<LPARAM>(text.data()));
  text.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
  return narrow(text);
}

std::vector<std::string> listBoxItems(HWND listBox) { return itemsOf(listBox, LB_GETCOUNT, LB_GETTEXTLEN, LB_GETTEXT); }

std::vector<std::string> comboBoxItems(HWND comboBox) {
  return itemsOf(comboBox, CB_GETCOUNT, CB_GETLBTEXTLEN, CB_GETLBTEXT);
}

int comboSelection(HWND comboBox) { return static_cast<int>(sendW(comboBox, CB_GETCURSEL, 0, 0)); }

int checkState(HWND button) { return static_cast<int>(sendW(button, BM_GETCHECK, 0, 0)); }

std::string className(HWND window) {
  wchar_t name[256] = {};
  GetClassNameW(window, name, 256);
  return narrow(name);
}

// ---------------------------------------------------------------- finding windows

namespace {

struct DialogSearch {
  DWORD processId;
  std::vector<HWND> found;
};

BOOL CALLBACK collectDialog(HWND window, LPARAM data) {
  auto* search = reinterpret_cast<DialogSearch*>(data);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner == search->processId && IsWindowVisible(window) && className(window) == "#32770") {
    search->found.push_back(window);
  }
  return TRUE;
}

}  // namespace

std::vector<HWND> processDialogs(DWORD processId) {
  DialogSearch search{processId, {}};
  EnumWindows(&collectDialog, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND waitForDialog(DWORD processId, HWND except, const std::function<bool(HWND)>& wanted, DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  do {
    for (HWND window : processDialogs(processId)) {
      if (window != except && wanted(window)) return window;
    }
    Sleep(50);
  } while (GetTickCount() - start < timeoutMs);
  return nullptr;
}

bool waitGone(HWND window, DWORD timeoutMs) {
  return waitUntil([window] { return !IsWindow(window) || !IsWindowVisible(window); }, timeoutMs);
}

bool waitUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  do {
    if (condition()) return true;
    Sleep(50);
  } while (GetTickCount() - start < timeoutMs);
  return condition();
}

// ---------------------------------------------------------------- target program

Target::~Target() {
  if (process_ != nullptr) {
    if (running()) TerminateProcess(process_, 99);
    CloseHandle(process_);
  }
}

bool Target::start(const std::string& program, const std::string& arguments, const std::string& folder,
                   const std::string& caption, std::string& error) {
  std::wstring commandLine = widen("\"" + program + "\"" + (arguments.empty() ? "" : " " + arguments));
  const std::wstring programPath = widen(program);
  const std::wstring folderPath = widen(folder);
  STARTUPINFOW startup;
  ZeroMemory(&startup, sizeof startup);
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info;
  ZeroMemory(&info, sizeof info);
  if (!CreateProcessW(programPath.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      folder.empty() ? nullptr : folderPath.c_str(), &startup, &info)) {
    error = "cannot start " + program + " (error " + std::to_string(GetLastError()) + ")";
    return false;
  }
  CloseHandle(info.hThread);
  process_ = info.hProcess;
  processId_ = info.dwProcessId;
  WaitForInputIdle(process_, 20000);
  main_ = waitForDialog(
      processId_, nullptr, [&](HWND w) { return windowTextOf(w) == caption; }, 30000);
  if (main_ == nullptr) {
    error = "no dialog \"" + caption + "\" appeared";
    return false;
  }
  return true;
}

bool Target::running() const { return process_ != nullptr && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT; }

bool Target::waitExit(DWORD timeoutMs, DWORD& exitCode) {
  if (process_ == nullptr || WaitForSingleObject(process_, timeoutMs) != WAIT_OBJECT_0) return false;
  GetExitCodeProcess(process_, &exitCode);
  return true;
}

// ---------------------------------------------------------------- modal windows

MessageBoxSeen answerMessageBox(const Target& target, DWORD timeoutMs, int answer) {
  MessageBoxSeen seen;
  HWND box = waitForDialog(
      target.processId(), target.mainWindow(), [](HWND w) { return GetDlgItem(w, kMessageBoxTextId) != nullptr; },
      timeoutMs);
  if (box == nullptr) return seen;
  seen.appeared = true;
  seen.caption = windowTextOf(box);
  seen.text = windowTextOf(GetDlgItem(box, kMessageBoxTextId));
  seen.hasIcon = GetDlgItem(box, kMessageBoxIconId) != nullptr;
  for (int id : {IDOK, IDYES, IDNO}) {
    HWND button = GetDlgItem(box, id);
    if (button != nullptr && (GetWindowLongW(button, GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON) {
      seen.defaultButton = id;
    }
  }
  if (GetDlgItem(box, IDYES) != nullptr && seen.hasIcon) {
    // Once it is painted.
    seen.warningIcon = waitUntil([&] { return showsYellow(GetDlgItem(box, kMessageBoxIconId)); }, 3000);
  }
  PostMessageW(GetDlgItem(box, answer), BM_CLICK, 0, 0);
  seen.closed = waitGone(box, 10000);
  return seen;
}

MessageBoxSeen clickForMessageBox(const Target& target, HWND button, DWORD timeoutMs, int answer) {
  PostMessageW(button, BM_CLICK, 0, 0);
  return answerMessageBox(target, timeoutMs, answer);
}

FileDialogSeen clickForFileDialog(const Target& target, HWND button, const std::string& title, const std::string& path,
                                  DWORD timeoutMs) {
  FileDialogSeen seen;
  PostMessageW(button, BM_CLICK, 0, 0);
  HWND dialog = waitForDialog(
      target.processId(), target.mainWindow(),
      [&](HWND w) { return windowTextOf(w) == title && fileNameEdit(w) != nullptr; }, timeoutMs);
  if (dialog == nullptr) return seen;
  seen.appeared = true;
  seen.title = windowTextOf(dialog);
  HWND edit = fileNameEdit(dialog);
  seen.fileName = windowTextOf(edit);
  seen.fileTypes = comboBoxItems(GetDlgItem(dialog, kFileTypeComboId));
  seen.owned = GetWindow(dialog, GW_OWNER) == target.mainWindow() && !IsWindowEnabled(target.mainWindow());
  if (path.empty()) {
    PostMessageW(GetDlgItem(dialog, IDCANCEL), BM_CLICK, 0, 0);
  } else {
    setControlText(edit, path);
    PostMessageW(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
  }
  seen.closed = waitGone(dialog, 15000);
  return seen;
}

void selectComboEntry(HWND dialog, int comboId, int index) {
  HWND combo = GetDlgItem(dialog, comboId);
  sendW(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
  sendW(dialog, WM_COMMAND, MAKEWPARAM(comboId, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
}

void setControlText(HWND control, const std::string& text) {
  const std::wstring wide = widen(text);
  sendW(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide.c_str()));
}

void clickNow(HWND button) { sendW(button, BM_CLICK, 0, 0); }

void typeText(HWND edit, const std::string& text) {
  setControlText(edit, "");
  for (char c : text) PostMessageW(edit, WM_CHAR, static_cast<WPARAM>(c), 1);
  const size_t limit = static_cast<size_t>(sendW(edit, EM_GETLIMITTEXT, 0, 0));
  waitUntil([&] { return windowTextOf(edit) == text.substr(0, limit); }, 5000);
}

std::string clipboardText() {
  std::string text;
  if (!OpenClipboard(nullptr)) return text;
  HANDLE data = GetClipboardData(CF_UNICODETEXT);
  if (const auto* chars = data != nullptr ? static_cast<const wchar_t*>(GlobalLock(data)) : nullptr) {
    text = narrow(chars);
    GlobalUnlock(data);
  }
  CloseClipboard();
  return text;
}

bool emptyClipboard() {
  if (!OpenClipboard(nullptr)) return false;
  const bool emptied = EmptyClipboard() != 0;
  return CloseClipboard() != 0 && emptied;
}
