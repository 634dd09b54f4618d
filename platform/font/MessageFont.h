// The message font on FreeType: the face a game names, found through
// fontconfig, sized the way the games' font settings mean it, and giving its
// glyphs as 65-level grey bitmaps to the text renderer.
#pragma once

#include "graphics/GlyphSource.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace platform {

class MessageFont final : public GlyphSource {
public:
    // Opens the installed face that stands for `utf8Face`: "default" in any
    // letter case means "ＭＳ ゴシック", the Windows face names go to the IPA
    // faces through the face rules, and a face that cannot show Japanese is
    // passed over for the closest one that can.
    //
    // `width` is the width of a half-width character cell (a full-width
    // character is twice as wide): the face's em is scaled to 2 x width
    // across; 0 keeps the face's own proportions. `height` is the character
    // cell height, ascent plus descent. Sizes are kept within 1 to 1024
    // pixels. Null when no face can be opened at all.
    static std::unique_ptr<MessageFont> Open(const std::string& utf8Face, int32_t width,
                                             int32_t height);
    ~MessageFont() override;

    int32_t Ascent() const override;
    // Renders `code` (Shift-JIS) anew on every call; callers keep what they
    // need (GlyphCache).
    bool Glyph(uint32_t code, GlyphMetrics& metrics, std::vector<uint8_t>* bitmap) override;

    // The family and the file of the face that was opened.
    const std::string& Family() const;
    const std::string& File() const;

private:
    struct Impl;
    explicit MessageFont(std::unique_ptr<Impl> impl);
    std::unique_ptr<Impl> impl_;
};

// The family fontconfig chooses for `utf8Face` after the face rules ("default"
// handled as by Open), with its file; false when there is none.
bool ResolveMessageFace(const std::string& utf8Face, std::string& family, std::string& file,
                        int& index);

} // namespace platform
