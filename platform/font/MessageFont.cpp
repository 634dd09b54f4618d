#include "platform/font/MessageFont.h"

#include "platform/font/FontRules.h"
#include "scenario/ShiftJis.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstring>

namespace platform {

namespace {

constexpr int32_t kMaxPixels = 1024;

bool IsDefaultName(const std::string& face) {
    if (face.size() != 7) {
        return false;
    }
    for (size_t i = 0; i < face.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(face[i])) != "default"[i]) {
            return false;
        }
    }
    return true;
}

bool CoversJapanese(FcPattern* font) {
    FcLangSet* langs = nullptr;
    return FcPatternGetLangSet(font, FC_LANG, 0, &langs) == FcResultMatch &&
           FcLangSetHasLang(langs, reinterpret_cast<const FcChar8*>("ja")) != FcLangDifferentLang;
}

struct PatternDeleter {
    void operator()(FcPattern* p) const { FcPatternDestroy(p); }
};
struct FontSetDeleter {
    void operator()(FcFontSet* s) const { FcFontSetDestroy(s); }
};

} // namespace

bool ResolveMessageFace(const std::string& utf8Face, std::string& family, std::string& file,
                        int& index) {
    LoadFaceNameRules();
    const std::string name = IsDefaultName(utf8Face) ? "ＭＳ ゴシック" : utf8Face;
    std::unique_ptr<FcPattern, PatternDeleter> pattern(FcPatternCreate());
    if (!pattern) {
        return false;
    }
    FcPatternAddString(pattern.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(name.c_str()));
    FcPatternAddString(pattern.get(), FC_LANG, reinterpret_cast<const FcChar8*>("ja"));
    FcPatternAddBool(pattern.get(), FC_SCALABLE, FcTrue);
    FcConfigSubstitute(nullptr, pattern.get(), FcMatchPattern);
    FcDefaultSubstitute(pattern.get());
    FcResult result = FcResultNoMatch;
    // The candidates in order of closeness: the first that can show Japanese
    // wins, so a Latin face named by a game does not leave its text as boxes.
    std::unique_ptr<FcFontSet, FontSetDeleter> fonts(
        FcFontSort(nullptr, pattern.get(), FcFalse, nullptr, &result));
    if (!fonts || fonts->nfont == 0) {
        return false;
    }
    FcPattern* chosen = fonts->fonts[0];
    for (int i = 0; i < fonts->nfont; ++i) {
        if (CoversJapanese(fonts->fonts[i])) {
            chosen = fonts->fonts[i];
            break;
        }
    }
    FcChar8* fileName = nullptr;
    FcChar8* familyName = nullptr;
    if (FcPatternGetString(chosen, FC_FILE, 0, &fileName) != FcResultMatch) {
        return false;
    }
    file = reinterpret_cast<const char*>(fileName);
    family = FcPatternGetString(chosen, FC_FAMILY, 0, &familyName) == FcResultMatch
                 ? reinterpret_cast<const char*>(familyName)
                 : std::string();
    index = 0;
    FcPatternGetInteger(chosen, FC_INDEX, 0, &index);
    return true;
}

struct MessageFont::Impl {
    FT_Library library = nullptr;
    FT_Face face = nullptr;
    int32_t ascent = 0;
    std::string family;
    std::string file;

    ~Impl() {
        if (face) {
            FT_Done_Face(face);
        }
        if (library) {
            FT_Done_FreeType(library);
        }
    }
};

MessageFont::MessageFont(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {}
MessageFont::~MessageFont() = default;

std::unique_ptr<MessageFont> MessageFont::Open(const std::string& utf8Face, int32_t width,
                                               int32_t height) {
    auto impl = std::make_unique<Impl>();
    int index = 0;
    if (!ResolveMessageFace(utf8Face, impl->family, impl->file, index) ||
        FT_Init_FreeType(&impl->library) != 0 ||
        FT_New_Face(impl->library, impl->file.c_str(), index, &impl->face) != 0 ||
        !FT_IS_SCALABLE(impl->face)) {
        return nullptr;
    }
    FT_Face face = impl->face;
    // The character cell is the face's ascent plus descent; the em is scaled
    // so that the cell is `height` pixels high.
    const double units = face->units_per_EM > 0 ? face->units_per_EM : 1000.0;
    double cellUnits = static_cast<double>(face->ascender) - face->descender;
    if (cellUnits <= 0) {
        cellUnits = units;
    }
    height = std::clamp(height, 1, kMaxPixels);
    const double emHigh = height * units / cellUnits;
    const double emWide =
        width == 0 ? emHigh : std::clamp(2.0 * std::abs(width), 1.0, 2.0 * kMaxPixels);
    if (FT_Set_Char_Size(face, static_cast<FT_F26Dot6>(std::lround(emWide * 64)),
                         static_cast<FT_F26Dot6>(std::lround(emHigh * 64)), 72, 72) != 0) {
        return nullptr;
    }
    impl->ascent = static_cast<int32_t>(std::lround(face->ascender * height / cellUnits));
    return std::unique_ptr<MessageFont>(new MessageFont(std::move(impl)));
}

int32_t MessageFont::Ascent() const {
    return impl_->ascent;
}

const std::string& MessageFont::Family() const {
    return impl_->family;
}

const std::string& MessageFont::File() const {
    return impl_->file;
}

bool MessageFont::Glyph(uint32_t code, GlyphMetrics& metrics, std::vector<uint8_t>* bitmap) {
    // The character as Unicode; bytes that are no Shift-JIS character come
    // out as units the face has no glyph for, so they show the missing-glyph
    // box.
    char bytes[2];
    size_t length = 0;
    if (code > 0xFF) {
        bytes[length++] = static_cast<char>(code >> 8);
    }
    bytes[length++] = static_cast<char>(code & 0xFF);
    const std::u16string wide = vn::sjis::ToWide(std::string_view(bytes, length));
    const FT_ULong unicode = wide.empty() ? 0 : wide[0];
    FT_Face face = impl_->face;
    const FT_UInt index = FT_Get_Char_Index(face, unicode);
    if (FT_Load_Glyph(face, index, FT_LOAD_DEFAULT | FT_LOAD_NO_BITMAP) != 0 ||
        FT_Render_Glyph(face->glyph, FT_RENDER_MODE_NORMAL) != 0) {
        return false;
    }
    const FT_GlyphSlot slot = face->glyph;
    const FT_Bitmap& source = slot->bitmap;
    if (source.rows != 0 && source.width != 0 &&
        (source.pixel_mode != FT_PIXEL_MODE_GRAY || source.pitch < 0)) {
        return false;
    }
    metrics.blackBoxWidth = static_cast<int32_t>(source.width);
    metrics.blackBoxHeight = static_cast<int32_t>(source.rows);
    metrics.originX = slot->bitmap_left;
    metrics.originY = slot->bitmap_top;
    metrics.cellAdvanceX = static_cast<int32_t>((slot->advance.x + 32) >> 6);
    if (bitmap) {
        const size_t rowBytes = static_cast<size_t>(GlyphRowBytes(metrics.blackBoxWidth));
        bitmap->assign(rowBytes * source.rows, 0);
        const int grays = source.num_grays > 1 ? source.num_grays - 1 : 255;
        for (unsigned row = 0; row < source.rows; ++row) {
            const unsigned char* in = source.buffer + static_cast<ptrdiff_t>(row) * source.pitch;
            uint8_t* out = bitmap->data() + rowBytes * row;
            // 0..255 to the 65 levels 0..64, rounded, so full coverage is 64.
            for (unsigned column = 0; column < source.width; ++column) {
                out[column] = static_cast<uint8_t>((in[column] * 64 + grays / 2) / grays);
            }
        }
    }
    return true;
}

} // namespace platform
