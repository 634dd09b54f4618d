// Composing the eleven layers into a screen picture: the settled screen, one
// frame of a layer change at some progress, and one frame of a background
// change. Paint order is back to front: layer 0, then layers 10 down to 1
// (layer 1, the centre character, in front of all others).
#pragma once

#include "graphics/Layer.h"

#include <array>
#include <memory>

class Surface;

using LayerSet = std::array<std::unique_ptr<Layer>, kLayerCount>;
// Which layers take part in a change.
using LayerMarks = std::array<bool, kLayerCount>;

// Layers 10 down to 1 at their committed state: at 100 x 100 % drawn with the
// layer's kind at the committed alpha, otherwise stretched (no mask, no alpha)
// to the scaled size.
void DrawCharacterLayers(Surface& dst, const LayerSet& layers);

// The settled screen: `dst` cleared, the background copied to (0, 0) (never
// moved, scaled or faded), then the character layers.
void ComposeSettled(Surface& dst, const LayerSet& layers);

// One layer at progress p. Not changing: its committed image at the committed
// values. Changing: the committed image (drawn as it is, fading out) and the
// pending image (fading in) at their placements at p, both through the
// layer's kind so that pattern kinds dissolve one into the other; a picture
// replaced with kind 0 crossfades through `composition` (premultiplied
// accumulation, then Over onto `dst`).
void DrawLayerAt(Surface& dst, Surface& composition, const Layer& layer, float p, bool changing);

// One frame of a layer change: `dst` cleared, every layer drawn at p in paint
// order, the marked ones as changing.
void ComposeLayerFrame(Surface& dst, Surface& composition, const LayerSet& layers,
                       const LayerMarks& marks, float p);

// The frames of a background change. `snapshot` holds the old screen; the
// background layer has its pending state. Pattern kinds (1 to 4) draw only
// when their step changes; Draw reports whether it drew.
class BackgroundFrames {
public:
    BackgroundFrames(int32_t kind, bool somethingWasVisible)
        : kind_(kind), somethingWasVisible_(somethingWasVisible) {}

    bool Draw(Surface& dst, const Surface& snapshot, const Layer& background, float p);

private:
    int32_t kind_;
    bool somethingWasVisible_;
    int lastStep_ = -1;
};
