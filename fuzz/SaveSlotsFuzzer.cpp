// Arbitrary bytes as the two files of a save slot, as the save and load
// dialogs list it: the first two bytes give the length of the record, the
// rest is the record followed by the slot's local parameter file. A slot
// with data has its texts within their bounds and a line of bounded length.
#include "InputFile.h"
#include "scenario/SaveSlots.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    size_t recordSize = size;
    if (size >= 2) {
        recordSize = static_cast<size_t>(data[0] | data[1] << 8);
        data += 2;
        size -= 2;
        if (recordSize > size)
            recordSize = size;
    }
    const fuzz::InputFile record(data, recordSize);
    const fuzz::InputFile params(data + recordSize, size - recordSize);
    for (int slot = 0; slot < SAVE_SLOT_COUNT; slot += 49) {
        VNSaveRecord saved;
        const bool holdsData = LoadSlot(record.Path(), params.Path(), saved);
        const VNString line = SlotLine(slot, holdsData ? &saved : nullptr);
        if (holdsData && (saved.title.GetByteLength() > VNSaveRecord::kMaxTextBytes ||
                          line.GetByteLength() > 300))
            std::abort();
    }
    return 0;
}
