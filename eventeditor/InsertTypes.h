// The entries of the main window's insert type list, in list order, with the
// event code each inserts; 0 marks a separator line that inserts nothing.
// Older MIDI, flag and message box events cannot be inserted.
#pragma once

#include <cstdint>
#include <span>

struct InsertType {
    const char8_t* text;
    int32_t code;
};

std::span<const InsertType> InsertTypes();
