// The programs' own icons. Each program registers its icon in its resource
// set under the name "IDI_ICON"; the window layer shows it in the title bars
// and the task bar.
#pragma once

#include "resources/Resource.h"

namespace resources {

enum class ProgramIcon {
    Player,        // vnplay and vnprobe
    ParamEditor,   // vnparedit
    MaskGenerator, // vnmaskgen
    EventEditor    // vnevedit
};

// The pixel sizes every program icon comes in, smallest first.
inline constexpr int kProgramIconSizes[] = {16, 32, 64};

// The icon of `program` in each of kProgramIconSizes, as PNG files compiled
// into the program.
IconSpec MakeProgramIcon(ProgramIcon program);

} // namespace resources
