#include "cli/cli_window_system.h"

#include <cstdio>
#include <utility>

CliWindowSystem::CliWindowSystem(std::string groupNumberText, std::string noteText)
    : groupNumberText_(std::move(groupNumberText)), noteText_(std::move(noteText)) {}

std::vector<std::string>& CliWindowSystem::entries(ListId list) {
  switch (list) {
    case ListId::Input: return input_;
    case ListId::Output: return output_;
    case ListId::Results: break;
  }
  return results_;
}

int CliWindowSystem::listCount(ListId list) { return static_cast<int>(entries(list).size()); }

void CliWindowSystem::listAddString(ListId list, const std::string& text) { entries(list).push_back(text); }

void CliWindowSystem::listDeleteFirst(ListId list) {
  std::vector<std::string>& lines = entries(list);
  if (!lines.empty()) lines.erase(lines.begin());
}

void CliWindowSystem::listReset(ListId list) { entries(list).clear(); }

std::string CliWindowSystem::editText(EditId edit) {
  return edit == EditId::GroupNumber ? groupNumberText_ : noteText_;
}

void CliWindowSystem::showError(const std::string& text) { std::fprintf(stderr, "%s\n", text.c_str()); }

void CliWindowSystem::printResults() const {
  for (const std::string& line : results_) {
    std::fwrite(line.data(), 1, line.size(), stdout);
    if (line.empty() || line.back() != '\n') std::fputc('\n', stdout);
  }
  std::fflush(stdout);
}
