// A dialog built from a template of the program's resources, with its
// controls reached by numeric id. The dialog base class owns one and
// receives the dialog's messages through a DialogSink; no code outside the
// platform layer sees a toolkit widget.
#pragma once

#include "platform/DropFiles.h"
#include "platform/Handle.h"
#include "platform/Message.h"
#include "scenario/VNString.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace resources {
struct FontSpec;
struct MenuItem;
} // namespace resources

namespace platform {

// A simple painter for owner-drawn buttons. Colours are 0xRRGGBB.
class DrawCanvas {
public:
    virtual ~DrawCanvas() = default;
    virtual void Fill(int x, int y, int width, int height, uint32_t rgb) = 0;
    virtual void Frame(int x, int y, int width, int height, bool sunken) = 0;
    virtual void Text(int x, int y, int width, int height, const VNString& text, uint32_t rgb) = 0;
    // A top-down BGRA picture of width x height pixels drawn at (x, y).
    virtual void Picture(int x, int y, const uint32_t* pixels, int width, int height) = 0;
};

// The draw-item record of an owner-drawn button.
struct DrawItem {
    int controlId = 0;
    int width = 0, height = 0; // the button's size in pixels
    bool pushed = false;       // pressed by the mouse or set by SetButtonState
    bool focused = false;
    bool disabled = false;
    VNString text;
    DrawCanvas* canvas = nullptr;
    // Left false by a handler that draws nothing: the button is then
    // painted as an ordinary push button.
    bool drawn = false;
};

class DialogSink {
public:
    virtual ~DialogSink() = default;
    // The window exists (handle set) and its title is the caption; called
    // before OnInit.
    virtual void OnCreated(WindowHandle handle) = 0;
    virtual bool OnInit() = 0;
    virtual void OnClose() = 0;
    virtual void OnDropFiles(const DropFiles& drop) = 0;
    virtual void OnCommand(WPARAM wParam, LPARAM lParam) = 0;
    virtual void OnSize(int width, int height) = 0;
    virtual void OnDrawItem(int controlId, DrawItem& item) = 0;
    // The window went away without End (its owner was closed).
    virtual void OnWindowGone() {}
};

class DialogHost {
public:
    explicit DialogHost(DialogSink& sink);
    ~DialogHost();
    DialogHost(const DialogHost&) = delete;
    DialogHost& operator=(const DialogHost&) = delete;

    // Runs the dialog of the named template modally; returns the value it
    // was ended with, or -1 when it could not be made (no such template).
    // An empty caption keeps the template's title.
    int RunModal(const VNString& caption, const std::string& templateName, WindowHandle parent);
    // Shows the dialog without waiting; false when it could not be made.
    bool ShowModeless(const VNString& caption, const std::string& templateName,
                      WindowHandle parent);
    // Ends the dialog with `result` (a modal call then returns it; a modeless
    // dialog's window goes away).
    void End(int result);
    WindowHandle Handle() const;

    // Sends a WM_COMMAND to the dialog as a control or menu would.
    void SendCommand(int id, int notification = 0);
    // Clicks a push button or check box (a command when there is no such control).
    void ClickButton(int id);
    void DropOn(const DropFiles& drop);
    // A key pressed and released on the control with this id, as the
    // keyboard sends them; the control takes the focus first.
    void PressKey(int id, int virtualKey, bool ctrl = false);
    // The close box.
    void RequestClose();

    // Window
    void SetCaption(const VNString& caption);
    VNString GetCaption() const;
    void SetVisible(bool visible);
    // Moves the window beside its parent window's frame, tops aligned, when
    // the available area of the parent's screen has room there, else over
    // the parent's right part; always inside that area (a tool window that
    // should cover as little of its owner as it can).
    void PlaceBesideParent();

    // Controls by id. Operations on an id the dialog lacks do nothing and
    // return empty, 0, false or -1.
    bool HasControl(int id) const;
    VNString GetText(int id) const;
    // False when the text has characters with no Shift-JIS form (GetText
    // gives each of them as '?').
    bool TextFitsShiftJis(int id) const;
    void SetText(int id, const VNString& text);
    // One-line fields: at most `maxChars` characters can be typed.
    void SetTextLimit(int id, int maxChars);
    // Multi-line fields: selects the last line that holds any text and
    // scrolls it into view (nothing when every line is empty).
    void EditSelectLastLine(int id);
    VNString EditSelectedText(int id) const;
    // Whether the end of the selection lies in the visible part of the field.
    bool EditSelectionVisible(int id) const;
    void EnableControl(int id, bool enabled);
    bool IsControlEnabled(int id) const;
    void SetFocus(int id);
    // Position and size in pixels within the client area (after a resize).
    void MoveControl(int id, int x, int y, int width, int height);
    // A font for one control (the editors' list and text fields); an empty
    // face keeps the control's face.
    void SetControlFont(int id, const resources::FontSpec& font);
    int FocusedControl() const; // -1 when no control of the dialog has the focus

    // List boxes. Indexes count from 0; -1 means "none".
    int ListAdd(int id, const VNString& text);               // -> index of the new line
    int ListInsert(int id, int index, const VNString& text); // index -1 appends
    int ListDelete(int id, int index);                       // -> lines left, -1 when out of range
    void ListReset(int id);
    int ListCount(int id) const;
    int ListGetSelection(int id) const;
    void ListSetSelection(int id, int index); // -1 clears
    VNString ListGetText(int id, int index) const;
    // Every line `pixels` high; the list scrolls across `pixels` wide.
    void ListSetItemHeight(int id, int pixels);
    int ListGetItemHeight(int id) const; // 0 when the font decides
    void ListSetHorizontalExtent(int id, int pixels);
    int ListGetHorizontalExtent(int id) const;

    // Combo boxes.
    int ComboAdd(int id, const VNString& text);
    void ComboReset(int id);
    int ComboCount(int id) const;
    int ComboGetSelection(int id) const;
    void ComboSetSelection(int id, int index);
    VNString ComboGetText(int id, int index) const;

    // Check boxes.
    bool IsChecked(int id) const;
    void SetChecked(int id, bool checked);

    // Push and owner-drawn buttons: the pushed look.
    bool GetButtonState(int id) const;
    void SetButtonState(int id, bool pushed);
    void RedrawControl(int id);

    // The dialog's menu (when its template names one): chooses an item as
    // the user would; false when it is missing or greyed.
    bool ChooseMenuItem(int commandId);
    // Adds items to the dialog's menu right after the command `afterId`;
    // false when the menu has no such command.
    bool InsertMenuItems(int afterId, const std::vector<resources::MenuItem>& items);

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

} // namespace platform
