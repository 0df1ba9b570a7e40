#include "tests/wine/resource_checks.h"

#include <cstring>
#include <string>
#include <vector>

namespace {

const WORD kUsEnglish = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);

// Predefined window classes as a dialog template names them by ordinal.
constexpr WORD kButtonClass = 0x0080;    // "Button"
constexpr WORD kEditClass = 0x0081;      // "Edit"
constexpr WORD kStaticClass = 0x0082;    // "Static"
constexpr WORD kListBoxClass = 0x0083;   // "ListBox"
constexpr WORD kComboBoxClass = 0x0085;  // "ComboBox"

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;  // every control is a visible child

// One control of a dialog template as the program must have it.
struct ControlSpec {
  int id;              // control id; -1 for none
  WORD windowClass;    // predefined class ordinal
  const char* text;    // text; nullptr for the icon of the about box (ordinal 128)
  DWORD style;         // complete style
  short x, y, cx, cy;  // position and size in dialog units
};

// The main dialog's controls in template (= tab) order; each label just before its field.
const DWORD kPathList =
    kChild | WS_BORDER | LBS_NOSEL | LBS_NOINTEGRALHEIGHT | LBS_SORT | LBS_NOTIFY | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS;
const DWORD kBox = kChild | BS_AUTOCHECKBOX | WS_TABSTOP | WS_GROUP;
const DWORD kLabel = kChild | SS_LEFT | WS_GROUP;
const ControlSpec kMainControls[] = {
    {1000, kListBoxClass, "", kPathList, 12, 12, 150, 12},
    {1005, kButtonClass, "&ADIF", kChild | BS_PUSHBUTTON | WS_TABSTOP, 174, 12, 50, 12},
    {1001, kListBoxClass, "", kPathList, 12, 36, 150, 12},
    {1006, kButtonClass, "&KOLVEX", kChild | BS_PUSHBUTTON | WS_TABSTOP, 174, 36, 50, 12},
    {1021, kStaticClass, "Fo&rmat", kLabel, 174, 62, 30, 8},
    {1019, kComboBoxClass, "", kChild | CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 12, 60, 150, 50},
    {1007, kStaticClass, "Co&ntest", kLabel, 120, 86, 30, 8},
    {1002, kComboBoxClass, "", kChild | CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 12, 84, 102, 80},
    {1020, kStaticClass, "&State", kLabel, 246, 86, 24, 8},
    {1018, kComboBoxClass, "", kChild | CBS_DROPDOWN | WS_VSCROLL | WS_TABSTOP, 174, 84, 66, 80},
    {1008, kStaticClass, "&Group Number", kLabel, 120, 110, 50, 8},
    {1010, kEditClass, "", kChild | WS_BORDER | WS_TABSTOP | ES_NUMBER | ES_AUTOHSCROLL, 12, 108, 102, 12},
    {1013, kButtonClass, "&Upload", kBox, 186, 109, 46, 10},
    {1015, kButtonClass, "&Exchg/Serial", kBox, 246, 109, 64, 10},
    {1009, kStaticClass, "&QSO Note", kLabel, 120, 134, 40, 8},
    {1011, kEditClass, "", kChild | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, 12, 132, 102, 12},
    {1014, kButtonClass, "&Label", kBox, 186, 133, 46, 10},
    {1017, kButtonClass, "&Frequency", kBox, 246, 133, 64, 10},
    {1022, kButtonClass, "&Only this contest's QSOs", kBox, 12, 157, 100, 10},
    {1023, kStaticClass, "Fro&m (UTC)", kLabel, 116, 158, 42, 8},
    {1024, kEditClass, "", kChild | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, 158, 156, 68, 12},
    {1025, kStaticClass, "&To (UTC)", kLabel, 232, 158, 34, 8},
    {1026, kEditClass, "", kChild | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, 266, 156, 72, 12},
    {1027, kStaticClass, "", kChild | SS_LEFTNOWORDWRAP | SS_NOPREFIX | WS_GROUP, 12, 182, 200, 8},
    {1028, kStaticClass, "&View", kLabel, 228, 182, 22, 8},
    {1029, kComboBoxClass, "", kChild | CBS_DROPDOWNLIST | WS_VSCROLL, 252, 180, 86, 60},
    {1012, kListBoxClass, "",
     kChild | WS_BORDER | WS_VSCROLL | WS_HSCROLL | WS_GROUP | WS_TABSTOP | LBS_EXTENDEDSEL | LBS_NOINTEGRALHEIGHT |
         LBS_NOTIFY,
     12, 196, 326, 120},
    {1, kButtonClass, "&Convert", kChild | BS_DEFPUSHBUTTON | WS_TABSTOP | WS_GROUP, 288, 12, 50, 12},
    {1016, kButtonClass, "&Help", kChild | BS_PUSHBUTTON | WS_TABSTOP, 288, 36, 50, 12},
    {2, kButtonClass, "&Done", kChild | BS_PUSHBUTTON | WS_TABSTOP, 288, 60, 50, 12},
};

// A reader over an extended dialog template.
class TemplateReader {
 public:
  TemplateReader(const BYTE* data, DWORD size) : data_(data), size_(size) {}
  bool ok() const { return ok_; }
  WORD word() {
    WORD value = 0;
    take(&value, sizeof value);
    return value;
  }
  DWORD dword() {
    DWORD value = 0;
    take(&value, sizeof value);
    return value;
  }
  short coordinate() { return static_cast<short>(word()); }
  BYTE byte() {
    BYTE value = 0;
    take(&value, sizeof value);
    return value;
  }
  // A name-or-ordinal field: "" for none, "#n" for an ordinal, otherwise the text.
  std::string nameOrOrdinal() {
    const WORD first = word();
    if (first == 0x0000) return std::string();
    if (first == 0xFFFF) return "#" + std::to_string(word());
    std::wstring text(1, static_cast<wchar_t>(first));
    return narrow(text + wideText());
  }
  std::string text() { return narrow(wideText()); }
  void alignTo(size_t boundary) { position_ = (position_ + boundary - 1) / boundary * boundary; }
  void skip(size_t count) { position_ += count; }

 private:
  std::wstring wideText() {
    std::wstring text;
    for (WORD c = word(); ok_ && c != 0; c = word()) text.push_back(static_cast<wchar_t>(c));
    return text;
  }
  void take(void* out, size_t count) {
    if (position_ + count > size_) {
      ok_ = false;
      return;
    }
    std::memcpy(out, data_ + position_, count);
    position_ += count;
  }

  const BYTE* data_;
  DWORD size_;
  size_t position_ = 0;
  bool ok_ = true;
};

// The bytes of a resource in US English; nullptr when there is none.
const BYTE* resourceBytes(HMODULE module, LPCWSTR type, LPCWSTR name, DWORD& size) {
  HRSRC found = FindResourceExW(module, type, name, kUsEnglish);
  if (found == nullptr) return nullptr;
  HGLOBAL loaded = LoadResource(module, found);
  size = SizeofResource(module, found);
  return loaded != nullptr ? static_cast<const BYTE*>(LockResource(loaded)) : nullptr;
}

void checkDialog(Report& report, HMODULE module, int id, const std::string& caption, DWORD style, DWORD exStyle,
                 short cx, short cy, const ControlSpec* controls, size_t controlCount) {
  const std::string name = "dialog " + std::to_string(id);
  DWORD size = 0;
  const BYTE* bytes = resourceBytes(module, MAKEINTRESOURCEW(5), MAKEINTRESOURCEW(id), size);
  if (!report.expectTrue(name + " exists in US English", bytes != nullptr)) return;
  TemplateReader in(bytes, size);
  const WORD version = in.word();
  const WORD signature = in.word();
  if (!report.expectTrue(name + " is an extended template", version == 1 && signature == 0xFFFF)) return;
  in.dword();  // help id
  report.expectEqual(name + " extended style", exStyle, in.dword());
  report.expectEqual(name + " style", style, in.dword());
  const WORD count = in.word();
  report.expectEqual(name + " control count", static_cast<long long>(controlCount), count);
  const short x = in.coordinate(), y = in.coordinate();
  const short width = in.coordinate(), height = in.coordinate();
  report.expectEqual(
      name + " position and size", "0,0," + std::to_string(cx) + "," + std::to_string(cy),
      std::to_string(x) + "," + std::to_string(y) + "," + std::to_string(width) + "," + std::to_string(height));
  report.expectEqual(name + " has no menu", "", in.nameOrOrdinal());
  report.expectEqual(name + " has the dialog class", "", in.nameOrOrdinal());
  report.expectEqual(name + " caption", caption, in.text());
  const WORD points = in.word();
  in.word();  // weight
  in.byte();  // italic
  in.byte();  // character set
  report.expectEqual(name + " font", "8 MS Shell Dlg", std::to_string(points) + " " + in.text());

  for (size_t i = 0; i < count && i < controlCount && in.ok(); ++i) {
    const ControlSpec& want = controls[i];
    const std::string item = name + " control " + std::to_string(i + 1) + " (id " + std::to_string(want.id) + ")";
    in.alignTo(4);
    in.dword();  // help id
    const DWORD itemExStyle = in.dword();
    const DWORD itemStyle = in.dword();
    const short ix = in.coordinate(), iy = in.coordinate(), icx = in.coordinate(), icy = in.coordinate();
    const int itemId = static_cast<int>(static_cast<LONG>(in.dword()));
    const std::string itemClass = in.nameOrOrdinal();
    const std::string itemText = in.nameOrOrdinal();
    const WORD extra = in.word();
    in.skip(extra);

    report.expectEqual(item + " id", want.id, itemId == 0xFFFF ? -1 : itemId);
    report.expectEqual(item + " class", "#" + std::to_string(want.windowClass), itemClass);
    report.expectEqual(item + " style", want.style, itemStyle);
    report.expectEqual(item + " extended style", 0, itemExStyle);
    report.expectEqual(
        item + " position",
        std::to_string(want.x) + "," + std::to_string(want.y) + "," + std::to_string(want.cx) + "," +
            std::to_string(want.cy),
        std::to_string(ix) + "," + std::to_string(iy) + "," + std::to_string(icx) + "," + std::to_string(icy));
    if (want.text == nullptr) {
      report.expectEqual(item + " icon", "#128", itemText);
    } else if (std::strcmp(want.text, "*") == 0) {
      report.expectTrue(item + " text", !itemText.empty(), "empty");
    } else {
      report.expectEqual(item + " text", want.text, itemText);
    }
  }
  report.expectTrue(name + " template is complete", in.ok(), "the template ends early");
}

// No two of the main dialog's controls share a mnemonic.
void checkMnemonics(Report& report) {
  std::string letters;
  for (const ControlSpec& control : kMainControls) {
    const char* amp = control.text != nullptr ? std::strchr(control.text, '&') : nullptr;
    if (amp == nullptr) continue;
    const char letter = static_cast<char>(amp[1] | 0x20);
    report.expectTrue(std::string("mnemonic ") + letter + " used once", letters.find(letter) == std::string::npos,
                      control.text);
    letters += letter;
  }
}

void checkIcon(Report& report, HMODULE module) {
  DWORD size = 0;
  const BYTE* bytes = resourceBytes(module, MAKEINTRESOURCEW(14), MAKEINTRESOURCEW(128), size);
  if (!report.expectTrue("icon 128 exists in US English", bytes != nullptr && size >= 6)) return;
  TemplateReader in(bytes, size);
  in.word();  // reserved
  report.expectEqual("icon 128 is an icon group", 1, in.word());
  const WORD count = in.word();
  std::vector<std::string> images;
  for (WORD i = 0; i < count && in.ok(); ++i) {
    const BYTE width = in.byte(), height = in.byte(), colours = in.byte();
    in.byte();  // reserved
    in.word();  // planes
    const WORD bits = in.word();
    in.dword();  // bytes
    in.word();   // image id
    images.push_back(std::to_string(width) + "x" + std::to_string(height) + " " + std::to_string(colours) +
                     " colours " + std::to_string(bits) + " bits");
  }
  // The 256-pixel image stores its size as 0.
  report.expectLines("icon 128 images",
                     {"16x16 0 colours 32 bits", "24x24 0 colours 32 bits", "32x32 0 colours 32 bits",
                      "48x48 0 colours 32 bits", "0x0 0 colours 32 bits"},
                     images);
}

void checkManifests(Report& report, HMODULE module) {
  DWORD size = 0;
  const BYTE* bytes = resourceBytes(module, MAKEINTRESOURCEW(24), MAKEINTRESOURCEW(1), size);
  if (report.expectTrue("manifest 1 exists in US English", bytes != nullptr)) {
    const std::string text(reinterpret_cast<const char*>(bytes), size);
    for (const char* part : {
             "name=\"Microsoft.Windows.Common-Controls\"", "version=\"6.0.0.0\"",
             ">PerMonitorV2, System</dpiAwareness>", ">true</dpiAware>", "level=\"asInvoker\"",
             "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}",  // Windows 7
             "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}",  // Windows 8
             "{1f676c76-80e1-4239-95bb-83d0f6d0da78}",  // Windows 8.1
             "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}",  // Windows 10 and 11
         }) {
      report.expectTrue(std::string("manifest 1 holds ") + part, text.find(part) != std::string::npos, text);
    }
  }
  report.expectTrue("no manifest 1024",
                    resourceBytes(module, MAKEINTRESOURCEW(24), MAKEINTRESOURCEW(1024), size) == nullptr);
}

// The four numbers of a version text in the layout of the version record's fixed part.
long long versionNumber(const std::string& version) {
  long long number = 0;
  size_t start = 0;
  for (int part = 0; part < 4; ++part) {
    const size_t end = version.find('.', start);
    const std::string digits = version.substr(start, end == std::string::npos ? std::string::npos : end - start);
    number = (number << 16) | (digits.empty() ? 0 : std::stoll(digits));
    start = end == std::string::npos ? version.size() : end + 1;
  }
  return number;
}

void checkVersion(Report& report, const std::string& program, const std::string& version) {
  const std::wstring path = widen(program);
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeW(path.c_str(), &ignored);
  if (!report.expectTrue("version record exists", size > 0)) return;
  std::vector<BYTE> data(size);
  if (!GetFileVersionInfoW(path.c_str(), 0, size, data.data())) {
    report.fail("version record readable", "GetFileVersionInfo failed");
    return;
  }
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  if (report.expectTrue("version record has its fixed part",
                        VerQueryValueW(data.data(), L"\\", reinterpret_cast<void**>(&fixed), &length) && fixed)) {
    report.expectEqual("file version", versionNumber(version),
                       (static_cast<long long>(fixed->dwFileVersionMS) << 32) | fixed->dwFileVersionLS);
    report.expectEqual("product version", versionNumber(version),
                       (static_cast<long long>(fixed->dwProductVersionMS) << 32) | fixed->dwProductVersionLS);
    report.expectEqual("file type is an application", VFT_APP, fixed->dwFileType);
    report.expectEqual("operating system is 32-bit Windows", VOS__WINDOWS32, fixed->dwFileOS);
  }
  WORD* translation = nullptr;
  if (report.expectTrue(
          "version record has a translation",
          VerQueryValueW(data.data(), L"\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation), &length) &&
              length >= 4)) {
    report.expectEqual("translation is US English, code page 1252", 0x040904E4LL,
                       (static_cast<long long>(translation[0]) << 16) | translation[1]);
  }
  const struct {
    const wchar_t* key;  // string name
    const char* value;   // its text; "*" = any non-empty text
  } strings[] = {
      {L"FileVersion", version.c_str()},
      {L"ProductVersion", version.c_str()},
      {L"FileDescription", "Convert ADIF to KOLVEX KVX"},
      {L"ProductName", "ADIF to KOLVEX"},
      {L"InternalName", "adif2kvx.exe"},
      {L"OriginalFilename", "adif2kvx.exe"},
      {L"CompanyName", "*"},
      {L"LegalCopyright", "*"},
  };
  for (const auto& entry : strings) {
    const std::wstring query = std::wstring(L"\\StringFileInfo\\040904e4\\") + entry.key;
    wchar_t* value = nullptr;
    std::string got;
    if (VerQueryValueW(data.data(), query.c_str(), reinterpret_cast<void**>(&value), &length) && value) {
      got = narrow(value);
    }
    const std::string name = "version string " + narrow(entry.key);
    if (std::strcmp(entry.value, "*") == 0) {
      report.expectTrue(name, !got.empty(), "missing");
    } else {
      report.expectEqual(name, entry.value, got);
    }
  }
}

}  // namespace

std::string shortVersion(const std::string& version) {
  const size_t first = version.find('.');
  return first == std::string::npos ? version : version.substr(0, version.find('.', first + 1));
}

void checkResources(Report& report, const std::string& program, const std::string& version) {
  HMODULE module = LoadLibraryExW(widen(program).c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  if (!report.expectTrue("program file loads as data", module != nullptr)) return;

  const DWORD dialogFrame = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT | DS_FIXEDSYS;
  // The main dialog can be resized and maximised; its designed size is its smallest.
  checkDialog(report, module, 102, "ADIF to KOLVEX",
              dialogFrame | WS_VISIBLE | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME, WS_EX_APPWINDOW, 350, 327,
              kMainControls, sizeof kMainControls / sizeof kMainControls[0]);
  checkMnemonics(report);
  // The about box's controls; the second line's wording is ours, so only its presence counts.
  const std::string aboutText = "ADIF to KOLVEX Version " + shortVersion(version);
  const ControlSpec aboutControls[] = {
      {-1, kStaticClass, nullptr, kChild | SS_ICON, 11, 17, 20, 20},
      {-1, kStaticClass, aboutText.c_str(), kChild | SS_NOPREFIX | WS_GROUP, 42, 18, 119, 8},
      {-1, kStaticClass, "*", kChild | WS_GROUP, 42, 30, 119, 8},
      {1, kButtonClass, "OK", kChild | BS_DEFPUSHBUTTON | WS_GROUP | WS_TABSTOP, 178, 7, 50, 16},
  };
  checkDialog(report, module, 100, "About ADIF to KOLVEX", dialogFrame, 0, 235, 55, aboutControls,
              sizeof aboutControls / sizeof aboutControls[0]);

  DWORD size = 0;
  report.expectTrue("string 101 exists in US English",
                    resourceBytes(module, MAKEINTRESOURCEW(6), MAKEINTRESOURCEW(101 / 16 + 1), size) != nullptr);
  wchar_t about[128] = {};
  LoadStringW(module, 101, about, 128);
  report.expectEqual("string 101", "&About ADIF to KOLVEX...", narrow(about));

  checkIcon(report, module);
  checkManifests(report, module);
  FreeLibrary(module);
  checkVersion(report, program, version);
}
