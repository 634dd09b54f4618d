// One-line summaries of events, as every event list shows them: a symbol for
// the kind, a short label and the main arguments. The fixed texts hold
// ideographic and ordinary spaces that the lists align on.
#pragma once

#include "scenario/VNEvent.h"
#include "scenario/VNString.h"

#include <cstdint>
#include <functional>

// The event editor's summary.
VNString Summary(const VNEvent& event);

// SummaryWarning (VNEventType.h) is called by the players' summary for a
// character position outside 0..2 with the warning text and its caption; the
// player shows them in a message box.

// The players' summary (debug event list and error reports). It differs from
// the editor's in the save title text, the unknown operator, Vorbis events
// (shown as an unknown type) and the warning for an unknown character
// position, after which the line reads like the editor's.
VNString PlayerSummary(const VNEvent& event, const SummaryWarning& warn = nullptr);

// How much of a summary a list line or a report shows: more than the lists'
// scroll width holds, and little enough that a huge text (a narration of
// megabytes) is never converted or laid out whole for it.
constexpr int32_t kListLineBytes = 1024;

// A list line: `number` left-aligned in four columns and a blank ("%-4d "),
// then `text` up to kListLineBytes bytes (whole characters).
VNString NumberedLine(int32_t number, const VNString& text);
