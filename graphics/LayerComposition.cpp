#include "graphics/LayerComposition.h"

#include "graphics/PatternDraw.h"
#include "graphics/PatternSets.h"
#include "graphics/PixelOps.h"
#include "graphics/PixelOpsKind.h"
#include "graphics/Surface.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <limits>

namespace {

constexpr int32_t kCrossfadeKind = 0;

bool FullSize(int32_t scaleX, int32_t scaleY) {
    return scaleX == 100 && scaleY == 100;
}

// `side` x `scale` / 100 in integer arithmetic, kept inside int32.
int32_t ScaledSide(int32_t side, int32_t scale) {
    const int64_t scaled = int64_t{side} * scale / 100;
    return static_cast<int32_t>(std::clamp<int64_t>(scaled, std::numeric_limits<int32_t>::min(),
                                                    std::numeric_limits<int32_t>::max()));
}

void StretchScaled(Surface& dst, const Surface& image, int32_t x, int32_t y, int32_t scaleX,
                   int32_t scaleY) {
    Stretch(dst, x, y, ScaledSide(image.Width(), scaleX), ScaledSide(image.Height(), scaleY),
            image);
}

void DrawPlaced(Surface& dst, const Surface& image, int32_t kind, bool asIs,
                const LayerPlacement& at) {
    if (FullSize(at.scaleX, at.scaleY)) {
        DrawWithKind(dst, kind, asIs, at.alpha, at.x, at.y, image);
    } else {
        StretchScaled(dst, image, at.x, at.y, at.scaleX, at.scaleY);
    }
}

bool IsPatternKind(int32_t kind) {
    return kind >= 1 && kind <= 4;
}

// Whether an opaque copy of `image` at (x, y) writes every pixel of `dst`,
// so that clearing `dst` first would change nothing.
bool CoversOpaquely(const Surface* image, int32_t x, int32_t y, const Surface& dst) {
    return image && !image->HasMask() && x <= 0 && y <= 0 &&
           int64_t{x} + image->Width() >= dst.Width() &&
           int64_t{y} + image->Height() >= dst.Height();
}

// The part of the screen that `image` covers at (x, y), or an empty rectangle.
struct ScreenRect {
    int32_t left = 0, top = 0, right = 0, bottom = 0;
    bool Empty() const { return left >= right || top >= bottom; }
};

ScreenRect Covered(const Surface& image, const LayerPlacement& at, const Surface& screen) {
    ScreenRect r;
    r.left = std::max(at.x, 0);
    r.top = std::max(at.y, 0);
    r.right =
        static_cast<int32_t>(std::min<int64_t>(int64_t{at.x} + image.Width(), screen.Width()));
    r.bottom =
        static_cast<int32_t>(std::min<int64_t>(int64_t{at.y} + image.Height(), screen.Height()));
    return r;
}

ScreenRect Union(const ScreenRect& a, const ScreenRect& b) {
    if (a.Empty()) {
        return b;
    }
    if (b.Empty()) {
        return a;
    }
    return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
            std::max(a.bottom, b.bottom)};
}

void ClearRect(Surface& surface, const ScreenRect& r) {
    for (int32_t y = r.top; y < r.bottom; ++y) {
        std::memset(surface.ScreenRow(y) + r.left, 0, static_cast<size_t>(r.right - r.left) * 4);
    }
}

// The background layer drawn by DrawLayerAt, not changing, is such a copy.
bool BackgroundCoversScreen(const Layer& background, const Surface& dst, bool changing) {
    const LayerValues& v = background.Committed();
    return !changing && FullSize(v.scaleX, v.scaleY) && v.alpha == 255 &&
           CoversOpaquely(background.CommittedImage(), v.x, v.y, dst);
}

} // namespace

void DrawCharacterLayers(Surface& dst, const LayerSet& layers) {
    for (int i = kLayerCount - 1; i >= 1; --i) {
        const Layer& layer = *layers[i];
        const Surface* image = layer.CommittedImage();
        if (!image) {
            continue;
        }
        const LayerValues& v = layer.Committed();
        if (FullSize(v.scaleX, v.scaleY)) {
            DrawWithKind(dst, layer.Kind(), false, v.alpha, v.x, v.y, *image);
        } else {
            StretchScaled(dst, *image, v.x, v.y, v.scaleX, v.scaleY);
        }
    }
}

void ComposeSettled(Surface& dst, const LayerSet& layers) {
    const Surface* background = layers[kBackgroundLayer]->CommittedImage();
    if (!CoversOpaquely(background, 0, 0, dst)) {
        dst.Clear();
    }
    if (background) {
        Copy(dst, 0, 0, *background);
    }
    DrawCharacterLayers(dst, layers);
}

void DrawLayerAt(Surface& dst, Surface& composition, const Layer& layer, float p, bool changing) {
    if (layer.State() == 0) {
        return;
    }
    const Surface* committed = layer.CommittedImage();
    const Surface* pending = layer.PendingImage();
    if (!changing) {
        if (!committed) {
            return;
        }
        const LayerValues& v = layer.Committed();
        if (!FullSize(v.scaleX, v.scaleY)) {
            StretchScaled(dst, *committed, v.x, v.y, v.scaleX, v.scaleY);
        } else if (v.alpha == 255 && !committed->HasMask()) {
            Copy(dst, v.x, v.y, *committed);
        } else {
            DrawWithKind(dst, layer.Kind(), false, v.alpha, v.x, v.y, *committed);
        }
        return;
    }
    if (committed && pending && layer.Kind() == kCrossfadeKind) {
        // The new picture in front, the old one behind it, summed with their
        // coverage so that neither shows through the other more than it
        // should. Outside the two pictures the buffer would stay clear and
        // Over would leave the screen alone, so only their area is worked.
        const LayerPlacement front = layer.PendingAt(p);
        const LayerPlacement back = layer.CommittedAt(p);
        const ScreenRect area =
            Union(Covered(*pending, front, composition), Covered(*committed, back, composition));
        if (area.Empty()) {
            return;
        }
        ClearRect(composition, area);
        Accumulate(composition, front.x, front.y, *pending, front.alpha);
        Accumulate(composition, back.x, back.y, *committed, back.alpha);
        Over(dst, area.left, area.top, composition,
             {area.left, area.top, area.right - area.left, area.bottom - area.top});
        return;
    }
    if (committed) {
        DrawPlaced(dst, *committed, layer.Kind(), true, layer.CommittedAt(p));
    }
    if (pending) {
        DrawPlaced(dst, *pending, layer.Kind(), false, layer.PendingAt(p));
    }
}

void ComposeLayerFrame(Surface& dst, Surface& composition, const LayerSet& layers,
                       const LayerMarks& marks, float p) {
    const Layer& background = *layers[kBackgroundLayer];
    if (!BackgroundCoversScreen(background, dst, marks[kBackgroundLayer])) {
        dst.Clear();
    }
    DrawLayerAt(dst, composition, background, p, marks[kBackgroundLayer]);
    for (int i = kLayerCount - 1; i >= 1; --i) {
        DrawLayerAt(dst, composition, *layers[i], p, marks[i]);
    }
}

bool BackgroundFrames::Draw(Surface& dst, const Surface& snapshot, const Layer& background,
                            float p) {
    const Surface* incoming = background.PendingImage();
    const auto drawBase = [&] {
        if (somethingWasVisible_) {
            Copy(dst, 0, 0, snapshot);
        } else {
            dst.Clear();
        }
    };
    if (IsPatternKind(kind_)) {
        const int set = PatternSetOfKind(kind_);
        const int step = static_cast<int>(p * static_cast<float>(PatternStepCount(set) - 1));
        if (step == lastStep_) {
            return false;
        }
        lastStep_ = step;
        if (incoming) {
            drawBase();
            PatternDraw(dst, set, step, false, 0, 0, *incoming);
        } else {
            dst.Clear();
            PatternDraw(dst, set, step, true, 0, 0, snapshot);
        }
        return true;
    }
    const int32_t v = static_cast<int32_t>(p * 255.0f);
    if (incoming) {
        drawBase();
        DrawWithKind(dst, kind_, false, v, 0, 0, *incoming);
    } else {
        dst.Clear();
        DrawWithKind(dst, kind_, true, 255 - v, 0, 0, snapshot);
    }
    return true;
}
