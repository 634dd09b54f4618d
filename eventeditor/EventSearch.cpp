#include "eventeditor/EventSearch.h"

#include "scenario/Summary.h"

#include <algorithm>

namespace {

char16_t Folded(char16_t c) {
    return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c;
}

bool Holds(std::u16string_view haystack, std::u16string_view text) {
    return std::search(haystack.begin(), haystack.end(), text.begin(), text.end(),
                       [](char16_t a, char16_t b) { return Folded(a) == Folded(b); }) !=
           haystack.end();
}

} // namespace

bool EventContains(const VNEvent& event, std::u16string_view text) {
    for (int32_t n = 0; n < event.GetParamCount(); ++n)
        if (!event.IsIntArg(n) && Holds(event.GetString(n).Wide(), text))
            return true;
    return Holds(Summary(event).Wide(), text);
}

int FindEvent(const VNEventFile& events, std::u16string_view text, int from, bool forward) {
    const int count = events.GetCount();
    if (count == 0 || text.empty())
        return -1;
    if (from < 0 || from >= count)
        from = forward ? count - 1 : 0; // so the first step lands on the first (last) event
    for (int step = 1; step <= count; ++step) {
        const int n = ((forward ? from + step : from - step) % count + count) % count;
        if (EventContains(*events.Get(n), text))
            return n;
    }
    return -1;
}
