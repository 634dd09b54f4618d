// Message boxes, file choosers, the test hook itself, face name rules and
// resource sets.
#include "TestResources.h"

#include "platform/FileChooser.h"
#include "platform/MessageBox.h"
#include "platform/ModalHook.h"
#include "platform/font/FontRules.h"

#include <QDir>
#include <QFont>
#include <QFontInfo>
#include <cstdio>
#include <fontconfig/fontconfig.h>
#include <fstream>
#include <gtest/gtest.h>
#include <string>

using namespace platform;

namespace {

class PlatformTest : public ::testing::Test {
protected:
    void SetUp() override { testres::App(); }
};

TEST_F(PlatformTest, MessageBoxShowsItsTextsAndAnswersTheButtonPressed) {
    ModalHook hook;
    hook.Push([](ModalView& v) {
        EXPECT_EQ(v.Kind(), ModalKind::MessageBox);
        EXPECT_EQ(v.Text(), VNString(u8"変更を保存しますか？"));
        EXPECT_EQ(v.Caption(), VNString(u8"vnparedit"));
        EXPECT_EQ(v.Buttons(), MsgButtons::YesNoCancel);
        EXPECT_EQ(v.Icon(), MsgIcon::Question);
        v.Press(IDNO);
    });
    EXPECT_EQ(ShowMessage(nullptr, VNString(u8"変更を保存しますか？"), VNString(u8"vnparedit"),
                          MsgButtons::YesNoCancel, MsgIcon::Question),
              IDNO);
    for (int answer : {IDYES, IDCANCEL}) {
        hook.Push([answer](ModalView& v) { v.Press(answer); });
        EXPECT_EQ(ShowMessage(nullptr, VNString(u8"?"), VNString(u8"c"), MsgButtons::YesNoCancel,
                              MsgIcon::Question),
                  answer);
    }
    hook.Push([](ModalView& v) { v.Press(IDOK); });
    EXPECT_EQ(ShowMessage(nullptr, VNString(u8"ファイルに保存しました。"), VNString(u8"確認")),
              IDOK);
    EXPECT_TRUE(hook.Problems().empty());
    EXPECT_EQ(hook.Seen().size(), 4u);
    EXPECT_EQ(hook.Seen().back(), "message \"ファイルに保存しました。\" \"確認\"");
}

TEST_F(PlatformTest, UnscriptedWindowsAreDismissedAndReported) {
    ModalHook hook;
    EXPECT_EQ(ShowMessage(nullptr, VNString(u8"a"), VNString(u8"b"), MsgButtons::YesNoCancel),
              IDCANCEL);
    EXPECT_EQ(ShowMessage(nullptr, VNString(u8"a"), VNString(u8"b"), MsgButtons::YesNo), IDNO);
    EXPECT_EQ(ShowMessage(nullptr, VNString(u8"a"), VNString(u8"b"), MsgButtons::Ok), IDOK);
    // A script that leaves the box open is reported too.
    hook.Push([](ModalView&) {});
    EXPECT_EQ(ShowMessage(nullptr, VNString(u8"a"), VNString(u8"b"), MsgButtons::OkCancel),
              IDCANCEL);
    ASSERT_EQ(hook.Problems().size(), 4u);
    EXPECT_EQ(hook.Problems()[0], "no script for message \"a\" \"b\"");
    EXPECT_EQ(hook.Problems()[3], "left open: message \"a\" \"b\"");
}

TEST_F(PlatformTest, FileChoosersReturnTheFullPathOrLeaveTheOutputAlone) {
    ModalHook hook;
    const std::vector<FileFilter> filters = {
        {VNString(u8"パラメタファイル(*.flg)"), VNString(u8"*.flg")}};
    const VNString initial(u8"新規フラグ.flg");
    hook.Push([](ModalView& v) {
        EXPECT_EQ(v.Kind(), ModalKind::SaveFile);
        EXPECT_EQ(v.Caption(), VNString(u8"名前を付けて保存"));
        EXPECT_EQ(v.Text(), VNString(u8"新規フラグ.flg"));
        ASSERT_EQ(v.Filters().size(), 1u);
        EXPECT_EQ(v.Filters()[0].pattern, VNString(u8"*.flg"));
        v.ChooseFile(VNString(u8"保存先/グローバル.flg"));
    });
    VNString out(u8"unchanged");
    ASSERT_TRUE(ChooseSaveFile(VNString(u8"名前を付けて保存"), filters, &initial, out, nullptr));
    VNString expected;
    ASSERT_TRUE(VNString::FromUtf8(
        (QDir::currentPath() + QString::fromUtf8("/保存先/グローバル.flg")).toStdString(),
        expected));
    EXPECT_EQ(out, expected);

    hook.Push([](ModalView& v) {
        EXPECT_EQ(v.Kind(), ModalKind::OpenFile);
        EXPECT_EQ(v.Text(), VNString());
        v.Press(IDCANCEL);
    });
    VNString untouched(u8"そのまま");
    EXPECT_FALSE(
        ChooseOpenFile(VNString(u8"ファイルを開く"), filters, nullptr, untouched, nullptr));
    EXPECT_EQ(untouched, VNString(u8"そのまま"));
    EXPECT_TRUE(hook.Problems().empty());
}

TEST_F(PlatformTest, SavingOverAnExistingFileAsksFirst) {
    ModalHook hook;
    const std::string existing = "vn-existing-file.flg";
    { std::ofstream(existing) << "x"; }
    const std::vector<FileFilter> filters = {{VNString(u8"テキスト"), VNString(u8"*.txt")}};
    VNString expected;
    ASSERT_TRUE(VNString::FromUtf8(
        QDir::current().absoluteFilePath(QString::fromStdString(existing)).toStdString(),
        expected));

    auto choose = [&](ModalView& v) { v.ChooseFile(VNString::FromBytes(existing)); };
    auto question = [](int answer) {
        return [answer](ModalView& v) {
            EXPECT_EQ(v.Text(),
                      VNString(u8"vn-existing-file.flg は既に存在します。\n上書きしますか？"));
            EXPECT_EQ(v.Caption(), VNString(u8"保存"));
            EXPECT_EQ(v.Buttons(), MsgButtons::YesNo);
            EXPECT_EQ(v.Icon(), MsgIcon::Warning);
            v.Press(answer);
        };
    };
    // "No" goes back to the chooser, which now proposes the path; cancel there.
    hook.Push(choose);
    hook.Push(question(IDNO));
    hook.Push([&](ModalView& v) {
        EXPECT_EQ(v.Text(), expected);
        v.Press(IDCANCEL);
    });
    VNString out(u8"前");
    EXPECT_FALSE(ChooseSaveFile(VNString(u8"保存"), filters, nullptr, out, nullptr));
    EXPECT_EQ(out, VNString(u8"前"));

    hook.Push(choose);
    hook.Push(question(IDYES));
    EXPECT_TRUE(ChooseSaveFile(VNString(u8"保存"), filters, nullptr, out, nullptr));
    EXPECT_EQ(out, expected);

    // Opening an existing file asks nothing.
    hook.Push(choose);
    EXPECT_TRUE(ChooseOpenFile(VNString(u8"開く"), filters, nullptr, out, nullptr));
    EXPECT_TRUE(hook.Problems().empty());
    std::remove(existing.c_str());
}

std::string MatchedFamily(const char* face) {
    FcPattern* pattern = FcNameParse(reinterpret_cast<const FcChar8*>(face));
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result;
    FcPattern* match = FcFontMatch(nullptr, pattern, &result);
    std::string family;
    FcChar8* name = nullptr;
    if (match && FcPatternGetString(match, FC_FAMILY, 0, &name) == FcResultMatch)
        family = reinterpret_cast<const char*>(name);
    if (match)
        FcPatternDestroy(match);
    FcPatternDestroy(pattern);
    return family;
}

TEST_F(PlatformTest, OriginalFaceNamesFindTheJapaneseFaces) {
    ASSERT_TRUE(LoadFaceNameRules());
    EXPECT_EQ(MatchedFamily("ＭＳ Ｐゴシック"), "IPAPGothic");
    EXPECT_EQ(MatchedFamily("ＭＳ ゴシック"), "IPAGothic");
    EXPECT_EQ(MatchedFamily("ＭＳ Ｐ明朝"), "IPAPMincho");
    EXPECT_EQ(MatchedFamily("ＭＳ 明朝"), "IPAMincho");
    EXPECT_STREQ(SubstituteFace("ＭＳ ゴシック"), "IPAGothic");
    EXPECT_STREQ(SubstituteFace("Arial"), "Arial");
    // The toolkit's own font lookup ends at the same face.
    EXPECT_EQ(QFontInfo(QFont(QString::fromUtf8("ＭＳ ゴシック"))).family(),
              QStringLiteral("IPAGothic"));
}

TEST(ResourceSetTest, EachProgramHasItsOwnNamesAndAliasesResolveOnce) {
    using namespace resources;
    ResourceSet player("vnplay"), editor("vnparedit");
    player.AddMenu("IDR_MENU", {{Popup(u8"ファイル(&F)", {Command(u8"ロード(&L)", 40002)})}});
    editor.AddMenu("IDR_MENU", {{Popup(u8"ファイル(&O)", {Command(u8"開く(&O)", 40001)})}});
    EXPECT_EQ(player.FindMenu("IDR_MENU")->popups[0].items[0].id, 40002);
    EXPECT_EQ(editor.FindMenu("IDR_MENU")->popups[0].items[0].id, 40001);

    player.AddDialog("IDD_NARRATION", DialogTemplate(u8"ナレーション", 100, 50, {}));
    player.AddDialogAlias("IDD_NARRATIONINPUT", "IDD_NARRATION");
    player.AddDialogAlias("IDD_LOOP", "IDD_LOOP");
    player.AddDialogAlias("IDD_DANGLING", "IDD_NOWHERE");
    EXPECT_EQ(player.FindDialog("IDD_NARRATIONINPUT"), player.FindDialog("IDD_NARRATION"));
    EXPECT_EQ(player.FindDialog("IDD_LOOP"), nullptr);
    EXPECT_EQ(player.FindDialog("IDD_DANGLING"), nullptr);
    EXPECT_EQ(player.FindAccelerators("IDR_ACCELERATOR"), nullptr);

    // Merging keeps what a set already has.
    editor.Merge(player);
    EXPECT_EQ(editor.FindMenu("IDR_MENU")->popups[0].items[0].id, 40001);
    EXPECT_NE(editor.FindDialog("IDD_NARRATIONINPUT"), nullptr);
}

} // namespace
