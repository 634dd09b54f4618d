// The layer list of an anime event as the animation dialog holds it: eleven
// slots, one per layer, each empty or holding that layer's setting string.
//
// The list text is a run of entries "layer,setting/" in ascending layer
// order; its count is the number of entries.
#pragma once

#include "scenario/VNString.h"

#include <array>
#include <cstdint>
#include <optional>

class AnimeLayerTable {
public:
    static constexpr int kLayers = 11;

    // Reads `count` entries off `list`. An entry with a layer outside 0..10
    // is dropped, and of entries for the same layer the first wins. An entry
    // missing from the list reads as layer 0 with an empty setting.
    void Parse(int32_t count, VNString list);
    // The list text of the set slots, and their number.
    VNString ListText() const;
    int32_t Count() const;

    const std::optional<VNString>& Slot(int layer) const { return slots_[layer]; }
    void Set(int layer, const VNString& setting) { slots_[layer] = setting; }
    void Clear(int layer) { slots_[layer].reset(); }

    // The setting a layer starts from when it has none: an empty background,
    // or a character layer at the origin, full size, opaque.
    static VNString DefaultSetting(int layer);

    // The dialog's list shows layers 1..10 first and the background last.
    static int LayerOfItem(int item) { return item == 10 ? 0 : item + 1; }
    // The list line of item 0..10: a 16-byte label and the layer's setting,
    // or "変更なし" for an empty slot.
    VNString ItemText(int item) const;

private:
    std::array<std::optional<VNString>, kLayers> slots_;
};

// The eleven fields of a character layer's setting, in order: colour image,
// mask image, effect, x, y, x scale, y scale, x shear, y shear, rotation,
// opacity.
using CharaLayerFields = std::array<VNString, 11>;

// Cuts a setting at successive commas; missing fields are empty and text
// after the eleventh field is dropped.
CharaLayerFields SplitCharaLayer(VNString setting);
VNString JoinCharaLayer(const CharaLayerFields& fields);
