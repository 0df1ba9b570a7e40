#include "ui/dialog_controls.h"

#include <iterator>

#include "core/import_format.h"
#include "ui/control_ids.h"

namespace {

constexpr DialogControl checkBox(int id, bool DialogState::*flag, const char* setting) {
  return {id, ControlKind::CheckBox, flag, nullptr, nullptr, setting, 0, true};
}

constexpr DialogControl textControl(int id, ControlKind kind, std::string DialogState::*text, const char* setting,
                                    bool changesRun) {
  return {id, kind, nullptr, nullptr, text, setting, 0, changesRun};
}

constexpr DialogControl list(int id, int DialogState::*index, const char* setting, int32_t choices, bool changesRun) {
  return {id, ControlKind::DropDownList, nullptr, index, nullptr, setting, choices, changesRun};
}

const DialogControl kDialogControls[] = {
    list(IDC_FORMAT, &DialogState::format, "Format", kImportFormatCount, true),
    list(IDC_CONTEST, &DialogState::contest, nullptr, 0, true),
    textControl(IDC_STATE, ControlKind::EditableCombo, &DialogState::state, nullptr, true),
    textControl(IDC_GROUP_NUMBER, ControlKind::Edit, &DialogState::groupNumber, "GroupNumber", true),
    checkBox(IDC_UPLOAD, &DialogState::upload, "Upload"),
    checkBox(IDC_EXCHG_SERIAL, &DialogState::exchgSerial, "ExchgSerial"),
    // The note is no choice the results speak of.
    textControl(IDC_QSO_NOTE, ControlKind::Edit, &DialogState::note, nullptr, false),
    checkBox(IDC_LABEL, &DialogState::label, "Label"),
    checkBox(IDC_FREQUENCY, &DialogState::frequency, "Frequency"),
    checkBox(IDC_ONLY_CONTEST, &DialogState::onlyContest, "OnlyContest"),
    textControl(IDC_FROM_UTC, ControlKind::Edit, &DialogState::from, nullptr, true),
    textControl(IDC_TO_UTC, ControlKind::Edit, &DialogState::to, nullptr, true),
    list(IDC_VIEW, &DialogState::view, nullptr, 0, false),
};

}  // namespace

DialogControlRows dialogControls() { return {std::begin(kDialogControls), std::end(kDialogControls)}; }

const DialogControl* dialogControl(int id) {
  for (const DialogControl& control : kDialogControls) {
    if (control.id == id) return &control;
  }
  return nullptr;
}
