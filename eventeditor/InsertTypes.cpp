#include "eventeditor/InsertTypes.h"

#include "scenario/VNEventType.h"

#include <algorithm>
#include <vector>

namespace {

constexpr const char8_t* kSeparator = u8"-------------------";

// The insertable rows of the event type table in the order of their places,
// with a separator line wherever the group (the place's tens) changes.
std::vector<InsertType> BuildInsertTypes() {
    std::vector<const VNEventDescriptor*> rows;
    for (int32_t code = 1; code <= EVENTCODE_MAX; ++code)
        if (GetEventDescriptor(code).insert_text)
            rows.push_back(&GetEventDescriptor(code));
    std::sort(rows.begin(), rows.end(),
              [](const auto* a, const auto* b) { return a->insert_place < b->insert_place; });
    std::vector<InsertType> types;
    for (const VNEventDescriptor* row : rows) {
        if (!types.empty() &&
            GetEventDescriptor(types.back().code).insert_place / 10 != row->insert_place / 10)
            types.push_back({kSeparator, 0});
        types.push_back({row->insert_text, row->code});
    }
    return types;
}

} // namespace

std::span<const InsertType> InsertTypes() {
    static const std::vector<InsertType> types = BuildInsertTypes();
    return types;
}
