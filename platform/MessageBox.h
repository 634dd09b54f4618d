// Message boxes with the system's texts, captions, icons and button sets.
#pragma once

#include "platform/Handle.h"
#include "scenario/VNString.h"

#include <functional>

namespace platform {

enum class MsgButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MsgIcon { None, Information, Warning, Question, Error };

// Which button ended the box; the numbers are those of the original system.
constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
constexpr int IDYES = 6;
constexpr int IDNO = 7;

// Shows a modal message box owned by `owner` (may be null) and returns the
// button pressed. A box dismissed without a button (its window was closed,
// or the program's main window went away) answers IDCANCEL when it has a
// Cancel button, IDNO for Yes/No and IDOK for a lone OK.
int ShowMessage(WindowHandle owner, const VNString& text, const VNString& caption,
                MsgButtons buttons = MsgButtons::Ok, MsgIcon icon = MsgIcon::None);

// The question an editor asks before unsaved changes would be lost:
// "変更を保存しますか？" with Yes, No and Cancel. True to go on (Yes once
// `save` succeeded, or No); false to stay (Cancel, or a save that failed).
bool ConfirmDiscardChanges(WindowHandle owner, const VNString& caption,
                           const std::function<bool()>& save);
// The same question in the words of `text` (vnprobe asks
// "変更をファイルに保存しますか？").
bool ConfirmDiscardChanges(WindowHandle owner, const VNString& text, const VNString& caption,
                           const std::function<bool()>& save);

// Asked before a save would write over a file that changed on disk since it
// was read (`file` names it as the program shows it): OK overwrites it (true),
// Cancel keeps the file on disk as it is (false).
bool ConfirmOverwriteChangedFile(WindowHandle owner, const VNString& file, const VNString& caption);

} // namespace platform
