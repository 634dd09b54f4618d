#include "graphics/Layer.h"

#include "scenario/GamePath.h"

#include <utility>

namespace {

int32_t Between(int32_t from, int32_t to, float p) {
    return static_cast<int32_t>(static_cast<float>(from) * (1.0f - p) + static_cast<float>(to) * p);
}

int32_t Scaled(int32_t value, float factor) {
    return static_cast<int32_t>(factor * static_cast<float>(value));
}

} // namespace

LayerImageLoader GameFolderImages(std::string folder) {
    return
        [folder = std::move(folder)](const VNString& name, const VNString& mask, Surface& surface) {
            const VNString cg("cg\\");
            const std::string image = GamePath(folder, cg + name);
            if (mask.IsEmpty()) {
                return surface.Load(image.c_str(), nullptr);
            }
            // Only the upper-case keyword is the colour key; "auto" names a file.
            if (mask == VNString(kAutoMaskName)) {
                return surface.Load(image.c_str(), kAutoMaskName);
            }
            const std::string maskPath = GamePath(folder, cg + mask);
            return surface.Load(image.c_str(), maskPath.c_str());
        };
}

Layer::Layer(int32_t index, int32_t screenWidth, int32_t screenHeight, LayerImageLoader loader)
    : index_(index), screenWidth_(screenWidth), screenHeight_(screenHeight),
      loader_(std::move(loader)) {}

bool Layer::ApplySetting(const VNString& setting) {
    VNString rest = setting;
    const VNString comma(",");
    pendingName_ = rest.SplitToken(comma);
    pendingMask_ = rest.SplitToken(comma);
    kind_ = rest.SplitToken(comma).ToInt();
    for (int32_t* field :
         {&pending_.x, &pending_.y, &pending_.scaleX, &pending_.scaleY, &pending_.shearX,
          &pending_.shearY, &pending_.rotation, &pending_.alpha}) {
        *field = rest.SplitToken(comma).ToInt();
    }
    return ResolveImage();
}

bool Layer::SetForCharacter(const VNString& image, const VNString& mask, int32_t horizontal,
                            int32_t vertical, int32_t kind) {
    pendingName_ = image;
    pendingMask_ = mask;
    kind_ = kind;
    pending_ = LayerValues{0, 0, 100, 100, 0, 0, 0, 255};
    if (!ResolveImage()) {
        return false;
    }
    if (!pendingImage_) {
        return true;
    }
    const int32_t freeX = screenWidth_ - pendingImage_->Width();
    const int32_t freeY = screenHeight_ - pendingImage_->Height();
    switch (horizontal) {
    case 0:
        pending_.x = freeX / 2;
        break;
    case 2:
        pending_.x = freeX;
        break;
    default:
        break;
    }
    switch (vertical) {
    case 0:
        pending_.y = freeY;
        break;
    case 1:
        pending_.y = freeY / 2;
        break;
    default:
        break;
    }
    return true;
}

bool Layer::ResolveImage() {
    // The same layer set twice before a commit: a picture that the first
    // setting carried over goes back before the second one is resolved.
    DiscardPending();
    animate_ = false;
    state_ = committedImage_ ? kLayerCommittedImage : 0;
    if (pendingName_ == VNString(kNoChangeName)) {
        if (!committedImage_) {
            return false;
        }
        pendingName_ = committedName_;
        pendingMask_ = committedMask_;
        pendingImage_ = std::move(committedImage_);
        state_ = kLayerPendingImage;
        animate_ = true;
        return true;
    }
    if (pendingName_.IsEmpty()) {
        pendingMask_ = VNString();
        return true;
    }
    auto image = std::make_unique<Surface>();
    if (!loader_ || !loader_(pendingName_, pendingMask_, *image) || !image->IsCreated()) {
        return false;
    }
    pendingImage_ = std::move(image);
    state_ |= kLayerPendingImage;
    return true;
}

bool Layer::Changed() const {
    return committedName_ != pendingName_ || committedMask_ != pendingMask_;
}

VNString Layer::Describe() const {
    const VNString comma(",");
    VNString text = committedName_ + comma + committedMask_ + comma + VNString(kind_);
    for (int32_t value :
         {committed_.x, committed_.y, committed_.scaleX, committed_.scaleY, committed_.shearX,
          committed_.shearY, committed_.rotation, committed_.alpha}) {
        text += comma + VNString(value);
    }
    return text;
}

void Layer::Commit() {
    committedImage_ = std::move(pendingImage_);
    committed_ = pending_;
    committedName_ = pendingName_;
    committedMask_ = pendingMask_;
    ResetPending();
    state_ = committedImage_ ? kLayerCommittedImage : 0;
}

void Layer::DiscardPending() {
    if (animate_ && pendingImage_ && !committedImage_) {
        committedImage_ = std::move(pendingImage_);
        state_ |= kLayerCommittedImage;
        animate_ = false;
    }
    pendingImage_.reset();
    state_ &= ~kLayerPendingImage;
}

void Layer::ResetPending() {
    pending_ = LayerValues{0, 0, 100, 100, 0, 0, 0, 255};
    pendingName_ = VNString();
    pendingMask_ = VNString();
    animate_ = false;
}

LayerPlacement Layer::CommittedAt(float p) const {
    if (animate_) {
        return PendingAt(p);
    }
    return {committed_.x, committed_.y, committed_.scaleX, committed_.scaleY,
            Scaled(committed_.alpha, 1.0f - p)};
}

LayerPlacement Layer::PendingAt(float p) const {
    if (animate_) {
        return {Between(committed_.x, pending_.x, p), Between(committed_.y, pending_.y, p),
                Between(committed_.scaleX, pending_.scaleX, p),
                Between(committed_.scaleY, pending_.scaleY, p),
                Between(committed_.alpha, pending_.alpha, p)};
    }
    return {pending_.x, pending_.y, pending_.scaleX, pending_.scaleY, Scaled(pending_.alpha, p)};
}
