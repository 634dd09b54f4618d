// Arbitrary bytes as a whole script text: read into events, written back to
// text, and every event summarised in both variants. An event the loss check
// passes must come back from its own line unchanged.
#include "scenario/ScriptText.h"
#include "scenario/Summary.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

bool Same(const VNEvent& a, const VNEvent& b) {
    if (a.GetCode() != b.GetCode())
        return false;
    for (int32_t n = 0; n < a.GetParamCount(); ++n)
        if (a.IsIntArg(n) ? a.GetInt(n) != b.GetInt(n) : a.GetString(n) != b.GetString(n))
            return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::vector<VNEvent> events = FromScriptText(text);
    const std::string written = ToScriptText(events);
    int warnings = 0;
    const SummaryWarning warn = [&](const VNString&, const VNString&) { ++warnings; };
    for (const VNEvent& event : events) {
        (void)Summary(event);
        (void)PlayerSummary(event, warn);
        (void)ToDebugScriptLine(event);
        if (!FindScriptTextLoss(event)) {
            const std::vector<VNEvent> back =
                FromScriptText(ToScriptText(std::vector<VNEvent>{event}));
            if (back.size() != 1 || !Same(back[0], event))
                std::abort();
        }
    }
    (void)FromScriptText(written);
    return 0;
}
