// The backlog: the last 50 pieces of message text, oldest first, for the
// player to reread. A piece is stored with a line break after it.
#pragma once

#include "scenario/VNString.h"

#include <array>
#include <cstdint>

constexpr int32_t VNBACKLOG_ENTRIES = 50;

class VNBackLog {
public:
    // Keeps a copy of `text` followed by "\r\n"; when 50 pieces are kept the
    // oldest makes room.
    void Append(const VNString& text);
    int32_t Count() const { return count_; }
    // Piece `i`, 0 the oldest.
    const VNString& Entry(int32_t i) const;
    // Every piece, oldest first, each ending its own line.
    VNString AllText() const;

private:
    std::array<VNString, VNBACKLOG_ENTRIES> entries_;
    int32_t count_ = 0;
    int32_t start_ = 0; // the oldest piece once the ring is full
};
