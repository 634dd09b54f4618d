// Edits one event in the dialog made for its type, shown modally over the
// owner window. The dialogs only read and write the event's arguments.
#pragma once

#include "eventeditor/EventDialogSet.h"
#include "platform/Handle.h"

class VNEvent;

class VNEventEditDlg {
public:
    VNEventEditDlg(platform::WindowHandle owner, EventDialogSet set);

    // True when the event was changed: its dialog ended with OK and the
    // values passed its checks. A waitclick event has nothing to edit and
    // returns true at once. Codes without a dialog in this set (midiold,
    // msgbox, and vorbis in the debug player's set) return false and show
    // nothing.
    bool Edit(VNEvent* e);

    // Whether Edit opens a dialog (or, for waitclick, needs none) for `code`.
    bool CanEdit(int32_t code) const;

private:
    platform::WindowHandle owner_;
    EventDialogSet set_;
};
