#include "eventeditor/FindDialog.h"

#include "resources/EventEditorResources.h"

namespace id = resources::find_text;

namespace {

// As long as the longest texts of an event file that anyone looks for.
constexpr int kTextLimit = 255;

} // namespace

FindDialog::Direction FindDialog::Run(VNString& text, platform::WindowHandle owner) {
    text_ = text;
    direction_ = Direction::None;
    ShowModal(VNString(), "IDD_FIND", owner);
    if (direction_ != Direction::None)
        text = text_;
    return direction_;
}

bool FindDialog::OnInit() {
    Controls().SetTextLimit(id::Text, kTextLimit);
    Controls().SetText(id::Text, text_);
    Controls().SetFocus(id::Text);
    return true;
}

void FindDialog::OnCommand(platform::WPARAM wParam, platform::LPARAM) {
    switch (platform::LowWord(wParam)) {
    case id::Next:
        Choose(Direction::Next);
        break;
    case id::Previous:
        Choose(Direction::Previous);
        break;
    case resources::IDCANCEL:
        EndDialog(0);
        break;
    default:
        break;
    }
}

void FindDialog::Choose(Direction direction) {
    const VNString typed = Controls().GetText(id::Text);
    if (typed.GetLength() == 0)
        return; // nothing to look for yet: the dialog stays
    text_ = typed;
    direction_ = direction;
    EndDialog(1);
}
