#include "eventeditor/ButtonDialogs.h"

namespace id = resources::event_id;
namespace names = resources::event_dialog;
namespace limit = field_limit;

bool VNDBtnSelect::Run(VNString& baseImage, VNString& pointedImage, VNString& cancelLabel,
                       int32_t& count, VNString& definitions, platform::WindowHandle owner) {
    buttons_ = ParseButtons(count, definitions);
    BindText(id::BaseImage, baseImage, limit::Name);
    BindText(id::PointedImage, pointedImage, limit::Name);
    BindText(id::JumpLabel, cancelLabel, limit::Name);
    BindBrowse(id::BrowseBase, id::BaseImage, ChooserOf(Set(), ChooserKind::ButtonImage));
    BindBrowse(id::BrowsePointed, id::PointedImage, ChooserOf(Set(), ChooserKind::ButtonImage));
    if (!RunForm(VNString(u8"ボタン選択"), names::BtnSelect, owner))
        return false;
    count = static_cast<int32_t>(buttons_.size());
    definitions = ButtonsText(buttons_);
    return true;
}

void VNDBtnSelect::InitMore() {
    for (const ButtonDefinition& button : buttons_)
        Controls().ListAdd(id::List, button.label);
}

void VNDBtnSelect::CommandMore(int commandId) {
    switch (commandId) {
    case id::AddButton:
        AddButton();
        break;
    case id::EditButton:
        EditButton();
        break;
    case id::DeleteButton:
        DeleteButton();
        break;
    default:
        break;
    }
}

void VNDBtnSelect::AddButton() {
    ButtonDefinition button;
    if (!VNDBtnAdd(Set()).Run(button, VNString(u8"ボタンの追加"), Handle()))
        return;
    buttons_.push_back(button);
    Controls().ListAdd(id::List, button.label);
}

void VNDBtnSelect::EditButton() {
    platform::DialogHost& c = Controls();
    const int selected = c.ListGetSelection(id::List);
    if (selected < 0 || selected >= static_cast<int>(buttons_.size()))
        return;
    ButtonDefinition button = buttons_[static_cast<size_t>(selected)];
    if (!VNDBtnAdd(Set()).Run(button, VNString(u8"ボタンの編集"), Handle()))
        return;
    // The edited button moves to the end of the list.
    buttons_.erase(buttons_.begin() + selected);
    c.ListDelete(id::List, selected);
    buttons_.push_back(button);
    const int last = c.ListAdd(id::List, button.label);
    c.SetFocus(id::List);
    c.ListSetSelection(id::List, last);
}

void VNDBtnSelect::DeleteButton() {
    platform::DialogHost& c = Controls();
    const int selected = c.ListGetSelection(id::List);
    if (selected < 0 || selected >= static_cast<int>(buttons_.size()))
        return;
    buttons_.erase(buttons_.begin() + selected);
    c.ListDelete(id::List, selected);
    c.SetFocus(id::List);
    const int left = static_cast<int>(buttons_.size());
    c.ListSetSelection(id::List, selected < left ? selected : left - 1);
}

bool VNDBtnAdd::Run(ButtonDefinition& button, const VNString& caption,
                    platform::WindowHandle owner) {
    BindText(id::JumpLabel, button.label, limit::Number);
    BindNumber(id::ButtonX, button.x);
    BindNumber(id::ButtonX + 1, button.y);
    BindNumber(id::ButtonX + 2, button.width);
    BindNumber(id::ButtonX + 3, button.height);
    return RunForm(caption, names::BtnAdd, owner);
}
