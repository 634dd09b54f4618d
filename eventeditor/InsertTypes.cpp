#include "eventeditor/InsertTypes.h"

#include "scenario/VNEventType.h"

namespace {

constexpr const char8_t* kSeparator = u8"-------------------";

constexpr InsertType kInsertTypes[] = {
    {u8"ナレーション", EVENTCODE_NARRATION},
    {u8"セリフ", EVENTCODE_SERIF},
    {kSeparator, 0},
    {u8"キャラクタ", EVENTCODE_CHARACTER},
    {u8"背景", EVENTCODE_BACKGROUND},
    {u8"フェード設定", EVENTCODE_SETFADE},
    {u8"アニメーション", EVENTCODE_ANIME},
    {kSeparator, 0},
    {u8"ラベル", EVENTCODE_LABEL},
    {u8"ジャンプ", EVENTCODE_JUMP},
    {u8"選択肢", EVENTCODE_SELECT},
    {u8"ボタン選択", EVENTCODE_BTNSELECT},
    {kSeparator, 0},
    {u8"パラメタ設定", EVENTCODE_SETPARAM},
    {u8"タイトル設定", EVENTCODE_TITLE},
    {u8"クリックウェイト", EVENTCODE_WAITCLICK},
    {u8"ミリ秒ウェイト", EVENTCODE_WAIT},
    {kSeparator, 0},
    {u8"Ｖｏｒｂｉｓ 演奏", EVENTCODE_VORBIS},
    {u8"ＭＰ３ 演奏", EVENTCODE_MP3},
    {u8"ＷＡＶＥ 演奏", EVENTCODE_PCM},
    {u8"ＣＤ－ＤＡ 演奏", EVENTCODE_CDDA},
    {u8"ＭＩＤＩ 演奏", EVENTCODE_MIDI},
    {kSeparator, 0},
    {u8"コメント", EVENTCODE_COMMENT},
};

} // namespace

std::span<const InsertType> InsertTypes() {
    return kInsertTypes;
}
