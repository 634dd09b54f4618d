#include "graphics/PixelOpsKind.h"

#include "graphics/AlphaCurtain.h"
#include "graphics/PatternDraw.h"
#include "graphics/PatternSets.h"
#include "graphics/PixelOps.h"

#include <algorithm>

namespace {
constexpr int kKindAlphaBlend = 0;
constexpr int kKindAlphaCurtain = 5;
} // namespace

int PatternSetOfKind(int kind) {
    return kind >= 1 && kind <= 4 ? kind - 1 : 0;
}

int PatternStepForAlpha(int set, bool asIs, int32_t alpha) {
    const int32_t v = std::clamp(alpha, 0, 255);
    const int32_t w = asIs ? 255 - v : v;
    return (PatternStepCount(set) - 1) * w / 255;
}

void DrawWithKind(Surface& dst, int kind, bool asIs, int32_t alpha, int32_t x, int32_t y,
                  const Surface& image) {
    const int32_t v = std::clamp(alpha, 0, 255);
    if (kind == kKindAlphaBlend) {
        Blend(dst, x, y, image, v);
        return;
    }
    if (kind == kKindAlphaCurtain) {
        AlphaCurtain(dst, static_cast<float>(v) / 255.0f, x, y, image);
        return;
    }
    const int set = PatternSetOfKind(kind);
    PatternDraw(dst, set, PatternStepForAlpha(set, asIs, v), asIs, x, y, image);
}
