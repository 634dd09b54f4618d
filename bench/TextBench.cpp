// The message font and the message text: a glyph from the cache, a glyph
// rendered anew beside FreeType's own load and render, and a whole message
// box laid out and drawn once its glyphs are cached.

#include "BenchPictures.h"
#include "graphics/GlyphCache.h"
#include "graphics/MessageBox.h"
#include "graphics/MessageText.h"
#include "graphics/Surface.h"
#include "graphics/TextCharacters.h"
#include "graphics/TextRenderer.h"
#include "platform/font/MessageFont.h"
#include "player/MessageTyping.h"
#include "scenario/ShiftJis.h"
#include "scenario/VNString.h"

#include <benchmark/benchmark.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <string>
#include <vector>

namespace {

// 100 different full-width characters: the kanji rows from 0x889F on.
std::vector<uint32_t> FullWidthCodes() {
    std::vector<uint32_t> codes;
    for (uint32_t trail = 0x9F; codes.size() < 100; ++trail) {
        codes.push_back(0x8800 + trail);
    }
    return codes;
}

std::unique_ptr<platform::MessageFont> DefaultFont() {
    return platform::MessageFont::Open("ＭＳ Ｐゴシック", 12, 24);
}

void BM_GlyphCacheHit(benchmark::State& state) {
    auto font = DefaultFont();
    GlyphCache cache(*font);
    const std::vector<uint32_t> codes = FullWidthCodes();
    for (uint32_t code : codes) {
        cache.Get(code);
    }
    size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(cache.Get(codes[i]).metrics.cellAdvanceX);
        i = i + 1 == codes.size() ? 0 : i + 1;
    }
    state.SetLabel(font->Family());
}
BENCHMARK(BM_GlyphCacheHit)->Unit(benchmark::kNanosecond);

// Every call renders: the FreeType source keeps nothing.
void BM_MessageFontGlyph(benchmark::State& state) {
    auto font = DefaultFont();
    const std::vector<uint32_t> codes = FullWidthCodes();
    GlyphMetrics metrics;
    std::vector<uint8_t> bitmap;
    size_t i = 0;
    for (auto _ : state) {
        font->Glyph(codes[i], metrics, &bitmap);
        benchmark::DoNotOptimize(bitmap.data());
        i = i + 1 == codes.size() ? 0 : i + 1;
    }
}
BENCHMARK(BM_MessageFontGlyph)->Unit(benchmark::kMicrosecond);

// FreeType alone on the same face at 24 pixels: load and render the same
// characters, without our conversion to 65 grey levels.
void BM_FreeTypeLoadRender(benchmark::State& state) {
    auto font = DefaultFont();
    FT_Library library;
    FT_Face face;
    if (FT_Init_FreeType(&library) != 0 || FT_New_Face(library, font->File().c_str(), 0, &face)) {
        state.SkipWithError("no face");
        return;
    }
    FT_Set_Pixel_Sizes(face, 24, 24);
    std::vector<FT_ULong> unicode;
    for (uint32_t code : FullWidthCodes()) {
        const char bytes[2] = {static_cast<char>(code >> 8), static_cast<char>(code & 0xFF)};
        unicode.push_back(vn::sjis::ToWide(std::string_view(bytes, 2))[0]);
    }
    size_t i = 0;
    for (auto _ : state) {
        FT_Load_Char(face, unicode[i], FT_LOAD_DEFAULT | FT_LOAD_NO_BITMAP);
        FT_Render_Glyph(face->glyph, FT_RENDER_MODE_NORMAL);
        benchmark::DoNotOptimize(face->glyph->bitmap.buffer);
        i = i + 1 == unicode.size() ? 0 : i + 1;
    }
    FT_Done_Face(face);
    FT_Done_FreeType(library);
}
BENCHMARK(BM_FreeTypeLoadRender)->Unit(benchmark::kMicrosecond);

class QuietInput final : public TypingInput {
public:
    void Pump() override {}
    uint32_t PressCount() override { return 0; }
    bool SkipActive() override { return false; }
    bool Paused() override { return false; }
    int64_t NowMs() override { return 0; }
    void IdleUntil(int64_t) override {}
    void Present(const ScreenRect&) override {}
};

// The default 640 x 480 screen and message style: the gradient box, then
// four lines of 25 full-width characters with their shadows, no delay.
void BM_FullMessageBox(benchmark::State& state) {
    auto font = DefaultFont();
    auto screen = bench::MakeBackground(640, 480, 7);
    const MessageStyle style;
    TextRenderer renderer(*screen, *font, style);
    std::string text;
    const std::vector<uint32_t> codes = FullWidthCodes();
    for (int line = 0; line < 4; ++line) {
        for (int n = 0; n < 25; ++n) {
            const uint32_t code = codes[static_cast<size_t>(line * 25 + n)];
            text += static_cast<char>(code >> 8);
            text += static_cast<char>(code & 0xFF);
        }
        if (line < 3) {
            text += '/';
        }
    }
    QuietInput input;
    MessageTyping typing(renderer, input);
    const LineColours colours{{255, 255, 255}, {0, 0, 0}};
    MessageText message;
    typing.TypePage(message, text, colours, 0); // fills the cache
    for (auto _ : state) {
        DrawMessageBox(*screen, MessageBoxStyle{}, style);
        message.Clear();
        typing.TypePage(message, text, colours, 0);
        benchmark::DoNotOptimize(screen->Pixels());
    }
    state.counters["lines"] = message.LinesDrawn();
}
BENCHMARK(BM_FullMessageBox)->Unit(benchmark::kMicrosecond);

// Breaking a long message of dialogue, brackets and punctuation into lines
// of the default area, glyphs cached, with MsgKinsoku 0, 1 and 2.
void BM_LayOutMessage(benchmark::State& state) {
    auto font = DefaultFont();
    Surface unused;
    MessageStyle style;
    style.lineBreak = LineBreakRuleOf(static_cast<int32_t>(state.range(0)));
    TextRenderer renderer(unused, *font, style);
    std::string text;
    for (int n = 0; n < 20; ++n) {
        text += VNString(u8"「ちょっと待って。」と、彼女は振り返った。「あの日のこと、"
                         u8"覚えてる？」私は答えられなかった。")
                    .Bytes();
    }
    const std::vector<uint32_t> codes = CharacterCodes(text);
    size_t lines = renderer.LayOut(codes).lines.size(); // fills the cache
    for (auto _ : state) {
        lines = renderer.LayOut(codes).lines.size();
        benchmark::DoNotOptimize(lines);
    }
    state.counters["lines"] = static_cast<double>(lines);
}
BENCHMARK(BM_LayOutMessage)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

} // namespace

namespace {

void BM_GradientBox(benchmark::State& state) {
    auto screen = bench::MakeBackground(640, 480, 7);
    for (auto _ : state) {
        DrawMessageBox(*screen, MessageBoxStyle{}, MessageStyle{});
        benchmark::DoNotOptimize(screen->Pixels());
    }
}
BENCHMARK(BM_GradientBox)->Unit(benchmark::kMicrosecond);

} // namespace
