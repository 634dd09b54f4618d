#include "player/VNBackLog.h"

#include "scenario/VNAssert.h"

void VNBackLog::Append(const VNString& text) {
    const VNString line = text + VNString("\r\n");
    if (count_ < VNBACKLOG_ENTRIES) {
        entries_[static_cast<size_t>(count_++)] = line;
        return;
    }
    entries_[static_cast<size_t>(start_)] = line;
    start_ = (start_ + 1) % VNBACKLOG_ENTRIES;
}

const VNString& VNBackLog::Entry(int32_t i) const {
    VN_ASSERT(i >= 0 && i < count_);
    return entries_[static_cast<size_t>((start_ + i) % VNBACKLOG_ENTRIES)];
}

VNString VNBackLog::AllText() const {
    std::string bytes;
    for (int32_t i = 0; i < count_; ++i) {
        bytes += Entry(i).Bytes();
    }
    return VNString::FromBytes(bytes);
}
