// Arbitrary bytes as a run of tagged items: the reader never reads past the
// bytes it has, never allocates beyond them, and what it reads writes back
// to an item that reads the same.
#include "scenario/VNFileReader.h"

#include "FileRoundTrip.h"

#include <cstdint>
#include <vector>

namespace {

struct Item {
    bool is_string;
    VNString text;
    int32_t value;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    VNFileReader reader;
    reader.OpenMemory(data, size);
    std::vector<Item> items;
    // The first byte of each item decides how it is read: a string item when
    // its tag is 2 or 3, else an integer item.
    while (reader.BytesLeft() > 0) {
        const int64_t before = reader.Offset();
        const uint8_t tag = data[before];
        Item item{tag == 2 || tag == 3, VNString(), 0};
        const bool ok = item.is_string ? reader.ReadString(item.text) : reader.ReadInt(item.value);
        if (reader.Offset() > static_cast<int64_t>(size) || reader.BytesLeft() < 0)
            fuzz::Broken("the reader stays inside its bytes");
        if (!ok) {
            if (reader.GetFailure() == VNFileReader::Failure::None)
                fuzz::Broken("a failed read says why");
            break;
        }
        if (item.is_string && item.text.GetByteLength() > reader.Offset() - before - 5)
            fuzz::Broken("a text is no longer than its item");
        items.push_back(item);
    }

    struct Written {
        const std::vector<Item>& items;
        bool Save(VNFileWriter& writer) const {
            for (const Item& item : items)
                if (!(item.is_string ? writer.WriteString(item.text) : writer.WriteInt(item.value)))
                    return false;
            return true;
        }
    };
    const std::string bytes = fuzz::SavedBytes(Written{items});
    VNFileReader back;
    back.OpenMemory(bytes.data(), bytes.size());
    for (const Item& item : items) {
        VNString text;
        int32_t value = 0;
        const bool ok = item.is_string ? back.ReadString(text) : back.ReadInt(value);
        if (!ok || text != item.text || value != item.value)
            fuzz::Broken("written items read back the same");
    }
    if (back.BytesLeft() != 0)
        fuzz::Broken("nothing is left over");
    return 0;
}
