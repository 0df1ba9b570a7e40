#include "ui/main_dialog_logic.h"

#include <utility>

#include "convert/log_contest.h"
#include "core/contest_kind.h"
#include "core/contest_table.h"
#include "core/import_format.h"
#include "core/text_format.h"
#include "refdata/state_argument.h"
#include "refdata/state_pick_list.h"
#include "refdata/state_table.h"

namespace {

// The remembered check boxes and their settings' names.
const std::pair<CheckId, const char*> kCheckSettings[] = {
    {CheckId::Upload, "Upload"},           {CheckId::Label, "Label"},
    {CheckId::ExchgSerial, "ExchgSerial"}, {CheckId::Frequency, "Frequency"},
    {CheckId::OnlyContest, "OnlyContest"},
};

// Settings of the format, the group number and the folders the file choosers last opened.
constexpr const char* kFormatSetting = "Format";
constexpr const char* kGroupSetting = "GroupNumber";
constexpr const char* kInputFolderSetting = "InputFolder";
constexpr const char* kOutputFolderSetting = "OutputFolder";

// The folder of a path, without its last separator; empty when it has none.
std::string folderOf(const std::string& path) {
  const size_t slash = path.find_last_of("/\\");
  return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

}  // namespace

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
  job.appendSerial = 0;
  job.stateNumber = -1;
  job.upload = 1;
  job.onlyContest = 0;

  model_.groupNumberText = formatText("%d", job.groupNumber);
  windows_.comboSetSelection(ComboId::Format, static_cast<int>(job.importFormat));
  windows_.setEditText(EditId::GroupNumber, model_.groupNumberText);
  windows_.setEditText(EditId::QsoNote, model_.noteText);
  // The job keeps at most this many characters of the note; the field takes no more.
  windows_.setEditLimit(EditId::QsoNote, kNoteSize - 1);
  model_.outputPath.clear();
  windows_.setCheck(CheckId::ExchgSerial, job.appendExchange != 0);
  windows_.setCheck(CheckId::Frequency, job.includeFrequency != 0);
  windows_.setCheck(CheckId::Label, job.label != 0);
  windows_.setCheck(CheckId::Upload, job.upload != 0);
  windows_.setCheck(CheckId::OnlyContest, job.onlyContest != 0);
  restoreSettings();
}

void MainDialogLogic::restoreSettings() {
  const std::optional<std::string> format = windows_.setting(kFormatSetting);
  if (format && (*format == "0" || *format == "1")) {
    model_.job.importFormat = static_cast<ImportFormat>(*format == "1" ? 1 : 0);
    windows_.comboSetSelection(ComboId::Format, static_cast<int>(model_.job.importFormat));
  }
  if (const std::optional<std::string> group = windows_.setting(kGroupSetting)) {
    model_.groupNumberText = *group;
    windows_.setEditText(EditId::GroupNumber, *group);
  }
  for (const auto& [box, name] : kCheckSettings) {
    const std::optional<std::string> value = windows_.setting(name);
    if (!value || (*value != "0" && *value != "1")) continue;
    windows_.setCheck(box, *value == "1");
    checkClicked(box, *value == "1");
  }
}

void MainDialogLogic::closing() { windows_.saveSetting(kGroupSetting, windows_.editText(EditId::GroupNumber)); }

void MainDialogLogic::contestChanged(int index) {
  model_.job.contest = (index >= 0 && index < kContestCount) ? static_cast<ContestKind>(index) : ContestKind::None;
  model_.contestFromLog = false;
}

void MainDialogLogic::formatChanged(int index) {
  if (index < 0 || index >= kImportFormatCount) return;
  model_.job.importFormat = static_cast<ImportFormat>(index);
  windows_.saveSetting(kFormatSetting, formatText("%d", index));
}

void MainDialogLogic::stateChanged(int index) {
  model_.job.stateNumber = statePickListEntry(index);
  model_.stateFromLog = false;
}

void MainDialogLogic::stateTyped() { model_.stateFromLog = false; }

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
    case CheckId::OnlyContest:
      job.onlyContest = value;
      break;
  }
  for (const auto& [remembered, name] : kCheckSettings) {
    if (remembered == box) windows_.saveSetting(name, checked ? "1" : "0");
  }
}

void MainDialogLogic::browseInput() {
  // The open dialog starts with an empty file name, in the folder of the last log chosen; a
  // cancel brings the previous input back, so the input list and the input path still agree.
  std::string previous = std::move(model_.inputPath);
  model_.inputPath.clear();
  FileChooserRequest request;
  request.save = false;
  request.filters = {{"ADIF Files", "*.adi;"}, {"All Files", "*.*"}};
  request.defaultExtension = "adi";
  request.title = "Input Writelog File";
  request.initialFolder = windows_.setting(kInputFolderSetting).value_or("");
  const std::optional<std::string> chosen = windows_.chooseFile(request);
  if (!chosen) {
    model_.inputPath = std::move(previous);
    return;
  }
  windows_.saveSetting(kInputFolderSetting, folderOf(*chosen));
  takeInputFile(*chosen);
}

void MainDialogLogic::filesDropped(const std::vector<std::string>& paths) {
  if (!paths.empty()) takeInputFile(paths.front());
}

void MainDialogLogic::takeInputFile(const std::string& path) {
  model_.inputPath = path;
  windows_.listDeleteFirst(ListId::Input);
  windows_.listAddString(ListId::Input, model_.inputPath);
  // The results of the previous log would read as this one's.
  model_.resultsLines.clear();
  windows_.listReset(ListId::Results);
  // An output file proposed for an earlier log would take this log's conversion under the
  // earlier log's name, and lose that log's result.
  if (!model_.outputChosen) {
    model_.outputPath = derivedName(model_.inputPath, ".kvx");
    windows_.listDeleteFirst(ListId::Output);
    windows_.listAddString(ListId::Output, model_.outputPath);
  }
  followLogContest();
}

void MainDialogLogic::followLogContest() {
  const std::optional<LogContest> named = contestNamedByFile(model_.inputPath);
  if (!named) {
    // A contest an earlier log set would convert this log as that log's contest.
    if (model_.contestFromLog) showContest(ContestKind::None);
    if (model_.stateFromLog) showState(-1);
    model_.contestFromLog = model_.stateFromLog = false;
    return;
  }
  const ContestChoice& choice = named->contest;
  showContest(choice.contest);
  model_.contestFromLog = true;
  if (contestNeedsState(choice.contest)) {
    showState(choice.state);
    model_.stateFromLog = true;
  } else if (model_.stateFromLog) {
    showState(-1);  // the party of an earlier log
    model_.stateFromLog = false;
  }
}

void MainDialogLogic::showContest(ContestKind contest) {
  // Setting a selection does not notify the dialog, so the job is told here.
  windows_.comboSetSelection(ComboId::Contest, static_cast<int>(contest));
  model_.job.contest = contest;
}

void MainDialogLogic::showState(StateNumber state) {
  const int32_t position = statePickListPosition(state);
  windows_.comboSetSelection(ComboId::State, position);
  if (position < 0 && state >= 0) windows_.comboSetText(ComboId::State, stateCodeOf(state));
  model_.job.stateNumber = state;
}

void MainDialogLogic::browseOutput() {
  if (model_.outputPath.empty()) model_.outputPath = derivedName(model_.inputPath, ".kvx");
  FileChooserRequest request;
  request.save = true;
  request.filters = {{"KOLVEX Files", "*.kvx;"}, {"All Files", "*.*"}};
  request.initialPath = model_.outputPath;
  request.defaultExtension = "kvx";
  request.title = "Output KOLVEX file";
  request.initialFolder = windows_.setting(kOutputFolderSetting).value_or("");
  const std::optional<std::string> chosen = windows_.chooseFile(request);
  if (!chosen) return;
  windows_.saveSetting(kOutputFolderSetting, folderOf(*chosen));
  model_.outputPath = *chosen;
  model_.outputChosen = true;
  windows_.listDeleteFirst(ListId::Output);
  windows_.listAddString(ListId::Output, model_.outputPath);
}

ConversionRequest MainDialogLogic::readRequest() {
  model_.groupNumberText = windows_.editText(EditId::GroupNumber);
  windows_.saveSetting(kGroupSetting, model_.groupNumberText);
  model_.noteText = windows_.editText(EditId::QsoNote);
  ConversionRequest request;
  // A path counts as chosen while its list shows it: a cancelled output browse leaves a
  // proposed path behind that the operator never confirmed.
  if (windows_.listCount(ListId::Input) > 0) request.inputPath = model_.inputPath;
  if (windows_.listCount(ListId::Output) > 0) request.outputPath = model_.outputPath;
  request.options = model_.job;
  // A contest that the log named is found again in the log at Convert, so the results say where
  // it came from; so is one of a log that names none or one outside the catalogue.
  request.contestFromLog = true;
  if (model_.contestFromLog) request.options.contest = ContestKind::None;
  // The run's state is what the State box shows, picked or typed; text that names no state is
  // no state.
  request.options.stateNumber = parseStateArgument(windows_.comboText(ComboId::State));
  if (model_.contestFromLog && model_.stateFromLog) request.options.stateNumber = -1;
  request.groupNumberText = model_.groupNumberText;
  request.noteText = model_.noteText;
  // The window is read anew at each Convert and never kept: an empty field is no bound.
  request.fromText = windows_.editText(EditId::FromUtc);
  request.toText = windows_.editText(EditId::ToUtc);
  return request;
}

ConversionStatus MainDialogLogic::convert() {
  ConversionRequest request = readRequest();
  const std::pair<std::string, std::string> pair(request.inputPath, request.outputPath);
  request.mayReplace = [&](const std::string& outputPath) {
    return model_.converted.count(pair) > 0 ||
           windows_.askYesNo(formatText("%s already exists.\nReplace it?", outputPath.c_str()));
  };
  const ConversionResult result = convertLog(request);
  if (result.status == ConversionStatus::Declined) return result.status;
  if (result.status != ConversionStatus::Converted) {
    std::string error = result.error;
    if (result.unnamedContestId) error += "\n" + unnamedContestLine(result, "choose one in the Contest list.");
    windows_.showError(error);
    return result.status;
  }
  model_.converted.insert(pair);
  model_.job = result.job;
  model_.namesPath = result.namesPath;
  model_.resultsLines = result.lines;
  windows_.listFill(ListId::Results, model_.resultsLines);
  if (result.qsoCount == 0) {
    windows_.showWarning(result.notice);
  } else {
    windows_.showInformation(result.notice);
  }
  return result.status;
}

void MainDialogLogic::copyResults() {
  if (model_.resultsLines.empty()) return;
  std::string text;
  for (const std::string& line : model_.resultsLines) {
    // A few message lines carry their own line end; each line is ended once.
    const size_t end = line.find_last_not_of("\r\n");
    text.append(line, 0, end == std::string::npos ? 0 : end + 1);
    text += "\r\n";
  }
  windows_.copyToClipboard(text);
}

void MainDialogLogic::help() {
  // The page's path lets the operator open it by hand.
  if (!windows_.openWebPage(helpAddress_)) windows_.showError("ERROR:  Could not start web browser.\n" + helpAddress_);
}
