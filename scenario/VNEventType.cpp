#include "scenario/VNEventType.h"

#include "scenario/private/EventTypeFunctions.h"

namespace {

using A = ArgKind;
using D = EventDialog;
using L = LineForm;
using P = PlayerAction;
constexpr std::array<ArgKind, kMaxArgs> kNoArgs{};

// Each row, on four lines:
//   code, keyword, argument count and letters, the editor's keyword;
//   argument kinds, script line form;
//   dialog, dialog sets, insert-list text and place (the tens digit is the
//   group; a separator stands between groups);
//   flags, the player's action, sound folder, summary builder, option rule.
// clang-format off
constexpr VNEventDescriptor kEventTypes[EVENTCODE_MAX + 1] = {
    {0, nullptr, 0, nullptr, nullptr,
     kNoArgs, L::Command,
     D::None, DialogSets::Both, nullptr, 0,
     kNoFlags, P::None, nullptr, nullptr, nullptr},
    {EVENTCODE_NARRATION, "narration", 1, "S", nullptr,
     {A::NarrationText}, L::Narration,
     D::Narration, DialogSets::Both, u8"ナレーション", 11,
     kNoFlags, P::ShowMessage, nullptr, summaries::Narration, nullptr},
    {EVENTCODE_SERIF, "serif", 2, "SS", nullptr,
     {A::SpeakerName, A::SpeechText}, L::Speech,
     D::Serif, DialogSets::Both, u8"セリフ", 12,
     kNoFlags, P::ShowMessage, nullptr, summaries::Serif, nullptr},
    {EVENTCODE_CHARACTER, "chara", 4, "SSII", nullptr,
     {A::Image, A::Mask, A::Option, A::Option}, L::Command,
     D::Character, DialogSets::Both, u8"キャラクタ", 21,
     kVisual, P::Character, nullptr, summaries::Character, optionrules::Character},
    {EVENTCODE_BACKGROUND, "background", 1, "S", nullptr,
     {A::Image}, L::Command,
     D::Background, DialogSets::Both, u8"背景", 22,
     kVisual, P::Background, nullptr, summaries::Background, nullptr},
    {EVENTCODE_SELECT, "select", 6, "SSSSSS", nullptr,
     {A::ChoiceText, A::Label, A::ChoiceText, A::Label, A::ChoiceText, A::Label}, L::Command,
     D::Select, DialogSets::Both, u8"選択肢", 33,
     kOffersChoice, P::TextChoice, nullptr, summaries::Select, nullptr},
    {EVENTCODE_LABEL, "label", 1, "S", nullptr,
     {A::LabelName}, L::Label,
     D::Label, DialogSets::Both, u8"ラベル", 31,
     kNoFlags, P::None, nullptr, summaries::Label, nullptr},
    {EVENTCODE_CDDA, "cdda", 2, "II", nullptr,
     {A::CdTrack, A::Duration}, L::Command,
     D::Cdda, DialogSets::Both, u8"ＣＤ－ＤＡ 演奏", 54,
     kNoFlags, P::PlayCdTrack, nullptr, summaries::CdAudio, nullptr},
    // Read as midi when a file is loaded: never listed, edited or summarised.
    {EVENTCODE_MIDIOLD, "midiold", 2, "SI", nullptr,
     {A::Sound, A::Duration}, L::Command,
     D::None, DialogSets::Both, nullptr, 0,
     kNoFlags, P::None, nullptr, nullptr, nullptr},
    {EVENTCODE_PCM, "pcm", 2, "SI", nullptr,
     {A::Sound, A::Switch}, L::Command,
     D::Pcm, DialogSets::Both, u8"ＷＡＶＥ 演奏", 53,
     kNoFlags, P::PlayPcm, "pcm", summaries::Pcm, nullptr},
    {EVENTCODE_SETFLAG, "setflag", 2, "SI", nullptr,
     {A::Parameter, A::Option}, L::Command,
     D::Flag, DialogSets::Both, nullptr, 0,
     kNoFlags, P::SetFlag, nullptr, summaries::Flag, optionrules::Flag},
    {EVENTCODE_JUMP, "jump", 4, "SSIS", nullptr,
     {A::EventFile, A::Label, A::Option, A::Parameter}, L::Command,
     D::Jump, DialogSets::Both, u8"ジャンプ", 32,
     kNoFlags, P::Jump, nullptr, summaries::Jump, optionrules::Jump},
    {EVENTCODE_TITLE, "title", 1, "S", "settitle",
     {A::Text}, L::Command,
     D::Title, DialogSets::Both, u8"タイトル設定", 42,
     kNoFlags, P::SetTitle, nullptr, summaries::Title, nullptr},
    {EVENTCODE_WAITCLICK, "waitclick", 0, "", nullptr,
     kNoArgs, L::Command,
     D::NothingToEdit, DialogSets::Both, u8"クリックウェイト", 43,
     kNoFlags, P::WaitClick, nullptr, summaries::WaitClick, nullptr},
    {EVENTCODE_WAIT, "wait", 1, "I", nullptr,
     {A::Duration}, L::Command,
     D::Wait, DialogSets::Both, u8"ミリ秒ウェイト", 44,
     kNoFlags, P::Wait, nullptr, summaries::Wait, nullptr},
    // No dialog sets it and the player does nothing with it.
    {EVENTCODE_MSGBOX, "msgbox", 1, "I", "setmsgbox",
     {A::Number}, L::Command,
     D::None, DialogSets::Both, nullptr, 0,
     kNoFlags, P::None, nullptr, summaries::MessageBox, nullptr},
    {EVENTCODE_COMMENT, "comment", 1, "S", nullptr,
     {A::Text}, L::Comment,
     D::Comment, DialogSets::Both, u8"コメント", 61,
     kNoFlags, P::None, nullptr, summaries::Comment, nullptr},
    {EVENTCODE_MP3, "mp3", 2, "SI", nullptr,
     {A::Sound, A::Duration}, L::Command,
     D::Mp3, DialogSets::Both, u8"ＭＰ３ 演奏", 52,
     kNoFlags, P::PlayMp3, "mp3", summaries::Mp3, nullptr},
    {EVENTCODE_SETFADE, "setfade", 4, "IIII", nullptr,
     {A::Option, A::Duration, A::Option, A::Duration}, L::Command,
     D::SetFade, DialogSets::Both, u8"フェード設定", 23,
     kNoFlags, P::SetFade, nullptr, summaries::SetFade, nullptr},
    {EVENTCODE_BTNSELECT, "btnselect", 5, "SSSIS", nullptr,
     {A::Image, A::Image, A::Label, A::Count, A::List}, L::Command,
     D::BtnSelect, DialogSets::Both, u8"ボタン選択", 34,
     kVisual | kOffersChoice, P::ButtonChoice, nullptr, summaries::BtnSelect,
     optionrules::BtnSelect},
    {EVENTCODE_ANIME, "anime", 3, "IIS", nullptr,
     {A::Duration, A::Count, A::List}, L::Command,
     D::Anime, DialogSets::Both, u8"アニメーション", 24,
     kVisual, P::Anime, nullptr, summaries::Anime, optionrules::Anime},
    {EVENTCODE_SETPARAM, "setparam", 4, "SSIS", nullptr,
     {A::Parameter, A::Operand, A::Option, A::Operand}, L::Command,
     D::Param, DialogSets::Both, u8"パラメタ設定", 41,
     kNoFlags, P::SetParam, nullptr, summaries::SetParam, optionrules::SetParam},
    {EVENTCODE_VORBIS, "vorbis", 4, "SIII", nullptr,
     {A::Sound, A::Option, A::Duration, A::Switch}, L::Command,
     D::Vorbis, DialogSets::EditorOnly, u8"Ｖｏｒｂｉｓ 演奏", 51,
     kNoFlags, P::PlayVorbis, "vorbis", summaries::Vorbis, optionrules::Vorbis},
    {EVENTCODE_MIDI, "midi", 3, "SII", nullptr,
     {A::Sound, A::Duration, A::Switch}, L::Command,
     D::Midi, DialogSets::Both, u8"ＭＩＤＩ 演奏", 55,
     kNoFlags, P::PlayMidi, "midi", summaries::Midi, nullptr},
};
// clang-format on

constexpr bool IsIntKind(ArgKind kind) {
    return kind == A::CdTrack || kind == A::Option || kind == A::Count || kind == A::Duration ||
           kind == A::Switch || kind == A::Number;
}

// A row is whole: one kind per letter and an integer kind for each 'I', code
// and place in the table agree, and every type the insert list offers has a
// dialog.
constexpr bool RowIsWhole(const VNEventDescriptor& row, int32_t place) {
    if (row.code != place)
        return false;
    for (int32_t n = 0; n < kMaxArgs; ++n) {
        const ArgKind kind = row.args[static_cast<size_t>(n)];
        if (n >= row.argc) {
            if (kind != A::None)
                return false;
        } else if (kind == A::None || IsIntKind(kind) != (row.arg_type_desc[n] == 'I')) {
            return false;
        }
    }
    return !row.insert_text || row.dialog != D::None;
}

constexpr bool TableIsWhole() {
    for (int32_t code = 1; code <= EVENTCODE_MAX; ++code)
        if (!RowIsWhole(kEventTypes[code], code))
            return false;
    return true;
}
static_assert(TableIsWhole());

} // namespace

const VNEventDescriptor& GetEventDescriptor(int32_t code) {
    return kEventTypes[IS_VALID_EVENT_CODE(code) ? code : 0];
}

const char* GetEventKeyword(int32_t code, VNKeywords table) {
    const VNEventDescriptor& row = GetEventDescriptor(code);
    if (table == VNKeywords::Editor && row.editor_name)
        return row.editor_name;
    return row.name;
}
