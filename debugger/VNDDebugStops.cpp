// The debug window's breakpoints and watches: read from and kept in the
// game's save/ folder, the check before each event while the game plays,
// and the watch values at pauses.
#include "debugger/BreakpointStore.h"
#include "debugger/VNDDebug.h"
#include "debugger/WatchWindow.h"
#include "player/VNPWindow.h"
#include "scenario/VNParamFile.h"

void VNDDebug::LoadStops() {
    lookup_ = [this](const VNString& name, int32_t& value) { return LookUp(name, value); };
    ProbeStops stops = ReadProbeStops(BreakpointStorePath(gameFolder_));
    breakpoints_ = std::move(stops.breakpoints);
    for (const VNString& name : stops.watches) {
        watches_.Add(name, nullptr);
    }
}

void VNDDebug::SaveStops() {
    ProbeStops stops{breakpoints_, watches_.Names()};
    // A file that cannot be written is only a loss for the next run: the
    // game and this run go on as they are.
    static_cast<void>(WriteProbeStops(BreakpointStorePath(gameFolder_), stops));
}

bool VNDDebug::Resolve(const VNString& name, const VNParamFile*& table, int32_t& index) const {
    // As the interpreter finds a parameter: the local table first.
    for (const VNParamFile* candidate : {local_, global_}) {
        const int32_t found = candidate ? candidate->Find(name) : -1;
        if (found >= 0) {
            table = candidate;
            index = found;
            return true;
        }
    }
    return false;
}

bool VNDDebug::LookUp(const VNString& name, int32_t& value) const {
    const VNParamFile* table = nullptr;
    int32_t index = -1;
    if (!Resolve(name, table, index)) {
        return false;
    }
    value = table->GetValue(index);
    return true;
}

void VNDDebug::BindAndCheck(const VNEventFile* events, int32_t index) {
    if (events != gateEvents_ || gate_.Stale(breakpoints_)) {
        gate_.Bind(breakpoints_, fileName_,
                   [this](const VNString& name, const VNParamFile*& table, int32_t& at) {
                       return Resolve(name, table, at);
                   });
        gateEvents_ = events;
    }
    if (!gate_.Stops(index)) {
        return;
    }
    // The same pause as the pause button's: the interpreter stops before
    // this event.
    if (main_) {
        main_->SetDebugState(DEBUG_STATE_PAUSED);
    } else {
        SetState(DEBUG_STATE_PAUSED);
    }
}

void VNDDebug::StopsSeeState(int32_t before) {
    if (state_ == DEBUG_STATE_PAUSED) {
        // Run to here ends at any pause, its own or another.
        breakpoints_.CancelRunTo();
    } else if (before == DEBUG_STATE_PAUSED) {
        watches_.Resume(lookup_);
    }
}

void VNDDebug::UpdateWatches() {
    if (watchWindow_ && watchWindow_->IsOpen()) {
        watchWindow_->Update();
    } else {
        watches_.Update(lookup_);
    }
}

void VNDDebug::OpenWatches() {
    if (!watchWindow_) {
        watchWindow_ = std::make_unique<WatchWindow>(watches_, lookup_, [this] { SaveStops(); });
    }
    watchWindow_->Open(Handle());
}
