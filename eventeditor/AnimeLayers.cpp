#include "eventeditor/AnimeLayers.h"

namespace {

const VNString kSlash("/");
const VNString kComma(",");

// Each label is 16 bytes of Shift-JIS in a fixed-pitch font, the name padded
// with blanks so that the ellipsis starts at byte 13.
constexpr const char8_t* kLabels[AnimeLayerTable::kLayers] = {
    u8"中央キャラ   … ", u8"左キャラ     … ", u8"右キャラ     … ", u8"レイヤー  4  … ",
    u8"レイヤー  5  … ", u8"レイヤー  6  … ", u8"レイヤー  7  … ", u8"レイヤー  8  … ",
    u8"レイヤー  9  … ", u8"レイヤー 10  … ", u8"背景         … ",
};

} // namespace

void AnimeLayerTable::Parse(int32_t count, VNString list) {
    for (int32_t i = 0; i < count; ++i) {
        const bool exhausted = list.IsEmpty();
        VNString entry = list.SplitToken(kSlash);
        const int32_t layer = entry.SplitToken(kComma).ToInt();
        if (layer >= 0 && layer < kLayers && !slots_[layer])
            slots_[layer] = entry;
        // Every further entry would read as the same empty layer 0, so a
        // damaged count cannot keep the loop going for billions of rounds.
        if (exhausted)
            break;
    }
}

VNString AnimeLayerTable::ListText() const {
    VNString text;
    for (int layer = 0; layer < kLayers; ++layer)
        if (slots_[layer])
            text += VNString(layer) + kComma + *slots_[layer] + kSlash;
    return text;
}

int32_t AnimeLayerTable::Count() const {
    int32_t count = 0;
    for (const auto& slot : slots_)
        count += slot ? 1 : 0;
    return count;
}

VNString AnimeLayerTable::DefaultSetting(int layer) {
    return layer == 0 ? VNString() : VNString(",,0,0,0,100,100,0,0,0,255");
}

VNString AnimeLayerTable::ItemText(int item) const {
    const std::optional<VNString>& slot = slots_[LayerOfItem(item)];
    return VNString(kLabels[item]) + (slot ? *slot : VNString(u8"変更なし"));
}

CharaLayerFields SplitCharaLayer(VNString setting) {
    CharaLayerFields fields;
    for (VNString& field : fields)
        field = setting.SplitToken(kComma);
    return fields;
}

VNString JoinCharaLayer(const CharaLayerFields& fields) {
    VNString text = fields[0];
    for (size_t i = 1; i < fields.size(); ++i)
        text += kComma + fields[i];
    return text;
}
