// The message events: shown in the message window, remembered as read, and
// with "既読のみスキップ" on, not skipped while not read before.
#include "graphics/MessageText.h"
#include "player/Interpreter.h"
#include "player/MessageWindow.h"
#include "player/PlayerContext.h"
#include "player/Rollback.h"
#include "player/VNPDebugLink.h"
#include "player/VNPWindow.h"
#include "scenario/VNEvent.h"

bool Interpreter::ActionText(const VNEvent& event) {
    const VNString text = MessageOfEvent(event);
    rollback_->Record({global_.get(), local_.get(), saveTitle_},
                      {eventFileName_, programCounter_, text});
    const bool readBefore = readText_.WasRead(eventFileName_, programCounter_, text);
    VNPWindow& window = *context_.Window();
    // Skip stops here: skip mode ends, a held Ctrl passes nothing of this message.
    const bool maySkip = readBefore || !window.SkipReadOnly();
    if (!maySkip) {
        window.EndSkipMode();
    }
    VNPDebugLink* debug = context_.Debug();
    if (debug) {
        debug->SetReadMark(readBefore ? ReadMark::Read : ReadMark::Unread);
    }
    const bool shown = units_.message.ShowMessage(text, maySkip);
    if (debug) {
        debug->SetReadMark(ReadMark::None);
    }
    if (shown) {
        readText_.MarkRead(eventFileName_, programCounter_, text);
    } else {
        loadRequested_ = true;
    }
    if (const std::optional<RollbackPlace> place = rollback_->TakePlayOn()) {
        return ResumeAt(*place);
    }
    return true;
}
