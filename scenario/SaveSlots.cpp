#include "scenario/SaveSlots.h"

#include "scenario/RegularFile.h"

namespace {

// About a line of the slot list: 48 full-width characters.
constexpr int32_t kTitleBytesShown = 96;

} // namespace

uint32_t ParamFileCheck(std::string_view bytes) {
    uint32_t hash = 2166136261u;
    for (const char c : bytes) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 16777619u;
    }
    return hash;
}

bool ParamFileCheckOf(const std::string& path, uint32_t& check) {
    std::string bytes;
    if (!vn::ReadRegularFile(path, bytes))
        return false;
    check = ParamFileCheck(bytes);
    return true;
}

bool LoadSlot(const std::string& recordPath, const std::string& paramPath, VNSaveRecord& record) {
    if (!record.Load(recordPath))
        return false;
    if (!record.localCheck)
        return true;
    uint32_t check = 0;
    return ParamFileCheckOf(paramPath, check) && check == *record.localCheck;
}

VNString SlotLine(int slot, const VNSaveRecord* record) {
    const VNString head = VNString(u8"データ") + VNString(static_cast<int32_t>(slot));
    if (!record)
        return head + VNString(u8" --------- NO DATA ---------");
    return head + VNString(" ") + record->timeStamp + VNString(" ") +
           record->title.PrefixBytes(kTitleBytesShown);
}
