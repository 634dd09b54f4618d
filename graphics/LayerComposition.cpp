#include "graphics/LayerComposition.h"

#include "graphics/PatternDraw.h"
#include "graphics/PatternSets.h"
#include "graphics/PixelOps.h"
#include "graphics/PixelOpsKind.h"
#include "graphics/Surface.h"

#include <algorithm>
#include <cstdint>
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
        // coverage so that neither shows through the other more than it should.
        composition.Clear();
        const LayerPlacement front = layer.PendingAt(p);
        const LayerPlacement back = layer.CommittedAt(p);
        Accumulate(composition, front.x, front.y, *pending, front.alpha);
        Accumulate(composition, back.x, back.y, *committed, back.alpha);
        Over(dst, 0, 0, composition);
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
