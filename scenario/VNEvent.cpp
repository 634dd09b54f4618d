#include "scenario/VNEvent.h"

#include "scenario/VNAssert.h"

VNEvent::VNEvent(int32_t code) : event_type(GetEventDescriptor(code)) {
    event_type.code = code; // keep a bad code visible to the assertion below
    VN_ASSERT(IS_VALID_EVENT_CODE(event_type.code));
    event_type = GetEventDescriptor(code);
    BuildSlots();
}

VNEvent::VNEvent(const VNEvent& other) : event_type(other.event_type) {
    VN_ASSERT(IS_VALID_EVENT_CODE(event_type.code));
    BuildSlots();
    for (int32_t n = 0; n < params; ++n) {
        if (strings[n])
            *strings[n] = *other.strings[n];
        else
            ints[n] = other.ints[n];
    }
}

VNEvent& VNEvent::operator=(const VNEvent& other) {
    if (this != &other) {
        VNEvent copy(other);
        event_type = copy.event_type;
        params = copy.params;
        ints = std::move(copy.ints);
        strings = std::move(copy.strings);
    }
    return *this;
}

VNEvent::~VNEvent() = default;

void VNEvent::BuildSlots() {
    params = 0;
    for (const char* c = event_type.arg_type_desc; c && *c; ++c) {
        VN_ASSERT(*c == 'I' || *c == 'S');
        ++params;
    }
    VN_ASSERT(params == event_type.argc);
    ints.assign(static_cast<size_t>(params), 0);
    strings.clear();
    strings.resize(static_cast<size_t>(params));
    for (int32_t n = 0; n < params; ++n)
        if (event_type.arg_type_desc[n] == 'S')
            strings[n] = std::make_unique<VNString>();
}

int32_t VNEvent::GetInt(int32_t n) const {
    VN_ASSERT(n < params);
    VN_ASSERT(event_type.arg_type_desc[n] == 'I');
    return ints[n];
}

const VNString& VNEvent::GetString(int32_t n) const {
    VN_ASSERT(n < params);
    VN_ASSERT(event_type.arg_type_desc[n] == 'S');
    return *strings[n];
}

void VNEvent::SetInt(int32_t n, int32_t value) {
    VN_ASSERT(n < params);
    VN_ASSERT(event_type.arg_type_desc[n] == 'I');
    ints[n] = value;
}

void VNEvent::SetString(int32_t n, const VNString& text) {
    VN_ASSERT(n < params);
    VN_ASSERT(event_type.arg_type_desc[n] == 'S');
    *strings[n] = text;
}

void VNEvent::Reset(int32_t code) {
    event_type = GetEventDescriptor(code);
    event_type.code = code;
    VN_ASSERT(IS_VALID_EVENT_CODE(event_type.code));
    event_type = GetEventDescriptor(code);
    BuildSlots();
}

void VNEvent::MakeComment(const VNString& text) {
    Reset(EVENTCODE_COMMENT);
    SetString(0, text);
}
