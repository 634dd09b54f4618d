// Finding events by text: what the find dialog of vnevedit looks through.
#pragma once

#include "scenario/VNEvent.h"
#include "scenario/VNEventFile.h"

#include <string_view>

// True when `text` occurs in the event's summary line or in one of its
// string arguments (texts, labels, parameter and file names); ASCII letters
// match in either case.
bool EventContains(const VNEvent& event, std::u16string_view text);

// The first event holding `text` after `from` (forward) or before it,
// going round past the end (or the start) and ending with `from` itself;
// with `from` outside the list the search starts at the first (or last)
// event. -1 when no event holds it.
int FindEvent(const VNEventFile& events, std::u16string_view text, int from, bool forward);
