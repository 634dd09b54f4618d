// The game's breakpoints and watched parameter names between runs of
// vnprobe: a small UTF-8 text file in the game's save/ folder, one entry a
// line. A file that cannot be read whole and exactly is taken as empty, and
// every change writes it whole again.
#pragma once

#include "debugger/Breakpoints.h"

#include <string>
#include <vector>

struct ProbeStops {
    Breakpoints breakpoints;
    std::vector<VNString> watches;
};

// save/breakpoints.txt of the game in `gameFolder`.
std::string BreakpointStorePath(const std::string& gameFolder);

// The text of the file for `stops`, and back; false for a text that is not
// exactly such a file (`stops` is then left empty).
std::string FormatProbeStops(const ProbeStops& stops);
bool ParseProbeStops(const std::string& text, ProbeStops& stops);

// Reading never fails: a missing or damaged file gives no breakpoints and
// no watches.
ProbeStops ReadProbeStops(const std::string& path);
// Writes atomically (creating save/ when needed); false when it failed.
bool WriteProbeStops(const std::string& path, const ProbeStops& stops);
