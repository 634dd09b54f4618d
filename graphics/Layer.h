// One of the eleven picture layers of the game screen (0 the background, 1
// the centre character, 2 left, 3 right, 4 to 10 free). A layer holds a
// committed state (what the settled screen shows) and a pending state (what a
// running change leads to); a change is drawn between the two and then
// committed.
//
// The layer setting string describes a target state in eleven fields joined
// by ",": image name, mask name, kind, x, y, horizontal scale, vertical
// scale, horizontal shear, vertical shear, rotation, alpha. Numbers are read
// like VNString::ToInt; a missing or empty field reads as 0. Shear and
// rotation are kept and described but never drawn.
#pragma once

#include "graphics/Surface.h"
#include "scenario/VNString.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

constexpr int kLayerCount = 11;
constexpr int kBackgroundLayer = 0;

// State bits of a layer.
constexpr int32_t kLayerCommittedImage = 1;
constexpr int32_t kLayerPendingImage = 2;

// The image names that are not file names. Compared exactly, upper case.
inline const char* const kNoChangeName = "NOCHANGE";
inline const char* const kAutoMaskName = "AUTO";

// Loads picture `name` with `mask` (empty: none; "AUTO": the colour key of
// the top-left pixel; else a mask file name) into a fresh `surface`.
using LayerImageLoader =
    std::function<bool(const VNString& name, const VNString& mask, Surface& surface)>;

// Pictures of a game folder: `cg\` + name through GamePath, and the same for
// a mask name other than "" and "AUTO".
LayerImageLoader GameFolderImages(std::string folder);

// Position, scales, shears, rotation (degrees) and alpha of one state.
struct LayerValues {
    int32_t x = 0;
    int32_t y = 0;
    int32_t scaleX = 0; // percent
    int32_t scaleY = 0; // percent
    int32_t shearX = 0;
    int32_t shearY = 0;
    int32_t rotation = 0;
    int32_t alpha = 0;
};

// Where and how strongly one image of a layer is drawn at some progress.
struct LayerPlacement {
    int32_t x = 0;
    int32_t y = 0;
    int32_t scaleX = 100;
    int32_t scaleY = 100;
    int32_t alpha = 255;
};

class Layer {
public:
    Layer(int32_t index, int32_t screenWidth, int32_t screenHeight, LayerImageLoader loader);
    Layer(const Layer&) = delete;
    Layer& operator=(const Layer&) = delete;

    // Stores the pending names, kind and values of a layer setting string and
    // resolves the image. False when the image (or "NOCHANGE" without a
    // committed image) cannot be had; the pending slot is empty then.
    bool ApplySetting(const VNString& setting);
    // A character: scales 100, no shear or rotation, alpha 255, `kind`. With a
    // pending image, x follows `horizontal` (0 centred, 1 left edge, 2 right
    // edge) and y follows `vertical` (0 bottom, 1 centred, 2 top); other
    // values give 0.
    bool SetForCharacter(const VNString& image, const VNString& mask, int32_t horizontal,
                         int32_t vertical, int32_t kind);
    // The pending image or mask name differs from the committed one.
    bool Changed() const;
    // The committed state as a layer setting string.
    VNString Describe() const;
    // The pending state becomes the committed one; the pending values return
    // to x 0, y 0, scales 100, no shear or rotation, alpha 255, no names.
    void Commit();
    // Drops the pending image. A committed image that "NOCHANGE" had carried
    // over to the pending slot goes back to the committed slot, so a refused
    // change never takes a picture off the screen.
    void DiscardPending();

    int32_t Index() const { return index_; }
    int32_t Kind() const { return kind_; }
    int32_t State() const { return state_; }
    bool Animated() const { return animate_; }
    const Surface* CommittedImage() const { return committedImage_.get(); }
    const Surface* PendingImage() const { return pendingImage_.get(); }
    const LayerValues& Committed() const { return committed_; }
    const LayerValues& Pending() const { return pending_; }
    const VNString& CommittedName() const { return committedName_; }
    const VNString& CommittedMask() const { return committedMask_; }
    const VNString& PendingName() const { return pendingName_; }
    const VNString& PendingMask() const { return pendingMask_; }

    // Placements at progress p (0 to 1), truncated toward zero. Animated: the
    // pending image moves, scales and fades from the committed values to the
    // pending ones. Otherwise each image keeps its own position and scale,
    // and the committed image fades out ((1 - p) x alpha) while the pending
    // one fades in (p x alpha).
    LayerPlacement CommittedAt(float p) const;
    LayerPlacement PendingAt(float p) const;

private:
    bool ResolveImage();
    void ResetPending();

    int32_t index_;
    int32_t screenWidth_;
    int32_t screenHeight_;
    LayerImageLoader loader_;
    std::unique_ptr<Surface> committedImage_;
    std::unique_ptr<Surface> pendingImage_;
    LayerValues committed_;
    LayerValues pending_;
    int32_t kind_ = 0;
    int32_t state_ = 0;
    VNString committedName_;
    VNString committedMask_;
    VNString pendingName_;
    VNString pendingMask_;
    bool animate_ = false;
};
