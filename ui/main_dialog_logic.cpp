#include "ui/main_dialog_logic.h"

#include <cstdlib>
#include <iterator>
#include <utility>

#include "convert/log_contest.h"
#include "core/contest_kind.h"
#include "core/contest_table.h"
#include "core/import_format.h"
#include "core/text_format.h"
#include "refdata/state_argument.h"
#include "refdata/state_pick_list.h"
#include "refdata/state_table.h"
#include "ui/control_ids.h"

namespace {

// Settings of the folders the file choosers last opened.
constexpr const char* kInputFolderSetting = "InputFolder";
constexpr const char* kOutputFolderSetting = "OutputFolder";

// The View list's first entries; the third, while there is one, is the chosen kind's line.
constexpr const char* kViewNames[] = {"All lines", "By kind"};
constexpr int kFixedViews = static_cast<int>(std::size(kViewNames));

// The folder of a path, without its last separator; empty when it has none.
std::string folderOf(const std::string& path) {
  const size_t slash = path.find_last_of("/\\");
  return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

// A control's member as it is remembered.
std::string settingText(const DialogControl& control, const DialogState& state) {
  switch (control.kind) {
    case ControlKind::CheckBox:
      return state.*control.flag ? "1" : "0";
    case ControlKind::DropDownList:
      return formatText("%d", state.*control.index);
    case ControlKind::EditableCombo:
    case ControlKind::Edit:
      break;
  }
  return state.*control.text;
}

// Takes a remembered text into the control's member. Returns false, changing nothing, for a
// text the control cannot show.
bool takeSetting(const DialogControl& control, const std::string& value, DialogState& state) {
  switch (control.kind) {
    case ControlKind::CheckBox:
      if (value != "0" && value != "1") return false;
      state.*control.flag = value == "1";
      return true;
    case ControlKind::DropDownList: {
      char* end = nullptr;
      const long index = std::strtol(value.c_str(), &end, 10);
      if (value.empty() || *end != '\0' || index < 0 || index >= control.choices) return false;
      state.*control.index = static_cast<int>(index);
      return true;
    }
    case ControlKind::EditableCombo:
    case ControlKind::Edit:
      break;
  }
  state.*control.text = value;
  return true;
}

// The control where the operator mends a failed check.
int controlAtFault(RequestField field) {
  switch (field) {
    case RequestField::Input:
      return IDC_ADIF;
    case RequestField::Output:
      return IDC_KOLVEX;
    case RequestField::Contest:
      return IDC_CONTEST;
    case RequestField::State:
      return IDC_STATE;
    case RequestField::GroupNumber:
      return IDC_GROUP_NUMBER;
    case RequestField::From:
      return IDC_FROM_UTC;
    case RequestField::To:
      return IDC_TO_UTC;
    case RequestField::None:
      break;
  }
  return 0;
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
  for (const char* view : kViewNames) windows_.comboAddString(ComboId::View, view);

  // The option defaults are DialogState's, which the job follows (applyState below); the group
  // number's text is the job's default number.
  model_.job.groupNumber = 0;
  DialogState& state = model_.state;
  state = DialogState();
  state.groupNumber = formatText("%d", model_.job.groupNumber);
  // The job keeps at most this many characters of the note; the field takes no more.
  windows_.setEditLimit(IDC_QSO_NOTE, kNoteSize - 1);
  model_.outputPath.clear();
  restoreSettings();
  for (const DialogControl& control : dialogControls()) windows_.showControl(control, state);
  applyState();
  initialised_ = true;
}

void MainDialogLogic::restoreSettings() {
  for (const DialogControl& control : dialogControls()) {
    if (control.setting == nullptr) continue;
    if (const std::optional<std::string> value = windows_.setting(control.setting)) {
      takeSetting(control, *value, model_.state);
    }
  }
}

void MainDialogLogic::applyState() {
  const DialogState& state = model_.state;
  ConversionJob& job = model_.job;
  job.importFormat = static_cast<ImportFormat>(state.format == 0 ? 0 : 1);
  job.contest =
      state.contest >= 0 && state.contest < kContestCount ? static_cast<ContestKind>(state.contest) : ContestKind::None;
  // The run's state is what the State box shows, picked or typed; text that names no state is
  // no state.
  job.stateNumber = parseStateArgument(state.state);
  job.upload = state.upload ? 1 : 0;
  job.appendExchange = job.appendSerial = state.exchgSerial ? 1 : 0;
  job.label = state.label ? 1 : 0;
  job.includeFrequency = state.frequency ? 1 : 0;
  job.onlyContest = state.onlyContest ? 1 : 0;
}

void MainDialogLogic::readControl(const DialogControl& control) {
  windows_.readControl(control, model_.state);
  if (control.setting != nullptr) windows_.saveSetting(control.setting, settingText(control, model_.state));
}

void MainDialogLogic::closing() {
  for (const DialogControl& control : dialogControls()) {
    if (control.setting != nullptr) readControl(control);
  }
}

void MainDialogLogic::controlChanged(int controlId) {
  const DialogControl* control = dialogControl(controlId);
  if (!initialised_ || control == nullptr) return;
  readControl(*control);
  if (controlId == IDC_CONTEST) model_.contestFromLog = false;
  if (controlId == IDC_STATE) model_.stateFromLog = false;
  applyState();
  if (controlId == IDC_VIEW) {
    // The chosen kind's entry stays only while its lines are shown.
    if (model_.state.view != static_cast<int>(ResultsView::OneKind)) {
      windows_.comboTruncate(ComboId::View, kFixedViews);
      model_.chosenKind = -1;
    }
    showResultsView();
  }
  if (control->changesRun && !model_.resultsLines.empty()) setStale(true);
}

void MainDialogLogic::setStale(bool stale) {
  if (model_.resultsStale == stale) return;
  model_.resultsStale = stale;
  windows_.greyResults(stale);
}

void MainDialogLogic::showResultsView() {
  std::vector<std::string>& shown = model_.shownLines;
  const ResultsView view = static_cast<ResultsView>(model_.state.view);
  const std::vector<MessageKindGroup>& groups = model_.kinds.groups;
  if (view == ResultsView::ByKind) {
    shown = kindLines(model_.kinds);
  } else if (view == ResultsView::OneKind && model_.chosenKind >= 0 &&
             model_.chosenKind < static_cast<int>(groups.size())) {
    shown = groups[static_cast<size_t>(model_.chosenKind)].lines;
  } else {
    shown = model_.resultsLines;
  }
  windows_.listFill(ListId::Results, shown);
}

void MainDialogLogic::resultsLineChosen(int index) {
  if (model_.state.view != static_cast<int>(ResultsView::ByKind)) return;
  // The list shows one line per kind.
  const std::vector<std::string>& lines = model_.shownLines;
  if (index < 0 || index >= static_cast<int>(lines.size())) return;
  model_.chosenKind = index;
  windows_.comboTruncate(ComboId::View, kFixedViews);
  windows_.comboAddString(ComboId::View, lines[static_cast<size_t>(index)]);
  model_.state.view = static_cast<int>(ResultsView::OneKind);
  windows_.showControl(*dialogControl(IDC_VIEW), model_.state);
  showResultsView();
}

void MainDialogLogic::browseInput() {
  // The open dialog starts with an empty file name, in the folder of the last log chosen; a
  // cancel brings the previous input back, so the input list and the input path still agree.
  std::string previous = std::move(model_.inputPath);
  model_.inputPath.clear();
  FileChooserRequest request;
  request.save = false;
  request.filters = {{"ADIF logs (*.adi;*.adif)", "*.adi;*.adif"}, {"All files (*.*)", "*.*"}};
  request.defaultExtension = "adi";
  request.title = "Choose the ADIF log";
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
  model_.kinds = MessageKinds();
  model_.shownLines.clear();
  windows_.listReset(ListId::Results);
  windows_.showResultsCounts("");
  setStale(false);
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
  // Showing a selection does not notify the dialog, so the job is told here.
  model_.state.contest = static_cast<int>(contest);
  windows_.showControl(*dialogControl(IDC_CONTEST), model_.state);
  applyState();
}

void MainDialogLogic::showState(StateNumber state) {
  // The list's name where it offers the state, else its code; nothing for no state.
  const bool offered = statePickListPosition(state) >= 0;
  model_.state.state = state < 0 ? std::string() : offered ? stateNameOf(state) : stateCodeOf(state);
  windows_.showControl(*dialogControl(IDC_STATE), model_.state);
  applyState();
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
  for (const DialogControl& control : dialogControls()) readControl(control);
  applyState();
  const DialogState& state = model_.state;
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
  if (model_.contestFromLog && model_.stateFromLog) request.options.stateNumber = -1;
  request.groupNumberText = state.groupNumber;
  request.noteText = state.note;
  // The window is read anew at each Convert and never kept: an empty field is no bound.
  request.fromText = state.from;
  request.toText = state.to;
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
    if (const int control = controlAtFault(result.failedField)) windows_.focusControl(control);
    return result.status;
  }
  model_.converted.insert(pair);
  model_.job = result.job;
  model_.namesPath = result.namesPath;
  model_.resultsLines = result.lines;
  model_.kinds = result.messageKinds;
  if (model_.state.view == static_cast<int>(ResultsView::OneKind)) {
    model_.state.view = static_cast<int>(ResultsView::ByKind);
    windows_.showControl(*dialogControl(IDC_VIEW), model_.state);
  }
  windows_.comboTruncate(ComboId::View, kFixedViews);
  model_.chosenKind = -1;
  windows_.showResultsCounts(kindCountsLine(model_.kinds));
  setStale(false);
  showResultsView();
  if (result.qsoCount == 0) {
    windows_.showWarning(result.notice);
  } else {
    windows_.showInformation(result.notice);
  }
  return result.status;
}

void MainDialogLogic::copyResults() {
  const std::vector<std::string>& shown = model_.shownLines;
  if (shown.empty()) return;
  std::vector<int> picked = windows_.listSelection(ListId::Results);
  if (picked.empty()) {
    for (size_t i = 0; i < shown.size(); ++i) picked.push_back(static_cast<int>(i));
  }
  std::string text;
  for (const int index : picked) {
    if (index < 0 || index >= static_cast<int>(shown.size())) continue;
    const std::string& line = shown[static_cast<size_t>(index)];
    // A few message lines carry their own line end; each line is ended once.
    const size_t end = line.find_last_not_of("\r\n");
    text.append(line, 0, end == std::string::npos ? 0 : end + 1);
    text += "\r\n";
  }
  windows_.copyToClipboard(text);
}

void MainDialogLogic::selectAllResults() { windows_.listSelectAll(ListId::Results); }

void MainDialogLogic::help() {
  // The page's path lets the operator open it by hand.
  if (!windows_.openWebPage(helpAddress_)) windows_.showError("ERROR:  Could not start web browser.\n" + helpAddress_);
}
