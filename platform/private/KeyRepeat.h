// Held keys on X11.
#pragma once

namespace platform::detail {

// The X server repeats a held key as a release and a press with the same
// time. The toolkit marks such a pair as a repeat only when the press has
// already arrived when it looks at the release, which it sometimes has not,
// so a repeat could pass for a real release and press. This asks the server
// to send the repeated presses alone (the release comes once, at the end);
// the window then tells repeats by the keys it knows to be down. Does
// nothing on other platforms.
void AskForRepeatsWithoutReleases();

} // namespace platform::detail
