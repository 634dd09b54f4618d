// A font with known glyphs and a host that records what text drawing asks
// of it, for the text renderer tests.
#pragma once

#include "graphics/GlyphBlend.h"
#include "graphics/GlyphSource.h"
#include "graphics/MessageStyle.h"
#include "graphics/TextHost.h"

#include <functional>
#include <string>
#include <vector>

namespace texttest {

// Half-width characters advance 6 pixels, double-byte ones 12. Every glyph
// is a box one pixel narrower on each side than its advance and 8 rows high
// from the top of the line, all of grey value 32 (half coverage), so a
// character drawn twice shows. 'x' cannot be measured.
class FakeFont : public GlyphSource {
public:
    static constexpr int32_t kAscent = 8;
    static constexpr int32_t kHalf = 6;
    static constexpr int32_t kFull = 12;
    static constexpr uint8_t kGrey = 32;

    static int32_t AdvanceOf(uint32_t code) { return code > 0xFF ? kFull : kHalf; }

    int32_t Ascent() const override { return kAscent; }
    bool Glyph(uint32_t code, GlyphMetrics& metrics, std::vector<uint8_t>* bitmap) override {
        ++requests;
        if (code == 'x') {
            return false;
        }
        metrics.cellAdvanceX = AdvanceOf(code);
        metrics.blackBoxWidth = metrics.cellAdvanceX - 2;
        metrics.blackBoxHeight = 8;
        metrics.originX = 1;
        metrics.originY = kAscent;
        if (bitmap) {
            bitmap->assign(static_cast<size_t>(GlyphRowBytes(metrics.blackBoxWidth)) * 8, 0);
            for (int32_t row = 0; row < 8; ++row) {
                for (int32_t col = 0; col < metrics.blackBoxWidth; ++col) {
                    (*bitmap)[static_cast<size_t>(row * GlyphRowBytes(metrics.blackBoxWidth) +
                                                  col)] = kGrey;
                }
            }
        }
        return true;
    }

    int requests = 0;
};

// Time moves only when read: every NowMs() first advances by `step` and
// then calls `onTime`. IdleUntil jumps to its deadline.
class RecordingHost : public TextHost {
public:
    void Pump() override { ++pumps; }
    uint32_t PressCount() override { return presses; }
    bool SkipActive() override { return skip; }
    bool Paused() override { return paused; }
    int64_t NowMs() override {
        now += step;
        if (onTime) {
            onTime(now);
        }
        return now;
    }
    void IdleUntil(int64_t deadlineMs) override {
        if (deadlineMs > now) {
            now = deadlineMs;
        }
    }
    void Present(int32_t x, int32_t y, int32_t width, int32_t height) override {
        presents.push_back({x, y, width, height});
    }
    bool ClickWait() override {
        ++clickWaits;
        return onClickWait ? onClickWait() : true;
    }
    void PageShown(std::string_view page) override { pages.emplace_back(page); }

    int64_t now = 0;
    int64_t step = 1;
    uint32_t presses = 0;
    bool skip = false;
    bool paused = false;
    int pumps = 0;
    int clickWaits = 0;
    std::function<void(int64_t)> onTime;
    std::function<bool()> onClickWait;
    std::vector<ScreenRect> presents;
    std::vector<std::string> pages;
};

} // namespace texttest
