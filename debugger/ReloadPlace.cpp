#include "debugger/ReloadPlace.h"

#include "scenario/VNEvent.h"
#include "scenario/VNEventFile.h"

#include <algorithm>

bool SameEvent(const VNEvent& a, const VNEvent& b) {
    if (a.GetCode() != b.GetCode() || a.GetParamCount() != b.GetParamCount())
        return false;
    for (int32_t n = 0; n < a.GetParamCount(); ++n) {
        const bool same =
            a.IsIntArg(n) ? a.GetInt(n) == b.GetInt(n) : a.GetString(n) == b.GetString(n);
        if (!same)
            return false;
    }
    return true;
}

ReloadPlace PlaceAfterReload(const VNEventFile& before, int32_t index, const VNEventFile& after) {
    index = std::clamp(index, 0, before.GetCount());
    // The events already run (and the position counted in them) are the same.
    bool unchanged = index <= after.GetCount();
    for (int32_t n = 0; unchanged && n < index; ++n)
        unchanged = SameEvent(*before.Get(n), *after.Get(n));
    if (unchanged)
        return {ReloadPlace::How::SameEvent, index, VNString()};

    // The event the counter stands on counts as "before" too: an author
    // paused on a label stays on it.
    for (int32_t n = std::min(index, before.GetCount() - 1); n >= 0; --n) {
        const VNEvent& e = *before.Get(n);
        if (e.GetCode() != EVENTCODE_LABEL)
            continue;
        const int32_t found = after.FindLabel(e.GetString(0));
        if (found < 0)
            break;
        return {ReloadPlace::How::Label, found, e.GetString(0)};
    }
    return {ReloadPlace::How::Start, 0, VNString()};
}
