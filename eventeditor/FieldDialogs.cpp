#include "eventeditor/FieldDialogs.h"

#include "scenario/VNAssert.h"

namespace id = resources::event_id;
namespace names = resources::event_dialog;
namespace limit = field_limit;

namespace {

// The narration and speech fields: a large proportional Japanese face.
const resources::FontSpec kTextFont{u8"ＭＳ Ｐゴシック", 0, 28, false};

} // namespace

bool VNDNarration::Run(VNString& text, platform::WindowHandle owner) {
    BindMessage(id::Text, text, limit::Text);
    UseFont(id::Text, kTextFont);
    return RunForm(VNString(u8"ナレーション"), names::Narration, owner);
}

bool VNDSerif::Run(VNString& speaker, VNString& speech, platform::WindowHandle owner) {
    BindMessage(id::Speaker, speaker, limit::Name);
    BindMessage(id::Speech, speech, limit::Text);
    UseFont(id::Speaker, kTextFont);
    UseFont(id::Speech, kTextFont);
    return RunForm(VNString(u8"セリフ"), names::Serif, owner);
}

bool VNDCharacter::Run(VNString& colourImage, VNString& maskImage, int32_t& position,
                       int32_t& alignment, platform::WindowHandle owner) {
    BindText(id::ColourImage, colourImage, limit::Name);
    BindText(id::MaskImage, maskImage, limit::Name);
    BindCombo(id::Position, position, CharacterPositions(), Choice::Required);
    BindCombo(id::Alignment, alignment, VerticalAlignments(), Choice::Required);
    BindBrowse(id::BrowseColour, id::ColourImage, ChooserOf(Set(), ChooserKind::ColourImage));
    BindBrowse(id::BrowseMask, id::MaskImage, ChooserOf(Set(), ChooserKind::MaskImage));
    return RunForm(VNString(u8"キャラクタ"), names::Character, owner);
}

bool VNDBackground::Run(VNString& image, platform::WindowHandle owner) {
    BindText(id::Text, image, limit::Name);
    BindBrowse(id::Browse, id::Text, ChooserOf(Set(), ChooserKind::Background));
    return RunForm(VNString(u8"背景"), names::Background, owner);
}

bool VNDSelect::Run(VNString* msg[3], VNString* label[3], platform::WindowHandle owner) {
    for (int i = 0; i < 3; ++i) {
        VN_ASSERT(msg[i] != NULL);
        VN_ASSERT(label[i] != NULL);
        BindText(id::Message1 + i, *msg[i], limit::Name);
        BindText(id::Label1 + i, *label[i], limit::Label);
    }
    return RunForm(VNString(u8"選択肢"), names::Select, owner);
}

bool VNDLabel::Run(VNString& name, platform::WindowHandle owner) {
    BindText(id::Text, name, limit::Label);
    return RunForm(VNString(u8"ラベル"), names::Label, owner);
}

bool VNDFlag::Run(VNString& name, int32_t& value, platform::WindowHandle owner) {
    BindText(id::Text, name, limit::Label);
    BindCombo(id::Choice, value, FlagValues(), Choice::Required);
    return RunForm(VNString(u8"フラグ設定"), names::Flag, owner);
}

bool VNDCdda::Run(int32_t& track, int32_t& fade, platform::WindowHandle owner) {
    BindNumber(id::Track, track);
    BindNumber(id::Fade, fade);
    return RunForm(VNString(u8"CD-DA 演奏"), names::Cdda, owner);
}

bool VNDMidi::Run(VNString& file, int32_t& fade, int32_t& loop, platform::WindowHandle owner) {
    BindText(id::MusicFile, file, limit::LongName);
    BindNumber(id::Fade, fade);
    BindCheck(id::Loop, loop, Tick::WhenNonZero);
    BindBrowse(id::BrowseMusic, id::MusicFile, ChooserOf(Set(), ChooserKind::Midi));
    return RunForm(VNString(u8"MIDI 演奏"), names::Midi, owner);
}

bool VNDPcm::Run(VNString& file, int32_t& loop, platform::WindowHandle owner) {
    BindText(id::Text, file, limit::LongName);
    BindCheck(id::Loop, loop, Tick::WhenOne);
    BindBrowse(id::Browse, id::Text, ChooserOf(Set(), ChooserKind::Wave));
    return RunForm(VNString(Set() == EventDialogSet::Editor ? u8"WAVE 演奏" : u8"PCM 演奏"),
                   names::Pcm, owner);
}

bool VNDJump::Run(VNString& file, VNString& label, int32_t& condition, VNString& param,
                  platform::WindowHandle owner) {
    BindText(id::JumpFile, file, limit::Name);
    BindText(id::JumpLabel, label, limit::Name);
    BindCombo(id::Choice, condition, JumpConditions(Set()), Choice::Required);
    BindText(id::JumpParam, param, limit::Name);
    BindBrowse(id::BrowseJumpFile, id::JumpFile, ChooserOf(Set(), ChooserKind::EventFile));
    return RunForm(VNString(u8"ジャンプ"), names::Jump, owner);
}

bool VNDTitle::Run(VNString& title, platform::WindowHandle owner) {
    BindText(id::Text, title, limit::Name);
    return RunForm(VNString(Set() == EventDialogSet::Editor ? u8"タイトル設定" : u8"タイトル"),
                   names::Title, owner);
}

bool VNDWait::Run(int32_t& milliseconds, platform::WindowHandle owner) {
    BindNumber(id::Text, milliseconds);
    return RunForm(VNString(u8"ミリ秒ウェイト"), names::Wait, owner);
}

bool VNDComment::Run(VNString& text, platform::WindowHandle owner) {
    BindText(id::Text, text, limit::Text);
    return RunForm(VNString(u8"コメント"), names::Comment, owner);
}

bool VNDMp3::Run(VNString& file, int32_t& fade, platform::WindowHandle owner) {
    BindText(id::MusicFile, file, limit::LongName);
    BindNumber(id::Fade, fade);
    BindBrowse(id::BrowseMusic, id::MusicFile, ChooserOf(Set(), ChooserKind::Mp3));
    return RunForm(VNString(u8"MP3 演奏"), names::Mp3, owner);
}

bool VNDSetFade::Run(int32_t& charaEffect, int32_t& charaTime, int32_t& backEffect,
                     int32_t& backTime, platform::WindowHandle owner) {
    BindCombo(id::CharaEffect, charaEffect, FadeEffects(false), Choice::Required);
    BindNumber(id::CharaTime, charaTime, limit::Name);
    BindCombo(id::BackEffect, backEffect, FadeEffects(true), Choice::Required);
    BindNumber(id::BackTime, backTime, limit::Name);
    return RunForm(VNString(u8"フェード設定"), names::SetFade, owner);
}

bool VNDParam::Run(VNString& target, VNString& term1, int32_t& op, VNString& term2,
                   platform::WindowHandle owner) {
    BindText(id::Target, target, limit::Name);
    BindText(id::Term1, term1, limit::Name);
    BindCombo(id::Choice, op, Operators(), Choice::Required);
    BindText(id::Term2, term2, limit::Name);
    return RunForm(VNString(u8"パラメタ設定"), names::Param, owner);
}

bool VNDVorbis::Run(VNString& file, int32_t& channel, int32_t& fade, int32_t& loop,
                    platform::WindowHandle owner) {
    BindCombo(id::Choice, channel, VorbisChannels(), Choice::Optional);
    BindText(id::MusicFile, file, limit::LongName);
    BindNumber(id::Fade, fade);
    BindCheck(id::Loop, loop, Tick::WhenNonZero);
    BindBrowse(id::BrowseMusic, id::MusicFile, ChooserOf(Set(), ChooserKind::Vorbis));
    return RunForm(VNString(u8"Vorbis 演奏"), names::Vorbis, owner);
}
