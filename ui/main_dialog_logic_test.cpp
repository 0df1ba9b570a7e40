#include "ui/main_dialog_logic.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "convert/test_folder.h"
#include "core/contest_kind.h"
#include "refdata/state_table.h"
#include "ui/control_ids.h"

namespace {

// A window system that records what the dialog shows and answers file choosers from a queue.
class FakeWindows : public WindowSystem {
 public:
  std::map<ListId, std::vector<std::string>> lists;
  std::map<ListId, std::vector<int>> selected;
  std::map<ComboId, std::vector<std::string>> combos;
  std::map<int, bool> flags;         // check boxes by control id
  std::map<int, int> indices;        // drop-down lists' selections by control id
  std::map<int, std::string> texts;  // edits' and editable combos' texts by control id
  std::map<int, int> editLimits;
  std::vector<int> focused;  // controls given the focus, in order
  std::string counts;        // the line above the results
  bool grey = false;         // the results are greyed
  std::vector<std::string> errors, infos, warnings;
  std::map<std::string, std::string> settings;
  std::vector<FileChooserRequest> requests;
  std::vector<std::optional<std::string>> answers;  // next chooser answers, front first
  bool browserWorks = true;
  std::string openedPage;
  std::string clipboard;

  int listCount(ListId list) override { return static_cast<int>(lists[list].size()); }
  void listAddString(ListId list, const std::string& text) override { lists[list].push_back(text); }
  void listDeleteFirst(ListId list) override {
    if (!lists[list].empty()) lists[list].erase(lists[list].begin());
  }
  void listReset(ListId list) override { lists[list].clear(); }
  void listFill(ListId list, const std::vector<std::string>& lines) override {
    lists[list] = lines;
    selected[list].clear();
  }
  std::vector<int> listSelection(ListId list) override { return selected[list]; }
  void listSelectAll(ListId list) override {
    selected[list].clear();
    for (size_t i = 0; i < lists[list].size(); ++i) selected[list].push_back(static_cast<int>(i));
  }
  void comboAddString(ComboId combo, const std::string& text) override { combos[combo].push_back(text); }
  void comboTruncate(ComboId combo, int count) override {
    if (combos[combo].size() > static_cast<size_t>(count)) combos[combo].resize(static_cast<size_t>(count));
  }
  void showControl(const DialogControl& control, const DialogState& state) override {
    if (control.flag != nullptr) flags[control.id] = state.*control.flag;
    if (control.index != nullptr) indices[control.id] = state.*control.index;
    if (control.text != nullptr) texts[control.id] = state.*control.text;
  }
  void readControl(const DialogControl& control, DialogState& state) override {
    if (control.flag != nullptr) state.*control.flag = flags[control.id];
    if (control.index != nullptr) state.*control.index = indices[control.id];
    if (control.text != nullptr) state.*control.text = texts[control.id];
  }
  void setEditLimit(int control, int characters) override { editLimits[control] = characters; }
  void focusControl(int control) override { focused.push_back(control); }
  void showResultsCounts(const std::string& text) override { counts = text; }
  void greyResults(bool stale) override { grey = stale; }
  void showError(const std::string& text) override { errors.push_back(text); }
  void showInformation(const std::string& text) override { infos.push_back(text); }
  void showWarning(const std::string& text) override { warnings.push_back(text); }
  bool askYesNo(const std::string&) override { return false; }  // the Wine test answers the question
  std::optional<std::string> chooseFile(const FileChooserRequest& request) override {
    requests.push_back(request);
    if (answers.empty()) return std::nullopt;
    std::optional<std::string> answer = answers.front();
    answers.erase(answers.begin());
    return answer;
  }
  std::optional<std::string> setting(const std::string& name) override {
    const auto found = settings.find(name);
    return found == settings.end() ? std::nullopt : std::optional<std::string>(found->second);
  }
  void saveSetting(const std::string& name, const std::string& value) override { settings[name] = value; }
  bool copyToClipboard(const std::string& text) override {
    clipboard = text;
    return true;
  }
  bool openWebPage(const std::string& address) override {
    openedPage = address;
    return browserWorks;
  }
};

// The operator picks an entry of a drop-down list, ticks a box or types into a field.
void pick(MainDialogLogic& dialog, FakeWindows& windows, int id, int index) {
  windows.indices[id] = index;
  dialog.controlChanged(id);
}
void tick(MainDialogLogic& dialog, FakeWindows& windows, int id, bool checked) {
  windows.flags[id] = checked;
  dialog.controlChanged(id);
}
void type(MainDialogLogic& dialog, FakeWindows& windows, int id, const std::string& text) {
  windows.texts[id] = text;
  dialog.controlChanged(id);
}

// A folder of its own for each test that writes files.
class DialogFiles : public TestFolder {
 protected:
  // A dialog with input and output chosen through the browse commands.
  void chooseFiles(MainDialogLogic& dialog, FakeWindows& windows, const std::string& input, const std::string& output) {
    windows.answers = {input, output};
    dialog.browseInput();
    dialog.browseOutput();
  }
};

const char kWpxLog[] =
    "WPX log\n<EOH>\n"
    "<CALL:6>N0CALL<QSO_DATE:8>20120325<TIME_ON:4>1430<BAND:3>20M<MODE:2>CW<SRX:3>123<STX:2>45<EOR>\n"
    "<CALL:5>K1ABC<QSO_DATE:8>20120325<TIME_ON:4>1431<BAND:3>20M<MODE:2>CW<EOR>\n";

TEST(DialogInitialisation, FillsCombosAndShowsTheDefaults) {
  FakeWindows windows;
  MainDialogLogic dialog(windows, "help.html");
  dialog.initialise();
  const std::vector<std::string>& contests = windows.combos[ComboId::Contest];
  ASSERT_EQ(contests.size(), static_cast<size_t>(kContestCount));
  for (int32_t code = 0; code < kContestCount; ++code)
    EXPECT_EQ(contests[static_cast<size_t>(code)], contestName(code)) << code;
  ASSERT_EQ(windows.combos[ComboId::State].size(), 54u);
  EXPECT_EQ(windows.combos[ComboId::State].front(), "Alabama");
  EXPECT_EQ(windows.combos[ComboId::State][14], "Iowa");
  EXPECT_EQ(windows.combos[ComboId::State].back(), "7/IN/NE/MARAC");
  EXPECT_EQ(windows.combos[ComboId::Format], (std::vector<std::string>{"KOLVEX6", "KOLVEX8"}));
  EXPECT_EQ(windows.indices[IDC_FORMAT], 1);
  EXPECT_EQ(windows.indices[IDC_CONTEST], -1);
  EXPECT_EQ(windows.texts[IDC_STATE], "");
  EXPECT_EQ(windows.texts[IDC_GROUP_NUMBER], "0");
  EXPECT_EQ(windows.texts[IDC_QSO_NOTE], "");
  EXPECT_EQ(windows.editLimits[IDC_QSO_NOTE], 63);
  EXPECT_TRUE(windows.flags[IDC_UPLOAD]);
  EXPECT_TRUE(windows.flags[IDC_FREQUENCY]);
  EXPECT_FALSE(windows.flags[IDC_LABEL]);
  EXPECT_FALSE(windows.flags[IDC_EXCHG_SERIAL]);
  const ConversionJob& job = dialog.model().job;
  EXPECT_EQ(job.contest, ContestKind::None);
  EXPECT_EQ(job.stateNumber, -1);
  EXPECT_EQ(job.importFormat, ImportFormat::Kolvex8);
}

TEST(DialogControls, NotificationsSetTheJob) {
  FakeWindows windows;
  MainDialogLogic dialog(windows, "");
  dialog.initialise();
  pick(dialog, windows, IDC_CONTEST, 11);
  pick(dialog, windows, IDC_FORMAT, 0);
  type(dialog, windows, IDC_STATE, "Iowa");  // row 11 of the state table, pick-list index 14
  ConversionJob& job = dialog.model().job;
  EXPECT_EQ(job.contest, ContestKind::CqWpx);
  EXPECT_EQ(job.importFormat, ImportFormat::Kolvex6);
  EXPECT_EQ(job.stateNumber, 11);
  type(dialog, windows, IDC_STATE, "7/IN/NE/MARAC");
  EXPECT_EQ(job.stateNumber, 56);
  tick(dialog, windows, IDC_EXCHG_SERIAL, true);
  EXPECT_EQ(job.appendExchange, 1);
  EXPECT_EQ(job.appendSerial, 1);
  tick(dialog, windows, IDC_EXCHG_SERIAL, false);
  EXPECT_EQ(job.appendExchange, 0);
  EXPECT_EQ(job.appendSerial, 0);
  tick(dialog, windows, IDC_UPLOAD, false);
  tick(dialog, windows, IDC_LABEL, true);
  tick(dialog, windows, IDC_FREQUENCY, false);
  EXPECT_EQ(job.upload, 0);
  EXPECT_EQ(job.label, 1);
  EXPECT_EQ(job.includeFrequency, 0);
}

TEST(DialogBrowse, OutputFollowsTheLogUntilChosenWithKolvex) {
  FakeWindows windows;
  MainDialogLogic dialog(windows, "");
  dialog.initialise();
  windows.answers = {std::string("C:\\logs\\first.adi")};
  dialog.browseInput();
  ASSERT_EQ(windows.requests.size(), 1u);
  const FileChooserRequest& request = windows.requests[0];
  EXPECT_FALSE(request.save);
  EXPECT_EQ(request.title, "Choose the ADIF log");
  EXPECT_EQ(request.defaultExtension, "adi");
  EXPECT_EQ(request.initialPath, "");
  EXPECT_EQ(request.filters, (std::vector<std::pair<std::string, std::string>>{
                                 {"ADIF logs (*.adi;*.adif)", "*.adi;*.adif"}, {"All files (*.*)", "*.*"}}));
  EXPECT_EQ(windows.lists[ListId::Input], (std::vector<std::string>{"C:\\logs\\first.adi"}));
  EXPECT_EQ(windows.lists[ListId::Output], (std::vector<std::string>{"C:\\logs\\first.kvx"}));

  windows.answers = {std::string("C:\\logs\\second.adi"), std::nullopt};
  dialog.browseInput();
  dialog.browseOutput();  // cancelled: the output still follows the log
  EXPECT_EQ(windows.lists[ListId::Input], (std::vector<std::string>{"C:\\logs\\second.adi"}));
  EXPECT_EQ(windows.lists[ListId::Output], (std::vector<std::string>{"C:\\logs\\second.kvx"}));

  windows.answers = {std::string("C:\\out\\all.kvx"), std::string("C:\\logs\\fourth.adi")};
  dialog.browseOutput();
  dialog.browseInput();
  dialog.filesDropped({"D:\\fifth.adi"});
  EXPECT_EQ(windows.lists[ListId::Input], (std::vector<std::string>{"D:\\fifth.adi"}));
  EXPECT_EQ(windows.lists[ListId::Output], (std::vector<std::string>{"C:\\out\\all.kvx"}));
}

TEST(DialogBrowse, CancelledInputBrowseKeepsTheEarlierInput) {
  FakeWindows windows;
  MainDialogLogic dialog(windows, "");
  dialog.initialise();
  windows.answers = {std::string("a.adi")};
  dialog.browseInput();
  dialog.browseInput();  // cancelled
  EXPECT_EQ(dialog.model().inputPath, "a.adi");
  EXPECT_EQ(windows.lists[ListId::Input], (std::vector<std::string>{"a.adi"}));
  EXPECT_EQ(windows.requests.back().initialPath, "");
}

TEST(DialogBrowse, OutputBrowseStartsFromTheDerivedNameAndCancelKeepsIt) {
  FakeWindows windows;
  MainDialogLogic dialog(windows, "");
  dialog.initialise();
  dialog.model().inputPath = "log.adi";  // input chosen, output path empty
  windows.lists[ListId::Input] = {"log.adi"};
  dialog.browseOutput();  // cancelled
  ASSERT_EQ(windows.requests.size(), 1u);
  EXPECT_TRUE(windows.requests[0].save);
  EXPECT_EQ(windows.requests[0].title, "Output KOLVEX file");
  EXPECT_EQ(windows.requests[0].defaultExtension, "kvx");
  EXPECT_EQ(windows.requests[0].initialPath, "log.kvx");
  EXPECT_EQ(dialog.model().outputPath, "log.kvx");
  EXPECT_TRUE(windows.lists[ListId::Output].empty());
  windows.texts[IDC_GROUP_NUMBER] = "0";
  pick(dialog, windows, IDC_CONTEST, 11);
  EXPECT_EQ(dialog.convert(), ConversionStatus::CheckFailed);
  EXPECT_EQ(windows.errors.back(), "ERROR: Didn't specify output file.");

  windows.answers = {std::string("other.kvx")};
  dialog.browseOutput();
  EXPECT_EQ(windows.requests.back().initialPath, "log.kvx");
  EXPECT_EQ(windows.lists[ListId::Output], (std::vector<std::string>{"other.kvx"}));
}

TEST(DialogDrop, TheFirstDroppedFileIsTakenAsIfChosenWithTheAdifButton) {
  FakeWindows windows;
  MainDialogLogic dialog(windows, "");
  dialog.initialise();
  dialog.filesDropped({});
  EXPECT_TRUE(windows.lists[ListId::Input].empty());
  EXPECT_TRUE(windows.lists[ListId::Output].empty());

  dialog.filesDropped({"C:\\logs\\cq.wpx.adi", "C:\\logs\\other.adi"});
  EXPECT_EQ(windows.lists[ListId::Input], (std::vector<std::string>{"C:\\logs\\cq.wpx.adi"}));
  EXPECT_EQ(windows.lists[ListId::Output], (std::vector<std::string>{"C:\\logs\\cq.wpx.kvx"}));
  EXPECT_TRUE(windows.requests.empty());  // no file dialog

  dialog.filesDropped({"D:\\second.adi"});
  windows.texts[IDC_GROUP_NUMBER] = "0";
  const ConversionRequest request = dialog.readRequest();
  EXPECT_EQ(request.inputPath, "D:\\second.adi");
  EXPECT_EQ(request.outputPath, "D:\\second.kvx");
}

TEST(DialogConvert, ReadsTheControlsIntoARequest) {
  FakeWindows windows;
  MainDialogLogic dialog(windows, "");
  dialog.initialise();
  dialog.model().inputPath = "in.adi";
  dialog.model().outputPath = "out.kvx";
  ConversionRequest request = dialog.readRequest();
  EXPECT_EQ(request.inputPath, "");  // the lists show no path yet
  EXPECT_EQ(request.outputPath, "");
  windows.lists[ListId::Input] = {"in.adi"};
  windows.lists[ListId::Output] = {"out.kvx"};
  windows.texts[IDC_GROUP_NUMBER] = "12";
  windows.texts[IDC_QSO_NOTE] = "portable";
  pick(dialog, windows, IDC_CONTEST, 35);
  type(dialog, windows, IDC_STATE, "Iowa");
  pick(dialog, windows, IDC_FORMAT, 0);
  tick(dialog, windows, IDC_LABEL, true);
  tick(dialog, windows, IDC_ONLY_CONTEST, true);
  windows.texts[IDC_FROM_UTC] = "2026-01-24";
  windows.texts[IDC_TO_UTC] = "2026-01-25 12:00";
  request = dialog.readRequest();
  EXPECT_EQ(request.options.onlyContest, 1);
  EXPECT_EQ(request.fromText + "|" + request.toText, "2026-01-24|2026-01-25 12:00");
  EXPECT_EQ(request.inputPath, "in.adi");
  EXPECT_EQ(request.outputPath, "out.kvx");
  EXPECT_EQ(request.groupNumberText, "12");
  EXPECT_EQ(request.noteText, "portable");
  EXPECT_EQ(dialog.model().state.groupNumber, "12");
  EXPECT_EQ(request.options.contest, ContestKind::StateQsoParty);
  EXPECT_EQ(request.options.stateNumber, 11);
  EXPECT_EQ(request.options.importFormat, ImportFormat::Kolvex6);
  EXPECT_EQ(request.options.label, 1);
  EXPECT_EQ(request.options.upload, 1);
}

TEST_F(DialogFiles, ConvertShowsAFailureInAnErrorBoxAndChangesNothing) {
  FakeWindows windows;
  MainDialogLogic dialog(windows, "");
  dialog.initialise();
  EXPECT_EQ(dialog.convert(), ConversionStatus::CheckFailed);
  EXPECT_EQ(windows.errors, (std::vector<std::string>{"ERROR: Didn't specify input file."}));

  chooseFiles(dialog, windows, path("missing.adi"), path("out.kvx"));
  windows.lists[ListId::Results] = {"earlier run"};
  pick(dialog, windows, IDC_CONTEST, 11);
  windows.texts[IDC_GROUP_NUMBER] = "7";
  EXPECT_EQ(dialog.convert(), ConversionStatus::FileError);
  ASSERT_EQ(windows.errors.size(), 2u);
  EXPECT_EQ(windows.errors[1].rfind("ERROR: Can't open input file " + path("missing.adi"), 0), 0u);
  EXPECT_EQ(windows.lists[ListId::Results], (std::vector<std::string>{"earlier run"}));
  EXPECT_EQ(dialog.model().job.groupNumber, 0);
  EXPECT_TRUE(windows.infos.empty());
}

TEST_F(DialogFiles, ConvertFillsTheResultsListAndKeepsTheJobAsItRan) {
  writeFile(path("in.adi"), kWpxLog);
  FakeWindows windows;
  MainDialogLogic dialog(windows, "");
  dialog.initialise();
  chooseFiles(dialog, windows, path("in.adi"), path("out.kvx"));
  pick(dialog, windows, IDC_CONTEST, 11);
  windows.texts[IDC_GROUP_NUMBER] = "65533";
  windows.texts[IDC_QSO_NOTE] = std::string(70, 'n');
  windows.lists[ListId::Results] = {"earlier run"};
  ASSERT_EQ(dialog.convert(), ConversionStatus::Converted);
  EXPECT_EQ(dialog.model().job.groupNumber, 65533);
  EXPECT_STREQ(dialog.model().job.note, std::string(63, 'n').c_str());
  EXPECT_EQ(dialog.model().namesPath, path("out.kvn"));
  const std::vector<std::string> expected = {
      "Wrote 2 QSOs to " + path("out.kvx"),
      "",
      "Import this file as KOLVEX8 format.",
      "",
      "K1ABC on 20120325 at 1431 is missing received data.",
      "",
  };
  EXPECT_EQ(windows.lists[ListId::Results], expected);
  EXPECT_EQ(windows.infos, (std::vector<std::string>{"2 QSOs written to " + path("out.kvx")}));
  EXPECT_TRUE(windows.errors.empty());
}

TEST(DialogResults, CopyPutsEveryLineOnTheClipboardOnce) {
  FakeWindows windows;
  MainDialogLogic dialog(windows, "");
  windows.clipboard = "before";
  dialog.copyResults();  // nothing to copy yet
  EXPECT_EQ(windows.clipboard, "before");
  dialog.model().shownLines = {"Wrote 2 QSOs to out.kvx", "", "2 unique callsigns.\n", ""};
  dialog.copyResults();
  EXPECT_EQ(windows.clipboard, "Wrote 2 QSOs to out.kvx\r\n\r\n2 unique callsigns.\r\n\r\n");
}

// What the Wine test leaves out: the focus on a bound, the note that changes no result, and a
// new run after one kind's lines, shown by kind.
TEST_F(DialogFiles, ResultsViewAndStalenessAcrossRuns) {
  writeFile(path("in.adi"), kWpxLog);
  FakeWindows windows;
  MainDialogLogic dialog(windows, "");
  dialog.initialise();
  chooseFiles(dialog, windows, path("in.adi"), path("out.kvx"));
  pick(dialog, windows, IDC_CONTEST, 11);
  type(dialog, windows, IDC_TO_UTC, "later");
  dialog.convert();
  EXPECT_EQ(windows.focused, (std::vector<int>{IDC_TO_UTC}));
  type(dialog, windows, IDC_TO_UTC, "");
  ASSERT_EQ(dialog.convert(), ConversionStatus::Converted);
  pick(dialog, windows, IDC_VIEW, 1);
  dialog.resultsLineChosen(0);
  EXPECT_EQ(windows.combos[ComboId::View].size(), 3u);
  type(dialog, windows, IDC_QSO_NOTE, "no choice the results speak of");
  EXPECT_FALSE(windows.grey);
  tick(dialog, windows, IDC_LABEL, true);
  EXPECT_TRUE(windows.grey);
  dialog.convert();
  EXPECT_FALSE(windows.grey);
  EXPECT_EQ(windows.indices[IDC_VIEW], 1);
  EXPECT_EQ(windows.combos[ComboId::View], (std::vector<std::string>{"All lines", "By kind"}));
  EXPECT_EQ(windows.lists[ListId::Results],
            (std::vector<std::string>{"1 \xC3\x97 K1ABC on 20120325 at 1431 is missing received data."}));
}

// A one-QSO log whose record names the contest id.
std::string logNaming(const std::string& id) {
  return "<EOH>\n<CALL:5>K4ABC<CONTEST_ID:" + std::to_string(id.size()) + ">" + id + "<EOR>\n";
}

TEST_F(DialogFiles, ContestAndStateFollowTheLog) {
  writeFile(path("fqp.adi"), logNaming("FL-QSO-PARTY"));
  writeFile(path("wpx.adi"), logNaming("cq-wpx-cw "));
  writeFile(path("maqp.adi"), logNaming("MIDATLANTIC-QSO-PARTY"));  // a party the state list does not offer
  writeFile(path("ntc.adi"), logNaming("NTC-QP"));                  // an id that names none of the contests
  writeFile(path("none.adi"), kWpxLog);
  FakeWindows windows;
  MainDialogLogic dialog(windows, "");
  dialog.initialise();
  const ConversionJob& job = dialog.model().job;
  windows.answers = {path("fqp.adi")};
  dialog.browseInput();
  EXPECT_EQ(windows.indices[IDC_CONTEST], 35);
  EXPECT_EQ(windows.texts[IDC_STATE], "Florida");
  EXPECT_EQ(job.contest, ContestKind::StateQsoParty);
  EXPECT_EQ(job.stateNumber, findStateNumber("FL"));

  dialog.takeInputFile(path("wpx.adi"));  // as a dropped file; Florida was the earlier log's
  EXPECT_EQ(windows.lists[ListId::Input], (std::vector<std::string>{path("wpx.adi")}));
  EXPECT_EQ(windows.indices[IDC_CONTEST], 11);
  EXPECT_EQ(job.contest, ContestKind::CqWpx);
  EXPECT_EQ(windows.texts[IDC_STATE], "");
  EXPECT_EQ(job.stateNumber, -1);

  // A logbook's contest is the one most of its QSOs name, as on the command line.
  writeFile(path("book.adi"), "<EOH>\n<CONTEST_ID:9>CQ-WPX-CW<EOR>\n" + logNaming("FL-QSO-PARTY").substr(6) +
                                  logNaming("FL-QSO-PARTY").substr(6));
  dialog.takeInputFile(path("book.adi"));
  EXPECT_EQ(job.contest, ContestKind::StateQsoParty);
  EXPECT_EQ(job.stateNumber, findStateNumber("FL"));

  dialog.takeInputFile(path("maqp.adi"));
  EXPECT_EQ(windows.indices[IDC_CONTEST], 35);
  EXPECT_EQ(windows.texts[IDC_STATE], "MAQP");
  ASSERT_EQ(dialog.convert(), ConversionStatus::Converted);
  EXPECT_EQ(dialog.model().job.stateNumber, findStateNumber("MAQP"));
  EXPECT_EQ(windows.lists[ListId::Results][4].rfind("Contest: State QSO Party", 0), 0u);
  EXPECT_EQ(windows.infos.back(), "1 QSO written to " + path("maqp.kvx"));

  dialog.takeInputFile(path("ntc.adi"));
  EXPECT_TRUE(windows.lists[ListId::Results].empty());  // a new log's results are still to come
  EXPECT_EQ(dialog.convert(), ConversionStatus::CheckFailed);
  EXPECT_EQ(windows.errors.back(), "ERROR: Didn't select a contest.\nThe log's CONTEST_ID NTC-QP is not one of the " +
                                       std::to_string(kContestCount) + " contests; choose one in the Contest list.");
  writeFile(path("empty.adi"), "<EOH>\n");
  dialog.takeInputFile(path("empty.adi"));
  pick(dialog, windows, IDC_CONTEST, 11);
  ASSERT_EQ(dialog.convert(), ConversionStatus::Converted);
  EXPECT_EQ(windows.warnings, (std::vector<std::string>{"0 QSOs written to " + path("empty.kvx")}));

  for (const char* log : {"ntc.adi", "none.adi", "missing.adi"}) {
    SCOPED_TRACE(log);
    dialog.takeInputFile(path("fqp.adi"));
    dialog.takeInputFile(path(log));
    EXPECT_EQ(windows.indices[IDC_CONTEST], -1);
    EXPECT_EQ(job.contest, ContestKind::None);
    EXPECT_EQ(windows.texts[IDC_STATE], "");
    EXPECT_EQ(job.stateNumber, -1);
  }

  // What the operator picks or types stays; what the log set goes.
  dialog.takeInputFile(path("fqp.adi"));
  pick(dialog, windows, IDC_CONTEST, 12);
  dialog.takeInputFile(path("none.adi"));
  EXPECT_EQ(job.contest, ContestKind::CqWw);
  EXPECT_EQ(job.stateNumber, -1);
  dialog.takeInputFile(path("fqp.adi"));
  type(dialog, windows, IDC_STATE, "Ohio");
  dialog.takeInputFile(path("none.adi"));
  EXPECT_EQ(job.contest, ContestKind::None);
  EXPECT_EQ(windows.texts[IDC_STATE], "Ohio");
}

TEST(DialogHelp, OpensThePageOrSaysWhyNot) {
  FakeWindows windows;
  MainDialogLogic dialog(windows, "C:\\adif2kvx\\help.html");
  dialog.help();
  EXPECT_EQ(windows.openedPage, "C:\\adif2kvx\\help.html");
  EXPECT_TRUE(windows.errors.empty());
  windows.browserWorks = false;
  dialog.help();
  EXPECT_EQ(windows.errors,
            (std::vector<std::string>{"ERROR:  Could not start web browser.\nC:\\adif2kvx\\help.html"}));
}

}  // namespace
