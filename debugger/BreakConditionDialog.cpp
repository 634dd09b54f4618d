#include "debugger/BreakConditionDialog.h"

#include "resources/BreakpointResources.h"

using namespace platform;
namespace id = resources::break_id;

namespace {

// Combo lines in the order of BreakCondition::Compare, from 1.
const char8_t* const kCompares[] = {u8"の値が次の値以外", u8"の値が次の値"};
// "-2147483648" at most.
constexpr int kValueLimit = 11;

} // namespace

bool BreakConditionDialog::Run(WindowHandle owner) {
    return ShowModal(VNString(u8"ブレークポイントの条件"), "IDD_BREAKCONDITION", owner) == 1;
}

bool BreakConditionDialog::OnInit() {
    DialogHost& c = Controls();
    for (const char8_t* text : kCompares) {
        c.ComboAdd(id::Compare, VNString(text));
    }
    const BreakCondition shown = condition_.value_or(BreakCondition());
    c.SetText(id::Param, shown.param);
    c.ComboSetSelection(id::Compare, static_cast<int>(shown.compare) - 1);
    c.SetTextLimit(id::Value, kValueLimit);
    c.SetText(id::Value, VNString(shown.value));
    return true;
}

void BreakConditionDialog::OnCommand(WPARAM wParam, LPARAM /*lParam*/) {
    switch (LowWord(wParam)) {
    case resources::IDOK: {
        DialogHost& c = Controls();
        const VNString param = c.GetText(id::Param);
        if (param.IsEmpty()) {
            condition_.reset();
        } else {
            BreakCondition condition;
            condition.param = param;
            condition.compare = c.ComboGetSelection(id::Compare) == 1
                                    ? BreakCondition::Compare::Equal
                                    : BreakCondition::Compare::NotEqual;
            condition.value = c.GetText(id::Value).ToInt();
            condition_ = condition;
        }
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
