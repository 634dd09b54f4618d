#include "parameditor/TextInputDialog.h"

#include "resources/Resource.h"

namespace {

// The field holds up to 64 KiB less the terminator.
constexpr int kFieldLimit = 65535;

} // namespace

bool VNDTextInput::Run(const VNString& caption, const std::string& templateName, int fieldId,
                       const VNString& initial, platform::WindowHandle owner, VNString& text) {
    fieldId_ = fieldId;
    text_ = initial;
    fits_ = true;
    if (ShowModal(caption, templateName, owner) != 1)
        return false;
    text = text_;
    return true;
}

bool VNDTextInput::OnInit() {
    Controls().SetTextLimit(fieldId_, kFieldLimit);
    Controls().SetText(fieldId_, text_);
    Controls().SetFocus(fieldId_);
    return true;
}

void VNDTextInput::OnCommand(platform::WPARAM wParam, platform::LPARAM lParam) {
    if (platform::LowWord(wParam) == resources::IDOK) {
        text_ = Controls().GetText(fieldId_);
        fits_ = Controls().TextFitsShiftJis(fieldId_);
    }
    VNDialog::OnCommand(wParam, lParam);
}
