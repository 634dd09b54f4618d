// The test seam for modal windows. While a ModalHook is installed, every
// modal dialog, message box and file chooser the code opens calls the next
// script of the hook from inside its modal loop, after it is shown. The
// script sees the window (template name, caption, text, controls by id) and
// acts on it synchronously: fill controls, send menu commands, press a
// button. A window opened by a script's action takes the next script, so a
// test pushes the scripts in the order the windows open. Tests need neither
// sleeps nor timers.
//
// A window that opens with no script left, or that a script leaves open, is
// dismissed (as its close box would) and noted in Problems(), so a test
// never hangs in a modal loop.
#pragma once

#include "platform/FileChooser.h"
#include "platform/MessageBox.h"
#include "scenario/VNString.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace platform {

class DialogHost;

enum class ModalKind { Dialog, MessageBox, OpenFile, SaveFile };

// What a script sees of one modal window.
class ModalView {
public:
    ModalKind Kind() const { return kind; }
    // Dialogs: the template's resource name.
    const std::string& TemplateName() const { return templateName; }
    // The window title (dialogs, message boxes) or the chooser's title.
    const VNString& Caption() const { return caption; }
    // Message boxes: the text. Choosers: the initial file name (characters
    // with no Shift-JIS form shown as '?').
    const VNString& Text() const { return text; }
    // Choosers given a native initial path: that path, bytes as on disk.
    const std::string& NativeText() const { return native; }
    MsgButtons Buttons() const { return buttons; }
    MsgIcon Icon() const { return icon; }
    const std::vector<FileFilter>& Filters() const { return filters; }
    // Dialogs: the controls, with the same access the dialog classes have.
    DialogHost& Dialog() const { return *dialog; }

    // Dialogs: clicks the push button with this id (a command with that id
    // when the template has no such button). Message boxes: the button with
    // this result (IDOK, IDCANCEL, IDYES, IDNO). Choosers: IDCANCEL cancels,
    // IDOK confirms the initial name.
    void Press(int id) { press(id); }
    // Dialogs: a menu command, chosen through the menu when the dialog's menu
    // has the item (a greyed item does nothing), else sent directly.
    void Command(int id) { command(id); }
    // Dialogs: files dropped on the window, in this order, each named by its
    // path as the file system holds it (bytes, as a drop delivers them).
    void DropFiles(const std::vector<std::string>& paths) { drop(paths); }
    // The close box.
    void Close() { close(); }
    // Choosers: confirms this full path.
    void ChooseFile(const VNString& path) { choose(path); }
    bool IsOpen() const { return isOpen(); }

    // Filled by the platform layer.
    ModalKind kind = ModalKind::Dialog;
    std::string templateName;
    VNString caption;
    VNString text;
    std::string native;
    MsgButtons buttons = MsgButtons::Ok;
    MsgIcon icon = MsgIcon::None;
    std::vector<FileFilter> filters;
    DialogHost* dialog = nullptr;
    std::function<void(int)> press = [](int) {};
    std::function<void(int)> command = [](int) {};
    std::function<void(const std::vector<std::string>&)> drop =
        [](const std::vector<std::string>&) {};
    std::function<void()> close = [] {};
    std::function<void(const VNString&)> choose = [](const VNString&) {};
    std::function<bool()> isOpen = [] { return false; };
    // Ends the window whatever its handlers would do (used by the hook when
    // a window is left open).
    std::function<void()> abandon = [] {};
};

class ModalHook {
public:
    using Script = std::function<void(ModalView&)>;

    // Installs itself in the current application; the destructor removes it.
    ModalHook();
    ~ModalHook();
    ModalHook(const ModalHook&) = delete;
    ModalHook& operator=(const ModalHook&) = delete;

    void Push(Script script);
    size_t Pending() const { return scripts_.size(); }
    // One line per modal window opened while installed, in order: the kind,
    // the template name or the text, and the caption (UTF-8).
    const std::vector<std::string>& Seen() const { return seen_; }
    // Windows that opened without a script or were left open by one.
    const std::vector<std::string>& Problems() const { return problems_; }

    // Called by the platform layer from inside a modal loop: runs the next
    // script on `view`, dismisses the window when it is still open after it.
    void Run(ModalView& view);

private:
    std::deque<Script> scripts_;
    std::vector<std::string> seen_;
    std::vector<std::string> problems_;
};

} // namespace platform
