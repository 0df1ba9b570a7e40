#include <windows.h>
#include <commdlg.h>
#include <shellapi.h>

#include <algorithm>
#include <cstring>

#include "ui/win32/resource.h"
#include "ui/win32/win32_window_system.h"

namespace {

// The registry key of the operator's settings, under HKEY_CURRENT_USER.
constexpr const wchar_t* kSettingsKey = L"Software\\adif2kvx";

}  // namespace

ListBox& Win32WindowSystem::list(ListId id) {
  switch (id) {
    case ListId::Input:
      return *controls_.inputList;
    case ListId::Output:
      return *controls_.outputList;
    case ListId::Results:
      break;
  }
  return *controls_.resultsList;
}

ComboBox& Win32WindowSystem::combo(ComboId id) {
  switch (id) {
    case ComboId::Contest:
      return *controls_.contestCombo;
    case ComboId::State:
      return *controls_.stateCombo;
    case ComboId::View:
      return *controls_.viewCombo;
    case ComboId::Format:
      break;
  }
  return *controls_.formatCombo;
}

HWND Win32WindowSystem::dialogItem(int id) const { return GetDlgItem(controls_.dialog->hwnd(), id); }

int Win32WindowSystem::listCount(ListId id) { return list(id).getCount(); }

void Win32WindowSystem::listAddString(ListId id, const std::string& text) { list(id).addString(text); }

void Win32WindowSystem::listDeleteFirst(ListId id) {
  if (list(id).getCount() > 0) list(id).deleteString(0);
}

void Win32WindowSystem::listReset(ListId id) { list(id).resetContent(); }

void Win32WindowSystem::listFill(ListId id, const std::vector<std::string>& lines) {
  ListBox& box = list(id);
  HWND window = box.hwnd();
  // Without redrawing, and with its storage reserved, a list takes thousands of lines at once
  // instead of repainting and growing after each.
  SendMessageW(window, WM_SETREDRAW, FALSE, 0);
  box.resetContent();
  size_t bytes = 0;
  for (const std::string& line : lines) bytes += line.size() + 1;
  SendMessageW(window, LB_INITSTORAGE, lines.size(), static_cast<LPARAM>(bytes));
  for (const std::string& line : lines) box.addString(line);
  fitHorizontalExtent(window, &lines);
  SendMessageW(window, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(window, nullptr, TRUE);
}

void fitHorizontalExtent(HWND window, const std::vector<std::string>* lines) {
  // The widest line in the list's font. An ASCII line's width is the sum of its characters'
  // widths, taken from a table, which is much faster than measuring thousands of lines; other
  // lines are measured whole, as the list shows them.
  HDC dc = GetDC(window);
  HGDIOBJ previousFont = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(window, WM_GETFONT, 0, 0)));
  INT asciiWidths[128] = {};
  GetCharWidth32A(dc, 0, 127, asciiWidths);
  LONG widest = 0;
  const auto measure = [&](const std::wstring& wide) {
    LONG width = 0;
    if (std::all_of(wide.begin(), wide.end(), [](wchar_t c) { return c < 128; })) {
      for (wchar_t c : wide) width += asciiWidths[c];
    } else {
      SIZE size = {};
      if (GetTextExtentPoint32W(dc, wide.data(), static_cast<int>(wide.size()), &size)) width = size.cx;
    }
    widest = std::max(widest, width);
  };
  if (lines != nullptr) {
    for (const std::string& line : *lines) {
      if (std::all_of(line.begin(), line.end(), [](char c) { return (c & 0x80) == 0; })) {
        LONG width = 0;
        for (char c : line) width += asciiWidths[static_cast<unsigned char>(c)];
        widest = std::max(widest, width);
      } else {
        measure(wideText(line));
      }
    }
  } else {
    const LRESULT count = SendMessageW(window, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
      const LRESULT length = SendMessageW(window, LB_GETTEXTLEN, static_cast<WPARAM>(i), 0);
      if (length <= 0) continue;
      std::wstring text(static_cast<size_t>(length) + 1, L'\0');
      text.resize(static_cast<size_t>(std::max<LRESULT>(
          SendMessageW(window, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text.data())), 0)));
      measure(text);
    }
  }
  TEXTMETRICA metrics = {};
  GetTextMetricsA(dc, &metrics);
  SelectObject(dc, previousFont);
  ReleaseDC(window, dc);
  SendMessageW(window, LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(widest + metrics.tmAveCharWidth), 0);
}

std::vector<int> Win32WindowSystem::listSelection(ListId id) {
  HWND window = list(id).hwnd();
  const LRESULT count = SendMessageW(window, LB_GETSELCOUNT, 0, 0);
  if (count <= 0) return {};
  std::vector<int> picked(static_cast<size_t>(count));
  const LRESULT got =
      SendMessageW(window, LB_GETSELITEMS, static_cast<WPARAM>(count), reinterpret_cast<LPARAM>(picked.data()));
  picked.resize(static_cast<size_t>(std::max<LRESULT>(got, 0)));
  return picked;
}

void Win32WindowSystem::listSelectAll(ListId id) {
  HWND window = list(id).hwnd();
  const LRESULT count = SendMessageW(window, LB_GETCOUNT, 0, 0);
  if (count > 0) SendMessageW(window, LB_SELITEMRANGEEX, 0, static_cast<LPARAM>(count - 1));
}

void Win32WindowSystem::comboAddString(ComboId id, const std::string& text) { combo(id).addString(text); }

void Win32WindowSystem::comboTruncate(ComboId id, int count) {
  HWND window = combo(id).hwnd();
  for (LRESULT n = SendMessageW(window, CB_GETCOUNT, 0, 0); n > count; --n) {
    SendMessageW(window, CB_DELETESTRING, static_cast<WPARAM>(n - 1), 0);
  }
}

void Win32WindowSystem::showControl(const DialogControl& control, const DialogState& state) {
  HWND window = dialogItem(control.id);
  switch (control.kind) {
    case ControlKind::CheckBox:
      SendMessageW(window, BM_SETCHECK, state.*control.flag ? BST_CHECKED : BST_UNCHECKED, 0);
      return;
    case ControlKind::DropDownList:
      SendMessageW(window, CB_SETCURSEL, static_cast<WPARAM>(state.*control.index), 0);
      return;
    case ControlKind::EditableCombo: {
      const std::wstring text = wideText(state.*control.text);
      const LRESULT found = text.empty() ? CB_ERR
                                         : SendMessageW(window, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                                        reinterpret_cast<LPARAM>(text.c_str()));
      SendMessageW(window, CB_SETCURSEL, static_cast<WPARAM>(found), 0);
      if (found == CB_ERR && !text.empty()) SetWindowTextW(window, text.c_str());
      return;
    }
    case ControlKind::Edit:
      SetWindowTextW(window, wideText(state.*control.text).c_str());
      return;
  }
}

void Win32WindowSystem::readControl(const DialogControl& control, DialogState& state) {
  HWND window = dialogItem(control.id);
  switch (control.kind) {
    case ControlKind::CheckBox:
      // Any non-zero state counts as checked.
      state.*control.flag = SendMessageW(window, BM_GETCHECK, 0, 0) != 0;
      return;
    case ControlKind::DropDownList:
      state.*control.index = static_cast<int>(SendMessageW(window, CB_GETCURSEL, 0, 0));
      return;
    case ControlKind::EditableCombo:
    case ControlKind::Edit:
      state.*control.text = windowText(window);
      return;
  }
}

void Win32WindowSystem::setEditLimit(int controlId, int characters) {
  SendMessageW(dialogItem(controlId), EM_LIMITTEXT, static_cast<WPARAM>(characters), 0);
}

void Win32WindowSystem::focusControl(int controlId) {
  SendMessageW(controls_.dialog->hwnd(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(dialogItem(controlId)), TRUE);
}

void Win32WindowSystem::showResultsCounts(const std::string& text) {
  SetWindowTextW(dialogItem(IDC_RESULTS_COUNTS), wideText(text).c_str());
}

void Win32WindowSystem::greyResults(bool stale) {
  resultsGreyed_ = stale;
  EnableWindow(dialogItem(IDC_RESULTS_COUNTS), stale ? FALSE : TRUE);
  InvalidateRect(controls_.resultsList->hwnd(), nullptr, TRUE);
}

void Win32WindowSystem::showError(const std::string& text) { appMessageBox(text, MB_OK | MB_ICONERROR); }

void Win32WindowSystem::showInformation(const std::string& text) { appMessageBox(text, MB_OK | MB_ICONINFORMATION); }

void Win32WindowSystem::showWarning(const std::string& text) { appMessageBox(text, MB_OK | MB_ICONWARNING); }

bool Win32WindowSystem::askYesNo(const std::string& text) {
  return appMessageBox(text, MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2) == IDYES;
}

std::optional<std::string> Win32WindowSystem::chooseFile(const FileChooserRequest& request) {
  // Filter pairs, each text NUL-terminated, the whole list closed by one more NUL.
  std::wstring filter;
  for (const auto& [description, pattern] : request.filters) {
    filter += wideText(description);
    filter.push_back(L'\0');
    filter += wideText(pattern);
    filter.push_back(L'\0');
  }
  filter.push_back(L'\0');

  // The chooser writes the chosen path into this buffer; an initial name that would not fit
  // is not offered at all rather than cut.
  wchar_t path[kPathBufferSize] = {};
  const std::wstring initialPath = wideText(request.initialPath);
  if (initialPath.size() < kPathBufferSize) std::copy(initialPath.begin(), initialPath.end(), path);
  const std::wstring initialFolder = wideText(request.initialFolder);
  const std::wstring defaultExtension = wideText(request.defaultExtension);
  const std::wstring title = wideText(request.title);

  OPENFILENAMEW chooser;
  std::memset(&chooser, 0, sizeof chooser);
  chooser.lStructSize = OPENFILENAME_SIZE_VERSION_400W;  // the record without its newer fields
  // Owned by the dialog, which it disables while it is up: no second chooser, no Convert behind it.
  chooser.hwndOwner = controls_.dialog->hwnd();
  chooser.lpstrFilter = filter.c_str();
  chooser.nFilterIndex = 1;
  chooser.lpstrFile = path;
  chooser.nMaxFile = kPathBufferSize;
  chooser.lpstrInitialDir = initialFolder.empty() ? nullptr : initialFolder.c_str();
  chooser.lpstrDefExt = defaultExtension.empty() ? nullptr : defaultExtension.c_str();
  chooser.lpstrTitle = title.empty() ? nullptr : title.c_str();
  chooser.Flags = request.save ? (OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY | OFN_EXPLORER)
                               : (OFN_HIDEREADONLY | OFN_FILEMUSTEXIST | OFN_EXPLORER);

  const BOOL chosen = request.save ? GetSaveFileNameW(&chooser) : GetOpenFileNameW(&chooser);
  if (!chosen) return std::nullopt;  // cancelled, or the path did not fit the buffer
  path[kPathBufferSize - 1] = L'\0';
  return utf8Text(path);
}

bool Win32WindowSystem::copyToClipboard(const std::string& text) {
  // In UTF-16, so that every path reads as the list shows it.
  const std::wstring wide = wideText(text);
  // Another program may hold the clipboard for a moment.
  for (int attempt = 0; !OpenClipboard(controls_.dialog->hwnd()); ++attempt) {
    if (attempt == 10) return false;
    Sleep(20);
  }
  EmptyClipboard();
  bool copied = false;
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, (wide.size() + 1) * sizeof(wchar_t));
  if (block != nullptr) {
    if (auto* chars = static_cast<wchar_t*>(GlobalLock(block))) {
      std::copy(wide.begin(), wide.end(), chars);
      chars[wide.size()] = L'\0';
      GlobalUnlock(block);
      copied = SetClipboardData(CF_UNICODETEXT, block) != nullptr;  // the clipboard owns it now
    }
    if (!copied) GlobalFree(block);
  }
  CloseClipboard();
  return copied;
}

bool Win32WindowSystem::openWebPage(const std::string& address) {
  HINSTANCE result = ShellExecuteW(nullptr, L"open", wideText(address).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
  return reinterpret_cast<INT_PTR>(result) > 32;
}

std::optional<std::string> Win32WindowSystem::setting(const std::string& name) {
  wchar_t value[1024] = {};
  DWORD size = sizeof value - sizeof value[0];  // room for a terminating NUL the value may lack
  if (RegGetValueW(HKEY_CURRENT_USER, kSettingsKey, wideText(name).c_str(), RRF_RT_REG_SZ, nullptr, value, &size) !=
      ERROR_SUCCESS) {
    return std::nullopt;
  }
  return utf8Text(value);
}

void Win32WindowSystem::saveSetting(const std::string& name, const std::string& value) {
  HKEY key = nullptr;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, kSettingsKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) !=
      ERROR_SUCCESS) {
    return;  // a setting that cannot be kept is not worth an error box
  }
  const std::wstring text = wideText(value);
  RegSetValueExW(key, wideText(name).c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                 static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
  RegCloseKey(key);
}
