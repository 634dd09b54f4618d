#include "eventeditor/VNDEventForm.h"

#include "platform/FileChooser.h"

using platform::LPARAM;
using platform::WPARAM;

VNString Truncated(const VNString& text, int limit) {
    if (text.GetLength() <= limit)
        return text;
    return VNString(text.GetWide(), limit);
}

VNString FileNamePart(const VNString& path) {
    const std::u16string& wide = path.Wide();
    const size_t slash = wide.find_last_of(u"/\\");
    if (slash == std::u16string::npos)
        return path;
    return VNString::FromWide(std::u16string_view(wide).substr(slash + 1));
}

VNString LineBreaksAsMarks(const VNString& text) {
    const std::u16string& wide = text.Wide();
    if (wide.find_first_of(u"\r\n") == std::u16string::npos)
        return text;
    std::u16string marked;
    for (size_t i = 0; i < wide.size(); ++i) {
        if (wide[i] == u'\r' && i + 1 < wide.size() && wide[i + 1] == u'\n')
            continue; // CR LF is one break, made at its LF
        marked += wide[i] == u'\r' || wide[i] == u'\n' ? u'/' : wide[i];
    }
    return VNString::FromWide(marked);
}

void VNDEventForm::BindText(int id, VNString& value, int limit) {
    VNString shown = Truncated(value, limit);
    texts_.push_back({id, &value, limit, shown, shown});
}

void VNDEventForm::BindMessage(int id, VNString& value, int limit) {
    BindText(id, value, limit);
    texts_.back().message = true;
}

void VNDEventForm::BindNumber(int id, int32_t& value, int limit) {
    numbers_.push_back({id, &value, limit, VNString(value)});
}

void VNDEventForm::BindCombo(int id, int32_t& index, std::vector<VNString> items, Choice choice) {
    combos_.push_back({id, &index, std::move(items), choice, index});
}

void VNDEventForm::BindCheck(int id, int32_t& value, Tick tick) {
    const bool ticked = tick == Tick::WhenOne ? value == 1 : value != 0;
    checks_.push_back({id, &value, tick, ticked ? 1 : 0});
}

void VNDEventForm::BindBrowse(int buttonId, int fieldId, ChooserSpec chooser) {
    browsers_.push_back({buttonId, fieldId, std::move(chooser)});
}

void VNDEventForm::UseFont(int id, const resources::FontSpec& font) {
    fonts_.push_back({id, font});
}

bool VNDEventForm::RunForm(const VNString& caption, const resources::EventDialogNames& names,
                           platform::WindowHandle owner) {
    if (ShowModal(caption, TemplateOf(set_, names), owner) != 1)
        return false;
    for (const ComboField& combo : combos_)
        if (combo.choice == Choice::Required && combo.buffer < 0)
            return false; // counts as cancelled
    WriteBack();
    return true;
}

bool VNDEventForm::OnInit() {
    platform::DialogHost& c = Controls();
    for (const FontChoice& font : fonts_)
        c.SetControlFont(font.id, font.font);
    for (const TextField& text : texts_) {
        c.SetTextLimit(text.id, text.limit);
        c.SetText(text.id, text.shown);
    }
    for (const NumberField& number : numbers_) {
        c.SetTextLimit(number.id, number.limit);
        c.SetText(number.id, number.buffer);
    }
    for (const ComboField& combo : combos_) {
        c.ComboReset(combo.id);
        for (const VNString& item : combo.items)
            c.ComboAdd(combo.id, item);
        c.ComboSetSelection(combo.id, combo.buffer); // none when outside the list
    }
    for (const CheckField& check : checks_)
        c.SetChecked(check.id, check.buffer != 0);
    InitMore();
    return true;
}

void VNDEventForm::OnCommand(WPARAM wParam, LPARAM lParam) {
    // Buttons and menu commands only; edits report changes with the same ids.
    if (platform::HighWord(wParam) != platform::BN_CLICKED)
        return;
    const int id = platform::LowWord(wParam);
    switch (id) {
    case resources::IDOK:
        ReadFields();
        VNDialog::OnCommand(wParam, lParam);
        return;
    case resources::IDCANCEL:
        VNDialog::OnCommand(wParam, lParam);
        return;
    default:
        break;
    }
    for (const BrowseButton& button : browsers_) {
        if (button.buttonId == id) {
            Browse(button);
            return;
        }
    }
    CommandMore(id);
}

void VNDEventForm::ReadFields() {
    const platform::DialogHost& c = Controls();
    for (TextField& text : texts_) {
        const VNString typed = Truncated(c.GetText(text.id), text.limit);
        // An untouched field keeps the value's own bytes, even where the
        // control's text would spell a character differently.
        text.buffer = typed.Wide() == text.shown.Wide() ? text.shown : typed;
        if (text.message)
            text.buffer = LineBreaksAsMarks(text.buffer);
    }
    for (NumberField& number : numbers_)
        number.buffer = Truncated(c.GetText(number.id), number.limit);
    for (ComboField& combo : combos_)
        combo.buffer = c.ComboGetSelection(combo.id);
    for (CheckField& check : checks_)
        check.buffer = c.IsChecked(check.id) ? 1 : 0;
}

void VNDEventForm::WriteBack() {
    for (const TextField& text : texts_)
        *text.value = text.buffer;
    for (const NumberField& number : numbers_)
        *number.value = number.buffer.ToInt();
    for (const ComboField& combo : combos_)
        *combo.value = combo.buffer;
    for (const CheckField& check : checks_)
        *check.value = check.buffer;
}

void VNDEventForm::Browse(const BrowseButton& button) {
    const VNString none;
    VNString chosen;
    if (!platform::ChooseOpenFile(button.chooser.title, button.chooser.filters, &none, chosen,
                                  Handle()))
        return;
    const VNString name = FileNamePart(chosen);
    if (!name.IsEmpty())
        Controls().SetText(button.fieldId, name);
}
