// One event: its code and one slot per argument.
//
// Event files hold millions of events, so an event keeps little beside its
// values: the code (the type's table row is looked up from it), the integer
// arguments in place, and one block of strings for the string arguments.
#pragma once

#include "scenario/VNEventType.h"
#include "scenario/VNString.h"

#include <cstdint>
#include <memory>

class VNEvent {
public:
    // A fresh event of `code`: integers 0, strings empty. Requires a valid code.
    explicit VNEvent(int32_t code);
    VNEvent(const VNEvent& other);
    VNEvent& operator=(const VNEvent& other);
    ~VNEvent();

    const VNEventDescriptor& GetDescriptor() const { return GetEventDescriptor(event_code); }
    int32_t GetCode() const { return event_code; }
    int32_t GetParamCount() const { return params; }
    bool IsIntArg(int32_t n) const { return GetDescriptor().arg_type_desc[n] == 'I'; }

    int32_t GetInt(int32_t n) const;
    const VNString& GetString(int32_t n) const;
    void SetInt(int32_t n, int32_t value);
    void SetString(int32_t n, const VNString& text);

    // Turns the event, whatever it was, into a comment holding `text`.
    void MakeComment(const VNString& text);
    // Turns the event into a fresh event of `code` (integers 0, strings empty).
    void Reset(int32_t code);

    // Most integer arguments any event type has.
    static constexpr int32_t kMaxInts = 4;

private:
    void BuildSlots();
    // Index of argument n among the arguments of its letter; -1 when n is
    // out of range or of the other letter (checked builds stop before).
    int32_t SlotOf(int32_t n, char letter) const;

    int32_t event_code = 0; // 0 only for an event built from a bad code
    int32_t params = 0;
    int32_t ints[kMaxInts] = {};
    std::unique_ptr<VNString[]> strings; // one per 'S' letter, in order; null when none
};
