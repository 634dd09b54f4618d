// The interpreter's side of rollback: what it lends to the history and where
// play goes on after a message the player went back to.
#include "player/Interpreter.h"
#include "player/PlayerContext.h"
#include "player/Rollback.h"
#include "player/VNPDebugLink.h"
#include "scenario/VNEventFile.h"
#include "scenario/VNParamFile.h"

bool Interpreter::ServeRollback() {
    return rollback_->Serve({global_.get(), local_.get(), saveTitle_});
}

bool Interpreter::ResumeAt(const RollbackPlace& place) {
    if (place.fileName != eventFileName_) {
        // vnprobe: edits of the file being left are saved or dropped first.
        if (context_.Debug() && !context_.Debug()->ConfirmDropEdits(context_.DialogOwner())) {
            return false;
        }
        const std::string path = context_.GamePathOf(VNString("event\\") + place.fileName);
        const vn::FileStamp read = context_.Debug() ? vn::FileStamp::Take(path) : vn::FileStamp();
        auto events = std::make_unique<VNEventFile>();
        if (!events->Load(path)) {
            units_.reports.ReportEvtLoadError(place.fileName, VNString());
            return false;
        }
        eventFileName_ = place.fileName;
        eventFile_ = std::move(events);
        if (context_.Debug()) {
            context_.Debug()->SetRunningFile(eventFileName_, eventFile_.get(), read);
        }
    }
    // The next pass performs the event after the message.
    programCounter_ = place.programCounter;
    return true;
}
