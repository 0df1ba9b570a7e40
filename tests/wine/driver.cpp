// Drives adif2kvx.exe under Wine as an operator would: starts it, reads its controls, clicks
// its buttons, answers its message boxes and file dialogs, and checks what it shows.
//
//   wine_driver main PROGRAM WORK VERSION  the full session; files in WORK (see run.sh); the
//                                          program must carry VERSION ("5.13.0.1")
//   wine_driver renamed PROGRAM            a copy under another name without its help page
//   wine_driver closebox PROGRAM           the close box ends the program
//   wine_driver folder PROGRAM FOLDER CODE_PAGE browse|drop
//                                          one NAQP conversion of FOLDER\naqp.adi into that
//                                          folder, the ANSI code page being CODE_PAGE; the log
//                                          is chosen with the ADIF button or dropped onto the
//                                          dialog together with FOLDER\cwt.adi; a drop then
//                                          converts cwt.adi over an existing cwt.kvx (the
//                                          question) and with its files held open elsewhere
//   wine_driver remember PROGRAM           two starts: the second shows the choices and the
//                                          place the first was left with
//   wine_driver fill PROGRAM WORK          times a conversion that fills the results list with
//                                          15,000 lines against one that adds a few
//   wine_driver pose PROGRAM WORK READY RELEASE [LOG CONTEST]
//                                          converts (WORK\LOG as contest number CONTEST in a
//                                          larger window), shows the results by kind, writes
//                                          the dialog's screen rectangle to READY, waits for
//                                          RELEASE, then clicks Done
//   wine_driver record-open FILE ARG       writes ARG to FILE (stands in for the browser)
//
// Paths are Windows paths. Prints one line per check; the exit code is the number of failures.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "core/contest_kind.h"
#include "tests/wine/drop_files.h"
#include "tests/wine/remote.h"
#include "tests/wine/resource_checks.h"

namespace {

// Control ids of the main dialog.
constexpr int kInputList = 1000;
constexpr int kOutputList = 1001;
constexpr int kContestCombo = 1002;
constexpr int kAdifButton = 1005;
constexpr int kKolvexButton = 1006;
constexpr int kGroupEdit = 1010;
constexpr int kNoteEdit = 1011;
constexpr int kResultsList = 1012;
constexpr int kUploadBox = 1013;
constexpr int kLabelBox = 1014;
constexpr int kExchgSerialBox = 1015;
constexpr int kHelpButton = 1016;
constexpr int kFrequencyBox = 1017;
constexpr int kStateCombo = 1018;
constexpr int kFormatCombo = 1019;
constexpr int kOnlyContestBox = 1022;
constexpr int kFromEdit = 1024;
constexpr int kToEdit = 1026;
constexpr int kCountsLine = 1027;
constexpr int kViewCombo = 1029;
constexpr WPARAM kAboutCommand = 16;

const char* const kMainCaption = "ADIF to KOLVEX";
const char* const kOpenTitle = "Choose the ADIF log";

// The contest catalogue, in list order: the program's own table.
std::vector<std::string> catalogueNames() {
  std::vector<std::string> names;
  for (int32_t code = 0; code < kContestCount; ++code) names.emplace_back(contestName(code));
  return names;
}
const std::vector<std::string> kContests = catalogueNames();

// The State QSO Party pick list, in list order.
const std::vector<std::string> kStates = {
    "Alabama",
    "Arizona",
    "Arkansas",
    "British Columbia",
    "California",
    "Colorado",
    "Connecticut",
    "Delaware",
    "Florida",
    "Georgia",
    "Hawaii",
    "Idaho",
    "Illinois",
    "Indiana",
    "Iowa",
    "Kansas",
    "Kentucky",
    "Louisiana",
    "Maine",
    "Maryland",
    "Michigan",
    "Minnesota",
    "Mississippi",
    "Missouri",
    "Montana",
    "Nebraska",
    "Nevada",
    "New Hampshire",
    "New Jersey",
    "New Mexico",
    "New York",
    "North Carolina",
    "North Dakota",
    "Ohio",
    "Oklahoma",
    "Ontario",
    "Oregon",
    "Pennsylvania",
    "Quebec",
    "Rhode Island",
    "South Carolina",
    "South Dakota",
    "Tennessee",
    "Texas",
    "Utah",
    "Vermont",
    "Virginia",
    "Washington",
    "West Virginia",
    "Wisconsin",
    "Wyoming",
    "7-Land QSO Party",
    "New England QSO Party",
    "7/IN/NE/MARAC",
};

const std::vector<std::string> kFormats = {"KOLVEX6", "KOLVEX8"};

constexpr int kStateQsoParty = static_cast<int>(ContestKind::StateQsoParty);
constexpr int kNaqp = static_cast<int>(ContestKind::Naqp);
constexpr int kCwOpsMiniCwt = static_cast<int>(ContestKind::CwOpsMiniCwt);
constexpr int kNewEnglandQsoParty = 52;
constexpr int kFlorida = 8;

const char* const kNoContest =
    "ERROR: Didn't select a contest.\nThe log names no contest; choose one in the Contest list.";

// The tab order: the rows as they read, then the command buttons; Tab from Done starts again.
const std::vector<int> kTabOrder = {kAdifButton,   kKolvexButton,   kFormatCombo,    kContestCombo, kStateCombo,
                                    kGroupEdit,    kUploadBox,      kExchgSerialBox, kNoteEdit,     kLabelBox,
                                    kFrequencyBox, kOnlyContestBox, kFromEdit,       kToEdit,       kResultsList,
                                    IDOK,          kHelpButton,     IDCANCEL,        kAdifButton};

std::string folderOf(const std::string& path) {
  const size_t slash = path.find_last_of("\\/");
  return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

// Writes the results list the way the command-line tool prints it: each line once, with a
// line end added unless it already ends with one.
bool saveLines(const std::string& path, const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) {
    text += line;
    if (line.empty() || line.back() != '\n') text += '\n';
  }
  return writeFile(path, text);
}

// One session with the program, with the report every check goes to.
class Session {
 public:
  Session(Report& report, Target& target) : r_(report), t_(target) {}

  HWND item(int id) const { return t_.item(id); }

  // Whether the program still runs; a program that ended fails the step at once instead of
  // letting every later step wait for windows that cannot come.
  bool alive(const std::string& name) {
    if (t_.running()) return true;
    r_.fail(name, "the program has ended");
    return false;
  }

  // Clicks Convert (or presses Enter in the group number field) and expects an error box.
  void expectConvertError(const std::string& name, const std::string& text, bool byEnter = false) {
    if (!alive(name)) return;
    MessageBoxSeen box;
    if (byEnter) {
      HWND edit = item(kGroupEdit);
      // Put the focus in the group number field, then press Enter there.
      SendMessageW(t_.mainWindow(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(edit), TRUE);
      PostMessageW(edit, WM_KEYDOWN, VK_RETURN, 0x001C0001);
      PostMessageW(edit, WM_KEYUP, VK_RETURN, 0xC01C0001);
      box = answerMessageBox(t_);
    } else {
      box = clickForMessageBox(t_, item(IDOK));
    }
    if (!r_.expectTrue(name + ": a message box comes up", box.appeared)) return;
    r_.expectEqual(name + ": message", text, box.text);
    r_.expectEqual(name + ": caption is the program name", caption_, box.caption);
    r_.expectTrue(name + ": box shows an icon", box.hasIcon);
    r_.expectTrue(name + ": box closes on OK", box.closed);
    r_.expectTrue(name + ": dialog stays open", IsWindowVisible(t_.mainWindow()) != 0);
  }

  // Chooses a file through the open dialog and checks what the dialog offered.
  void chooseInput(const std::string& path) {
    if (!alive("open dialog")) return;
    const FileDialogSeen seen = clickForFileDialog(t_, item(kAdifButton), kOpenTitle, path);
    if (!r_.expectTrue("open dialog \"Choose the ADIF log\" comes up", seen.appeared)) return;
    r_.expectEqual("open dialog starts with an empty file name", "", seen.fileName);
    r_.expectLines("open dialog file types", {"ADIF logs (*.adi;*.adif)", "All files (*.*)"}, seen.fileTypes);
    r_.expectTrue("open dialog is owned by the main dialog", seen.owned);
    r_.expectTrue("open dialog closes", seen.closed);
  }

  // Chooses the output file through the save dialog; `offered` is the file name it must show.
  void chooseOutput(const std::string& offered, const std::string& path) {
    if (!alive("save dialog")) return;
    const FileDialogSeen seen = clickForFileDialog(t_, item(kKolvexButton), "Output KOLVEX file", path);
    if (!r_.expectTrue("save dialog \"Output KOLVEX file\" comes up", seen.appeared)) return;
    r_.expectEqual("save dialog offers the output file name", offered, seen.fileName);
    r_.expectLines("save dialog file types", {"KOLVEX Files", "All Files"}, seen.fileTypes);
    r_.expectTrue("save dialog is owned by the main dialog", seen.owned);
    r_.expectTrue("save dialog closes", seen.closed);
  }

  void selectCombo(int comboId, int index) { selectComboEntry(t_.mainWindow(), comboId, index); }

  void setGroup(const std::string& text) { setControlText(item(kGroupEdit), text); }

  // Clicks a check box and checks the box now shows the state.
  void clickBox(const std::string& name, int id, int wantState) {
    clickNow(item(id));
    r_.expectEqual("\"" + name + "\" clicked shows " + std::to_string(wantState), wantState, checkState(item(id)));
  }

  // Runs a conversion that must succeed; saves the results list to `resultsFile`.
  // Returns the results list.
  std::vector<std::string> convert(const std::string& name, int qsos, const std::string& outputPath,
                                   const std::string& resultsFile) {
    if (!alive(name)) return {};
    const MessageBoxSeen box = clickForMessageBox(t_, item(IDOK), 60000);
    r_.expectTrue(name + ": end-of-run box comes up", box.appeared);
    r_.expectEqual(name + ": end-of-run message", std::to_string(qsos) + " QSOs written to " + outputPath, box.text);
    r_.expectEqual(name + ": end-of-run caption", caption_, box.caption);
    r_.expectTrue(name + ": dialog stays open", IsWindowVisible(t_.mainWindow()) != 0);
    const std::vector<std::string> results = listBoxItems(item(kResultsList));
    r_.expectTrue(name + ": results begin with the QSO count",
                  !results.empty() && results[0] == "Wrote " + std::to_string(qsos) + " QSOs to " + outputPath,
                  results.empty() ? "no results" : results[0]);
    r_.expectTrue(name + ": results saved", saveLines(resultsFile, results));
    return results;
  }

  void setCaption(const std::string& caption) { caption_ = caption; }

 private:
  Report& r_;
  Target& t_;
  std::string caption_ = "adif2kvx";
};

void checkDefaults(Report& r, const Target& t, const std::string& when) {
  r.expectLines(when + "contest list", kContests, comboBoxItems(t.item(kContestCombo)));
  r.expectEqual(when + "no contest selected", -1, comboSelection(t.item(kContestCombo)));
  r.expectLines(when + "state list", kStates, comboBoxItems(t.item(kStateCombo)));
  r.expectEqual(when + "no state selected", -1, comboSelection(t.item(kStateCombo)));
  r.expectLines(when + "format list", kFormats, comboBoxItems(t.item(kFormatCombo)));
  r.expectEqual(when + "format KOLVEX8 selected", 1, comboSelection(t.item(kFormatCombo)));
  r.expectEqual(when + "group number", "0", windowTextOf(t.item(kGroupEdit)));
  r.expectEqual(when + "QSO note", "", windowTextOf(t.item(kNoteEdit)));
  r.expectEqual(when + "Upload checked", BST_CHECKED, checkState(t.item(kUploadBox)));
  r.expectEqual(when + "Label clear", BST_UNCHECKED, checkState(t.item(kLabelBox)));
  r.expectEqual(when + "Exchg/Serial clear", BST_UNCHECKED, checkState(t.item(kExchgSerialBox)));
  r.expectEqual(when + "Frequency checked", BST_CHECKED, checkState(t.item(kFrequencyBox)));
  r.expectLines(when + "input list empty", {}, listBoxItems(t.item(kInputList)));
  r.expectLines(when + "output list empty", {}, listBoxItems(t.item(kOutputList)));
  r.expectLines(when + "results list empty", {}, listBoxItems(t.item(kResultsList)));
}

// Whether a window's centre is within 2 pixels of a rectangle's.
bool centredIn(HWND window, const RECT& outer) {
  RECT inner;
  GetWindowRect(window, &inner);
  return std::abs((inner.left + inner.right) - (outer.left + outer.right)) <= 4 &&
         std::abs((inner.top + inner.bottom) - (outer.top + outer.bottom)) <= 4;
}
bool centred(HWND window, HWND over) {
  RECT outer;
  GetWindowRect(over, &outer);
  return centredIn(window, outer);
}

// Opens the about box from the system menu, checks it and closes it.
void checkAboutBox(Report& r, const Target& t, const std::string& version, const std::string& when) {
  if (!t.running()) {
    r.fail(when + "about box", "the program has ended");
    return;
  }
  PostMessageW(t.mainWindow(), WM_SYSCOMMAND, kAboutCommand, 0);
  HWND about = waitForDialog(
      t.processId(), t.mainWindow(), [](HWND w) { return windowTextOf(w) == "About ADIF to KOLVEX"; }, 20000);
  if (!r.expectTrue(when + "about box comes up", about != nullptr)) return;
  std::vector<std::string> texts;
  for (HWND child = GetWindow(about, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
    const bool icon = (GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON;
    if (className(child) == "Static" && !icon && !windowTextOf(child).empty()) texts.push_back(windowTextOf(child));
  }
  r.expectTrue(when + "about box names the version",
               !texts.empty() && texts[0] == "ADIF to KOLVEX Version " + shortVersion(version),
               texts.empty() ? "no text" : texts[0]);
  r.expectEqual(when + "about box OK button", "OK", windowTextOf(GetDlgItem(about, IDOK)));
  r.expectTrue(when + "about box centred on the main dialog", centred(about, t.mainWindow()));
  PostMessageW(GetDlgItem(about, IDOK), BM_CLICK, 0, 0);
  r.expectTrue(when + "about box closes on OK", waitGone(about, 10000));
  r.expectTrue(when + "main dialog still open after the about box", IsWindowVisible(t.mainWindow()) != 0);
}

// Presses keys together (Ctrl, then C) as the operator's keyboard would: they go through the
// system's input queue to the focused window.
void sendKeys(std::initializer_list<WORD> keys) {
  std::vector<INPUT> inputs(2 * keys.size());
  size_t down = 0, up = inputs.size();
  for (WORD key : keys) {
    inputs[down].type = inputs[--up].type = INPUT_KEYBOARD;
    inputs[down++].ki.wVk = inputs[up].ki.wVk = key;
    inputs[up].ki.dwFlags = KEYEVENTF_KEYUP;
  }
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

// The same with the focus on a control of the dialog, once the dialog is active again: its
// activation after a closed message box would otherwise move the focus back.
void pressKeys(HWND dialog, HWND control, std::initializer_list<WORD> keys) {
  GUITHREADINFO thread = {};
  thread.cbSize = sizeof thread;
  waitUntil(
      [&] {
        SetForegroundWindow(dialog);
        SendMessageW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
        Sleep(100);
        return GetForegroundWindow() == dialog &&
               GetGUIThreadInfo(GetWindowThreadProcessId(dialog, nullptr), &thread) && thread.hwndFocus == control;
      },
      5000);
  sendKeys(keys);
}
void pressF1(HWND dialog, HWND control) { pressKeys(dialog, control, {VK_F1}); }

// The id of the dialog's control that has the focus (an editable combo's field counts as the
// combo); 0 when none.
int focusedControl(HWND dialog) {
  GUITHREADINFO thread = {};
  thread.cbSize = sizeof thread;
  if (!GetGUIThreadInfo(GetWindowThreadProcessId(dialog, nullptr), &thread) || thread.hwndFocus == nullptr) return 0;
  HWND focus = thread.hwndFocus;
  if (GetParent(focus) != dialog) focus = GetParent(focus);
  return GetDlgCtrlID(focus);
}

// Expects the focus on a control once the dialog is active again after a message box.
void expectFocus(Report& r, HWND dialog, const std::string& name, int id) {
  waitUntil([&] { return focusedControl(dialog) == id; }, 5000);
  r.expectEqual(name + ": the focus is on control " + std::to_string(id), id, focusedControl(dialog));
}

// Presses Tab from the ADIF button on and expects the focus to visit kTabOrder.
void checkTabOrder(Report& r, HWND dialog) {
  pressKeys(dialog, GetDlgItem(dialog, kAdifButton), {});
  std::vector<std::string> want, got;
  for (size_t i = 1; i < kTabOrder.size(); ++i) {
    sendKeys({VK_TAB});
    waitUntil([&] { return focusedControl(dialog) == kTabOrder[i]; }, 2000);
    want.push_back(std::to_string(kTabOrder[i]));
    got.push_back(std::to_string(focusedControl(dialog)));
  }
  r.expectLines("Tab reaches every control in reading order, the results list too", want, got);
}

// Copies the results list with `copy` and expects its lines on the clipboard, each once with CR LF.
void expectResultsCopied(Report& r, const std::string& how, const std::vector<std::string>& results,
                         const std::function<void()>& copy) {
  std::string want;
  for (const std::string& line : results) want += line.substr(0, line.find_last_not_of('\n') + 1) + "\r\n";
  r.expectTrue(how + ": clipboard emptied first", emptyClipboard());
  copy();
  waitUntil([] { return !clipboardText().empty(); }, 10000);
  r.expectEqual(how + " puts the results lines on the clipboard", want, clipboardText());
}

// Runs `open` and expects the program to open `page` in the browser, which run.sh made the
// driver itself: it writes the page's path to `opened`. No error box may come up; `dialogs`
// is the number of the program's dialogs that are up meanwhile.
void expectPageOpened(Report& r, const Target& t, const std::string& how, const std::string& opened,
                      const std::string& page, const std::function<void()>& open, size_t dialogs = 1) {
  deleteFile(opened);
  open();
  const bool ran = waitUntil([&] { return fileExists(opened); }, 30000);
  if (r.expectTrue(how + " opens a page", ran)) {
    Sleep(200);
    const std::string got = readFile(opened);
    r.expectEqual(how + " opens the page beside the program", page, got.substr(0, got.find('\n')));
  }
  r.expectEqual(how + ": no error box", static_cast<long long>(dialogs),
                static_cast<long long>(processDialogs(t.processId()).size()));
}

void expectExit(Report& r, Target& t, const std::string& how) {
  DWORD code = 0;
  const bool ended = t.waitExit(20000, code);
  r.expectTrue(how + " ends the program", ended);
  if (ended) r.expectEqual(how + ": exit code", 0, static_cast<long long>(code));
}

// The NEQP run's results by kind: the counts line, the kind view (saved after the results, as
// --by-kind prints it), one kind's lines, two picked lines copied, and the greying of a changed
// choice.
void checkKindView(Report& r, const Target& t, const std::vector<std::string>& results, const std::string& file) {
  HWND list = t.item(kResultsList);
  pressKeys(t.mainWindow(), list, {VK_MENU, 'V'});
  waitUntil([&] { return focusedControl(t.mainWindow()) == kViewCombo; }, 3000);
  r.expectEqual("Alt+V reaches the View list, which Tab passes by", kViewCombo, focusedControl(t.mainWindow()));
  r.expectEqual("counts above the results", "1 errors, 2 warnings, 2 kinds", windowTextOf(t.item(kCountsLine)));
  selectComboEntry(t.mainWindow(), kViewCombo, 1);
  const std::vector<std::string> kinds = listBoxItems(list);
  std::vector<std::string> saved = results;
  saved.insert(saved.end(), kinds.begin(), kinds.end());
  r.expectTrue("kind view saved after the results", saveLines(file, saved));
  std::vector<std::string> truncations;
  for (const std::string& line : results) {
    if (line.find(": truncating exchange ") != std::string::npos) truncations.push_back(line);
  }
  pressKeys(t.mainWindow(), list, {VK_RETURN});
  waitUntil([&] { return comboSelection(t.item(kViewCombo)) == 2; }, 5000);
  r.expectLines("Enter on the first kind shows its lines", truncations, listBoxItems(list));
  selectComboEntry(t.mainWindow(), kViewCombo, 0);
  r.expectLines("all lines again", results, listBoxItems(list));
  SendMessageW(list, LB_SELITEMRANGEEX, 0, 1);
  expectResultsCopied(r, "Ctrl+C with two lines picked", {results[0], results[1]}, [&] {
    pressKeys(t.mainWindow(), list, {VK_CONTROL, 'C'});
  });
  r.expectTrue("fresh results are not greyed", IsWindowEnabled(t.item(kCountsLine)) != 0);
  selectComboEntry(t.mainWindow(), kFormatCombo, 0);
  r.expectTrue("a changed format greys the results", IsWindowEnabled(t.item(kCountsLine)) == 0);
}

// The window grows: the results list takes all the room, the other controls stay.
void checkResize(Report& r, const Target& t) {
  RECT frame, list, adif, done, grown, adifAfter, doneAfter;
  GetWindowRect(t.mainWindow(), &frame);
  GetWindowRect(t.item(kResultsList), &list);
  GetWindowRect(t.item(kAdifButton), &adif);
  GetWindowRect(t.item(IDCANCEL), &done);
  SetWindowPos(t.mainWindow(), nullptr, 0, 0, frame.right - frame.left + 120, frame.bottom - frame.top + 90,
               SWP_NOMOVE | SWP_NOZORDER);
  waitUntil([&] { return GetWindowRect(t.item(kResultsList), &grown) && grown.right - list.right == 120; }, 5000);
  r.expectEqual("a wider and taller window: the results list grows by as much", "120,90",
                std::to_string(grown.right - list.right) + "," + std::to_string(grown.bottom - list.bottom));
  GetWindowRect(t.item(kAdifButton), &adifAfter);
  GetWindowRect(t.item(IDCANCEL), &doneAfter);
  r.expectTrue("the buttons keep their places and sizes", EqualRect(&adif, &adifAfter) && EqualRect(&done, &doneAfter));
  SetWindowPos(t.mainWindow(), nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
               SWP_NOMOVE | SWP_NOZORDER);
}

// The full session. WORK holds neqp.adi, naqp.adi, cwt.adi and fqp.adi; the results lists are saved
// there as *.results and the conversions write *-gui.kvx/.kvn there.
int runMain(const std::string& program, const std::string& work, const std::string& version) {
  Report r;
  checkResources(r, program, version);

  Target t;
  std::string error;
  if (!t.start(program, "", work, kMainCaption, error)) {
    r.fail("program starts", error);
    return r.failures();
  }
  r.pass("program starts and shows \"ADIF to KOLVEX\"");
  checkDefaults(r, t, "at start: ");
  RECT contestField;
  GetWindowRect(t.item(kContestCombo), &contestField);
  r.expectTrue("the contest list opens wider than its field, for its long names",
               SendMessageW(t.item(kContestCombo), CB_GETDROPPEDWIDTH, 0, 0) > contestField.right - contestField.left);
  checkTabOrder(r, t.mainWindow());
  Session s(r, t);

  // The group number field takes digits only when typed.
  setControlText(t.item(kGroupEdit), "");
  for (WPARAM c : {WPARAM('x'), WPARAM('4'), WPARAM('-'), WPARAM('2')}) PostMessageW(t.item(kGroupEdit), WM_CHAR, c, 1);
  waitUntil([&] { return windowTextOf(t.item(kGroupEdit)).size() >= 2; }, 5000);
  r.expectEqual("group number field takes digits only", "42", windowTextOf(t.item(kGroupEdit)));

  s.expectConvertError("Enter on a fresh dialog", "ERROR: Didn't specify input file.", true);
  s.expectConvertError("Convert on a fresh dialog", "ERROR: Didn't specify input file.");
  r.expectLines("a refused Convert leaves the results list empty", {}, listBoxItems(t.item(kResultsList)));

  // A log whose CONTEST_ID names a State QSO Party: choosing it selects the contest and the state.
  s.chooseInput(work + "\\fqp.adi");
  r.expectEqual("a log naming FL-QSO-PARTY selects State QSO Party", kStateQsoParty,
                comboSelection(t.item(kContestCombo)));
  r.expectEqual("a log naming FL-QSO-PARTY selects Florida", kFlorida, comboSelection(t.item(kStateCombo)));

  // First run: State QSO Party, New England QSO Party, KOLVEX6, group number at its limit. The
  // log names no contest: what the earlier log set goes, and the output name follows the log.
  const std::string neqp = work + "\\neqp.adi";
  s.chooseInput(neqp);
  r.expectLines("input list shows the chosen file", {neqp}, listBoxItems(t.item(kInputList)));
  r.expectLines("a second log proposes its own output", {work + "\\neqp.kvx"}, listBoxItems(t.item(kOutputList)));
  r.expectEqual("a log without CONTEST_ID clears the contest", -1, comboSelection(t.item(kContestCombo)));
  r.expectEqual("a log without CONTEST_ID clears the state", "", windowTextOf(t.item(kStateCombo)));
  s.expectConvertError("no contest", kNoContest);
  expectFocus(r, t.mainWindow(), "no contest", kContestCombo);

  // A cancelled browse leaves the input as it was.
  const FileDialogSeen cancelled = clickForFileDialog(t, t.item(kAdifButton), kOpenTitle, "");
  r.expectTrue("cancelled open dialog comes and goes", cancelled.appeared && cancelled.closed);
  r.expectLines("a cancelled browse keeps the input", {neqp}, listBoxItems(t.item(kInputList)));
  s.expectConvertError("no contest after a cancelled browse", kNoContest);

  s.selectCombo(kContestCombo, kStateQsoParty);
  r.expectEqual("contest list shows State QSO Party", kStateQsoParty, comboSelection(t.item(kContestCombo)));
  s.expectConvertError("State QSO Party without a state", "ERROR: Didn't select a state.");
  // The State box means what it shows: a state picked, then typed over.
  s.selectCombo(kStateCombo, kFlorida);
  HWND stateField = FindWindowExW(t.item(kStateCombo), nullptr, L"Edit", nullptr);
  typeText(stateField, "New England");
  s.expectConvertError("a typed text that names no state", "ERROR: Didn't select a state.");
  typeText(stateField, " neqp ");
  s.selectCombo(kFormatCombo, 0);
  s.setGroup("");
  s.expectConvertError("empty group number", "ERROR: Must specify a group number.");
  expectFocus(r, t.mainWindow(), "empty group number", kGroupEdit);
  s.setGroup("254");
  s.expectConvertError("KOLVEX6 group 254", "ERROR: Group number must be between 0-253 inclusive.");
  s.setGroup("253");
  setControlText(t.item(kNoteEdit), "NEQP test");
  s.clickBox("Label", kLabelBox, BST_CHECKED);
  s.clickBox("Exchg/Serial", kExchgSerialBox, BST_CHECKED);
  s.chooseOutput("neqp.kvx", work + "\\neqp-gui.kvx");
  r.expectLines("output list shows the chosen file", {work + "\\neqp-gui.kvx"}, listBoxItems(t.item(kOutputList)));
  const std::vector<std::string> neqpResults =
      s.convert("NEQP run", 6, work + "\\neqp-gui.kvx", work + "\\neqp.results");
  checkKindView(r, t, neqpResults, work + "\\neqp.results");

  // Second run: NAQP, KOLVEX8; the output file proposed for the first input stays.
  const std::string naqp = work + "\\naqp.adi";
  s.chooseInput(naqp);
  r.expectLines("second input replaces the first", {naqp}, listBoxItems(t.item(kInputList)));
  r.expectLines("second input keeps the output file", {work + "\\neqp-gui.kvx"}, listBoxItems(t.item(kOutputList)));
  s.selectCombo(kContestCombo, kNaqp);
  s.selectCombo(kFormatCombo, 1);
  s.setGroup("65534");
  s.expectConvertError("KOLVEX8 group 65534", "ERROR: Group number must be between 0-65533 inclusive.");
  s.setGroup("65533");
  typeText(t.item(kNoteEdit), std::string(35, 'N') + std::string(35, 'Q'));  // 70 characters typed
  r.expectEqual("the note field takes 63 characters", 63,
                static_cast<long long>(windowTextOf(t.item(kNoteEdit)).size()));
  s.clickBox("Upload", kUploadBox, BST_UNCHECKED);
  s.clickBox("Frequency", kFrequencyBox, BST_UNCHECKED);
  s.clickBox("Label", kLabelBox, BST_UNCHECKED);
  s.chooseOutput("neqp-gui.kvx", work + "\\naqp-gui.kvx");
  const std::vector<std::string> naqpResults =
      s.convert("NAQP run", 4, work + "\\naqp-gui.kvx", work + "\\naqp.results");
  r.expectTrue("NAQP run: names line",
               naqpResults.size() > 1 && naqpResults[1].rfind("Wrote ", 0) == 0 &&
                   naqpResults[1].find(" names to " + work + "\\naqp-gui.kvn") != std::string::npos,
               naqpResults.size() > 1 ? naqpResults[1] : "missing");

  // Third run: CW Ops Mini-CWT; the summary list counts the distinct callsigns.
  s.chooseInput(work + "\\cwt.adi");
  s.selectCombo(kContestCombo, kCwOpsMiniCwt);
  s.setGroup("7");
  setControlText(t.item(kNoteEdit), "");
  s.chooseOutput("naqp-gui.kvx", work + "\\cwt-gui.kvx");
  const std::vector<std::string> cwtResults = s.convert("CWT run", 3, work + "\\cwt-gui.kvx", work + "\\cwt.results");
  bool counted = false;
  for (const std::string& line : cwtResults) counted = counted || line == "2 unique callsigns.\n";
  r.expectTrue("CWT run: results show 2 unique callsigns", counted);
  expectResultsCopied(r, "Ctrl+C in the results list", cwtResults, [&] {
    pressKeys(t.mainWindow(), t.item(kResultsList), {VK_CONTROL, 'C'});
  });
  expectResultsCopied(r, "the results list's menu item \"Copy\"", cwtResults, [&] {
    PostMessageW(t.item(kResultsList), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(t.item(kResultsList)), -1);
    waitUntil([] { return IsWindowVisible(FindWindowW(L"#32768", nullptr)) != 0; }, 5000);
    sendKeys({VK_DOWN});
    sendKeys({VK_RETURN});
  });

  checkResize(r, t);

  // The contest's QSOs and a window reach the run: cwt.adi names no contest, so the contest
  // filter is not applied and only the window skips.
  s.clickBox("Only this contest's QSOs", kOnlyContestBox, BST_CHECKED);
  setControlText(t.item(kFromEdit), "2024-01-03 19:02");
  s.chooseOutput("cwt-gui.kvx", work + "\\cwt-window.kvx");
  const std::vector<std::string> skipped =
      s.convert("skipping run", 2, work + "\\cwt-window.kvx", work + "\\skip.results");
  const std::string notApplied = work + "\\cwt.adi: no QSO names a contest, so the contest filter was not applied.";
  for (const std::string& line : {notApplied, std::string("Skipped 1 of 3 QSOs before 2024-01-03 19:02 (UTC).")}) {
    // The summary list's last line carries the blank line that follows it.
    const bool shown = std::find(skipped.begin(), skipped.end(), line) != skipped.end() ||
                       std::find(skipped.begin(), skipped.end(), line + "\n") != skipped.end();
    r.expectTrue("skipping run: " + line, shown);
  }
  s.clickBox("Only this contest's QSOs", kOnlyContestBox, BST_UNCHECKED);
  setControlText(t.item(kFromEdit), "");

  // The about box, twice; the choices are unchanged afterwards.
  checkAboutBox(r, t, version, "first ");
  checkAboutBox(r, t, version, "second ");
  r.expectEqual("contest unchanged after the about box", kCwOpsMiniCwt, comboSelection(t.item(kContestCombo)));
  r.expectEqual("group number unchanged after the about box", "7", windowTextOf(t.item(kGroupEdit)));

  // Help opens the page beside the program with the "open" verb; run.sh made the driver the
  // handler of web pages, so the page's path arrives in help-opened.txt. F1 opens the same
  // page, from the main dialog and from the about box.
  if (!t.running()) {
    r.fail("Help and Done", "the program has ended");
    return r.failures();
  }
  const std::string page = folderOf(program) + "\\adif2kvx-help.html";
  const std::string opened = work + "\\help-opened.txt";
  expectPageOpened(r, t, "Help", opened, page, [&] { PostMessageW(t.item(kHelpButton), BM_CLICK, 0, 0); });
  expectPageOpened(r, t, "F1 in the group number field", opened, page,
                   [&] { pressF1(t.mainWindow(), t.item(kGroupEdit)); });
  PostMessageW(t.mainWindow(), WM_SYSCOMMAND, kAboutCommand, 0);
  HWND about = waitForDialog(
      t.processId(), t.mainWindow(), [](HWND w) { return windowTextOf(w) == "About ADIF to KOLVEX"; }, 20000);
  if (r.expectTrue("about box comes up for F1", about != nullptr)) {
    expectPageOpened(
        r, t, "F1 in the about box", opened, page, [&] { pressF1(about, GetDlgItem(about, IDOK)); }, 2);
    PostMessageW(GetDlgItem(about, IDOK), BM_CLICK, 0, 0);
    r.expectTrue("about box closes after F1", waitGone(about, 10000));
  }

  PostMessageW(t.item(IDCANCEL), BM_CLICK, 0, 0);
  expectExit(r, t, "Done");
  return r.failures();
}

// A copy of the program under another name, without the help page beside it, started with
// arguments it must ignore.
int runRenamed(const std::string& program) {
  Report r;
  Target t;
  std::string error;
  if (!t.start(program, "ignored /arguments", folderOf(program), kMainCaption, error)) {
    r.fail("renamed program starts", error);
    return r.failures();
  }
  r.pass("renamed program starts");
  checkDefaults(r, t, "with arguments: ");
  std::string name = program.substr(program.find_last_of("\\/") + 1);
  name = name.substr(0, name.rfind('.'));
  Session s(r, t);
  s.setCaption(name);
  s.expectConvertError("renamed program, Convert", "ERROR: Didn't specify input file.");
  const MessageBoxSeen help = clickForMessageBox(t, t.item(kHelpButton), 30000);
  r.expectTrue("Help without a page: error box comes up", help.appeared);
  r.expectEqual("Help without a page: message names the page",
                "ERROR:  Could not start web browser.\n" + folderOf(program) + "\\adif2kvx-help.html", help.text);
  r.expectEqual("Help without a page: caption", name, help.caption);
  // Escape in the group number field ends the dialog.
  HWND edit = t.item(kGroupEdit);
  SendMessageW(t.mainWindow(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(edit), TRUE);
  PostMessageW(edit, WM_KEYDOWN, VK_ESCAPE, 0x00010001);
  expectExit(r, t, "Escape");
  return r.failures();
}

int runCloseBox(const std::string& program) {
  Report r;
  Target t;
  std::string error;
  if (!t.start(program, "", folderOf(program), kMainCaption, error)) {
    r.fail("program starts", error);
    return r.failures();
  }
  r.pass("program starts for the close box");
  PostMessageW(t.mainWindow(), WM_SYSCOMMAND, SC_CLOSE, 0);
  expectExit(r, t, "the close box");
  return r.failures();
}

// Converts FOLDER\cwt.adi, the input now, over FOLDER\cwt.kvx, which run.sh made before and no
// run of this program wrote: only a Yes replaces it. Then the input and the import file are
// held open by another program in turn: Convert says so and leaves no file behind.
void checkReplacement(Report& r, Target& t, const std::string& folder) {
  const std::string output = folder + "\\cwt.kvx";
  const std::string before = readFile(output);
  const std::string question = output + " already exists.\nReplace it?";
  MessageBoxSeen asked = clickForMessageBox(t, t.item(IDOK), 20000, IDNO);
  r.expectEqual("an existing output file: the question", question, asked.text);
  r.expectEqual("the question's default button is No", IDNO, asked.defaultButton);
  r.expectTrue("the question shows the warning icon", asked.warningIcon);
  Sleep(500);
  r.expectEqual("No: no other box", 1, static_cast<long long>(processDialogs(t.processId()).size()));
  r.expectTrue("No: the file is as it was", !before.empty() && readFile(output) == before);
  r.expectLines("No: no results", {}, listBoxItems(t.item(kResultsList)));
  asked = clickForMessageBox(t, t.item(IDOK), 20000, IDYES);
  r.expectEqual("asked again", question, asked.text);
  const MessageBoxSeen done = answerMessageBox(t, 60000);
  r.expectEqual("Yes: the file is replaced", "3 QSOs written to " + output, done.text);
  for (const std::string& held : {folder + "\\cwt.adi", output}) {
    HANDLE file = CreateFileW(widen(held).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    r.expectTrue("another program holds " + held, file != INVALID_HANDLE_VALUE);
    const MessageBoxSeen box = clickForMessageBox(t, t.item(IDOK));
    r.expectEqual("held " + held, "ERROR: " + held + " is open in another program; close it there and convert again.",
                  box.text);
    if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
  }
  WIN32_FIND_DATAW found;
  // A run's temporary and kept names, its mark and its record all begin with ".adif2kvx".
  HANDLE search = FindFirstFileW(widen(folder + "\\.adif2kvx*").c_str(), &found);
  r.expectTrue("no kept or temporary file left after the held files", search == INVALID_HANDLE_VALUE);
  if (search != INVALID_HANDLE_VALUE) FindClose(search);
}

// Two starts: the first is centred on its monitor; the choices and the place it is left with
// come back at the second.
int runRemember(const std::string& program) {
  Report r;
  std::string size;  // the size the first start is left with
  {
    Target t;
    std::string error;
    if (!t.start(program, "", folderOf(program), kMainCaption, error)) {
      r.fail("program starts the first time", error);
      return r.failures();
    }
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(t.mainWindow(), MONITOR_DEFAULTTONEAREST), &monitor);
    r.expectTrue("first start: centred on its monitor", centredIn(t.mainWindow(), monitor.rcWork));
    Session s(r, t);
    s.selectCombo(kFormatCombo, 0);
    s.setGroup("12");
    s.clickBox("Upload", kUploadBox, BST_UNCHECKED);
    s.clickBox("Label", kLabelBox, BST_CHECKED);
    s.clickBox("Exchg/Serial", kExchgSerialBox, BST_CHECKED);
    s.clickBox("Frequency", kFrequencyBox, BST_UNCHECKED);
    s.clickBox("Only this contest's QSOs", kOnlyContestBox, BST_CHECKED);
    RECT designed;
    GetWindowRect(t.mainWindow(), &designed);
    size =
        std::to_string(designed.right - designed.left + 60) + "x" + std::to_string(designed.bottom - designed.top + 40);
    SetWindowPos(t.mainWindow(), nullptr, 40, 30, designed.right - designed.left + 60,
                 designed.bottom - designed.top + 40, SWP_NOZORDER);
    PostMessageW(t.item(IDCANCEL), BM_CLICK, 0, 0);
    expectExit(r, t, "Done after the first start");
  }
  Target t;
  std::string error;
  if (!t.start(program, "", folderOf(program), kMainCaption, error)) {
    r.fail("program starts the second time", error);
    return r.failures();
  }
  r.expectEqual("second start: format KOLVEX6", 0, comboSelection(t.item(kFormatCombo)));
  r.expectEqual("second start: group number", "12", windowTextOf(t.item(kGroupEdit)));
  const int boxes[] = {kUploadBox, kLabelBox, kExchgSerialBox, kFrequencyBox, kOnlyContestBox};
  std::vector<std::string> states;
  for (int box : boxes) states.push_back(std::to_string(checkState(t.item(box))));
  r.expectLines("second start: Upload, Label, Exchg/Serial, Frequency, Only this contest's QSOs",
                {"0", "1", "1", "0", "1"}, states);
  r.expectEqual("second start: no contest", -1, comboSelection(t.item(kContestCombo)));
  RECT frame;
  GetWindowRect(t.mainWindow(), &frame);
  r.expectEqual("second start: where and as large as the first was left", "40,30 " + size,
                std::to_string(frame.left) + "," + std::to_string(frame.top) + " " +
                    std::to_string(frame.right - frame.left) + "x" + std::to_string(frame.bottom - frame.top));
  PostMessageW(t.item(IDCANCEL), BM_CLICK, 0, 0);
  expectExit(r, t, "Done after the second start");
  return r.failures();
}

// One whole conversion through the dialog in a folder whose name is not ASCII (cp1252
// "Logs – 2024 € Ünïcødé", cp1251 "Журналы", and "Michał_ログ", which no one ANSI code page
// spells): the log is chosen there, the output is
// proposed beside it, and both files are written there. FOLDER holds naqp.adi and cwt.adi; the
// results list is saved as naqp.results. With `drop` the log comes by drag-and-drop: two files
// dropped onto the dialog, of which the first is taken.
int runInFolder(const std::string& program, const std::string& folder, UINT codePage, bool drop) {
  Report r;
  // The driver runs in the locale the program gets, so its code page is the program's.
  r.expectEqual("ANSI code page", codePage, GetACP());
  Target t;
  std::string error;
  if (!t.start(program, "", folder, kMainCaption, error)) {
    r.fail("program starts in " + folder, error);
    return r.failures();
  }
  r.pass("program starts in " + folder);
  Session s(r, t);
  const std::string input = folder + "\\naqp.adi";
  const std::string output = folder + "\\naqp.kvx";
  const std::string other = folder + "\\cwt.adi";
  if (drop) {
    const LONG exStyle = GetWindowLongW(t.mainWindow(), GWL_EXSTYLE);
    r.expectTrue("the dialog accepts dropped files", (exStyle & WS_EX_ACCEPTFILES) != 0);
    if (r.expectTrue("two files dropped onto the dialog",
                     dropFilesOnto(t.process(), t.mainWindow(), {input, other}, error), error)) {
      waitUntil([&] { return !listBoxItems(t.item(kInputList)).empty(); }, 10000);
    }
    r.expectEqual("no file dialog after the drop", 1, static_cast<long long>(processDialogs(t.processId()).size()));
  } else {
    s.chooseInput(input);
  }
  r.expectLines("input list shows the log in " + folder, {input}, listBoxItems(t.item(kInputList)));
  r.expectLines("output list shows the proposed file in " + folder, {output}, listBoxItems(t.item(kOutputList)));
  s.selectCombo(kContestCombo, kNaqp);
  const std::vector<std::string> results = s.convert("conversion in " + folder, 4, output, folder + "\\naqp.results");
  r.expectTrue("results name the names file in " + folder,
               results.size() > 1 && results[1].rfind("Wrote ", 0) == 0 &&
                   results[1].find(" names to " + folder + "\\naqp.kvn") != std::string::npos,
               results.size() > 1 ? results[1] : "missing");
  r.expectTrue("import file written in " + folder, fileExists(output));
  r.expectTrue("names file written in " + folder, fileExists(folder + "\\naqp.kvn"));
  // The run's new files are named after their targets; none may be left beside them.
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW(widen(folder + "\\naqp.kv?.*-*").c_str(), &found);
  r.expectTrue("no temporary file left in " + folder, search == INVALID_HANDLE_VALUE);
  if (search != INVALID_HANDLE_VALUE) FindClose(search);
  if (drop) {
    // A later drop replaces the input and proposes its own output, as a second browse does.
    if (r.expectTrue("a second file dropped", dropFilesOnto(t.process(), t.mainWindow(), {other}, error), error)) {
      waitUntil([&] { return listBoxItems(t.item(kInputList)) == std::vector<std::string>{other}; }, 10000);
    }
    r.expectLines("the second drop replaces the input", {other}, listBoxItems(t.item(kInputList)));
    r.expectLines("the second drop proposes its own output", {folder + "\\cwt.kvx"}, listBoxItems(t.item(kOutputList)));
    s.selectCombo(kContestCombo, kCwOpsMiniCwt);
    checkReplacement(r, t, folder);
  }
  PostMessageW(t.item(IDCANCEL), BM_CLICK, 0, 0);
  expectExit(r, t, "Done");
  return r.failures();
}

// Milliseconds from a click on Convert until the end-of-run box, which comes after the results
// list is filled; -1 when no box came.
long long timedConvert(Report& r, const Target& t, const std::string& name) {
  LARGE_INTEGER start, end, frequency;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&start);
  const MessageBoxSeen box = clickForMessageBox(t, t.item(IDOK), 300000);
  QueryPerformanceCounter(&end);
  if (!r.expectTrue(name + ": end-of-run box comes up", box.appeared)) return -1;
  const long long ms = (end.QuadPart - start.QuadPart) * 1000 / frequency.QuadPart;
  std::printf("     %s: %lld ms from Convert to the end-of-run box\n", name.c_str(), ms);
  return ms;
}

// A log of 15,000 QSOs with a zone and no serial number, converted once as CQ WW (a results
// list of 4 lines) and once as CQ WPX (a warning for every QSO): the difference of the two
// times is what filling the list with 15,000 lines costs. Its file name is long enough that the
// first results line needs the horizontal scroll bar.
int runFill(const std::string& program, const std::string& work) {
  Report r;
  const std::string log = work + "\\fill-a-log-of-15000-qsos-whose-name-makes-the-first-results-line-long.adi";
  std::string text = "<EOH>\n";
  for (int i = 0; i < 15000; ++i) {
    char record[128];
    std::snprintf(record, sizeof record,
                  "<CALL:6>K%05d<QSO_DATE:8>20240101<TIME_ON:4>%02d%02d<BAND:3>20M<MODE:2>CW<CQZ:1>5<EOR>\n", i,
                  i / 60 % 24, i % 60);
    text += record;
  }
  Target t;
  std::string error;
  if (!r.expectTrue("fill log written", writeFile(log, text)) || !t.start(program, "", work, kMainCaption, error)) {
    r.fail("program starts for the fill", error);
    return r.failures();
  }
  Session s(r, t);
  s.chooseInput(log);
  s.selectCombo(kContestCombo, static_cast<int>(ContestKind::CqWw));
  const long long few = timedConvert(r, t, "a few results lines");
  s.selectCombo(kContestCombo, static_cast<int>(ContestKind::CqWpx));
  const long long many = timedConvert(r, t, "15,005 results lines");
  HWND results = t.item(kResultsList);
  r.expectEqual("the results list holds 15,005 lines", 15005, SendMessageW(results, LB_GETCOUNT, 0, 0));
  r.expectTrue("filling 15,000 results lines takes under a second", few >= 0 && many >= 0 && many - few < 1000,
               std::to_string(many - few) + " ms");
  RECT client;
  GetClientRect(results, &client);
  r.expectTrue("the results list scrolls sideways to its longest line",
               (GetWindowLongW(results, GWL_STYLE) & WS_HSCROLL) != 0 &&
                   SendMessageW(results, LB_GETHORIZONTALEXTENT, 0, 0) > client.right);
  PostMessageW(t.item(IDCANCEL), BM_CLICK, 0, 0);
  expectExit(r, t, "Done");
  return r.failures();
}

// Converts the NEQP log, or WORK\LOG as contest CONTEST in a larger window, shows the results
// by kind and keeps the dialog open until RELEASE exists, for a screenshot.
int runPose(const std::string& program, const std::string& work, const std::string& ready, const std::string& release,
            const std::string& log, int contest) {
  Report r;
  Target t;
  std::string error;
  if (!t.start(program, "", work, kMainCaption, error)) {
    r.fail("program starts", error);
    return r.failures();
  }
  Session s(r, t);
  RECT frame;
  if (log.empty()) {
    s.chooseInput(work + "\\neqp.adi");
    s.selectCombo(kContestCombo, kStateQsoParty);
    s.selectCombo(kStateCombo, kNewEnglandQsoParty);
    s.setGroup("12");
    setControlText(t.item(kNoteEdit), "NEQP 2024");
    s.convert("screenshot run", 6, work + "\\neqp.kvx", work + "\\pose.results");
  } else {
    s.chooseInput(work + "\\" + log);
    s.selectCombo(kContestCombo, contest);
    GetWindowRect(t.mainWindow(), &frame);
    SetWindowPos(t.mainWindow(), nullptr, 0, 0, frame.right - frame.left + 320, frame.bottom - frame.top + 60,
                 SWP_NOMOVE | SWP_NOZORDER);
    clickForMessageBox(t, t.item(IDOK), 120000);
  }
  s.selectCombo(kViewCombo, 1);
  GetWindowRect(t.mainWindow(), &frame);
  writeFile(ready, std::to_string(frame.left) + ' ' + std::to_string(frame.top) + ' ' +
                       std::to_string(frame.right - frame.left) + ' ' + std::to_string(frame.bottom - frame.top) +
                       '\n');
  waitUntil([&] { return fileExists(release); }, 120000);
  PostMessageW(t.item(IDCANCEL), BM_CLICK, 0, 0);
  expectExit(r, t, "Done");
  return r.failures();
}

int recordOpen(const std::string& file, const std::string& argument) {
  return writeFile(file, argument + '\n') ? 0 : 1;
}

int usage() {
  std::fprintf(stderr,
               "usage: wine_driver main PROGRAM WORK VERSION | renamed PROGRAM | closebox PROGRAM |\n"
               "       remember PROGRAM |\n"
               "       folder PROGRAM FOLDER CODE_PAGE browse|drop | fill PROGRAM WORK |\n"
               "       pose PROGRAM WORK READY RELEASE [LOG CONTEST] |\n"
               "       record-open FILE ARG\n");
  return 100;
}

}  // namespace

int main() {
  // The arguments as UTF-16 turned UTF-8: a folder name reaches the driver whole, whatever the
  // ANSI code page (the narrow argv holds only what that code page can spell).
  const std::vector<std::string> args = commandLineArguments();
  if (args.empty()) return usage();
  const std::string& mode = args[0];
  int failures = 0;
  if (mode == "main" && args.size() == 4) {
    failures = runMain(args[1], args[2], args[3]);
  } else if (mode == "renamed" && args.size() == 2) {
    failures = runRenamed(args[1]);
  } else if (mode == "remember" && args.size() == 2) {
    failures = runRemember(args[1]);
  } else if (mode == "closebox" && args.size() == 2) {
    failures = runCloseBox(args[1]);
  } else if (mode == "folder" && args.size() == 5 && (args[4] == "browse" || args[4] == "drop")) {
    failures = runInFolder(args[1], args[2], static_cast<UINT>(std::stoul(args[3])), args[4] == "drop");
  } else if (mode == "fill" && args.size() == 3) {
    failures = runFill(args[1], args[2]);
  } else if (mode == "pose" && (args.size() == 5 || args.size() == 7)) {
    failures = runPose(args[1], args[2], args[3], args[4], args.size() == 7 ? args[5] : std::string(),
                       args.size() == 7 ? std::stoi(args[6]) : 0);
  } else if (mode == "record-open" && args.size() == 3) {
    return recordOpen(args[1], args[2]);
  } else {
    return usage();
  }
  std::printf("%s: %d failed\n", mode.c_str(), failures);
  return failures > 99 ? 99 : failures;
}
