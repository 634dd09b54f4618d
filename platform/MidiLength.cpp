#include "platform/MidiLength.h"

#include <algorithm>

namespace platform {

namespace {

class Reader {
public:
    explicit Reader(std::string_view bytes) : bytes_(bytes) {}
    bool AtEnd() const { return at_ >= bytes_.size(); }
    bool Take(size_t count, std::string_view& out) {
        if (bytes_.size() - at_ < count)
            return false;
        out = bytes_.substr(at_, count);
        at_ += count;
        return true;
    }
    bool Byte(uint8_t& out) {
        std::string_view one;
        if (!Take(1, one))
            return false;
        out = static_cast<uint8_t>(one[0]);
        return true;
    }
    bool BigEndian32(uint32_t& out) {
        out = 0;
        for (int i = 0; i < 4; ++i) {
            uint8_t b;
            if (!Byte(b))
                return false;
            out = out << 8 | b;
        }
        return true;
    }
    // A variable-length quantity: at most four bytes of seven bits.
    bool Quantity(uint32_t& out) {
        out = 0;
        for (int i = 0; i < 4; ++i) {
            uint8_t b;
            if (!Byte(b))
                return false;
            out = out << 7 | (b & 0x7F);
            if (!(b & 0x80))
                return true;
        }
        return false;
    }
    bool Skip(uint32_t count) {
        std::string_view ignored;
        return Take(count, ignored);
    }

private:
    std::string_view bytes_;
    size_t at_ = 0;
};

// Data bytes after a channel message's status byte.
int DataBytes(uint8_t status) {
    const uint8_t kind = status & 0xF0;
    return kind == 0xC0 || kind == 0xD0 ? 1 : 2;
}

// The ticks of one track's events, or -1 when the track is damaged.
int64_t TrackTicks(std::string_view track) {
    Reader reader(track);
    int64_t ticks = 0;
    uint8_t running = 0;
    while (!reader.AtEnd()) {
        uint32_t delta;
        uint8_t status;
        if (!reader.Quantity(delta) || !reader.Byte(status))
            return -1;
        ticks += delta;
        if (status == 0xFF) { // meta event: type, length, data
            uint8_t type;
            uint32_t length;
            if (!reader.Byte(type) || !reader.Quantity(length) || !reader.Skip(length))
                return -1;
            if (type == 0x2F)
                return ticks; // end of track
            continue;
        }
        if (status == 0xF0 || status == 0xF7) { // system exclusive
            uint32_t length;
            if (!reader.Quantity(length) || !reader.Skip(length))
                return -1;
            continue;
        }
        int data = 0;
        if (status & 0x80) {
            running = status;
            data = DataBytes(status);
        } else if (running) {
            data = DataBytes(running) - 1; // the byte read was the first data byte
        } else {
            return -1;
        }
        if (!reader.Skip(static_cast<uint32_t>(data)))
            return -1;
    }
    return ticks;
}

} // namespace

int64_t MidiLengthInTicks(std::string_view bytes) {
    Reader reader(bytes);
    std::string_view tag;
    uint32_t headerLength;
    if (!reader.Take(4, tag) || tag != "MThd" || !reader.BigEndian32(headerLength) ||
        !reader.Skip(headerLength))
        return -1;
    int64_t longest = -1;
    while (!reader.AtEnd()) {
        uint32_t length;
        std::string_view chunk;
        if (!reader.Take(4, tag) || !reader.BigEndian32(length) || !reader.Take(length, chunk))
            return -1;
        if (tag != "MTrk")
            continue; // chunks of other kinds are skipped, as players do
        const int64_t ticks = TrackTicks(chunk);
        if (ticks < 0)
            return -1;
        longest = std::max(longest, ticks);
    }
    return longest;
}

} // namespace platform
