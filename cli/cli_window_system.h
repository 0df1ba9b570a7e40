// The main dialog's window system for the command line: the file lists hold what the arguments
// named, the edit fields what the options gave, errors go to stderr and the results list is kept
// for printing.
#pragma once
#include <string>
#include <vector>

#include "ui/window_system.h"

class CliWindowSystem : public WindowSystem {
 public:
  CliWindowSystem(std::string groupNumberText, std::string noteText);

  int listCount(ListId list) override;
  void listAddString(ListId list, const std::string& text) override;
  void listDeleteFirst(ListId list) override;
  void listReset(ListId list) override;
  void comboAddString(ComboId, const std::string&) override {}
  void comboSetSelection(ComboId, int) override {}
  void setCheck(CheckId, bool) override {}
  std::string editText(EditId edit) override;
  void setEditText(EditId, const std::string&) override {}
  void showError(const std::string& text) override;
  void showInformation(const std::string&) override {}
  std::optional<std::string> chooseFile(const FileChooserRequest&) override { return std::nullopt; }
  bool openWebPage(const std::string&) override { return false; }

  // Prints the results list on stdout, one line each; a line that already ends in a newline
  // gets no second one.
  void printResults() const;

 private:
  std::vector<std::string>& entries(ListId list);

  std::string groupNumberText_;
  std::string noteText_;
  std::vector<std::string> input_, output_, results_;
};
