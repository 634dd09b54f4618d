// The texts of the error reports, built from their lines and CR LF joins.
#include "player/ReportTexts.h"

#include <gtest/gtest.h>

namespace {

VNString U(const char8_t* text) {
    return VNString(text);
}

bool StartsWith(const VNString& s, const VNString& prefix) {
    return s.Bytes().compare(0, prefix.Bytes().size(), prefix.Bytes()) == 0;
}

bool EndsWith(const VNString& s, const std::string& suffix) {
    return s.Bytes().size() >= suffix.size() &&
           s.Bytes().compare(s.Bytes().size() - suffix.size(), suffix.size(), suffix) == 0;
}

} // namespace

TEST(ReportTexts, ShortTextsExactly) {
    const VNString install = U(u8"▽ゲームのインストールに問題がある\r\n"
                               u8"　●ゲームのインストールに問題があった可能性があります。"
                               u8"インストールをやり直してください。");
    // The installation paragraph alone, with a final line end, for vnplay's
    // invalid-option, label-undefined and missing-entry reports.
    const VNString crlf("\r\n");
    for (ReportKind kind :
         {ReportKind::InvalidOption, ReportKind::LabelUndefined, ReportKind::MissingEntry}) {
        EXPECT_EQ(ReportHelpText(kind, PlayerEdition::Play), install + crlf);
    }
    EXPECT_EQ(ReportHelpText(ReportKind::LoadError, PlayerEdition::Probe),
              U(u8"\r\n\r\n▽セーブデータが壊れている\r\n"
                u8"　●問題のあるセーブデータは上書きしてください。"));
    EXPECT_EQ(
        ReportHelpText(ReportKind::MissingEntry, PlayerEdition::Probe),
        U(u8"▽必須項目が入力されていない\r\n"
          u8"　●省略できない項目が入力されていません。問題のあるイベントを確認してください。"));
    const VNString installAndSave =
        install + U(u8"\r\n\r\n▽ロードしたセーブデータが古かった\r\n"
                    u8"　●アプリケーションの更新を行った際に、古いセーブデータが使えなくなった"
                    u8"可能性があります。セーブデータを破棄してください。");
    EXPECT_EQ(ReportHelpText(ReportKind::ImageLoadError, PlayerEdition::Play), installAndSave);
    EXPECT_EQ(ReportHelpText(ReportKind::ParamUndeclared, PlayerEdition::Play), installAndSave);
}

TEST(ReportTexts, LongTextsStartEndAndShareAsListed) {
    // The texts that follow a message begin with an empty line.
    const VNString critical = ReportHelpText(ReportKind::CriticalError, PlayerEdition::Play);
    EXPECT_TRUE(StartsWith(critical, U(u8"\r\n\r\nこのエラーは通常は発生しないもので、アプリケーシ"
                                       u8"ョンにとって致命的です。\r\n")));
    EXPECT_TRUE(EndsWith(critical, "\r\n"));
    EXPECT_FALSE(EndsWith(critical, "\r\n\r\n"));
    const VNString save = ReportHelpText(ReportKind::SaveError, PlayerEdition::Probe);
    EXPECT_TRUE(StartsWith(save, U(u8"\r\n\r\n▽セーブファイルが読み取り専用属性である\r\n")));
    EXPECT_TRUE(
        EndsWith(save, VNString(u8"　●ディスクに空き領域を確保してください。\r\n").Bytes()));

    // Texts without a final line end.
    const VNString already = ReportHelpText(ReportKind::ImageAlreadyLoaded, PlayerEdition::Play);
    EXPECT_TRUE(StartsWith(already, U(u8"▽指定したイメージが既にレイヤーにロードされている\r\n")));
    EXPECT_TRUE(EndsWith(already, VNString(u8"NOCHANGEキーワードが使えません。").Bytes()));

    // The event-file report differs between the players; the others that
    // both players share are identical.
    const VNString evtProbe = ReportHelpText(ReportKind::EvtLoadError, PlayerEdition::Probe);
    const VNString evtPlay = ReportHelpText(ReportKind::EvtLoadError, PlayerEdition::Play);
    EXPECT_TRUE(StartsWith(evtProbe, U(u8"▽イベントファイルが存在しない\r\n")));
    EXPECT_TRUE(StartsWith(evtPlay, U(u8"▽起動時にエクスプローラで縮小表示を行っていた\r\n")));
    EXPECT_TRUE(EndsWith(evtProbe, "\r\n"));
    EXPECT_TRUE(EndsWith(evtPlay, "\r\n"));
    for (ReportKind kind : {ReportKind::CriticalError, ReportKind::ImageAlreadyLoaded,
                            ReportKind::LoadError, ReportKind::SaveError}) {
        EXPECT_EQ(ReportHelpText(kind, PlayerEdition::Play),
                  ReportHelpText(kind, PlayerEdition::Probe));
    }
    // The invalid-option text of vnprobe ends in the division paragraph with a line end.
    EXPECT_TRUE(EndsWith(ReportHelpText(ReportKind::InvalidOption, PlayerEdition::Probe),
                         VNString(u8"▽使用してはいけない値を指定した\r\n"
                                  u8"　●ゼロによる除算は行えません。\r\n")
                             .Bytes()));
}

TEST(ReportTexts, CaptionsTemplatesAndLayerNames) {
    EXPECT_EQ(ReportCaption(ReportKind::EvtLoadError, PlayerEdition::Probe),
              U(u8"EVTロードエラー"));
    EXPECT_EQ(ReportCaption(ReportKind::EvtLoadError, PlayerEdition::Play), U(u8"エラー"));
    EXPECT_EQ(ReportCaption(ReportKind::MissingEntry, PlayerEdition::Play), U(u8"項目未入力"));
    EXPECT_EQ(ReportCaption(ReportKind::ImageAlreadyLoaded, PlayerEdition::Play),
              U(u8"無駄なレイヤー操作"));
    EXPECT_STREQ(ReportTemplateName(ReportKind::ParamUndeclared), "IDD_PARAMUNDECLARED");
    EXPECT_EQ(ReportLayerName(0), U(u8"レイヤー０（背景）"));
    EXPECT_EQ(ReportLayerName(3), U(u8"レイヤー３（右キャラ）"));
    EXPECT_EQ(ReportLayerName(10), U(u8"レイヤー１０"));
}
