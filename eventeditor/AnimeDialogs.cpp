#include "eventeditor/AnimeDialogs.h"

#include "platform/MessageBox.h"

namespace id = resources::event_id;
namespace names = resources::event_dialog;
namespace limit = field_limit;

namespace {

// The layer list: a fixed-pitch face, so the 16-byte labels line up.
const resources::FontSpec kListFont{u8"ＭＳ ゴシック", 0, 12, false};

} // namespace

bool VNDAnime::Run(int32_t& time, int32_t& count, VNString& list, platform::WindowHandle owner) {
    table_.Parse(count, list);
    BindNumber(id::Text, time);
    UseFont(id::List, kListFont);
    if (!RunForm(VNString(u8"アニメーション"), names::Anime, owner))
        return false;
    count = table_.Count();
    list = table_.ListText();
    return true;
}

void VNDAnime::InitMore() {
    FillList(-1);
}

void VNDAnime::FillList(int selection) {
    platform::DialogHost& c = Controls();
    c.ListReset(id::List);
    for (int item = 0; item < AnimeLayerTable::kLayers; ++item)
        c.ListAdd(id::List, table_.ItemText(item));
    c.ListSetSelection(id::List, selection);
}

void VNDAnime::CommandMore(int commandId) {
    if (commandId == id::SetLayer)
        SetLayer();
    else if (commandId == id::ClearLayer)
        ClearLayer();
}

void VNDAnime::SetLayer() {
    const int item = Controls().ListGetSelection(id::List);
    if (item < 0)
        return;
    const int layer = AnimeLayerTable::LayerOfItem(item);
    VNString setting = table_.Slot(layer).value_or(AnimeLayerTable::DefaultSetting(layer));
    const bool confirmed = layer == 0 ? VNDAnimeBack(Set()).Run(setting, Handle())
                                      : VNDAnimeChara(Set()).Run(setting, Handle());
    if (!confirmed)
        return;
    table_.Set(layer, setting);
    FillList(item);
}

void VNDAnime::ClearLayer() {
    const int item = Controls().ListGetSelection(id::List);
    if (item < 0)
        return;
    const int layer = AnimeLayerTable::LayerOfItem(item);
    if (!table_.Slot(layer))
        return;
    if (platform::ShowMessage(Handle(),
                              VNString(u8"このレイヤーの変更を取り消します。よろしいですか？"),
                              VNString(u8"変更のクリア"), platform::MsgButtons::YesNo,
                              platform::MsgIcon::Question) != platform::IDYES)
        return;
    table_.Clear(layer);
    FillList(item);
}

bool VNDAnimeBack::Run(VNString& setting, platform::WindowHandle owner) {
    VNString rest = setting;
    VNString image = rest.SplitToken(VNString(","));
    int32_t effect = rest.ToInt();
    BindText(id::Text, image, limit::LongName);
    BindCombo(id::Choice, effect, BackgroundLayerEffects(), Choice::Optional);
    BindBrowse(id::Browse, id::Text, ChooserOf(Set(), ChooserKind::Background));
    if (!RunForm(VNString(u8"背景レイヤーの設定"), names::AnimeBack, owner))
        return false;
    setting = image + VNString(",") + VNString(effect);
    return true;
}

bool VNDAnimeChara::Run(VNString& setting, platform::WindowHandle owner) {
    CharaLayerFields fields = SplitCharaLayer(setting);
    int32_t effect = fields[2].ToInt();
    BindText(id::ColourImage, fields[0], limit::LongName);
    BindText(id::MaskImage, fields[1], limit::LongName);
    BindCombo(id::Choice, effect, FadeEffects(false), Choice::Optional);
    const int numberIds[] = {id::LayerX, id::LayerY, id::ScaleX,   id::ScaleY,
                             id::ShearX, id::ShearY, id::Rotation, id::Opacity};
    for (int i = 0; i < 8; ++i)
        BindText(numberIds[i], fields[3 + i], limit::Number);
    BindBrowse(id::BrowseColour, id::ColourImage, ChooserOf(Set(), ChooserKind::ColourImage));
    BindBrowse(id::BrowseMask, id::MaskImage, ChooserOf(Set(), ChooserKind::MaskImage));
    if (!RunForm(VNString(u8"キャラクタレイヤーの設定"), names::AnimeChara, owner))
        return false;
    fields[2] = VNString(effect);
    setting = JoinCharaLayer(fields);
    return true;
}
