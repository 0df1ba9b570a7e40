#include "ui/win32/main_dialog.h"

#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>
#include <windowsx.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "ui/dialog_controls.h"
#include "ui/win32/about_dialog.h"
#include "ui/win32/resource.h"

namespace {

// Address of the help page: the page beside the program file.
std::string helpPageAddress() {
  WinApp* app = WinApp::current();
  if (app == nullptr || app->folder().empty()) return kHelpPageName;
  return app->folder() + "\\" + kHelpPageName;
}

// The commands of the results list's context menu.
constexpr UINT kCopyCommand = 1;
constexpr UINT kSelectAllCommand = 2;

// Posted to the dialog once the system has scaled it to a new display scale.
constexpr UINT kScaledMessage = WM_APP + 1;

// The dialog's designed size and the results list's rectangle in it, in dialog units, as the
// template (adif2kvx.rc) gives them.
constexpr RECT kDesignedClient = {0, 0, 350, 327};
constexpr RECT kDesignedResults = {12, 196, 12 + 326, 196 + 120};

HINSTANCE appInstance() {
  WinApp* app = WinApp::current();
  return app != nullptr ? app->instance() : GetModuleHandleW(nullptr);
}

// The application icon at a size the system asks for (it scales with the display).
HICON appIcon(int widthMetric, int heightMetric) {
  return static_cast<HICON>(LoadImageW(appInstance(), MAKEINTRESOURCEW(IDR_MAINFRAME), IMAGE_ICON,
                                       GetSystemMetrics(widthMetric), GetSystemMetrics(heightMetric), LR_DEFAULTCOLOR));
}

// Settings of the dialog's last place and size on the screen, and whether it was maximised.
constexpr const char* kLeftSetting = "WindowLeft";
constexpr const char* kTopSetting = "WindowTop";
constexpr const char* kWidthSetting = "WindowWidth";
constexpr const char* kHeightSetting = "WindowHeight";
constexpr const char* kMaximizedSetting = "WindowMaximized";

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
    messageEntry(WM_CTLCOLORLISTBOX, &Cwl2kvxDlg::onColorListBox),
    messageEntry(WM_GETMINMAXINFO, &Cwl2kvxDlg::onGetMinMaxInfo),
    messageEntry(WM_SIZE, &Cwl2kvxDlg::onSize),
    messageEntry(WM_DPICHANGED, &Cwl2kvxDlg::onDpiChanged),
    messageEntry(kScaledMessage, &Cwl2kvxDlg::onScaled),
    messageEntry(WM_NEXTDLGCTL, &Cwl2kvxDlg::onNextControl),
    commandEntry(IDC_ADIF, BN_CLICKED, &Cwl2kvxDlg::onBrowseInput),
    commandEntry(IDC_KOLVEX, BN_CLICKED, &Cwl2kvxDlg::onBrowseOutput),
    // Convert carries the OK id so that Enter runs it; the dialog stays open.
    commandEntry(IDOK, BN_CLICKED, &Cwl2kvxDlg::onConvert),
    commandEntry(IDC_HELP_BUTTON, BN_CLICKED, &Cwl2kvxDlg::onHelp),
    // F1 raises the standard help command (notification code 0); it opens the help page as
    // the Help button does.
    commandEntry(kIdHelp, 0, &Cwl2kvxDlg::onHelp),
    commandEntry(IDC_RESULTS, LBN_DBLCLK, &Cwl2kvxDlg::onResultsDoubleClick),
};

Cwl2kvxDlg::Cwl2kvxDlg(HWND parent)
    : Dialog(IDD_ADIF2KVX_DIALOG, parent),
      icon_(appIcon(SM_CXICON, SM_CYICON)),
      smallIcon_(appIcon(SM_CXSMICON, SM_CYSMICON)),
      windows_(DialogControls{this, &inputList_, &outputList_, &resultsList_, &contestCombo_, &stateCombo_,
                              &formatCombo_, &viewCombo_}),
      logic_(windows_, helpPageAddress()) {}

Cwl2kvxDlg::~Cwl2kvxDlg() {
  DestroyIcon(icon_);
  DestroyIcon(smallIcon_);
}

bool Cwl2kvxDlg::handleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  if (message == WM_COMMAND && onControlChange(wParam)) {
    result = 0;
    return true;
  }
  return dispatchMessageMap(*this, kMessageMap, message, wParam, lParam, result);
}

bool Cwl2kvxDlg::onControlChange(WPARAM wParam) {
  const DialogControl* control = dialogControl(LOWORD(wParam));
  if (control == nullptr) return false;
  const WORD code = HIWORD(wParam);
  bool changed = false;
  switch (control->kind) {
    case ControlKind::CheckBox:
      changed = code == BN_CLICKED;
      break;
    case ControlKind::DropDownList:
      changed = code == CBN_SELCHANGE;
      break;
    case ControlKind::EditableCombo:
      changed = code == CBN_SELCHANGE || code == CBN_EDITCHANGE;
      break;
    case ControlKind::Edit:
      changed = code == EN_CHANGE;
      break;
  }
  if (changed) logic_.controlChanged(control->id);
  return changed;
}

void Cwl2kvxDlg::doDataExchange(DataExchange& exchange) {
  Dialog::doDataExchange(exchange);
  exchange.control(IDC_CONTEST, contestCombo_);
  exchange.control(IDC_FORMAT, formatCombo_);
  exchange.control(IDC_OUTPUT_LIST, outputList_);
  exchange.control(IDC_RESULTS, resultsList_);
  exchange.control(IDC_INPUT_LIST, inputList_);
  exchange.control(IDC_STATE, stateCombo_);
  exchange.control(IDC_VIEW, viewCombo_);
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
  fitContestListWidth();
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
  RECT frame;
  GetWindowRect(hwnd(), &frame);
  minimumSize_ = {frame.right - frame.left, frame.bottom - frame.top};
  HDC screen = GetDC(nullptr);
  dpi_ = static_cast<UINT>(GetDeviceCaps(screen, LOGPIXELSX));
  ReleaseDC(nullptr, screen);
  placeWindow();
  return true;
}

void Cwl2kvxDlg::fitContestListWidth() {
  HWND combo = contestCombo_.hwnd();
  HDC dc = GetDC(combo);
  HGDIOBJ previousFont = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(combo, WM_GETFONT, 0, 0)));
  LONG widest = 0;
  const LRESULT count = SendMessageW(combo, CB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    const LRESULT length = SendMessageW(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(i), 0);
    if (length <= 0) continue;
    std::wstring name(static_cast<size_t>(length) + 1, L'\0');
    const LRESULT copied =
        SendMessageW(combo, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(name.data()));
    SIZE size = {};
    if (copied > 0 && GetTextExtentPoint32W(dc, name.data(), static_cast<int>(copied), &size)) {
      widest = std::max(widest, size.cx);
    }
  }
  TEXTMETRICW metrics = {};
  GetTextMetricsW(dc, &metrics);
  SelectObject(dc, previousFont);
  ReleaseDC(combo, dc);
  // The list's scroll bar, its border and a character's margin on each side.
  const LONG width =
      widest + GetSystemMetrics(SM_CXVSCROLL) + 2 * GetSystemMetrics(SM_CXEDGE) + 2 * metrics.tmAveCharWidth;
  SendMessageW(combo, CB_SETDROPPEDWIDTH, static_cast<WPARAM>(width), 0);
}

void Cwl2kvxDlg::layOutResults() {
  HWND results = resultsList_.hwnd();
  if (results == nullptr || IsIconic(hwnd())) return;
  RECT designed = kDesignedResults, client = kDesignedClient, now;
  MapDialogRect(hwnd(), &designed);
  MapDialogRect(hwnd(), &client);
  GetClientRect(hwnd(), &now);
  const LONG wider = std::max<LONG>(0, now.right - client.right);
  const LONG taller = std::max<LONG>(0, now.bottom - client.bottom);
  SetWindowPos(results, nullptr, designed.left, designed.top, designed.right - designed.left + wider,
               designed.bottom - designed.top + taller, SWP_NOZORDER | SWP_NOACTIVATE);
}

bool Cwl2kvxDlg::onSize(WPARAM, LPARAM, LRESULT&) {
  layOutResults();
  return false;
}

bool Cwl2kvxDlg::onGetMinMaxInfo(WPARAM, LPARAM lParam, LRESULT& result) {
  if (minimumSize_.cx == 0) return false;  // before the dialog has its designed size
  auto* limits = reinterpret_cast<MINMAXINFO*>(lParam);
  limits->ptMinTrackSize = {minimumSize_.cx, minimumSize_.cy};
  result = 0;
  return true;
}

bool Cwl2kvxDlg::onDpiChanged(WPARAM wParam, LPARAM, LRESULT&) {
  const UINT dpi = LOWORD(wParam);
  if (dpi != 0 && dpi_ != 0) {
    minimumSize_ = {MulDiv(minimumSize_.cx, static_cast<int>(dpi), static_cast<int>(dpi_)),
                    MulDiv(minimumSize_.cy, static_cast<int>(dpi), static_cast<int>(dpi_))};
    dpi_ = dpi;
  }
  // The system scales the dialog and its fonts in its own handling; what depends on the font
  // is measured again after it.
  PostMessageW(hwnd(), kScaledMessage, 0, 0);
  return false;
}

bool Cwl2kvxDlg::onScaled(WPARAM, LPARAM, LRESULT& result) {
  fitHorizontalExtent(resultsList_.hwnd());
  fitContestListWidth();
  layOutResults();
  result = 0;
  return true;
}

bool Cwl2kvxDlg::onNextControl(WPARAM wParam, LPARAM lParam, LRESULT& result) {
  // The View list is no tab stop, so Tab goes through the dialog as it always has. Its label's
  // mnemonic focuses the label and then asks for the next tab stop: that is the View list.
  HWND label = GetDlgItem(hwnd(), IDC_VIEW_LABEL);
  if (wParam != 0 || LOWORD(lParam) != 0 || label == nullptr || GetFocus() != label) return false;
  SendMessageW(hwnd(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(viewCombo_.hwnd()), TRUE);
  result = 0;
  return true;
}

bool Cwl2kvxDlg::onColorListBox(WPARAM wParam, LPARAM lParam, LRESULT& result) {
  if (reinterpret_cast<HWND>(lParam) != resultsList_.hwnd() || !windows_.resultsGreyed()) return false;
  HDC dc = reinterpret_cast<HDC>(wParam);
  SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
  SetBkColor(dc, GetSysColor(COLOR_WINDOW));
  result = reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
  return true;
}

void Cwl2kvxDlg::placeWindow() {
  RECT frame;
  GetWindowRect(hwnd(), &frame);
  LONG width = frame.right - frame.left, height = frame.bottom - frame.top;
  const std::optional<long> left = numberSetting(windows_, kLeftSetting);
  const std::optional<long> top = numberSetting(windows_, kTopSetting);
  const std::optional<long> keptWidth = numberSetting(windows_, kWidthSetting);
  const std::optional<long> keptHeight = numberSetting(windows_, kHeightSetting);
  if (keptWidth && keptHeight) {
    width = std::max<LONG>(width, *keptWidth);
    height = std::max<LONG>(height, *keptHeight);
  }
  if (left && top) {
    const RECT there = {*left, *top, *left + width, *top + height};
    // A monitor that has gone since would leave the dialog out of sight.
    if (MonitorFromRect(&there, MONITOR_DEFAULTTONULL) != nullptr) {
      SetWindowPos(hwnd(), nullptr, *left, *top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
      if (numberSetting(windows_, kMaximizedSetting).value_or(0) == 1) ShowWindow(hwnd(), SW_MAXIMIZE);
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
  // Where and how large it was left, also when it was closed minimised or maximised.
  WINDOWPLACEMENT placement = {};
  placement.length = sizeof placement;
  RECT frame;
  GetWindowRect(hwnd(), &frame);
  const bool maximized = IsZoomed(hwnd()) != 0;
  if ((IsIconic(hwnd()) || maximized) && GetWindowPlacement(hwnd(), &placement)) frame = placement.rcNormalPosition;
  windows_.saveSetting(kLeftSetting, std::to_string(frame.left));
  windows_.saveSetting(kTopSetting, std::to_string(frame.top));
  windows_.saveSetting(kWidthSetting, std::to_string(frame.right - frame.left));
  windows_.saveSetting(kHeightSetting, std::to_string(frame.bottom - frame.top));
  windows_.saveSetting(kMaximizedSetting, maximized ? "1" : "0");
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

void Cwl2kvxDlg::onConvert() { logic_.convert(); }

void Cwl2kvxDlg::onHelp() { logic_.help(); }

void Cwl2kvxDlg::onResultsDoubleClick() {
  logic_.resultsLineChosen(static_cast<int>(SendMessageW(resultsList_.hwnd(), LB_GETCARETINDEX, 0, 0)));
}

LRESULT CALLBACK Cwl2kvxDlg::resultsListProc(HWND list, UINT message, WPARAM wParam, LPARAM lParam) {
  Cwl2kvxDlg* self = reinterpret_cast<Cwl2kvxDlg*>(GetWindowLongPtrW(list, GWLP_USERDATA));
  if (self == nullptr) return DefWindowProcW(list, message, wParam, lParam);
  const WNDPROC ownProc = self->resultsListOwnProc_;
  const bool byKind = self->logic_.model().state.view == static_cast<int>(ResultsView::ByKind);
  switch (message) {
    case WM_GETDLGCODE: {
      // Enter on a kind shows its lines; elsewhere it stays Convert's.
      const MSG* key = reinterpret_cast<const MSG*>(lParam);
      if (byKind && key != nullptr && key->message == WM_KEYDOWN && key->wParam == VK_RETURN) {
        return CallWindowProcW(ownProc, list, message, wParam, lParam) | DLGC_WANTMESSAGE;
      }
      break;
    }
    case WM_KEYDOWN:
      if (wParam == VK_RETURN && byKind) {
        self->logic_.resultsLineChosen(static_cast<int>(SendMessageW(list, LB_GETCARETINDEX, 0, 0)));
        return 0;
      }
      if (wParam == 'C' && GetKeyState(VK_CONTROL) < 0) {
        self->logic_.copyResults();
        return 0;
      }
      if (wParam == 'A' && GetKeyState(VK_CONTROL) < 0) {
        self->logic_.selectAllResults();
        return 0;
      }
      break;
    case WM_CHAR:
      if (wParam == 1 || wParam == 3 || (wParam == '\r' && byKind)) return 0;  // handled as keys above
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
  AppendMenuW(menu, MF_STRING, kSelectAllCommand, L"Select All");
  const UINT chosen = static_cast<UINT>(
      TrackPopupMenu(menu, TPM_RETURNCMD | TPM_NONOTIFY | TPM_RIGHTBUTTON, at.x, at.y, 0, hwnd(), nullptr));
  DestroyMenu(menu);
  if (chosen == kCopyCommand) logic_.copyResults();
  if (chosen == kSelectAllCommand) logic_.selectAllResults();
}
