// The dialog's window-system operations over real Win32 controls and common dialogs.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "ui/win32/dialog_base.h"
#include "ui/window_system.h"

// Size of the path buffer handed to the open and save dialogs: the platform path limit.
constexpr int kPathBufferSize = MAX_PATH;

// The controls it works on are the main dialog's, bound by the dialog's data exchange.
struct DialogControls {
  const Dialog* dialog = nullptr;    // owner of the check boxes and edits
  ListBox* inputList = nullptr;      // control 1000
  ListBox* outputList = nullptr;     // control 1001
  ListBox* resultsList = nullptr;    // control 1012
  ComboBox* contestCombo = nullptr;  // control 1002
  ComboBox* stateCombo = nullptr;    // control 1018
  ComboBox* formatCombo = nullptr;   // control 1019
  ComboBox* viewCombo = nullptr;     // control 1029
};

class Win32WindowSystem : public WindowSystem {
 public:
  explicit Win32WindowSystem(const DialogControls& controls) : controls_(controls) {}

  int listCount(ListId list) override;
  void listAddString(ListId list, const std::string& text) override;
  void listDeleteFirst(ListId list) override;
  void listReset(ListId list) override;
  void listFill(ListId list, const std::vector<std::string>& lines) override;

  std::vector<int> listSelection(ListId list) override;
  void listSelectAll(ListId list) override;

  void comboAddString(ComboId combo, const std::string& text) override;
  void comboTruncate(ComboId combo, int count) override;

  void showControl(const DialogControl& control, const DialogState& state) override;
  void readControl(const DialogControl& control, DialogState& state) override;
  void setEditLimit(int controlId, int characters) override;
  void focusControl(int controlId) override;

  // The counts line; stale results are greyed: the line disabled, the list's text drawn grey
  // (see resultsGreyed).
  void showResultsCounts(const std::string& text) override;
  void greyResults(bool stale) override;
  bool resultsGreyed() const { return resultsGreyed_; }

  void showError(const std::string& text) override;
  void showInformation(const std::string& text) override;
  void showWarning(const std::string& text) override;
  bool askYesNo(const std::string& text) override;

  std::optional<std::string> chooseFile(const FileChooserRequest& request) override;

  // Settings are values of the key HKCU\Software\adif2kvx, as texts (REG_SZ).
  std::optional<std::string> setting(const std::string& name) override;
  void saveSetting(const std::string& name, const std::string& value) override;

  bool copyToClipboard(const std::string& text) override;

  bool openWebPage(const std::string& address) override;

 private:
  ListBox& list(ListId id);
  ComboBox& combo(ComboId id);
  HWND dialogItem(int id) const;

  DialogControls controls_;
  bool resultsGreyed_ = false;
};

// Sizes a list's horizontal scroll bar to the widest of its entries in its font, plus one
// character for its margins. Lines are given when the caller has them; else they are read.
void fitHorizontalExtent(HWND list, const std::vector<std::string>* lines = nullptr);
