#include "scenario/Summary.h"

#include "scenario/private/EventTypeFunctions.h"

#include <cstdio>

namespace {

VNString Int(int32_t value) {
    return VNString(value);
}

VNString Quoted(const VNString& text) {
    return VNString("\"") + text + VNString("\"");
}

VNString UnknownType() {
    return VNString(u8"エラー：未知のイベントタイプです。");
}

VNString CharacterPosition(int32_t position, SummaryVariant variant, const SummaryWarning& warn) {
    switch (position) {
    case 0:
        return VNString(u8"◆ キャラ　中　");
    case 1:
        return VNString(u8"◆ キャラ　左　");
    case 2:
        return VNString(u8"◆ キャラ　右　");
    default:
        if (variant == SummaryVariant::Player && warn)
            warn(VNString(u8"不正なキャラポジション"), VNString(u8"VNEvent"));
        return VNString(u8"◆ キャラ　ポジション不明　");
    }
}

VNString Alignment(int32_t alignment) {
    switch (alignment) {
    case 0:
        return VNString(u8"　下揃い ");
    case 1:
        return VNString(u8"　中央揃い ");
    case 2:
        return VNString(u8"　上揃い ");
    default:
        return VNString(u8"　配置不明 ");
    }
}

VNString Operator(int32_t op, SummaryVariant variant) {
    static const char8_t* const kOperators[] = {
        u8"　＋　", u8"　－　", u8"　×　",  u8"　÷　", u8"　％　", u8"　＆　", u8"　｜　",
        u8"　＾　", u8"　＞　", u8"　＜　", u8"　≧　", u8"　≦　",  u8"　==　"};
    if (op >= 0 && op < static_cast<int32_t>(std::size(kOperators)))
        return VNString(kOperators[op]);
    return VNString(variant == SummaryVariant::Editor ? u8"　演算子不明　" : u8"　？　");
}

VNString Build(const VNEvent& e, SummaryVariant variant, const SummaryWarning& warn) {
    const VNEventDescriptor& row = e.GetDescriptor();
    return row.summary ? row.summary(e, variant, warn) : UnknownType();
}

} // namespace

// The builders the event type table points to; each reads one type's event.
namespace summaries {

#define VN_SUMMARY(name)                                                                           \
    VNString name([[maybe_unused]] const VNEvent& e, [[maybe_unused]] SummaryVariant variant,      \
                  [[maybe_unused]] const SummaryWarning& warn)

VN_SUMMARY(Narration) {
    return VNString(u8"＊　") + e.GetString(0);
}

VN_SUMMARY(Serif) {
    return VNString(u8"＞　") + e.GetString(0) + VNString(u8"「") + e.GetString(1);
}

VN_SUMMARY(Character) {
    const VNString position = CharacterPosition(e.GetInt(2), variant, warn);
    if (e.GetString(0).IsEmpty())
        return position + VNString(u8"退場");
    return position + e.GetString(0) + Alignment(e.GetInt(3));
}

VN_SUMMARY(Background) {
    if (e.GetString(0).IsEmpty())
        return VNString(u8"★ 背　景　フェードアウト");
    return VNString(u8"★ 背　景　") + e.GetString(0);
}

VN_SUMMARY(Select) {
    return VNString(u8"▼ 選　択　") + e.GetString(0) + VNString(u8"／") + e.GetString(2) +
           VNString(u8"／") + e.GetString(4);
}

VN_SUMMARY(Label) {
    return VNString(u8"→ ラベル　") + e.GetString(0);
}

VN_SUMMARY(CdAudio) {
    if (e.GetInt(0) != 0)
        return VNString(u8"♪ CD-DA 　トラック") + Int(e.GetInt(0)) + VNString(u8"　フェード") +
               Int(e.GetInt(1)) + VNString(u8"ミリ秒");
    return VNString(u8"♪ CD-DA 　停止　フェード") + Int(e.GetInt(1)) + VNString(u8"ミリ秒");
}

VN_SUMMARY(Pcm) {
    if (e.GetString(0).IsEmpty())
        return VNString(u8"♪ PCM 　　オフ");
    VNString line = VNString(u8"♪ PCM 　　") + e.GetString(0);
    if (e.GetInt(1) != 0)
        line += VNString(u8"　ループ");
    return line;
}

VN_SUMMARY(Flag) {
    switch (e.GetInt(1)) {
    case 0:
        return VNString(u8"▽ フラグ設定　ＯＮ　") + e.GetString(0);
    case 1:
        return VNString(u8"▽ フラグ設定　ＯＦＦ　") + e.GetString(0);
    case 2:
        return VNString(u8"▽ フラグ設定　反転　") + e.GetString(0);
    default:
        return VNString(u8"▽ フラグ設定　不明なオプション");
    }
}

VN_SUMMARY(Jump) {
    const VNString& file = e.GetString(0);
    const VNString& label = e.GetString(1);
    const VNString where =
        (file.IsEmpty() ? VNString(u8"ファイル内　") : file + VNString(u8"　")) +
        (label.IsEmpty() ? VNString(u8"先頭　")
                         : VNString(u8"ラベル") + Quoted(label) + VNString(u8"　"));
    const VNString condition = VNString(u8"条件：パラメタ") + Quoted(e.GetString(3));
    switch (e.GetInt(2)) {
    case 0:
        return VNString(u8"← ジャンプ　無条件　") + where;
    case 1:
        return VNString(u8"← ジャンプ　") + where + condition + VNString(u8"の値が０以外である");
    case 2:
        return VNString(u8"← ジャンプ　") + where + condition + VNString(u8"の値が０である");
    default:
        return VNString(u8"← ジャンプ　条件不明");
    }
}

VN_SUMMARY(Title) {
    return VNString(variant == SummaryVariant::Editor ? u8"§ タイトル設定　"
                                                      : u8"§ セーブタイトル設定　") +
           e.GetString(0);
}

VN_SUMMARY(WaitClick) {
    return VNString(u8"◎ クリックウェイト");
}

VN_SUMMARY(Wait) {
    return VNString(u8"◎ ミリ秒ウェイト　") + Int(e.GetInt(0)) + VNString(u8"ミリ秒");
}

VN_SUMMARY(MessageBox) {
    return VNString(u8"● メッセージボックス設定");
}

VN_SUMMARY(Comment) {
    return VNString(u8"; ") + e.GetString(0);
}

VN_SUMMARY(Mp3) {
    const VNString fade = VNString(u8"フェード") + Int(e.GetInt(1)) + VNString(u8"ミリ秒");
    if (e.GetString(0).IsEmpty())
        return VNString(u8"♪ MP3   　停止　") + fade;
    return VNString(u8"♪ MP3   　") + e.GetString(0) + VNString(u8"　") + fade;
}

VN_SUMMARY(SetFade) {
    return VNString(u8"● フェード設定　") + Int(e.GetInt(1)) + VNString(u8"ms ") +
           Int(e.GetInt(3)) + VNString(u8"ms");
}

VN_SUMMARY(BtnSelect) {
    return VNString(u8"● ボタン選択　") + e.GetString(0);
}

VN_SUMMARY(Anime) {
    return VNString(u8"★● アニメーション　") + Int(e.GetInt(0)) + VNString(u8"ミリ秒　") +
           Int(e.GetInt(1)) + VNString(u8"個のレイヤーを変更　") + e.GetString(2);
}

VN_SUMMARY(SetParam) {
    return VNString(u8"▽　パラメタ設定　") + e.GetString(0) + VNString(u8"　＝　") +
           e.GetString(1) + Operator(e.GetInt(2), variant) + e.GetString(3);
}

VN_SUMMARY(Vorbis) {
    if (variant == SummaryVariant::Player)
        return UnknownType(); // the players do not know this type's summary
    static const char8_t* const kChannels[] = {u8"ＢＧＭ　", u8"ボイス　", u8"効果音　"};
    const int32_t channel = e.GetInt(1);
    const bool known = channel >= 0 && channel <= 2;
    VNString line = VNString(u8"♪ Vorbis　") +
                    VNString(known ? kChannels[channel] : u8"チャンネル不明　") +
                    (e.GetString(0).IsEmpty() ? VNString(u8"停止") : e.GetString(0));
    if (e.GetInt(2) != 0)
        line += VNString(u8"　フェード") + Int(e.GetInt(2)) + VNString(u8"ミリ秒");
    if (e.GetInt(3) != 0 && !e.GetString(0).IsEmpty())
        line += VNString(u8"　ループ再生");
    return line;
}

VN_SUMMARY(Midi) {
    VNString line =
        VNString(u8"♪ MIDI　　") +
        (e.GetString(0).IsEmpty() ? VNString(u8"停止  ") : e.GetString(0) + VNString(u8"  "));
    line += VNString(u8"フェード") + Int(e.GetInt(1)) + VNString(u8"ミリ秒");
    if (e.GetInt(2) != 0)
        line += VNString(u8"  ループ演奏");
    return line;
}

#undef VN_SUMMARY

} // namespace summaries

VNString Summary(const VNEvent& event) {
    return Build(event, SummaryVariant::Editor, nullptr);
}

VNString PlayerSummary(const VNEvent& event, const SummaryWarning& warn) {
    return Build(event, SummaryVariant::Player, warn);
}

VNString NumberedLine(int32_t number, const VNString& text) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%-4d ", static_cast<int>(number));
    return VNString(buffer) + text.PrefixBytes(kListLineBytes);
}
