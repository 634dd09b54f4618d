#include "eventeditor/EventDialogSet.h"

namespace {

std::vector<VNString> Texts(std::initializer_list<const char8_t*> texts) {
    std::vector<VNString> out;
    for (const char8_t* text : texts)
        out.emplace_back(text);
    return out;
}

platform::FileFilter Filter(const char8_t* description, const char8_t* pattern) {
    return {VNString(description), VNString(pattern)};
}

ChooserSpec Chooser(const char8_t* title, std::vector<platform::FileFilter> filters) {
    return {VNString(title), std::move(filters)};
}

} // namespace

std::string TemplateOf(EventDialogSet set, const resources::EventDialogNames& names) {
    const char* name = set == EventDialogSet::Probe ? names.probe : names.editor;
    return name ? name : "";
}

ChooserSpec ChooserOf(EventDialogSet set, ChooserKind kind) {
    const bool editor = set == EventDialogSet::Editor;
    const auto bmp = editor ? Filter(u8"ビットマップ (*.bmp)", u8"*.bmp")
                            : Filter(u8"ﾋﾞｯﾄﾏｯﾌﾟﾌｧｲﾙ(*.bmp)", u8"*.bmp");
    const auto png24 = editor ? Filter(u8"24 ビット PNG (*.png)", u8"*.png")
                              : Filter(u8"24ﾋﾞｯﾄ PNGﾌｧｲﾙ(*.png)", u8"*.png");
    const auto pngGrey = editor ? Filter(u8"グレースケール PNG (*.png)", u8"*.png")
                                : Filter(u8"ｸﾞﾚｰｽｹｰﾙ PNGﾌｧｲﾙ(*.png)", u8"*.png");
    switch (kind) {
    case ChooserKind::ColourImage:
        return Chooser(u8"キャラクタ画像を選択する", {bmp, png24});
    case ChooserKind::MaskImage:
        return Chooser(u8"マスク画像を選択する", {bmp, pngGrey});
    case ChooserKind::Background:
        return Chooser(u8"背景画像を選択する", {bmp, png24});
    case ChooserKind::EventFile:
        return Chooser(u8"ジャンプ先イベントファイルを選択する",
                       {editor ? Filter(u8"イベントファイル (*.evt)", u8"*.evt")
                               : Filter(u8"ｲﾍﾞﾝﾄﾌｧｲﾙ(*.evt)", u8"*.evt")});
    case ChooserKind::Midi:
        return Chooser(u8"MIDIファイルを選択する",
                       {editor ? Filter(u8"MIDI ファイル (*.mid)", u8"*.mid")
                               : Filter(u8"MIDIﾌｧｲﾙ(*.mid)", u8"*.mid")});
    case ChooserKind::Wave:
        return Chooser(u8"WAVEファイルを選択する",
                       {editor ? Filter(u8"WAVE ファイル (*.wav)", u8"*.wav")
                               : Filter(u8"WAVEﾌｧｲﾙ(*.wav)", u8"*.wav")});
    case ChooserKind::Mp3:
        return Chooser(u8"MP3ファイルを選択する", {Filter(u8"MP3ﾌｧｲﾙ(*.mp3)", u8"*.mp3")});
    case ChooserKind::Vorbis:
        return Chooser(u8"Vorbis ファイルを選択する",
                       {Filter(u8"OggVorbis ファイル (*.ogg)", u8"*.ogg")});
    case ChooserKind::ButtonImage:
        if (editor)
            return Chooser(u8"背景画像を選択する",
                           {Filter(u8"24 ビット ビットマップ (*.bmp)", u8"*.bmp"), png24});
        return Chooser(u8"画像ファイルを選択する", {Filter(u8"BMPﾌｧｲﾙ(*.bmp)", u8"*.bmp")});
    }
    return {};
}

std::vector<VNString> JumpConditions(EventDialogSet set) {
    if (set == EventDialogSet::Editor)
        return Texts({u8"条件なし（強制）", u8"パラメタの値が０以外である（フラグＯＮ）",
                      u8"パラメタの値が０である（フラグＯＦＦ）"});
    return Texts(
        {u8"条件なし（強制）", u8"パラメタの値が０以外である", u8"パラメタの値が０である"});
}

std::vector<VNString> CharacterPositions() {
    return Texts({u8"中央", u8"左", u8"右"});
}

std::vector<VNString> VerticalAlignments() {
    return Texts({u8"下", u8"中央", u8"上"});
}

std::vector<VNString> FlagValues() {
    return Texts({u8"ＯＮ", u8"ＯＦＦ", u8"反転"});
}

std::vector<VNString> FadeEffects(bool curtain) {
    std::vector<VNString> effects =
        Texts({u8"アルファブレンド", u8"点描１", u8"点描２", u8"スラッシュ１", u8"スラッシュ２"});
    if (curtain)
        effects.emplace_back(u8"アルファカーテン");
    return effects;
}

std::vector<VNString> Operators() {
    return Texts({u8"＋", u8"－", u8"×", u8"÷", u8"％", u8"＆", u8"｜", u8"＾", u8"＞", u8"＜",
                  u8"≧", u8"≦", u8"=="});
}

std::vector<VNString> BackgroundLayerEffects() {
    std::vector<VNString> effects = FadeEffects(false);
    for (const char8_t* roll :
         {u8"ロール（上から)", u8"ロール（下から）", u8"ロール（右から）", u8"ロール（左から)"})
        effects.emplace_back(roll);
    return effects;
}

std::vector<VNString> VorbisChannels() {
    return Texts({u8"ＢＧＭ", u8"ボイス", u8"効果音"});
}
