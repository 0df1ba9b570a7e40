#include "ui/main_dialog_logic.h"

#include <utility>

#include "convert/log_contest.h"
#include "core/contest_kind.h"
#include "core/import_format.h"
#include "core/text_format.h"
#include "refdata/state_pick_list.h"
#include "refdata/state_table.h"

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
    case CheckId::Upload:
      job.upload = value;
      break;
    case CheckId::Label:
      job.label = value;
      break;
    case CheckId::ExchgSerial:
      job.appendExchange = job.appendSerial = value;
      break;
    case CheckId::Frequency:
      job.includeFrequency = value;
      break;
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
  takeInputFile(*chosen);
}

void MainDialogLogic::filesDropped(const std::vector<std::string>& paths) {
  if (!paths.empty()) takeInputFile(paths.front());
}

void MainDialogLogic::takeInputFile(const std::string& path) {
  model_.inputPath = path;
  windows_.listDeleteFirst(ListId::Input);
  windows_.listAddString(ListId::Input, model_.inputPath);
  if (model_.outputPath.empty()) {
    model_.outputPath = derivedName(model_.inputPath, ".kvx");
    windows_.listDeleteFirst(ListId::Output);
    windows_.listAddString(ListId::Output, model_.outputPath);
  }
  selectContestOfLog();
}

void MainDialogLogic::selectContestOfLog() {
  const std::optional<LogContest> named = contestNamedByFile(model_.inputPath);
  if (!named) return;
  const ContestChoice& choice = named->contest;
  int32_t statePosition = -1;
  if (choice.contest == ContestKind::StateQsoParty) {
    statePosition = statePickListPosition(choice.state);
    if (statePosition < 0) return;
  }
  // Setting a selection does not notify the dialog, so the job is told as a pick would tell it.
  const int contest = static_cast<int>(choice.contest);
  windows_.comboSetSelection(ComboId::Contest, contest);
  contestChanged(contest);
  if (statePosition >= 0) {
    windows_.comboSetSelection(ComboId::State, statePosition);
    stateChanged(statePosition);
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

ConversionRequest MainDialogLogic::readRequest() {
  model_.groupNumberText = windows_.editText(EditId::GroupNumber);
  model_.noteText = windows_.editText(EditId::QsoNote);
  ConversionRequest request;
  // A path counts as chosen while its list shows it: a cancelled output browse leaves a
  // proposed path behind that the operator never confirmed.
  if (windows_.listCount(ListId::Input) > 0) request.inputPath = model_.inputPath;
  if (windows_.listCount(ListId::Output) > 0) request.outputPath = model_.outputPath;
  request.options = model_.job;
  request.groupNumberText = model_.groupNumberText;
  request.noteText = model_.noteText;
  return request;
}

ConversionStatus MainDialogLogic::convert() {
  const ConversionResult result = convertLog(readRequest());
  if (result.status != ConversionStatus::Converted) {
    windows_.showError(result.error);
    return result.status;
  }
  model_.job = result.job;
  model_.namesPath = result.namesPath;
  windows_.listReset(ListId::Results);
  for (const std::string& line : result.lines) windows_.listAddString(ListId::Results, line);
  windows_.showInformation(result.notice);
  return result.status;
}

void MainDialogLogic::help() {
  if (!windows_.openWebPage(helpAddress_)) windows_.showError("ERROR:  Could not start web browser.");
}
