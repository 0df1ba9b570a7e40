#include "ui/main_dialog_logic.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "core/contest_kind.h"
#include "core/conversion_driver.h"
#include "core/import_format.h"
#include "core/message_lists.h"
#include "core/text_format.h"
#include "core/text_number.h"
#include "refdata/state_county_validation.h"
#include "refdata/state_table.h"
#include "ui/run_files.h"

std::string derivedName(const std::string& path, const std::string& extension) {
  const size_t dot = path.rfind('.');
  if (dot == std::string::npos) return path;
  return path.substr(0, dot) + extension;
}

MainDialogLogic::MainDialogLogic(WindowSystem& windows, std::string helpAddress)
    : windows_(windows), helpAddress_(std::move(helpAddress)) {}

void MainDialogLogic::initialise() {
  for (int32_t code = 0; code < kContestCount; ++code) {
    windows_.comboAddString(ComboId::Contest, contestName(code));
  }
  for (int32_t position = 0; position < kStatePickCount; ++position) {
    windows_.comboAddString(ComboId::State, stateNameOf(statePickListEntry(position)));
  }
  for (int32_t value = 0; value < kImportFormatCount; ++value) {
    windows_.comboAddString(ComboId::Format, importFormatName(value));
  }

  ConversionJob& job = model_.job;
  job.contest = ContestKind::None;
  job.appendExchange = 0;
  job.importFormat = ImportFormat::Kolvex8;
  job.includeFrequency = 1;
  job.groupNumber = 0;
  job.label = 0;
  job.namesWritten = 0;
  job.appendSerial = 0;
  job.stateNumber = -1;
  job.upload = 1;

  model_.groupNumberText = formatText("%d", job.groupNumber);
  windows_.comboSetSelection(ComboId::Format, static_cast<int>(job.importFormat));
  windows_.setEditText(EditId::GroupNumber, model_.groupNumberText);
  windows_.setEditText(EditId::QsoNote, model_.noteText);
  model_.outputPath.clear();
  windows_.setCheck(CheckId::ExchgSerial, job.appendExchange != 0);
  windows_.setCheck(CheckId::Frequency, job.includeFrequency != 0);
  windows_.setCheck(CheckId::Label, job.label != 0);
  windows_.setCheck(CheckId::Upload, job.upload != 0);
}

void MainDialogLogic::contestChanged(int index) {
  model_.job.contest = (index >= 0 && index < kContestCount) ? static_cast<ContestKind>(index) : ContestKind::None;
}

void MainDialogLogic::formatChanged(int index) {
  if (index >= 0 && index < kImportFormatCount) model_.job.importFormat = static_cast<ImportFormat>(index);
}

void MainDialogLogic::stateChanged(int index) { model_.job.stateNumber = statePickListEntry(index); }

void MainDialogLogic::checkClicked(CheckId box, bool checked) {
  const int32_t value = checked ? 1 : 0;
  ConversionJob& job = model_.job;
  switch (box) {
    case CheckId::Upload: job.upload = value; break;
    case CheckId::Label: job.label = value; break;
    case CheckId::ExchgSerial: job.appendExchange = job.appendSerial = value; break;
    case CheckId::Frequency: job.includeFrequency = value; break;
  }
}

void MainDialogLogic::browseInput() {
  // The open dialog starts with an empty file name; a cancel brings the previous input back,
  // so the input list and the input path still agree.
  std::string previous = std::move(model_.inputPath);
  model_.inputPath.clear();
  FileChooserRequest request;
  request.save = false;
  request.filters = {{"ADIF Files", "*.adi;"}, {"All Files", "*.*"}};
  request.defaultExtension = "adi";
  request.title = "Input Writelog File";
  std::optional<std::string> chosen = windows_.chooseFile(request);
  if (!chosen) {
    model_.inputPath = std::move(previous);
    return;
  }
  model_.inputPath = *chosen;
  windows_.listDeleteFirst(ListId::Input);
  windows_.listAddString(ListId::Input, model_.inputPath);
  if (model_.outputPath.empty()) {
    model_.outputPath = derivedName(model_.inputPath, ".kvx");
    windows_.listDeleteFirst(ListId::Output);
    windows_.listAddString(ListId::Output, model_.outputPath);
  }
}

void MainDialogLogic::browseOutput() {
  if (model_.outputPath.empty()) model_.outputPath = derivedName(model_.inputPath, ".kvx");
  FileChooserRequest request;
  request.save = true;
  request.filters = {{"KOLVEX Files", "*.kvx;"}, {"All Files", "*.*"}};
  request.initialPath = model_.outputPath;
  request.defaultExtension = "kvx";
  request.title = "Output KOLVEX file";
  std::optional<std::string> chosen = windows_.chooseFile(request);
  if (!chosen) return;
  model_.outputPath = *chosen;
  windows_.listDeleteFirst(ListId::Output);
  windows_.listAddString(ListId::Output, model_.outputPath);
}

namespace {

// The first check that fails, as its "ERROR: " text; empty when every check passes.
std::string firstFailedCheck(WindowSystem& windows, const DialogModel& model, int32_t limit,
                             int32_t& groupNumber) {
  if (windows.listCount(ListId::Input) == 0) return "ERROR: Didn't specify input file.";
  if (windows.listCount(ListId::Output) == 0) return "ERROR: Didn't specify output file.";
  if (model.job.contest == ContestKind::None || static_cast<int32_t>(model.job.contest) < 0) {
    return "ERROR: Didn't select a contest.";
  }
  if (model.job.contest == ContestKind::StateQsoParty && model.job.stateNumber < 0) {
    return "ERROR: Didn't select a state.";
  }
  if (model.groupNumberText.empty()) return "ERROR: Must specify a group number.";
  groupNumber = textToInt(model.groupNumberText.c_str());
  if (groupNumber < 0 || groupNumber > limit) {
    return formatText("ERROR: Group number must be between 0-%d inclusive.", limit);
  }
  return {};
}

}  // namespace

ConvertOutcome MainDialogLogic::convert() {
  model_.groupNumberText = windows_.editText(EditId::GroupNumber);
  model_.noteText = windows_.editText(EditId::QsoNote);
  ConversionJob& job = model_.job;
  const int32_t limit = formatTraits(job.importFormat).groupNumberLimit;

  int32_t groupNumber = 0;
  std::string failure = firstFailedCheck(windows_, model_, limit, groupNumber);
  const std::string namesPath = derivedName(model_.outputPath, ".kvn");
  if (failure.empty()) failure = overwriteRefusal(model_.inputPath, model_.outputPath, namesPath);
  if (!failure.empty()) {
    windows_.showError(failure);
    return ConvertOutcome::CheckFailed;
  }
  job.groupNumber = groupNumber;
  model_.namesPath = namesPath;
  const size_t noteLength = std::min(model_.noteText.size(), static_cast<size_t>(kNoteSize - 1));
  std::memcpy(job.note, model_.noteText.data(), noteLength);
  job.note[noteLength] = '\0';

  RunFiles files;
  if (std::string error = files.open(model_.inputPath, model_.outputPath, model_.namesPath); !error.empty()) {
    windows_.showError(error);
    return ConvertOutcome::FileError;
  }
  MessageLists lists;
  const int32_t count = runConversion(lists, files.input(), model_.inputPath, files.output(), files.names(), job);
  if (std::string error = files.finish(); !error.empty()) {
    windows_.showError(error);
    return ConvertOutcome::FileError;
  }

  windows_.listReset(ListId::Results);
  windows_.listAddString(ListId::Results, formatText("Wrote %d QSOs to %s", count, model_.outputPath.c_str()));
  if (job.namesWritten > 0) {
    windows_.listAddString(ListId::Results,
                           formatText("Wrote %d names to %s", job.namesWritten, model_.namesPath.c_str()));
  }
  windows_.listAddString(ListId::Results, "");
  windows_.listAddString(ListId::Results,
                         formatText("Import this file as %s format.", formatTraits(job.importFormat).name));
  windows_.listAddString(ListId::Results, "");
  for (int list = kSummaryList; list <= kErrorsList; ++list) {
    const std::vector<std::string>& lines = messagesOf(lists, list);
    for (const std::string& line : lines) windows_.listAddString(ListId::Results, line);
    if (!lines.empty()) windows_.listAddString(ListId::Results, "");
  }
  windows_.showInformation(formatText("%d QSOs written to %s", count, model_.outputPath.c_str()));
  return ConvertOutcome::Converted;
}

void MainDialogLogic::help() {
  if (!windows_.openWebPage(helpAddress_)) windows_.showError("ERROR:  Could not start web browser.");
}
