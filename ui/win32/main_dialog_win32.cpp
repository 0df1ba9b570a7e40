#include "ui/win32/main_dialog.h"

#include <windows.h>
#include <shellapi.h>
#include <windowsx.h>

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
  return app != nullptr ? app->instance() : GetModuleHandleA(nullptr);
}

}  // namespace

// The messages and notifications the dialog handles itself; all others get the default.
const MessageMapEntry<Cwl2kvxDlg> Cwl2kvxDlg::kMessageMap[] = {
    messageEntry(WM_SYSCOMMAND, &Cwl2kvxDlg::onSysCommand),
    messageEntry(WM_PAINT, &Cwl2kvxDlg::onPaint),
    messageEntry(WM_QUERYDRAGICON, &Cwl2kvxDlg::onQueryDragIcon),
    messageEntry(WM_DROPFILES, &Cwl2kvxDlg::onDropFiles),
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
};

Cwl2kvxDlg::Cwl2kvxDlg(HWND parent)
    : Dialog(IDD_ADIF2KVX_DIALOG, parent),
      icon_(LoadIconA(appInstance(), MAKEINTRESOURCEA(IDR_MAINFRAME))),
      windows_(
          DialogControls{this, &inputList_, &outputList_, &resultsList_, &contestCombo_, &stateCombo_, &formatCombo_}),
      logic_(windows_, helpPageAddress()) {}

Cwl2kvxDlg::~Cwl2kvxDlg() = default;

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
    char aboutText[256] = {};
    if (LoadStringA(appInstance(), IDS_ABOUTBOX, aboutText, sizeof aboutText) > 0) {
      AppendMenuA(systemMenu, MF_SEPARATOR, 0, nullptr);
      AppendMenuA(systemMenu, MF_STRING, IDM_ABOUTBOX, aboutText);
    }
  }

  SendMessageA(hwnd(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_));
  SendMessageA(hwnd(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon_));

  logic_.initialise();
  // A window procedure of our own in front of the list's. (The common controls' subclassing
  // would cost a property lookup per message, which under Wine makes filling the list slow.)
  SetWindowLongPtrA(resultsList_.hwnd(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  resultsListOwnProc_ = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(resultsList_.hwnd(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Cwl2kvxDlg::resultsListProc)));
  // Files dragged from Explorer may be dropped anywhere on the dialog (WS_EX_ACCEPTFILES).
  DragAcceptFiles(hwnd(), TRUE);
  return true;
}

bool Cwl2kvxDlg::onSysCommand(WPARAM wParam, LPARAM, LRESULT& result) {
  if ((wParam & 0xFFF0) != IDM_ABOUTBOX) return false;
  CAboutDlg about;
  about.doModal();
  result = 0;
  return true;
}

bool Cwl2kvxDlg::onPaint(WPARAM, LPARAM, LRESULT& result) {
  if (!IsIconic(hwnd())) return false;
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(hwnd(), &paint);
  SendMessageA(hwnd(), WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
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
  std::vector<PickedPath> paths;
  const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
  for (UINT i = 0; i < count; ++i) {
    // The names are taken in UTF-16, as the file dialogs give them.
    std::wstring path(DragQueryFileW(drop, i, nullptr, 0) + 1, L'\0');
    path.resize(DragQueryFileW(drop, i, path.data(), static_cast<UINT>(path.size())));
    paths.push_back(pickedPath(path));
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

LRESULT CALLBACK Cwl2kvxDlg::resultsListProc(HWND list, UINT message, WPARAM wParam, LPARAM lParam) {
  Cwl2kvxDlg* self = reinterpret_cast<Cwl2kvxDlg*>(GetWindowLongPtrA(list, GWLP_USERDATA));
  if (self == nullptr) return DefWindowProcA(list, message, wParam, lParam);
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
      SetWindowLongPtrA(list, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ownProc));
      SetWindowLongPtrA(list, GWLP_USERDATA, 0);
      break;
    default:
      break;
  }
  return CallWindowProcA(ownProc, list, message, wParam, lParam);
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
  AppendMenuA(menu, MF_STRING, kCopyCommand, "Copy");
  const UINT chosen = static_cast<UINT>(
      TrackPopupMenu(menu, TPM_RETURNCMD | TPM_NONOTIFY | TPM_RIGHTBUTTON, at.x, at.y, 0, hwnd(), nullptr));
  DestroyMenu(menu);
  if (chosen == kCopyCommand) logic_.copyResults();
}

bool Cwl2kvxDlg::isChecked(int controlId) const {
  return SendDlgItemMessageA(hwnd(), controlId, BM_GETCHECK, 0, 0) != 0;
}
