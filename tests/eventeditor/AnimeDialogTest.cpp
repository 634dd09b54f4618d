// The animation dialog and its layer sub-dialogs, in both sets: the layer
// table read from the event, the list lines, setting and clearing layers,
// and the list and count rebuilt on OK.
#include "EventDialogTestSupport.h"
#include "eventeditor/AnimeLayers.h"

#include <QFontInfo>
#include <QLineEdit>
#include <QListWidget>
#include <climits>

using namespace platform;
using evtest::EventDialogTest;
using evtest::SavedBytes;
namespace id = resources::event_id;

namespace {

// The item labels in list order (layers 1..10, then the background).
const char8_t* const kLabels[11] = {
    u8"中央キャラ   … ", u8"左キャラ     … ", u8"右キャラ     … ", u8"レイヤー  4  … ",
    u8"レイヤー  5  … ", u8"レイヤー  6  … ", u8"レイヤー  7  … ", u8"レイヤー  8  … ",
    u8"レイヤー  9  … ", u8"レイヤー 10  … ", u8"背景         … ",
};
const VNString kUnchanged(u8"変更なし");
const char* const kDefault = ",,0,0,0,100,100,0,0,0,255";

VNEvent Anime(int32_t time, int32_t count, const VNString& list) {
    VNEvent e(EVENTCODE_ANIME);
    e.SetInt(0, time);
    e.SetInt(1, count);
    e.SetString(2, list);
    return e;
}

std::vector<VNString> Items(DialogHost& d) {
    std::vector<VNString> items;
    for (int i = 0; i < d.ListCount(id::List); ++i)
        items.push_back(d.ListGetText(id::List, i));
    return items;
}

// The eleven lines with `set` lines replaced (item -> setting).
std::vector<VNString> Expected(std::vector<std::pair<int, VNString>> set) {
    std::vector<VNString> items;
    for (const char8_t* label : kLabels)
        items.push_back(VNString(label) + kUnchanged);
    for (const auto& [item, setting] : set)
        items[item] = VNString(kLabels[item]) + setting;
    return items;
}

class AnimeDialogTest : public EventDialogTest {
protected:
    std::string Template(const char* probe, const char* editor) const {
        return Editor() ? editor : probe;
    }
    // Selects `item` and presses the set button; `sub` runs in the sub-dialog.
    void ExpectSubDialog(std::function<void(ModalView&)> sub) { hook.Push(std::move(sub)); }
};

INSTANTIATE_TEST_SUITE_P(BothSets, AnimeDialogTest,
                         ::testing::Values(EventDialogSet::Probe, EventDialogSet::Editor),
                         evtest::SetName);

TEST(AnimeLayerLabels, AreSixteenBytesWithTheEllipsisAtByteThirteen) {
    AnimeLayerTable table;
    for (int item = 0; item < 11; ++item) {
        const VNString label(kLabels[item]);
        ASSERT_EQ(label.GetByteLength(), 16) << item;
        EXPECT_EQ(label.Bytes().substr(13), "\x81\x63 ") << item; // "…" in Shift-JIS
        EXPECT_EQ(table.ItemText(item), label + kUnchanged);
    }
}

TEST_P(AnimeDialogTest, LayersOutOfRangeAndRepeatedLayersAreDroppedAndOkRebuildsInOrder) {
    VNEvent e =
        Anime(1500, 4, VNString(u8"2,左.bmp,AUTO,0,0,0,100,100,0,0,0,255/11,x/0,bg,3/2,2回目/"));
    hook.Push([&](ModalView& v) {
        EXPECT_EQ(v.TemplateName(), Template("IDD_ANIME", "IDD_ANIMEINPUT"));
        EXPECT_EQ(v.Caption(), VNString(u8"アニメーション"));
        EXPECT_EQ(v.Dialog().GetText(id::Text), VNString("1500"));
        EXPECT_EQ(Items(v.Dialog()),
                  Expected({{1, VNString(u8"左.bmp,AUTO,0,0,0,100,100,0,0,0,255")},
                            {10, VNString("bg,3")}}));
        const QFontInfo font(
            reinterpret_cast<QWidget*>(v.Dialog().Handle())->findChild<QListWidget*>()->font());
        EXPECT_EQ(font.family(), QStringLiteral("IPAGothic"));
        EXPECT_EQ(font.pixelSize(), 12);
        v.Press(resources::IDOK);
    });
    ASSERT_TRUE(Edit(e));
    EXPECT_EQ(e.GetInt(0), 1500);
    EXPECT_EQ(e.GetInt(1), 2);
    EXPECT_EQ(e.GetString(2), VNString(u8"0,bg,3/2,左.bmp,AUTO,0,0,0,100,100,0,0,0,255/"));
}

TEST_P(AnimeDialogTest, ACharacterLayerSetUnchangedGetsTheDefaultSetting) {
    VNEvent e = Anime(0, 0, VNString());
    hook.Push([&](ModalView& v) {
        EXPECT_EQ(Items(v.Dialog()), Expected({}));
        v.Press(id::SetLayer); // nothing selected: nothing happens
        v.Dialog().ListSetSelection(id::List, 0);
        v.Press(id::SetLayer);
        EXPECT_EQ(Items(v.Dialog()), Expected({{0, VNString(kDefault)}}));
        EXPECT_EQ(v.Dialog().ListGetSelection(id::List), 0);
        v.Press(resources::IDOK);
    });
    ExpectSubDialog([&](ModalView& v) {
        EXPECT_EQ(v.TemplateName(), Template("IDD_ANIME_CHARA", "IDD_ANIMECHARAINPUT"));
        EXPECT_EQ(v.Caption(), VNString(u8"キャラクタレイヤーの設定"));
        DialogHost& d = v.Dialog();
        const std::vector<std::pair<int, const char*>> shown = {
            {id::ColourImage, ""}, {id::MaskImage, ""}, {id::LayerX, "0"}, {id::LayerY, "0"},
            {id::ScaleX, "100"},   {id::ScaleY, "100"}, {id::ShearX, "0"}, {id::ShearY, "0"},
            {id::Rotation, "0"},   {id::Opacity, "255"}};
        for (const auto& [control, text] : shown)
            EXPECT_EQ(d.GetText(control), VNString(text)) << control;
        EXPECT_EQ(d.ComboGetSelection(id::Choice), 0);
        EXPECT_EQ(d.ComboCount(id::Choice), 5);
        v.Press(resources::IDOK);
    });
    ASSERT_TRUE(Edit(e));
    EXPECT_EQ(e.GetInt(1), 1);
    EXPECT_EQ(e.GetString(2), VNString("1,,,0,0,0,100,100,0,0,0,255/"));
}

TEST_P(AnimeDialogTest, ACountBeyondTheListReadsAnEmptyBackgroundEntry) {
    for (int32_t count : {3, INT_MAX}) {
        VNEvent e = Anime(100, count, VNString("1,a,,0,0,0,100,100,0,0,0,255/"));
        hook.Push([&](ModalView& v) {
            EXPECT_EQ(Items(v.Dialog()),
                      Expected({{0, VNString("a,,0,0,0,100,100,0,0,0,255")}, {10, VNString()}}));
            v.Press(resources::IDOK);
        });
        ASSERT_TRUE(Edit(e));
        EXPECT_EQ(e.GetInt(1), 2);
        EXPECT_EQ(e.GetString(2), VNString("0,/1,a,,0,0,0,100,100,0,0,0,255/"));
    }
}

TEST_P(AnimeDialogTest, TheBackgroundLayerStartsEmptyWithTheFirstEffect) {
    VNEvent e = Anime(0, 0, VNString());
    hook.Push([&](ModalView& v) {
        v.Dialog().ListSetSelection(id::List, 10);
        v.Press(id::SetLayer);
        EXPECT_EQ(Items(v.Dialog()), Expected({{10, VNString(u8"背景.png,8")}}));
        v.Press(resources::IDOK);
    });
    ExpectSubDialog([&](ModalView& v) {
        EXPECT_EQ(v.TemplateName(), Template("IDD_ANIME_BACK", "IDD_ANIMEBACKINPUT"));
        EXPECT_EQ(v.Caption(), VNString(u8"背景レイヤーの設定"));
        DialogHost& d = v.Dialog();
        EXPECT_EQ(d.GetText(id::Text), VNString());
        EXPECT_EQ(d.ComboGetSelection(id::Choice), 0);
        const char8_t* effects[] = {
            u8"アルファブレンド", u8"点描１",           u8"点描２",
            u8"スラッシュ１",     u8"スラッシュ２",     u8"ロール（上から)",
            u8"ロール（下から）", u8"ロール（右から）", u8"ロール（左から)"};
        ASSERT_EQ(d.ComboCount(id::Choice), 9);
        for (int i = 0; i < 9; ++i)
            EXPECT_EQ(d.ComboGetText(id::Choice, i), VNString(effects[i]));
        v.Press(id::Browse);
        d.ComboSetSelection(id::Choice, 8);
        v.Press(resources::IDOK);
    });
    hook.Push([&](ModalView& v) {
        EXPECT_EQ(v.Caption(), VNString(u8"背景画像を選択する"));
        ASSERT_EQ(v.Filters().size(), 2u);
        EXPECT_EQ(v.Filters()[1].description,
                  VNString(Editor() ? u8"24 ビット PNG (*.png)" : u8"24ﾋﾞｯﾄ PNGﾌｧｲﾙ(*.png)"));
        v.ChooseFile(VNString(u8"/home/作者/game/cg/背景.png"));
    });
    ASSERT_TRUE(Edit(e));
    EXPECT_EQ(e.GetInt(1), 1);
    EXPECT_EQ(e.GetString(2), VNString(u8"0,背景.png,8/"));
}

TEST_P(AnimeDialogTest, ClearingAsksOnlyAboutALayerThatIsSet) {
    VNEvent e = Anime(0, 1, VNString("3,r,,0,0,0,100,100,0,0,0,255/"));
    const auto question = [](int answer) {
        return [answer](ModalView& v) {
            EXPECT_EQ(v.Kind(), ModalKind::MessageBox);
            EXPECT_EQ(v.Text(), VNString(u8"このレイヤーの変更を取り消します。よろしいですか？"));
            EXPECT_EQ(v.Caption(), VNString(u8"変更のクリア"));
            EXPECT_EQ(v.Icon(), MsgIcon::Question);
            EXPECT_EQ(v.Buttons(), MsgButtons::YesNo);
            v.Press(answer);
        };
    };
    hook.Push([&](ModalView& v) {
        v.Press(id::ClearLayer); // no selection
        v.Dialog().ListSetSelection(id::List, 0);
        v.Press(id::ClearLayer); // layer 1 is not set: no question
        v.Dialog().ListSetSelection(id::List, 2);
        v.Press(id::ClearLayer); // "no"
        EXPECT_EQ(Items(v.Dialog()), Expected({{2, VNString("r,,0,0,0,100,100,0,0,0,255")}}));
        v.Press(id::ClearLayer); // "yes"
        EXPECT_EQ(Items(v.Dialog()), Expected({}));
        v.Press(resources::IDOK);
    });
    hook.Push(question(IDNO));
    hook.Push(question(IDYES));
    ASSERT_TRUE(Edit(e));
    EXPECT_EQ(hook.Seen().size(), 3u);
    EXPECT_EQ(e.GetInt(1), 0);
    EXPECT_EQ(e.GetString(2), VNString());
}

TEST_P(AnimeDialogTest, CharacterLayerNumbersStayAsTypedAndShearAndRotationAreReadOnly) {
    VNEvent e = Anime(0, 2, VNString("4,c.bmp,AUTO,7,-10,20,50,150,5,-7,30,128,surplus/5,a/"));
    const VNString before = e.GetString(2);
    hook.Push([&](ModalView& v) {
        v.Dialog().ListSetSelection(id::List, 4); // layer 5: "a", all else missing
        v.Press(id::SetLayer);
        EXPECT_EQ(Items(v.Dialog())[4], VNString(kLabels[4]) + VNString("a,,0,,,,,,,,"));
        v.Dialog().ListSetSelection(id::List, 3);
        v.Press(id::SetLayer); // cancelled
        v.Press(id::SetLayer);
        EXPECT_EQ(Items(v.Dialog())[3],
                  VNString(kLabels[3]) + VNString("c.bmp,AUTO,-1,-12px,20,50,150,5,-7,30,300"));
        v.Press(resources::IDOK);
    });
    ExpectSubDialog([](ModalView& v) {
        EXPECT_EQ(v.Dialog().GetText(id::ColourImage), VNString("a"));
        EXPECT_EQ(v.Dialog().GetText(id::Opacity), VNString());
        EXPECT_EQ(v.Dialog().ComboGetSelection(id::Choice), 0);
        v.Press(resources::IDOK);
    });
    ExpectSubDialog([](ModalView& v) {
        v.Dialog().SetText(id::LayerX, VNString("-999"));
        v.Press(resources::IDCANCEL);
    });
    ExpectSubDialog([](ModalView& v) {
        DialogHost& d = v.Dialog();
        EXPECT_EQ(d.GetText(id::ColourImage), VNString("c.bmp"));
        EXPECT_EQ(d.GetText(id::MaskImage), VNString("AUTO"));
        EXPECT_EQ(d.GetText(id::LayerX), VNString("-10"));
        EXPECT_EQ(d.ComboGetSelection(id::Choice), -1); // effect 7 is not in the list
        std::vector<QString> readOnly;
        for (QLineEdit* edit : reinterpret_cast<QWidget*>(d.Handle())->findChildren<QLineEdit*>())
            if (edit->isReadOnly()) {
                readOnly.push_back(edit->text());
                // drawn on the dialog's colour, unlike the fields one types into
                EXPECT_EQ(edit->palette().color(QPalette::Base),
                          edit->palette().color(QPalette::Window));
            }
        EXPECT_EQ(readOnly, (std::vector<QString>{"5", "-7", "30"}));
        d.SetText(id::LayerX, VNString("-12px"));
        d.SetText(id::Opacity, VNString("300"));
        v.Press(resources::IDOK);
    });
    ASSERT_TRUE(Edit(e));
    EXPECT_EQ(e.GetInt(1), 2);
    EXPECT_EQ(e.GetString(2),
              VNString("4,c.bmp,AUTO,-1,-12px,20,50,150,5,-7,30,300/5,a,,0,,,,,,,,/"));

    // Cancelling the animation dialog drops what its sub-dialogs changed.
    VNEvent again = Anime(0, 2, before);
    const std::string bytes = SavedBytes(again);
    hook.Push([&](ModalView& v) {
        v.Dialog().ListSetSelection(id::List, 4);
        v.Press(id::SetLayer);
        v.Press(resources::IDCANCEL);
    });
    ExpectSubDialog([](ModalView& v) { v.Press(resources::IDOK); });
    EXPECT_FALSE(Edit(again));
    EXPECT_EQ(SavedBytes(again), bytes);
}

} // namespace
