// Arbitrary bytes as the lists two event types carry: the first four bytes
// are the count, the rest the list text (Shift-JIS). The readers never hold
// more entries than the count asks for or the text has.
#include "scenario/EventLists.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    int32_t count = 0;
    if (size >= sizeof count) {
        std::memcpy(&count, data, sizeof count);
        data += sizeof count;
        size -= sizeof count;
    }
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const VNString list(bytes.c_str()); // a zero byte ends the text, as in an event
    const AnimeList anime = ReadAnimeList(count, list);
    for (const AnimeEntry& entry : anime.entries)
        if (entry.layer < 0 || entry.layer >= kAnimeLayerCount)
            std::abort();
    if (static_cast<int64_t>(anime.entries.size()) > (count < 0 ? 0 : count))
        std::abort();
    const ButtonEntries buttons = ReadButtonList(count, list);
    if (static_cast<int64_t>(buttons.buttons.size()) > buttons.held ||
        static_cast<int64_t>(buttons.buttons.size()) > (count < 0 ? 0 : count))
        std::abort();
    return 0;
}
