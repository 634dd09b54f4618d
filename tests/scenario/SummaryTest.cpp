#include "scenario/Summary.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// The ideographic space U+3000, spelled out so every expected text shows
// where the lists align.
#define W "\u3000"

namespace {

VNEvent Make(int32_t code, std::vector<std::string> strings = {}, std::vector<int32_t> ints = {}) {
    VNEvent event(code);
    size_t s = 0, i = 0;
    for (int32_t n = 0; n < event.GetParamCount(); ++n) {
        if (event.IsIntArg(n))
            event.SetInt(n, i < ints.size() ? ints[i++] : 0);
        else
            event.SetString(n, VNString::FromBytes(s < strings.size() ? strings[s++] : ""));
    }
    return event;
}

std::string Utf8(const VNString& text) {
    return text.ToUtf8Lossy();
}

std::string Editor(const VNEvent& event) {
    return Utf8(Summary(event));
}

std::string Player(const VNEvent& event) {
    return Utf8(PlayerSummary(event));
}

std::string S(const char8_t* text) {
    return reinterpret_cast<const char*>(text);
}

TEST(Summary, TextsOfTheSimpleKinds) {
    EXPECT_EQ(Editor(Make(EVENTCODE_NARRATION, {"abc"})), S(u8"＊" W "abc"));
    // In Shift-JIS: "＊" is 0x81 0x96, the ideographic space 0x81 0x40.
    EXPECT_EQ(Summary(Make(EVENTCODE_NARRATION)).Bytes(), "\x81\x96\x81\x40");
    EXPECT_EQ(Editor(Make(EVENTCODE_SERIF, {"A", "b"})), S(u8"＞" W "A「b"));
    EXPECT_EQ(Editor(Make(EVENTCODE_BACKGROUND, {"bg.bmp"})), S(u8"★ 背" W "景" W "bg.bmp"));
    EXPECT_EQ(Editor(Make(EVENTCODE_BACKGROUND)), S(u8"★ 背" W "景" W "フェードアウト"));
    EXPECT_EQ(Editor(Make(EVENTCODE_SELECT, {"y", "l1", "n", "l2"})),
              S(u8"▼ 選" W "択" W "y／n／"));
    EXPECT_EQ(Editor(Make(EVENTCODE_SELECT, {"a", "", "b", "", "c", ""})),
              S(u8"▼ 選" W "択" W "a／b／c"));
    EXPECT_EQ(Editor(Make(EVENTCODE_LABEL, {"top"})), S(u8"→ ラベル" W "top"));
    EXPECT_EQ(Editor(Make(EVENTCODE_TITLE, {"t"})), S(u8"§ タイトル設定" W "t"));
    EXPECT_EQ(Editor(Make(EVENTCODE_WAITCLICK)), S(u8"◎ クリックウェイト"));
    EXPECT_EQ(Editor(Make(EVENTCODE_WAIT, {}, {-250})), S(u8"◎ ミリ秒ウェイト" W "-250ミリ秒"));
    EXPECT_EQ(Editor(Make(EVENTCODE_MSGBOX, {}, {7})), S(u8"● メッセージボックス設定"));
    EXPECT_EQ(Editor(Make(EVENTCODE_COMMENT, {"x"})), "; x");
    EXPECT_EQ(Editor(Make(EVENTCODE_SETFADE, {}, {9, 500, 8, 1000})),
              S(u8"● フェード設定" W "500ms 1000ms"));
    EXPECT_EQ(Editor(Make(EVENTCODE_BTNSELECT, {"base", "over", "c", "l,0,0,1,1"}, {1})),
              S(u8"● ボタン選択" W "base"));
    EXPECT_EQ(Editor(Make(EVENTCODE_ANIME, {"1,x/"}, {300, 1})),
              S(u8"★● アニメーション" W "300ミリ秒" W "1個のレイヤーを変更" W "1,x/"));
    EXPECT_EQ(Editor(Make(EVENTCODE_MIDIOLD, {"a.mid"})),
              S(u8"エラー：未知のイベントタイプです。"));
}

TEST(Summary, CharacterPositionsAndAlignments) {
    EXPECT_EQ(Editor(Make(EVENTCODE_CHARACTER, {"", "AUTO"}, {1, 0})),
              S(u8"◆ キャラ" W "左" W "退場"));
    EXPECT_EQ(Editor(Make(EVENTCODE_CHARACTER, {"c.bmp", "AUTO"}, {0, 0})),
              S(u8"◆ キャラ" W "中" W "c.bmp" W "下揃い "));
    EXPECT_EQ(Editor(Make(EVENTCODE_CHARACTER, {"c", ""}, {2, 1})),
              S(u8"◆ キャラ" W "右" W "c" W "中央揃い "));
    EXPECT_EQ(Editor(Make(EVENTCODE_CHARACTER, {"c", ""}, {1, 2})),
              S(u8"◆ キャラ" W "左" W "c" W "上揃い "));
    EXPECT_EQ(Editor(Make(EVENTCODE_CHARACTER, {"c", ""}, {3, -1})),
              S(u8"◆ キャラ" W "ポジション不明" W "c" W "配置不明 "));
}

TEST(Summary, SoundTexts) {
    EXPECT_EQ(Editor(Make(EVENTCODE_CDDA, {}, {3, 500})),
              S(u8"♪ CD-DA " W "トラック3" W "フェード500ミリ秒"));
    EXPECT_EQ(Editor(Make(EVENTCODE_CDDA, {}, {0, -1})),
              S(u8"♪ CD-DA " W "停止" W "フェード-1ミリ秒"));
    EXPECT_EQ(Editor(Make(EVENTCODE_PCM, {"a.wav"}, {1})), S(u8"♪ PCM " W W "a.wav" W "ループ"));
    EXPECT_EQ(Editor(Make(EVENTCODE_PCM, {"a.wav"}, {0})), S(u8"♪ PCM " W W "a.wav"));
    EXPECT_EQ(Editor(Make(EVENTCODE_PCM, {""}, {1})), S(u8"♪ PCM " W W "オフ"));
    EXPECT_EQ(Editor(Make(EVENTCODE_MP3, {"m.mp3"}, {10})),
              S(u8"♪ MP3   " W "m.mp3" W "フェード10ミリ秒"));
    EXPECT_EQ(Editor(Make(EVENTCODE_MP3, {""}, {0})), S(u8"♪ MP3   " W "停止" W "フェード0ミリ秒"));
    EXPECT_EQ(Editor(Make(EVENTCODE_VORBIS, {"v.ogg"}, {0, 200, 1})),
              S(u8"♪ Vorbis" W "ＢＧＭ" W "v.ogg" W "フェード200ミリ秒" W "ループ再生"));
    EXPECT_EQ(Editor(Make(EVENTCODE_VORBIS, {"v.ogg"}, {1, 0, 0})),
              S(u8"♪ Vorbis" W "ボイス" W "v.ogg"));
    EXPECT_EQ(Editor(Make(EVENTCODE_VORBIS, {""}, {2, 0, 1})), S(u8"♪ Vorbis" W "効果音" W "停止"));
    EXPECT_EQ(Editor(Make(EVENTCODE_VORBIS, {"v"}, {5, -3, 0})),
              S(u8"♪ Vorbis" W "チャンネル不明" W "v" W "フェード-3ミリ秒"));
    EXPECT_EQ(Editor(Make(EVENTCODE_MIDI, {""}, {0, 1})),
              S(u8"♪ MIDI" W W "停止  フェード0ミリ秒  ループ演奏"));
    EXPECT_EQ(Editor(Make(EVENTCODE_MIDI, {"a.mid"}, {100, 0})),
              S(u8"♪ MIDI" W W "a.mid  フェード100ミリ秒"));
}

TEST(Summary, FlagJumpAndParameterTexts) {
    EXPECT_EQ(Editor(Make(EVENTCODE_SETFLAG, {"f"}, {0})), S(u8"▽ フラグ設定" W "ＯＮ" W "f"));
    EXPECT_EQ(Editor(Make(EVENTCODE_SETFLAG, {"f"}, {1})), S(u8"▽ フラグ設定" W "ＯＦＦ" W "f"));
    EXPECT_EQ(Editor(Make(EVENTCODE_SETFLAG, {"f"}, {2})), S(u8"▽ フラグ設定" W "反転" W "f"));
    EXPECT_EQ(Editor(Make(EVENTCODE_SETFLAG, {"f"}, {3})),
              S(u8"▽ フラグ設定" W "不明なオプション"));

    EXPECT_EQ(Editor(Make(EVENTCODE_JUMP, {"", "", "p"}, {0})),
              S(u8"← ジャンプ" W "無条件" W "ファイル内" W "先頭" W));
    EXPECT_EQ(
        Editor(Make(EVENTCODE_JUMP, {"b.evt", "L", "p"}, {1})),
        S(u8"← ジャンプ" W "b.evt" W "ラベル\"L\"" W "条件：パラメタ\"p\"の値が０以外である"));
    EXPECT_EQ(
        Editor(Make(EVENTCODE_JUMP, {"", "L", ""}, {2})),
        S(u8"← ジャンプ" W "ファイル内" W "ラベル\"L\"" W "条件：パラメタ\"\"の値が０である"));
    EXPECT_EQ(Editor(Make(EVENTCODE_JUMP, {"f", "L", "p"}, {-1})), S(u8"← ジャンプ" W "条件不明"));

    const char8_t* const ops[] = {u8"＋", u8"－", u8"×",  u8"÷", u8"％", u8"＆", u8"｜",
                                  u8"＾", u8"＞", u8"＜", u8"≧", u8"≦",  u8"=="};
    for (int32_t op = 0; op < 13; ++op)
        EXPECT_EQ(Editor(Make(EVENTCODE_SETPARAM, {"a", "b", "c"}, {op})),
                  S(u8"▽" W "パラメタ設定" W "a" W "＝" W "b" W) + S(ops[op]) + S(u8"" W "c"))
            << op;
    EXPECT_EQ(Editor(Make(EVENTCODE_SETPARAM, {"a", "b", "c"}, {13})),
              S(u8"▽" W "パラメタ設定" W "a" W "＝" W "b" W "演算子不明" W "c"));
}

TEST(Summary, PlayerVariantDiffersInFourPlaces) {
    EXPECT_EQ(Player(Make(EVENTCODE_TITLE, {"t"})), S(u8"§ セーブタイトル設定" W "t"));
    EXPECT_EQ(Player(Make(EVENTCODE_SETPARAM, {"a", "b", "c"}, {-1})),
              S(u8"▽" W "パラメタ設定" W "a" W "＝" W "b" W "？" W "c"));
    EXPECT_EQ(Player(Make(EVENTCODE_VORBIS, {"v"})), S(u8"エラー：未知のイベントタイプです。"));
    EXPECT_EQ(Player(Make(EVENTCODE_MIDI, {""}, {0, 1})),
              Editor(Make(EVENTCODE_MIDI, {""}, {0, 1})));

    std::vector<std::string> warnings;
    const SummaryWarning warn = [&](const VNString& text, const VNString& caption) {
        warnings.push_back(Utf8(text) + "|" + Utf8(caption));
    };
    const VNEvent known = Make(EVENTCODE_CHARACTER, {"c"}, {2, 0});
    EXPECT_EQ(Utf8(PlayerSummary(known, warn)), Editor(known));
    EXPECT_TRUE(warnings.empty());
    const VNEvent unknown = Make(EVENTCODE_CHARACTER, {""}, {9, 0});
    EXPECT_EQ(Utf8(PlayerSummary(unknown, warn)), S(u8"◆ キャラ" W "ポジション不明" W "退場"));
    EXPECT_EQ(warnings, std::vector<std::string>{S(u8"不正なキャラポジション|VNEvent")});
    Editor(unknown); // the editor never warns
    EXPECT_EQ(warnings.size(), 1u);
}

TEST(Summary, NumberedLinesPadToFourColumns) {
    EXPECT_EQ(NumberedLine(1, VNString()).Bytes(), "1    ");
    EXPECT_EQ(NumberedLine(42, VNString("x")).Bytes(), "42   x");
    EXPECT_EQ(NumberedLine(1234, VNString("x")).Bytes(), "1234 x");
    EXPECT_EQ(NumberedLine(12345, VNString("x")).Bytes(), "12345 x");
    // A huge text shows its first 1024 bytes, cut between characters: an
    // odd "a" first puts a double-byte character across the bound.
    std::string huge = "a";
    for (int i = 0; i < 100000; ++i)
        huge += "\x82\xa0"; // あ
    EXPECT_EQ(NumberedLine(7, VNString(huge.c_str())).Bytes(), "7    " + huge.substr(0, 1023));
    EXPECT_EQ(NumberedLine(7, VNString(huge.substr(1).c_str())).Bytes(),
              "7    " + huge.substr(1, 1024));
}

} // namespace
