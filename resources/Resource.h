// Dialog templates, menus, accelerator tables and icons as plain data.
//
// Every program has its own ResourceSet (two programs may both have an
// "IDR_MENU"); a set is built once by a function in one source file per
// program (ParamEditorResources.cpp, ...) and looked up by resource name.
// Layout is given in dialog units as in a resource script: x units are a
// quarter of the dialog font's average character width, y units an eighth of
// its height. The texts are UTF-8; the window layer converts them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace resources {

// Command and control ids shared by every template.
constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
constexpr int IDC_STATIC = -1;

enum class ControlKind {
    Static,         // a text label
    Edit,           // one-line edit field
    MultiLineEdit,  // several lines, vertical scroll bar
    ListBox,        // a list of lines
    ComboBox,       // drop-down list of fixed choices
    CheckBox,       // a box with a tick
    PushButton,     // a button that sends its id as a command
    GroupBox,       // a titled frame around other controls
    OwnerDrawButton // a push button the dialog paints itself
};

// Control flags; only those that make sense for the kind are used.
namespace cf {
constexpr uint32_t ReadOnly = 1u << 0;      // edits
constexpr uint32_t DigitsOnly = 1u << 1;    // edits: only 0-9 can be typed
constexpr uint32_t AlignRight = 1u << 2;    // statics, edits
constexpr uint32_t AlignCenter = 1u << 3;   // statics, edits
constexpr uint32_t DefaultButton = 1u << 4; // push buttons: Enter presses it
constexpr uint32_t HScroll = 1u << 5;       // list boxes, multi-line edits
// list boxes: report selection changes and double clicks; statics: report clicks
constexpr uint32_t Notify = 1u << 6;
constexpr uint32_t WantReturn = 1u << 7;    // multi-line edits: Enter makes a new line
constexpr uint32_t Disabled = 1u << 8;      // starts greyed
constexpr uint32_t Sorted = 1u << 9;        // list and combo boxes keep their lines sorted
constexpr uint32_t Checked = 1u << 10;      // check boxes: starts ticked
constexpr uint32_t Hidden = 1u << 11;       // starts invisible
constexpr uint32_t Sunken = 1u << 12;       // statics: drawn with a sunken frame
constexpr uint32_t SignedNumber = 1u << 13; // edits: only a minus sign and then 0-9 can be typed
constexpr uint32_t DeleteKey = 1u << 14;    // list boxes: the Delete key sends LBN_DELETEKEY
constexpr uint32_t F9Key = 1u << 15;        // list boxes: the F9 key sends LBN_F9KEY
} // namespace cf

// A face and size; an empty face means the dialog's font.
struct FontSpec {
    const char8_t* face = nullptr;
    int pointSize = 0;   // when not 0, a size in points
    int pixelHeight = 0; // when not 0, a character height in pixels (the editors' text fields)
    bool bold = false;
};

struct ControlSpec {
    ControlKind kind = ControlKind::Static;
    int id = IDC_STATIC;
    const char8_t* text = u8"";
    int x = 0, y = 0, width = 0, height = 0; // dialog units
    uint32_t flags = 0;
    FontSpec font{};
};

// Short forms for the tables: position and size in dialog units.
inline ControlSpec Label(const char8_t* text, int x, int y, int w, int h, uint32_t flags = 0,
                         int id = IDC_STATIC) {
    return {ControlKind::Static, id, text, x, y, w, h, flags, {}};
}
inline ControlSpec EditField(int id, int x, int y, int w, int h, uint32_t flags = 0,
                             FontSpec font = {}) {
    return {ControlKind::Edit, id, u8"", x, y, w, h, flags, font};
}
inline ControlSpec MultiLineEdit(int id, int x, int y, int w, int h, uint32_t flags = 0,
                                 FontSpec font = {}) {
    return {ControlKind::MultiLineEdit, id, u8"", x, y, w, h, flags, font};
}
inline ControlSpec ListBox(int id, int x, int y, int w, int h, uint32_t flags = 0) {
    return {ControlKind::ListBox, id, u8"", x, y, w, h, flags, {}};
}
inline ControlSpec ComboBox(int id, int x, int y, int w, int h, uint32_t flags = 0) {
    return {ControlKind::ComboBox, id, u8"", x, y, w, h, flags, {}};
}
inline ControlSpec CheckBox(int id, const char8_t* text, int x, int y, int w, int h,
                            uint32_t flags = 0) {
    return {ControlKind::CheckBox, id, text, x, y, w, h, flags, {}};
}
inline ControlSpec Button(int id, const char8_t* text, int x, int y, int w, int h,
                          uint32_t flags = 0) {
    return {ControlKind::PushButton, id, text, x, y, w, h, flags, {}};
}
inline ControlSpec OwnerDrawnButton(int id, const char8_t* text, int x, int y, int w, int h,
                                    uint32_t flags = 0) {
    return {ControlKind::OwnerDrawButton, id, text, x, y, w, h, flags, {}};
}
inline ControlSpec GroupBox(const char8_t* text, int x, int y, int w, int h) {
    return {ControlKind::GroupBox, IDC_STATIC, text, x, y, w, h, 0, {}};
}

// Dialog flags.
namespace df {
constexpr uint32_t AcceptFiles = 1u << 0; // files can be dropped on it
constexpr uint32_t Resizable = 1u << 1;   // has a sizing border
constexpr uint32_t NoCloseBox = 1u << 2;  // no close box in the title bar
constexpr uint32_t MinimizeBox = 1u << 3; // a minimize box in the title bar
} // namespace df

struct DialogTemplate {
    DialogTemplate() = default;
    DialogTemplate(const char8_t* caption_, int width_, int height_,
                   std::vector<ControlSpec> controls_, std::string menu_ = {}, uint32_t flags_ = 0,
                   FontSpec font_ = {u8"ＭＳ Ｐゴシック", 9, 0, false})
        : caption(caption_), width(width_), height(height_), controls(std::move(controls_)),
          menu(std::move(menu_)), flags(flags_), font(font_) {}

    const char8_t* caption = u8"";
    int width = 0, height = 0; // dialog units, client area without the menu bar
    std::vector<ControlSpec> controls;
    std::string menu; // name of a menu resource of the same set, or empty
    uint32_t flags = 0;
    FontSpec font{u8"ＭＳ Ｐゴシック", 9, 0, false};
    // Name of an accelerator table of the same set whose keys send their
    // commands while the dialog or one of its controls has the focus; or empty.
    std::string accelerators;
};

enum class MenuItemKind { Command, Separator, Popup };

// Menu item flags.
namespace mf {
constexpr uint32_t Checked = 1u << 0;
constexpr uint32_t Grayed = 1u << 1;
} // namespace mf

struct MenuItem {
    MenuItemKind kind = MenuItemKind::Command;
    const char8_t* text = u8""; // "&" marks the mnemonic, "\t" starts the shortcut text
    int id = 0;
    uint32_t flags = 0;
    int radioGroup = 0;          // items with the same non-zero group are shown as radio items
    std::vector<MenuItem> items; // the entries of a popup
};

// Short forms for the tables.
inline MenuItem Command(const char8_t* text, int id, uint32_t flags = 0, int radioGroup = 0) {
    return {MenuItemKind::Command, text, id, flags, radioGroup, {}};
}
inline MenuItem Separator() {
    return {MenuItemKind::Separator, u8"", 0, 0, 0, {}};
}
inline MenuItem Popup(const char8_t* text, std::vector<MenuItem> items) {
    return {MenuItemKind::Popup, text, 0, 0, 0, std::move(items)};
}

struct MenuSpec {
    std::vector<MenuItem> popups; // the items of the menu bar, normally popups
};

// Accelerator modifier flags.
namespace af {
constexpr uint32_t Shift = 1u << 0;
constexpr uint32_t Control = 1u << 1;
constexpr uint32_t Alt = 1u << 2;
} // namespace af

struct Accelerator {
    int virtualKey = 0; // a virtual key code (VK_RETURN, 'L', ...)
    uint32_t modifiers = 0;
    int command = 0;
};

struct AcceleratorTable {
    std::vector<Accelerator> entries;
};

// One picture of an icon: a PNG file compiled into the program.
struct IconImage {
    int size = 0; // width and height in pixels
    const unsigned char* png = nullptr;
    std::size_t length = 0;
};

// An icon: the same picture in several sizes; the window system picks the
// one that fits the place it is shown in.
struct IconSpec {
    std::vector<IconImage> images;
};

// The resources of one program.
class ResourceSet {
public:
    explicit ResourceSet(std::string program) : program_(std::move(program)) {}

    const std::string& Program() const { return program_; }

    void AddDialog(const std::string& name, DialogTemplate dialog);
    // `name` finds the same template as `target` (the editor's ...INPUT names).
    void AddDialogAlias(const std::string& name, const std::string& target);
    void AddMenu(const std::string& name, MenuSpec menu);
    void AddAccelerators(const std::string& name, AcceleratorTable table);
    void AddIcon(const std::string& name, IconSpec icon);
    // Takes every resource of `other` that this set does not have yet.
    void Merge(const ResourceSet& other);

    // Null when the set has no resource of that name.
    const DialogTemplate* FindDialog(const std::string& name) const;
    const MenuSpec* FindMenu(const std::string& name) const;
    const AcceleratorTable* FindAccelerators(const std::string& name) const;
    const IconSpec* FindIcon(const std::string& name) const;

private:
    std::string program_;
    std::map<std::string, DialogTemplate> dialogs_;
    std::map<std::string, std::string> aliases_;
    std::map<std::string, MenuSpec> menus_;
    std::map<std::string, AcceleratorTable> accelerators_;
    std::map<std::string, IconSpec> icons_;
};

} // namespace resources
