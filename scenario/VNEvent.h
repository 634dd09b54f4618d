// One event: a copy of its type's table row and one slot per argument.
#pragma once

#include "scenario/VNEventType.h"
#include "scenario/VNString.h"

#include <cstdint>
#include <memory>
#include <vector>

class VNEvent {
public:
    // A fresh event of `code`: integers 0, strings empty. Requires a valid code.
    explicit VNEvent(int32_t code);
    VNEvent(const VNEvent& other);
    VNEvent& operator=(const VNEvent& other);
    ~VNEvent();

    const VNEventDescriptor& GetDescriptor() const { return event_type; }
    int32_t GetCode() const { return event_type.code; }
    int32_t GetParamCount() const { return params; }
    bool IsIntArg(int32_t n) const { return event_type.arg_type_desc[n] == 'I'; }

    int32_t GetInt(int32_t n) const;
    const VNString& GetString(int32_t n) const;
    void SetInt(int32_t n, int32_t value);
    void SetString(int32_t n, const VNString& text);

    // Turns the event, whatever it was, into a comment holding `text`.
    void MakeComment(const VNString& text);
    // Turns the event into a fresh event of `code` (integers 0, strings empty).
    void Reset(int32_t code);

private:
    void BuildSlots();

    VNEventDescriptor event_type;
    int32_t params = 0;
    std::vector<int32_t> ints;                    // entry at an 'S' position unused
    std::vector<std::unique_ptr<VNString>> strings; // null at an 'I' position
};
