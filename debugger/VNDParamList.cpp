#include "debugger/VNDParamList.h"

#include "resources/DebuggerResources.h"
#include "scenario/VNParamFile.h"

using namespace platform;
namespace id = resources::debug_id;

namespace {

// The value field's buffer holds 1023 characters.
constexpr int kValueLimit = 1023;

} // namespace

VNString ParamListLine(const VNString& name, int32_t value) {
    return name + VNString(u8"　") + VNString(value);
}

void VNDParamList::Run(const VNString& caption, WindowHandle owner) {
    ShowModal(caption, "IDD_PARAMLIST", owner);
}

bool VNDParamList::OnInit() {
    for (int32_t n = 0; n < table_.GetCount(); ++n) {
        Controls().ListAdd(id::List, ParamListLine(table_.GetName(n), table_.GetValue(n)));
    }
    return true;
}

void VNDParamList::OnCommand(WPARAM wParam, LPARAM /*lParam*/) {
    switch (LowWord(wParam)) {
    case id::SetValue:
        SetSelectedValue();
        break;
    case id::Return:
    case resources::IDCANCEL:
        EndDialog(0);
        break;
    default:
        break;
    }
}

void VNDParamList::SetSelectedValue() {
    DialogHost& c = Controls();
    const int selection = c.ListGetSelection(id::List);
    if (selection < 0 || selection >= table_.GetCount()) {
        return;
    }
    VNDSetValue dialog(table_.GetValue(selection));
    if (!dialog.Run(Handle())) {
        return;
    }
    table_.SetValue(selection, dialog.Value());
    c.ListDelete(id::List, selection);
    c.ListInsert(id::List, selection, ParamListLine(table_.GetName(selection), dialog.Value()));
    c.SetFocus(id::List);
    c.ListSetSelection(id::List, selection);
}

bool VNDSetValue::Run(WindowHandle owner) {
    return ShowModal(VNString(u8"値の設定"), "IDD_SETVALUE", owner) == 1;
}

bool VNDSetValue::OnInit() {
    Controls().SetTextLimit(id::Value, kValueLimit);
    Controls().SetText(id::Value, VNString(value_));
    return true;
}

void VNDSetValue::OnCommand(WPARAM wParam, LPARAM /*lParam*/) {
    switch (LowWord(wParam)) {
    case resources::IDOK: {
        const VNString text = Controls().GetText(id::Value);
        if (text.IsEmpty()) {
            EndDialog(0); // an empty field changes nothing
            return;
        }
        value_ = text.ToInt();
        EndDialog(1);
        break;
    }
    case resources::IDCANCEL:
        EndDialog(0);
        break;
    default:
        break;
    }
}
