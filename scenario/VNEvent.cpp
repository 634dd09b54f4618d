#include "scenario/VNEvent.h"

#include "scenario/VNAssert.h"

#include <algorithm>

VNEvent::VNEvent(int32_t code) {
    Reset(code);
}

VNEvent::VNEvent(const VNEvent& other) : event_code(other.event_code) {
    const VNEventDescriptor& event_type = GetDescriptor();
    VN_ASSERT(IS_VALID_EVENT_CODE(event_type.code));
    BuildSlots();
    std::copy(std::begin(other.ints), std::end(other.ints), std::begin(ints));
    for (int32_t n = 0; n < params; ++n)
        if (const int32_t slot = SlotOf(n, 'S'); slot >= 0)
            strings[slot] = other.strings[slot];
}

VNEvent& VNEvent::operator=(const VNEvent& other) {
    if (this != &other) {
        VNEvent copy(other);
        event_code = copy.event_code;
        params = copy.params;
        std::copy(std::begin(copy.ints), std::end(copy.ints), std::begin(ints));
        strings = std::move(copy.strings);
    }
    return *this;
}

VNEvent::~VNEvent() = default;

void VNEvent::BuildSlots() {
    const VNEventDescriptor& event_type = GetDescriptor();
    params = 0;
    int32_t texts = 0;
    for (const char* c = event_type.arg_type_desc; c && *c; ++c) {
        VN_ASSERT(*c == 'I' || *c == 'S');
        texts += *c == 'S';
        ++params;
    }
    VN_ASSERT(params == event_type.argc);
    VN_ASSERT(params - texts <= kMaxInts);
    std::fill(std::begin(ints), std::end(ints), 0);
    strings.reset(texts > 0 ? new VNString[static_cast<size_t>(texts)] : nullptr);
}

int32_t VNEvent::SlotOf(int32_t n, char letter) const {
    const char* letters = GetDescriptor().arg_type_desc;
    if (n < 0 || n >= params || letters[n] != letter)
        return -1;
    return static_cast<int32_t>(std::count(letters, letters + n, letter));
}

int32_t VNEvent::GetInt(int32_t n) const {
    const VNEventDescriptor& event_type = GetDescriptor();
    VN_ASSERT(n < params);
    VN_ASSERT(event_type.arg_type_desc[n] == 'I');
    const int32_t slot = SlotOf(n, 'I');
    return slot < 0 ? 0 : ints[slot];
}

const VNString& VNEvent::GetString(int32_t n) const {
    const VNEventDescriptor& event_type = GetDescriptor();
    VN_ASSERT(n < params);
    VN_ASSERT(event_type.arg_type_desc[n] == 'S');
    static const VNString none;
    const int32_t slot = SlotOf(n, 'S');
    return slot < 0 ? none : strings[slot];
}

void VNEvent::SetInt(int32_t n, int32_t value) {
    const VNEventDescriptor& event_type = GetDescriptor();
    VN_ASSERT(n < params);
    VN_ASSERT(event_type.arg_type_desc[n] == 'I');
    if (const int32_t slot = SlotOf(n, 'I'); slot >= 0)
        ints[slot] = value;
}

void VNEvent::SetString(int32_t n, const VNString& text) {
    const VNEventDescriptor& event_type = GetDescriptor();
    VN_ASSERT(n < params);
    VN_ASSERT(event_type.arg_type_desc[n] == 'S');
    if (const int32_t slot = SlotOf(n, 'S'); slot >= 0)
        strings[slot] = text;
}

void VNEvent::Reset(int32_t code) {
    // A copy of the table row with the code as given, so that a bad code
    // shows in the assertion; the event itself keeps the row the table has.
    VNEventDescriptor event_type = GetEventDescriptor(code);
    event_type.code = code;
    VN_ASSERT(IS_VALID_EVENT_CODE(event_type.code));
    event_code = GetEventDescriptor(code).code;
    BuildSlots();
}

void VNEvent::MakeComment(const VNString& text) {
    Reset(EVENTCODE_COMMENT);
    SetString(0, text);
}
