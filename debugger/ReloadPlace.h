// Where the interpreter goes on in an event file that was read again while
// it stood paused: on the same event when nothing before it changed, else on
// the nearest label at or before it (found by name in the new file), else at
// the start.
#pragma once

#include "scenario/VNString.h"

#include <cstdint>

class VNEvent;
class VNEventFile;

struct ReloadPlace {
    enum class How { SameEvent, Label, Start };
    How how = How::Start;
    int32_t index = 0; // 0-based, in the new file
    VNString label;    // the label gone back to (How::Label)
};

// `index` is the next event in `before`; `after` is the file as it is now.
ReloadPlace PlaceAfterReload(const VNEventFile& before, int32_t index, const VNEventFile& after);

// Whether two events have the same type and the same values.
bool SameEvent(const VNEvent& a, const VNEvent& b);
