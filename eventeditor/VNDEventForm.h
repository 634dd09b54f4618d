// The common run pattern of the event edit dialogs. A dialog binds the
// caller's values to its controls, runs modally, and writes the values back
// only when it ended with OK and every combo that must hold a choice does:
//
// - text fields hold a copy of their value cut to the field's limit, and
//   read back at most that many characters;
// - number fields show the value with "%d" and read back the plain decimal
//   value of what was typed (no digits read as 0);
// - combo boxes hold an index (-1 when nothing is selected);
// - check boxes hold 1 or 0;
// - browse buttons put the bare file name of a chosen file into a field.
//
// Cancel, the close box, Escape and a missing required choice change nothing.
#pragma once

#include "eventeditor/EventDialogSet.h"
#include "resources/Resource.h"
#include "window/VNDialog.h"

#include <cstdint>
#include <vector>

// Field limits in characters (the working buffers hold one more).
namespace field_limit {
constexpr int Text = 65535;    // narration, speech and comment texts
constexpr int Name = 1023;     // most file and image names, messages, titles, parameters
constexpr int LongName = 4095; // music and wave files, the animation layers' images
constexpr int Label = 511;     // label and flag names
constexpr int Number = 63;     // times, counts, coordinates
} // namespace field_limit

class VNDEventForm : public VNDialog {
public:
    explicit VNDEventForm(EventDialogSet set) : set_(set) {}

    EventDialogSet Set() const { return set_; }

    bool OnInit() override;
    void OnCommand(platform::WPARAM wParam, platform::LPARAM lParam) override;

protected:
    enum class Choice { Required, Optional };
    enum class Tick { WhenNonZero, WhenOne };

    void BindText(int id, VNString& value, int limit);
    // A text field of message text: a line break typed into it (Ctrl+Enter)
    // is written back as the message line break "/".
    void BindMessage(int id, VNString& value, int limit);
    void BindNumber(int id, int32_t& value, int limit = field_limit::Number);
    void BindCombo(int id, int32_t& index, std::vector<VNString> items, Choice choice);
    void BindCheck(int id, int32_t& value, Tick tick);
    void BindBrowse(int buttonId, int fieldId, ChooserSpec chooser);
    // A font for a control, made when the dialog opens.
    void UseFont(int id, const resources::FontSpec& font);

    // Shows the dialog with `caption` and its template in this set; true when
    // the values were written back.
    bool RunForm(const VNString& caption, const resources::EventDialogNames& names,
                 platform::WindowHandle owner);

    // For dialogs with more than fields: called at the end of OnInit, and for
    // every clicked button or menu command that is not OK, Cancel or a
    // browse button.
    virtual void InitMore() {}
    virtual void CommandMore(int id) { (void)id; }

private:
    struct TextField {
        int id;
        VNString* value;
        int limit;
        VNString shown;  // the value as the field shows it
        VNString buffer; // what the field held at OK
        bool message = false;
    };
    struct NumberField {
        int id;
        int32_t* value;
        int limit;
        VNString buffer;
    };
    struct ComboField {
        int id;
        int32_t* value;
        std::vector<VNString> items;
        Choice choice;
        int32_t buffer;
    };
    struct CheckField {
        int id;
        int32_t* value;
        Tick tick;
        int32_t buffer;
    };
    struct BrowseButton {
        int buttonId;
        int fieldId;
        ChooserSpec chooser;
    };
    struct FontChoice {
        int id;
        resources::FontSpec font;
    };

    void ReadFields();
    void WriteBack();
    void Browse(const BrowseButton& button);

    EventDialogSet set_;
    std::vector<TextField> texts_;
    std::vector<NumberField> numbers_;
    std::vector<ComboField> combos_;
    std::vector<CheckField> checks_;
    std::vector<BrowseButton> browsers_;
    std::vector<FontChoice> fonts_;
};

// The text of `text` cut to `limit` characters.
VNString Truncated(const VNString& text, int limit);
// The file-name part of a path: the text after its last "/" or "\".
VNString FileNamePart(const VNString& path);
// `text` with each line break (CR LF, or a lone CR or LF) made "/"; the
// same bytes when it holds none.
VNString LineBreaksAsMarks(const VNString& text);
