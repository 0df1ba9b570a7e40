#include "ui/win32/dialog_base.h"

#include <algorithm>
#include <vector>

#include "convert/utf16_text.h"

namespace {

// The application object; set by its constructor, cleared by its destructor.
WinApp* theApplication = nullptr;

// Full path of the program file, UTF-8; empty when it cannot be read. Long paths are read whole.
std::string moduleFileName() {
  std::vector<wchar_t> buffer(MAX_PATH);
  while (buffer.size() <= 32768) {
    const DWORD length = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length == 0) return std::string();
    if (length < buffer.size()) return utf8Text(std::wstring(buffer.data(), length));
    buffer.resize(buffer.size() * 2);  // truncated: try again with more room
  }
  return std::string();
}

// Messages whose dialog-procedure result is the message's own result rather than a flag.
bool returnsResultDirectly(UINT message) {
  switch (message) {
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
    case WM_COMPAREITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    case WM_QUERYDRAGICON:
    case WM_INITDIALOG:
      return true;
    default:
      return false;
  }
}

}  // namespace

// ---------------------------------------------------------------- application object

WinApp::WinApp() { theApplication = this; }

WinApp::~WinApp() {
  if (theApplication == this) theApplication = nullptr;
}

WinApp* WinApp::current() { return theApplication; }

bool WinApp::initInstance() { return true; }

bool WinApp::handleCommand(int) { return false; }

void WinApp::startUp(HINSTANCE instance) {
  instance_ = instance;
  const std::string path = moduleFileName();
  const std::size_t slash = path.find_last_of("\\/");
  folder_ = slash == std::string::npos ? std::string() : path.substr(0, slash);
  std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  const std::size_t dot = name.rfind('.');
  if (dot != std::string::npos) name.resize(dot);
  title_ = name;
}

int WinApp::run() {
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}

std::wstring wideText(const std::string& text) {
  if (isUtf8(text)) {
    const std::u16string wide = utf16FromUtf8(text);
    return std::wstring(wide.begin(), wide.end());
  }
  const int size = static_cast<int>(text.size());
  const int length = MultiByteToWideChar(CP_ACP, 0, text.data(), size, nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(length > 0 ? length : 0), L'\0');
  MultiByteToWideChar(CP_ACP, 0, text.data(), size, wide.data(), length);
  return wide;
}

std::string utf8Text(const std::wstring& text) { return utf8FromUtf16(std::u16string(text.begin(), text.end())); }

int appMessageBox(const std::string& text, UINT type) {
  WinApp* app = WinApp::current();
  HWND owner = nullptr;
  std::string caption;
  if (app != nullptr) {
    if (app->mainWindow() != nullptr) owner = app->mainWindow()->hwnd();
    caption = app->title();
  }
  return MessageBoxW(owner, wideText(text).c_str(), wideText(caption).c_str(), type);
}

void centreOver(HWND window, HWND over) {
  RECT outer, inner;
  if (!GetWindowRect(over, &outer) || !GetWindowRect(window, &inner)) return;
  MONITORINFO monitor = {};
  monitor.cbSize = sizeof monitor;
  GetMonitorInfoW(MonitorFromWindow(over, MONITOR_DEFAULTTONEAREST), &monitor);
  const RECT& work = monitor.rcWork;
  const LONG width = inner.right - inner.left, height = inner.bottom - inner.top;
  LONG x = outer.left + (outer.right - outer.left - width) / 2;
  LONG y = outer.top + (outer.bottom - outer.top - height) / 2;
  x = std::max(work.left, std::min(x, work.right - width));
  y = std::max(work.top, std::min(y, work.bottom - height));
  SetWindowPos(window, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// The program's entry point: start the application object, run its instance start-up and,
// only when that asks for it, a message loop.
int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  WinApp* app = WinApp::current();
  if (app == nullptr) return 1;
  app->startUp(instance);
  if (!app->initInstance()) return 0;
  return app->run();
}

// ---------------------------------------------------------------- controls

int ComboBox::addString(const std::string& text) {
  return static_cast<int>(SendMessageW(hwnd_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wideText(text).c_str())));
}

int ComboBox::getCurSel() const { return static_cast<int>(SendMessageW(hwnd_, CB_GETCURSEL, 0, 0)); }

int ComboBox::setCurSel(int index) {
  return static_cast<int>(SendMessageW(hwnd_, CB_SETCURSEL, static_cast<WPARAM>(index), 0));
}

int ComboBox::getCount() const { return static_cast<int>(SendMessageW(hwnd_, CB_GETCOUNT, 0, 0)); }

int ListBox::addString(const std::string& text) {
  return static_cast<int>(SendMessageW(hwnd_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wideText(text).c_str())));
}

int ListBox::deleteString(int index) {
  return static_cast<int>(SendMessageW(hwnd_, LB_DELETESTRING, static_cast<WPARAM>(index), 0));
}

void ListBox::resetContent() { SendMessageW(hwnd_, LB_RESETCONTENT, 0, 0); }

int ListBox::getCount() const { return static_cast<int>(SendMessageW(hwnd_, LB_GETCOUNT, 0, 0)); }

std::string windowText(HWND window) {
  const int length = GetWindowTextLengthW(window);
  if (length <= 0) return std::string();
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const int copied = GetWindowTextW(window, text.data(), length + 1);
  text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
  return utf8Text(text);
}

// ---------------------------------------------------------------- data exchange

void DataExchange::control(int id, ComboBox& combo) { combo.attach(GetDlgItem(dialog_, id)); }

void DataExchange::control(int id, ListBox& list) { list.attach(GetDlgItem(dialog_, id)); }

void DataExchange::text(int id, std::string& value) {
  if (save_) {
    value = windowText(GetDlgItem(dialog_, id));
  } else {
    SetDlgItemTextW(dialog_, id, wideText(value).c_str());
  }
}

// ---------------------------------------------------------------- dialog

Dialog::Dialog(int templateId, HWND parent) : templateId_(templateId), parent_(parent) {}

Dialog::~Dialog() = default;

INT_PTR Dialog::doModal() {
  WinApp* app = WinApp::current();
  HWND owner = parent_;
  if (owner == nullptr && app != nullptr && app->mainWindow() != nullptr && app->mainWindow() != this) {
    owner = app->mainWindow()->hwnd();
  }
  HINSTANCE instance = app != nullptr ? app->instance() : GetModuleHandleW(nullptr);
  return DialogBoxParamW(instance, MAKEINTRESOURCEW(templateId_), owner, &Dialog::dialogProc,
                         reinterpret_cast<LPARAM>(this));
}

bool Dialog::handleMessage(UINT, WPARAM, LPARAM, LRESULT&) { return false; }

void Dialog::doDataExchange(DataExchange&) {}

bool Dialog::onInitDialog() {
  updateData(false);
  return true;
}

void Dialog::onOK() {
  updateData(true);
  endDialog(IDOK);
}

void Dialog::onCancel() { endDialog(IDCANCEL); }

bool Dialog::updateData(bool saveAndValidate) {
  DataExchange exchange(hwnd_, saveAndValidate);
  doDataExchange(exchange);
  return true;
}

void Dialog::endDialog(int result) { EndDialog(hwnd_, result); }

INT_PTR CALLBACK Dialog::dialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  Dialog* self = nullptr;
  if (message == WM_INITDIALOG) {
    self = reinterpret_cast<Dialog*>(lParam);
    SetWindowLongPtrW(window, DWLP_USER, reinterpret_cast<LONG_PTR>(self));
    self->hwnd_ = window;
  } else {
    self = reinterpret_cast<Dialog*>(GetWindowLongPtrW(window, DWLP_USER));
  }
  // Messages that arrive before WM_INITDIALOG (WM_SETFONT) get the default handling.
  if (self == nullptr) return FALSE;
  const INT_PTR handled = self->dispatch(message, wParam, lParam);
  if (message == WM_NCDESTROY) self->hwnd_ = nullptr;
  return handled;
}

INT_PTR Dialog::dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) return onInitDialog() ? TRUE : FALSE;

  LRESULT result = 0;
  if (handleMessage(message, wParam, lParam, result)) {
    if (returnsResultDirectly(message)) return static_cast<INT_PTR>(result);
    SetWindowLongPtrW(hwnd_, DWLP_MSGRESULT, static_cast<LONG_PTR>(result));
    return TRUE;
  }

  // Default handling.
  switch (message) {
    case WM_COMMAND: {
      const int id = LOWORD(wParam);
      const int code = HIWORD(wParam);
      if (code > 1) return FALSE;  // a control notification nobody asked for
      if (id == IDOK) {
        onOK();
        return TRUE;
      }
      if (id == IDCANCEL) {
        onCancel();
        return TRUE;
      }
      // A command that no control stands behind goes to the application's map.
      WinApp* app = WinApp::current();
      if (lParam == 0 && app != nullptr && app->handleCommand(id)) return TRUE;
      return FALSE;
    }
    case WM_HELP:
      // F1 raises the standard help command.
      SendMessageW(hwnd_, WM_COMMAND, MAKEWPARAM(kIdHelp, 0), 0);
      return TRUE;
    default:
      return FALSE;
  }
}
