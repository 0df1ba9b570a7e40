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

int checkControlId(CheckId box) {
  switch (box) {
    case CheckId::Upload:
      return IDC_UPLOAD;
    case CheckId::Label:
      return IDC_LABEL;
    case CheckId::ExchgSerial:
      return IDC_EXCHG_SERIAL;
    case CheckId::Frequency:
      return IDC_FREQUENCY;
    case CheckId::OnlyContest:
      return IDC_ONLY_CONTEST;
  }
  return 0;
}

int editControlId(EditId edit) {
  switch (edit) {
    case EditId::GroupNumber:
      return IDC_GROUP_NUMBER;
    case EditId::QsoNote:
      return IDC_QSO_NOTE;
    case EditId::FromUtc:
      return IDC_FROM_UTC;
    case EditId::ToUtc:
      return IDC_TO_UTC;
  }
  return 0;
}

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

  // The widest line in the list's font. An ASCII line's width is the sum of its characters'
  // widths, taken from a table, which is much faster than measuring thousands of lines; other
  // lines are measured whole, as the list shows them.
  HDC dc = GetDC(window);
  HGDIOBJ previousFont = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(window, WM_GETFONT, 0, 0)));
  INT asciiWidths[128] = {};
  GetCharWidth32A(dc, 0, 127, asciiWidths);
  LONG widest = 0;
  for (const std::string& line : lines) {
    LONG width = 0;
    if (std::all_of(line.begin(), line.end(), [](char c) { return (c & 0x80) == 0; })) {
      for (char c : line) width += asciiWidths[static_cast<unsigned char>(c)];
    } else {
      SIZE size = {};
      const std::wstring wide = wideText(line);
      if (GetTextExtentPoint32W(dc, wide.data(), static_cast<int>(wide.size()), &size)) width = size.cx;
    }
    widest = std::max(widest, width);
  }
  TEXTMETRICA metrics = {};
  GetTextMetricsA(dc, &metrics);
  SelectObject(dc, previousFont);
  ReleaseDC(window, dc);
  // One character's room beyond the widest line, for the margins the list draws.
  SendMessageW(window, LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(widest + metrics.tmAveCharWidth), 0);
  SendMessageW(window, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(window, nullptr, TRUE);
}

void Win32WindowSystem::comboAddString(ComboId id, const std::string& text) { combo(id).addString(text); }

void Win32WindowSystem::comboSetSelection(ComboId id, int index) { combo(id).setCurSel(index); }

std::string Win32WindowSystem::comboText(ComboId id) { return windowText(combo(id).hwnd()); }

void Win32WindowSystem::comboSetText(ComboId id, const std::string& text) {
  SetWindowTextW(combo(id).hwnd(), wideText(text).c_str());
}

void Win32WindowSystem::setCheck(CheckId box, bool checked) {
  SendMessageW(dialogItem(checkControlId(box)), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

std::string Win32WindowSystem::editText(EditId edit) { return windowText(dialogItem(editControlId(edit))); }

void Win32WindowSystem::setEditText(EditId edit, const std::string& text) {
  SetWindowTextW(dialogItem(editControlId(edit)), wideText(text).c_str());
}

void Win32WindowSystem::setEditLimit(EditId edit, int characters) {
  SendMessageW(dialogItem(editControlId(edit)), EM_LIMITTEXT, static_cast<WPARAM>(characters), 0);
}

void Win32WindowSystem::showError(const std::string& text) { appMessageBox(text, MB_OK | MB_ICONERROR); }

void Win32WindowSystem::showInformation(const std::string& text) { appMessageBox(text, MB_OK | MB_ICONINFORMATION); }

void Win32WindowSystem::showWarning(const std::string& text) { appMessageBox(text, MB_OK | MB_ICONWARNING); }

bool Win32WindowSystem::askYesNo(const std::string& text) {
  return appMessageBox(text, MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) == IDYES;
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
