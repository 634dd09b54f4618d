#include "tools/vnscript/GameIcon.h"

#include "scenario/GamePath.h"
#include "scenario/VNEvent.h"
#include "scenario/VNEventFile.h"
#include "scenario/VNEventType.h"

#include <algorithm>

namespace vnscript {
namespace {

uint32_t Pixel(uint32_t r, uint32_t g, uint32_t b) {
    return 0xFF000000u | r << 16 | g << 8 | b;
}

// `from` + (`to` - `from`) * step / steps, for one colour byte.
uint32_t Blend(int32_t from, int32_t to, int32_t step, int32_t steps) {
    return static_cast<uint32_t>(from + (to - from) * step / std::max(steps, 1));
}

} // namespace

std::string FirstBackground(const std::string& gameFolder) {
    VNEventFile start;
    // A load that fails part-way keeps the events read before the failure;
    // any of them may still name the picture.
    start.Load(GamePath(gameFolder, VNString("event\\start.evt")));
    for (int32_t n = 0; n < start.GetCount(); ++n) {
        const VNEvent* event = start.Get(n);
        if (event->GetCode() != EVENTCODE_BACKGROUND)
            continue;
        const VNString& image = event->GetString(0);
        // "NOCHANGE" keeps no picture on the background; the check refuses it.
        if (!image.IsEmpty() && image != VNString("NOCHANGE"))
            return GamePath(gameFolder, VNString("cg\\") + image);
    }
    return {};
}

bool ScaleToIcon(const Surface& source, int32_t side, Surface& icon) {
    if (!source.IsCreated() || !icon.Create(side, side))
        return false;
    const int64_t square = std::min(source.Width(), source.Height());
    const int64_t left = (source.Width() - square) / 2;
    const int64_t top = (source.Height() - square) / 2;
    for (int32_t y = 0; y < side; ++y) {
        // The source rows and columns this icon pixel covers: at least one.
        const int64_t y0 = top + y * square / side;
        const int64_t y1 = std::max(top + (y + 1) * square / side, y0 + 1);
        for (int32_t x = 0; x < side; ++x) {
            const int64_t x0 = left + x * square / side;
            const int64_t x1 = std::max(left + (x + 1) * square / side, x0 + 1);
            uint64_t sum[4] = {};
            for (int64_t sy = y0; sy < y1; ++sy) {
                const uint32_t* row = source.ScreenRow(static_cast<int32_t>(sy));
                for (int64_t sx = x0; sx < x1; ++sx)
                    for (int byte = 0; byte < 4; ++byte)
                        sum[byte] += row[sx] >> (8 * byte) & 0xFF;
            }
            const uint64_t count = static_cast<uint64_t>((y1 - y0) * (x1 - x0));
            uint32_t pixel = 0;
            for (int byte = 0; byte < 4; ++byte)
                pixel |= static_cast<uint32_t>((sum[byte] + count / 2) / count) << (8 * byte);
            icon.ScreenRow(y)[x] = pixel;
        }
    }
    icon.SetHasMask(source.HasMask());
    return true;
}

bool DrawDefaultIcon(int32_t side, Surface& icon) {
    if (!icon.Create(side, side))
        return false;
    // The gradient of the player's default message box, top to bottom.
    for (int32_t y = 0; y < side; ++y)
        std::fill_n(icon.ScreenRow(y), side,
                    Pixel(Blend(95, 207, y, side - 1), Blend(88, 207, y, side - 1),
                          Blend(191, 255, y, side - 1)));
    // A pale message box in the lower third holding three dark lines of text.
    const int32_t margin = side / 10;
    for (int32_t y = side * 5 / 8; y < side - margin; ++y)
        std::fill_n(icon.ScreenRow(y) + margin, side - 2 * margin, Pixel(245, 245, 255));
    const int32_t lineHeight = std::max(side / 32, 1);
    for (int32_t line = 0; line < 3; ++line) {
        const int32_t y0 = side * 5 / 8 + margin / 2 + line * lineHeight * 3;
        for (int32_t y = y0; y < y0 + lineHeight && y < side - margin; ++y)
            std::fill_n(icon.ScreenRow(y) + 2 * margin, side - 4 * margin - line * margin,
                        Pixel(60, 56, 120));
    }
    return true;
}

bool MakeGameIcon(const std::string& gameFolder, int32_t side, Surface& icon, std::string& from) {
    from = FirstBackground(gameFolder);
    Surface picture;
    if (!from.empty() && picture.Load(from.c_str(), nullptr) && ScaleToIcon(picture, side, icon))
        return true;
    from.clear();
    return DrawDefaultIcon(side, icon);
}

} // namespace vnscript
