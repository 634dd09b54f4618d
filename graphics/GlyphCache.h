// The glyphs a font has already given, kept so that a page's characters are
// rendered once: every character of a message is drawn twice (shadow and
// text), pages repeat characters, and a redraw after the right-button view
// or a choice draws them all again.
#pragma once

#include "graphics/GlyphSource.h"

#include <cstddef>
#include <cstdint>
#include <list>
#include <unordered_map>
#include <vector>

struct CachedGlyph {
    bool valid = false; // false: the font could not give this character
    GlyphMetrics metrics;
    std::vector<uint8_t> bitmap; // GlyphRowBytes(width) x height grey values 0..64
};

class GlyphCache {
public:
    // Keeps at most `capacity` glyphs (at least 1); the one used longest ago
    // makes room for a new one.
    explicit GlyphCache(GlyphSource& source, size_t capacity = kDefaultCapacity);

    // The glyph of `code`, asked of the font on the first use only. A
    // character the font cannot give is remembered as such. The reference
    // stays valid until the next call.
    const CachedGlyph& Get(uint32_t code);

    size_t Size() const { return entries_.size(); }
    size_t Capacity() const { return capacity_; }
    // How many times the font was asked (for tests and benchmarks).
    uint64_t SourceRequests() const { return requests_; }

    // A few thousand glyphs of a 24-pixel face take about 2 MB.
    static constexpr size_t kDefaultCapacity = 2048;

private:
    struct Entry {
        CachedGlyph glyph;
        std::list<uint32_t>::iterator age; // position in the use order
    };

    GlyphSource& source_;
    size_t capacity_;
    std::unordered_map<uint32_t, Entry> entries_;
    std::list<uint32_t> useOrder_; // most recently used first
    uint64_t requests_ = 0;
};
