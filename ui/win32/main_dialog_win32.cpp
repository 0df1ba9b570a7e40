#include "ui/win32/main_dialog.h"

#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>
#include <windowsx.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "ui/win32/about_dialog.h"
#include "ui/win32/resource.h"

namespace {

// Address of the help page: the page beside the program file.
std::string helpPageAddress() {
  WinApp* app = WinApp::current();
  if (app == nullptr || app->folder().empty()) return kHelpPageName;
  return app->folder() + "\\" + kHelpPageName;
}

// The command of the results list's context menu item "Copy".
constexpr UINT kCopyCommand = 1;

HINSTANCE appInstance() {
  WinApp* app = WinApp::current();
  return app != nullptr ? app->instance() : GetModuleHandleW(nullptr);
}

// The application icon at a size the system asks for (it scales with the display).
HICON appIcon(int widthMetric, int heightMetric) {
  return static_cast<HICON>(LoadImageW(appInstance(), MAKEINTRESOURCEW(IDR_MAINFRAME), IMAGE_ICON,
                                       GetSystemMetrics(widthMetric), GetSystemMetrics(heightMetric), LR_DEFAULTCOLOR));
}

// Settings of the dialog's last position on the screen.
constexpr const char* kLeftSetting = "WindowLeft";
constexpr const char* kTopSetting = "WindowTop";

// A remembered number; nullopt when none or no number was remembered.
std::optional<long> numberSetting(WindowSystem& windows, const char* name) {
  const std::optional<std::string> text = windows.setting(name);
  if (!text || text->empty()) return std::nullopt;
  char* end = nullptr;
  const long value = std::strtol(text->c_str(), &end, 10);
  if (*end != '\0') return std::nullopt;
  return value;
}

// The text of a list's entry. Returns "" when the list has no such entry.
std::wstring listEntryText(HWND list, WPARAM index) {
  const LRESULT length = SendMessageW(list, LB_GETTEXTLEN, index, 0);
  if (length <= 0) return std::wstring();
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  const LRESULT copied = SendMessageW(list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<size_t>(std::max<LRESULT>(copied, 0)));
  return text;
}

}  // namespace

// The messages and notifications the dialog handles itself; all others get the default.
const MessageMapEntry<Cwl2kvxDlg> Cwl2kvxDlg::kMessageMap[] = {
    messageEntry(WM_SYSCOMMAND, &Cwl2kvxDlg::onSysCommand),
    messageEntry(WM_PAINT, &Cwl2kvxDlg::onPaint),
    messageEntry(WM_QUERYDRAGICON, &Cwl2kvxDlg::onQueryDragIcon),
    messageEntry(WM_DROPFILES, &Cwl2kvxDlg::onDropFiles),
    messageEntry(WM_DRAWITEM, &Cwl2kvxDlg::onDrawItem),
    messageEntry(WM_NOTIFY, &Cwl2kvxDlg::onNotify),
    messageEntry(WM_DESTROY, &Cwl2kvxDlg::onDestroy),
    commandEntry(IDC_ADIF, BN_CLICKED, &Cwl2kvxDlg::onBrowseInput),
    commandEntry(IDC_KOLVEX, BN_CLICKED, &Cwl2kvxDlg::onBrowseOutput),
    commandEntry(IDC_CONTEST, CBN_SELCHANGE, &Cwl2kvxDlg::onContestChange),
    // Convert carries the OK id so that Enter runs it; the dialog stays open.
    commandEntry(IDOK, BN_CLICKED, &Cwl2kvxDlg::onConvert),
    commandEntry(IDC_EXCHG_SERIAL, BN_CLICKED, &Cwl2kvxDlg::onExchgSerial),
    commandEntry(IDC_FREQUENCY, BN_CLICKED, &Cwl2kvxDlg::onFrequency),
    commandEntry(IDC_LABEL, BN_CLICKED, &Cwl2kvxDlg::onLabel),
    commandEntry(IDC_UPLOAD, BN_CLICKED, &Cwl2kvxDlg::onUpload),
    commandEntry(IDC_HELP_BUTTON, BN_CLICKED, &Cwl2kvxDlg::onHelp),
    // F1 raises the standard help command (notification code 0); it opens the help page as
    // the Help button does.
    commandEntry(kIdHelp, 0, &Cwl2kvxDlg::onHelp),
    commandEntry(IDC_FORMAT, CBN_SELCHANGE, &Cwl2kvxDlg::onFormatChange),
    commandEntry(IDC_STATE, CBN_SELCHANGE, &Cwl2kvxDlg::onStateChange),
    commandEntry(IDC_STATE, CBN_EDITCHANGE, &Cwl2kvxDlg::onStateTyped),
    commandEntry(IDC_ONLY_CONTEST, BN_CLICKED, &Cwl2kvxDlg::onOnlyContest),
};

Cwl2kvxDlg::Cwl2kvxDlg(HWND parent)
    : Dialog(IDD_ADIF2KVX_DIALOG, parent),
      icon_(appIcon(SM_CXICON, SM_CYICON)),
      smallIcon_(appIcon(SM_CXSMICON, SM_CYSMICON)),
      windows_(
          DialogControls{this, &inputList_, &outputList_, &resultsList_, &contestCombo_, &stateCombo_, &formatCombo_}),
      logic_(windows_, helpPageAddress()) {}

Cwl2kvxDlg::~Cwl2kvxDlg() {
  DestroyIcon(icon_);
  DestroyIcon(smallIcon_);
}

bool Cwl2kvxDlg::handleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  return dispatchMessageMap(*this, kMessageMap, message, wParam, lParam, result);
}

void Cwl2kvxDlg::doDataExchange(DataExchange& exchange) {
  Dialog::doDataExchange(exchange);
  DialogModel& model = logic_.model();
  exchange.control(IDC_CONTEST, contestCombo_);
  exchange.control(IDC_FORMAT, formatCombo_);
  exchange.control(IDC_OUTPUT_LIST, outputList_);
  exchange.control(IDC_RESULTS, resultsList_);
  exchange.control(IDC_INPUT_LIST, inputList_);
  exchange.text(IDC_GROUP_NUMBER, model.groupNumberText);
  exchange.text(IDC_QSO_NOTE, model.noteText);
  exchange.control(IDC_STATE, stateCombo_);
}

bool Cwl2kvxDlg::onInitDialog() {
  Dialog::onInitDialog();

  // The About entry at the end of the system menu.
  HMENU systemMenu = GetSystemMenu(hwnd(), FALSE);
  if (systemMenu != nullptr) {
    wchar_t aboutText[256] = {};
    if (LoadStringW(appInstance(), IDS_ABOUTBOX, aboutText, sizeof aboutText / sizeof aboutText[0]) > 0) {
      AppendMenuW(systemMenu, MF_SEPARATOR, 0, nullptr);
      AppendMenuW(systemMenu, MF_STRING, IDM_ABOUTBOX, aboutText);
    }
  }

  SendMessageW(hwnd(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_));
  SendMessageW(hwnd(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_));

  logic_.initialise();
  // A window procedure of our own in front of the list's. (The common controls' subclassing
  // would cost a property lookup per message, which under Wine makes filling the list slow.)
  SetWindowLongPtrW(resultsList_.hwnd(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  resultsListOwnProc_ = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(resultsList_.hwnd(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Cwl2kvxDlg::resultsListProc)));
  // Files dragged from Explorer may be dropped anywhere on the dialog (WS_EX_ACCEPTFILES).
  DragAcceptFiles(hwnd(), TRUE);
  // A path list's one entry fills it at any scale: it is drawn over the whole list.
  for (const ListBox* list : {&inputList_, &outputList_}) SendMessageW(list->hwnd(), LB_SETITEMHEIGHT, 0, 255);
  addPathTips();
  placeWindow();
  return true;
}

void Cwl2kvxDlg::placeWindow() {
  RECT frame;
  GetWindowRect(hwnd(), &frame);
  const LONG width = frame.right - frame.left, height = frame.bottom - frame.top;
  const std::optional<long> left = numberSetting(windows_, kLeftSetting);
  const std::optional<long> top = numberSetting(windows_, kTopSetting);
  if (left && top) {
    const RECT there = {*left, *top, *left + width, *top + height};
    // A monitor that has gone since would leave the dialog out of sight.
    if (MonitorFromRect(&there, MONITOR_DEFAULTTONULL) != nullptr) {
      SetWindowPos(hwnd(), nullptr, *left, *top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
      return;
    }
  }
  POINT mouse = {};
  GetCursorPos(&mouse);
  MONITORINFO monitor = {};
  monitor.cbSize = sizeof monitor;
  GetMonitorInfoW(MonitorFromPoint(mouse, MONITOR_DEFAULTTOPRIMARY), &monitor);
  const RECT& work = monitor.rcWork;
  SetWindowPos(hwnd(), nullptr, work.left + (work.right - work.left - width) / 2,
               work.top + (work.bottom - work.top - height) / 2, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Cwl2kvxDlg::addPathTips() {
  pathTips_ = CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                              CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd(), nullptr, appInstance(), nullptr);
  if (pathTips_ == nullptr) return;
  for (const ListBox* list : {&inputList_, &outputList_}) {
    TOOLINFOW tool = {};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = hwnd();
    tool.uId = reinterpret_cast<UINT_PTR>(list->hwnd());
    tool.lpszText = LPSTR_TEXTCALLBACKW;
    SendMessageW(pathTips_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  }
  // A long path on one line, as wide as the screen allows.
  SendMessageW(pathTips_, TTM_SETMAXTIPWIDTH, 0, GetSystemMetrics(SM_CXSCREEN));
}

bool Cwl2kvxDlg::onDrawItem(WPARAM, LPARAM lParam, LRESULT& result) {
  const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
  if (item->CtlID != IDC_INPUT_LIST && item->CtlID != IDC_OUTPUT_LIST) return false;
  RECT area;
  GetClientRect(item->hwndItem, &area);
  FillRect(item->hDC, &area, GetSysColorBrush(COLOR_WINDOW));
  if (item->itemID != static_cast<UINT>(-1)) {
    const std::wstring path = listEntryText(item->hwndItem, item->itemID);
    // The end of a long path is its file name: the folders in the middle give way.
    const int margin = GetSystemMetrics(SM_CXEDGE);
    area.left += margin;
    area.right -= margin;
    SetBkMode(item->hDC, TRANSPARENT);
    SetTextColor(item->hDC, GetSysColor(COLOR_WINDOWTEXT));
    DrawTextW(item->hDC, path.c_str(), static_cast<int>(path.size()), &area,
              DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_PATH_ELLIPSIS);
  }
  result = TRUE;
  return true;
}

bool Cwl2kvxDlg::onNotify(WPARAM, LPARAM lParam, LRESULT& result) {
  auto* header = reinterpret_cast<NMHDR*>(lParam);
  if (header->hwndFrom != pathTips_ || header->code != TTN_GETDISPINFOW) return false;
  auto* tip = reinterpret_cast<NMTTDISPINFOW*>(lParam);
  HWND list = reinterpret_cast<HWND>(tip->hdr.idFrom);
  tipText_ = listEntryText(list, 0);
  tip->lpszText = tipText_.data();  // an empty text shows no tip
  result = 0;
  return true;
}

bool Cwl2kvxDlg::onDestroy(WPARAM, LPARAM, LRESULT&) {
  logic_.closing();
  // Where it was left, also when it was closed while minimised.
  WINDOWPLACEMENT placement = {};
  placement.length = sizeof placement;
  RECT frame;
  GetWindowRect(hwnd(), &frame);
  if (IsIconic(hwnd()) && GetWindowPlacement(hwnd(), &placement)) frame = placement.rcNormalPosition;
  windows_.saveSetting(kLeftSetting, std::to_string(frame.left));
  windows_.saveSetting(kTopSetting, std::to_string(frame.top));
  return false;  // the default handling goes on
}

bool Cwl2kvxDlg::onSysCommand(WPARAM wParam, LPARAM, LRESULT& result) {
  if ((wParam & 0xFFF0) != IDM_ABOUTBOX) return false;
  CAboutDlg about;  // centred on this dialog
  about.doModal();
  result = 0;
  return true;
}

bool Cwl2kvxDlg::onPaint(WPARAM, LPARAM, LRESULT& result) {
  if (!IsIconic(hwnd())) return false;
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(hwnd(), &paint);
  SendMessageW(hwnd(), WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
  const int iconWidth = GetSystemMetrics(SM_CXICON);
  const int iconHeight = GetSystemMetrics(SM_CYICON);
  RECT client;
  GetClientRect(hwnd(), &client);
  const int x = (client.right - client.left - iconWidth + 1) / 2;
  const int y = (client.bottom - client.top - iconHeight + 1) / 2;
  DrawIcon(dc, x, y, icon_);
  EndPaint(hwnd(), &paint);
  result = 0;
  return true;
}

bool Cwl2kvxDlg::onQueryDragIcon(WPARAM, LPARAM, LRESULT& result) {
  result = reinterpret_cast<LRESULT>(icon_);
  return true;
}

bool Cwl2kvxDlg::onDropFiles(WPARAM wParam, LPARAM, LRESULT& result) {
  HDROP drop = reinterpret_cast<HDROP>(wParam);
  std::vector<std::string> paths;
  const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
  for (UINT i = 0; i < count; ++i) {
    std::wstring path(DragQueryFileW(drop, i, nullptr, 0) + 1, L'\0');
    path.resize(DragQueryFileW(drop, i, path.data(), static_cast<UINT>(path.size())));
    paths.push_back(utf8Text(path));
  }
  DragFinish(drop);
  logic_.filesDropped(paths);
  result = 0;
  return true;
}

void Cwl2kvxDlg::onBrowseInput() { logic_.browseInput(); }

void Cwl2kvxDlg::onBrowseOutput() { logic_.browseOutput(); }

void Cwl2kvxDlg::onContestChange() { logic_.contestChanged(contestCombo_.getCurSel()); }

void Cwl2kvxDlg::onConvert() { logic_.convert(); }

void Cwl2kvxDlg::onExchgSerial() { logic_.checkClicked(CheckId::ExchgSerial, isChecked(IDC_EXCHG_SERIAL)); }

void Cwl2kvxDlg::onFrequency() { logic_.checkClicked(CheckId::Frequency, isChecked(IDC_FREQUENCY)); }

void Cwl2kvxDlg::onLabel() { logic_.checkClicked(CheckId::Label, isChecked(IDC_LABEL)); }

void Cwl2kvxDlg::onUpload() { logic_.checkClicked(CheckId::Upload, isChecked(IDC_UPLOAD)); }

void Cwl2kvxDlg::onHelp() { logic_.help(); }

void Cwl2kvxDlg::onFormatChange() { logic_.formatChanged(formatCombo_.getCurSel()); }

void Cwl2kvxDlg::onStateChange() { logic_.stateChanged(stateCombo_.getCurSel()); }

void Cwl2kvxDlg::onStateTyped() { logic_.stateTyped(); }

void Cwl2kvxDlg::onOnlyContest() { logic_.checkClicked(CheckId::OnlyContest, isChecked(IDC_ONLY_CONTEST)); }

LRESULT CALLBACK Cwl2kvxDlg::resultsListProc(HWND list, UINT message, WPARAM wParam, LPARAM lParam) {
  Cwl2kvxDlg* self = reinterpret_cast<Cwl2kvxDlg*>(GetWindowLongPtrW(list, GWLP_USERDATA));
  if (self == nullptr) return DefWindowProcW(list, message, wParam, lParam);
  const WNDPROC ownProc = self->resultsListOwnProc_;
  switch (message) {
    case WM_KEYDOWN:
      if (wParam == 'C' && GetKeyState(VK_CONTROL) < 0) {
        self->logic_.copyResults();
        return 0;
      }
      break;
    case WM_CHAR:
      if (wParam == 3) return 0;  // Ctrl+C, handled as a key above
      break;
    case WM_CONTEXTMENU:
      self->showResultsMenu(lParam);
      return 0;
    case WM_NCDESTROY:
      SetWindowLongPtrW(list, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ownProc));
      SetWindowLongPtrW(list, GWLP_USERDATA, 0);
      break;
    default:
      break;
  }
  return CallWindowProcW(ownProc, list, message, wParam, lParam);
}

void Cwl2kvxDlg::showResultsMenu(LPARAM screenPoint) {
  POINT at = {GET_X_LPARAM(screenPoint), GET_Y_LPARAM(screenPoint)};
  if (screenPoint == -1) {  // from the keyboard: at the list's corner
    RECT list;
    GetWindowRect(resultsList_.hwnd(), &list);
    at = {list.left, list.top};
  }
  HMENU menu = CreatePopupMenu();
  if (menu == nullptr) return;
  AppendMenuW(menu, MF_STRING, kCopyCommand, L"Copy");
  const UINT chosen = static_cast<UINT>(
      TrackPopupMenu(menu, TPM_RETURNCMD | TPM_NONOTIFY | TPM_RIGHTBUTTON, at.x, at.y, 0, hwnd(), nullptr));
  DestroyMenu(menu);
  if (chosen == kCopyCommand) logic_.copyResults();
}

bool Cwl2kvxDlg::isChecked(int controlId) const {
  return SendDlgItemMessageW(hwnd(), controlId, BM_GETCHECK, 0, 0) != 0;
}
