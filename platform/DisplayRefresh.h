// The refresh rate of the display the game is shown on.
#pragma once

namespace platform {

// The primary screen's refresh interval in milliseconds; that of 60 Hz when
// the screen reports no plausible rate.
double DisplayRefreshIntervalMs();

} // namespace platform
