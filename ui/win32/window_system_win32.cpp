#include <windows.h>
#include <commdlg.h>
#include <shellapi.h>

#include <cstring>

#include "ui/win32/resource.h"
#include "ui/win32/win32_window_system.h"

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
  }
  return 0;
}

int editControlId(EditId edit) {
  switch (edit) {
    case EditId::GroupNumber:
      return IDC_GROUP_NUMBER;
    case EditId::QsoNote:
      return IDC_QSO_NOTE;
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

void Win32WindowSystem::comboAddString(ComboId id, const std::string& text) { combo(id).addString(text); }

void Win32WindowSystem::comboSetSelection(ComboId id, int index) { combo(id).setCurSel(index); }

void Win32WindowSystem::setCheck(CheckId box, bool checked) {
  SendMessageA(dialogItem(checkControlId(box)), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

std::string Win32WindowSystem::editText(EditId edit) { return windowText(dialogItem(editControlId(edit))); }

void Win32WindowSystem::setEditText(EditId edit, const std::string& text) {
  SetWindowTextA(dialogItem(editControlId(edit)), text.c_str());
}

void Win32WindowSystem::showError(const std::string& text) { appMessageBox(text, MB_OK | MB_ICONERROR); }

void Win32WindowSystem::showInformation(const std::string& text) { appMessageBox(text, MB_OK | MB_ICONINFORMATION); }

std::optional<std::string> Win32WindowSystem::chooseFile(const FileChooserRequest& request) {
  // Filter pairs, each text NUL-terminated, the whole list closed by one more NUL.
  std::string filter;
  for (const auto& [description, pattern] : request.filters) {
    filter += description;
    filter.push_back('\0');
    filter += pattern;
    filter.push_back('\0');
  }
  filter.push_back('\0');

  // The chooser writes the chosen path into this buffer; an initial name that would not fit
  // is not offered at all rather than cut.
  char path[kPathBufferSize] = {};
  if (request.initialPath.size() < sizeof path) {
    std::memcpy(path, request.initialPath.data(), request.initialPath.size());
  }

  OPENFILENAMEA chooser;
  std::memset(&chooser, 0, sizeof chooser);
  chooser.lStructSize = OPENFILENAME_SIZE_VERSION_400A;  // the record without its newer fields
  chooser.hwndOwner = nullptr;
  chooser.lpstrFilter = filter.c_str();
  chooser.nFilterIndex = 1;
  chooser.lpstrFile = path;
  chooser.nMaxFile = sizeof path;
  chooser.lpstrDefExt = request.defaultExtension.empty() ? nullptr : request.defaultExtension.c_str();
  chooser.lpstrTitle = request.title.empty() ? nullptr : request.title.c_str();
  chooser.Flags = request.save ? (OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY | OFN_EXPLORER)
                               : (OFN_HIDEREADONLY | OFN_FILEMUSTEXIST | OFN_EXPLORER);

  const BOOL chosen = request.save ? GetSaveFileNameA(&chooser) : GetOpenFileNameA(&chooser);
  if (!chosen) return std::nullopt;  // cancelled, or the path did not fit the buffer
  path[sizeof path - 1] = '\0';
  return std::string(path);
}

bool Win32WindowSystem::openWebPage(const std::string& address) {
  HINSTANCE result = ShellExecuteA(nullptr, "open", address.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
  return reinterpret_cast<INT_PTR>(result) > 32;
}
