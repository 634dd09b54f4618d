#include "graphics/GlyphCache.h"

#include <algorithm>

GlyphCache::GlyphCache(GlyphSource& source, size_t capacity)
    : source_(source), capacity_(std::max<size_t>(capacity, 1)) {
    entries_.reserve(capacity_);
}

const CachedGlyph& GlyphCache::Get(uint32_t code) {
    if (const auto found = entries_.find(code); found != entries_.end()) {
        Entry& entry = found->second;
        if (entry.age != useOrder_.begin()) {
            useOrder_.splice(useOrder_.begin(), useOrder_, entry.age);
        }
        return entry.glyph;
    }
    if (entries_.size() >= capacity_) {
        entries_.erase(useOrder_.back());
        useOrder_.pop_back();
    }
    useOrder_.push_front(code);
    Entry& entry = entries_[code];
    entry.age = useOrder_.begin();
    ++requests_;
    entry.glyph.valid = source_.Glyph(code, entry.glyph.metrics, &entry.glyph.bitmap);
    return entry.glyph;
}
