// vnevedit's list: insert by type, change, copy, paste, delete and cut, driven
// through the real window by command and control id.
#include "tests/eventeditor/EventEditorTestSupport.h"

#include "resources/EventDialogResources.h"
#include "resources/VirtualKeys.h"

#include <QCoreApplication>
#include <QListWidget>
#include <QMouseEvent>

namespace edtest {
namespace {

namespace event_id = resources::event_id;
using Lines_ = std::vector<std::string>;

TEST_F(EventEditorTest, AnEmptyFileShowsTheEndLineAndEveryTypeInsertsItsEvent) {
    // The insert type list in order: its text, and the dialog its event
    // opens (none for separators and the click wait).
    struct Entry {
        const char8_t* text;
        const char* dialog; // "" none, "-" a separator
        int32_t code;
    };
    const Entry entries[] = {
        {u8"ナレーション", "IDD_NARRATIONINPUT", 1},
        {u8"セリフ", "IDD_SERIFINPUT", 2},
        {u8"-------------------", "-", 0},
        {u8"キャラクタ", "IDD_CHARACTERINPUT", 3},
        {u8"背景", "IDD_BACKGROUNDINPUT", 4},
        {u8"フェード設定", "IDD_SETFADEINPUT", 18},
        {u8"アニメーション", "IDD_ANIMEINPUT", 20},
        {u8"-------------------", "-", 0},
        {u8"ラベル", "IDD_LABELINPUT", 6},
        {u8"ジャンプ", "IDD_JUMPINPUT", 11},
        {u8"選択肢", "IDD_SELECTINPUT", 5},
        {u8"ボタン選択", "IDD_BTNSELECTINPUT", 19},
        {u8"-------------------", "-", 0},
        {u8"パラメタ設定", "IDD_SETPARAMINPUT", 21},
        {u8"タイトル設定", "IDD_SETTITLEINPUT", 12},
        {u8"クリックウェイト", "", 13},
        {u8"ミリ秒ウェイト", "IDD_WAITINPUT", 14},
        {u8"-------------------", "-", 0},
        {u8"Ｖｏｒｂｉｓ 演奏", "IDD_VORBISINPUT", 22},
        {u8"ＭＰ３ 演奏", "IDD_MP3INPUT", 17},
        {u8"ＷＡＶＥ 演奏", "IDD_PCMINPUT", 9},
        {u8"ＣＤ－ＤＡ 演奏", "IDD_CDDAINPUT", 7},
        {u8"ＭＩＤＩ 演奏", "IDD_MIDIINPUT", 23},
        {u8"-------------------", "-", 0},
        {u8"コメント", "IDD_COMMENTINPUT", 16},
    };
    EventEditDlg editor;
    hook.Push([&](ModalView& v) {
        platform::DialogHost& d = v.Dialog();
        EXPECT_EQ(v.TemplateName(), "IDD_EVENTEDIT");
        EXPECT_EQ(d.GetCaption(), VNString(u8"新規 - vnevedit -"));
        EXPECT_EQ(Lines(v), Lines_{"1    "});
        EXPECT_EQ(d.ListGetItemHeight(ids::List), 17);
        EXPECT_EQ(d.ListGetHorizontalExtent(ids::List), 4096);
        ASSERT_EQ(d.ComboCount(ids::InsertType), 25);
        EXPECT_EQ(d.ComboGetSelection(ids::InsertType), 0);
        // Nothing selected: each insert appends, and the end line is
        // selected after it.
        for (int n = 0; n < 25; ++n) {
            SCOPED_TRACE(n);
            EXPECT_EQ(d.ComboGetText(ids::InsertType, n), VNString(entries[n].text));
            d.ComboSetSelection(ids::InsertType, n);
            v.Command(ids::Insert);
        }
        // A cancelled dialog inserts nothing.
        d.ComboSetSelection(ids::InsertType, 0);
        v.Command(ids::Insert);
        EXPECT_EQ(Selection(v), 20);
        EXPECT_EQ(Lines(v).back(), "21   ");
        v.Command(ids::Exit); // -> question, "no"
    });
    for (const Entry& entry : entries)
        if (std::string(entry.dialog).size() > 1)
            ExpectEventDialog(entry.dialog);
    ExpectEventDialog("IDD_NARRATIONINPUT", nullptr, resources::IDCANCEL);
    ExpectSaveQuestion(platform::IDNO);
    EXPECT_EQ(editor.Run(""), 0);

    std::vector<int32_t> codes;
    for (int32_t n = 0; n < editor.Events().GetCount(); ++n)
        codes.push_back(editor.Events().Get(n)->GetCode());
    std::vector<int32_t> expected;
    for (const Entry& entry : entries)
        if (entry.code != 0)
            expected.push_back(entry.code);
    EXPECT_EQ(codes, expected);
    EXPECT_TRUE(editor.IsModified());
}

TEST_F(EventEditorTest, InsertPasteAndDeleteWorkAroundTheSelectedLine) {
    const std::string file =
        Write("four.evt", EventFileBytes({Narration("a"), Narration("b"), Narration("c"),
                                          Record(14, {int32_t{-5}})}));
    EventEditDlg editor;
    hook.Push([&](ModalView& v) {
        EXPECT_EQ(v.Dialog().GetCaption(), VNString(u8"four.evt - vnevedit -"));
        EXPECT_EQ(Lines(v), (Lines_{"1    ＊　a", "2    ＊　b", "3    ＊　c",
                                    "4    ◎ ミリ秒ウェイト　-5ミリ秒", "5    "}));
        // Line 3 selected: the comment goes in as number 3, the old third
        // event stays selected as number 4.
        Select(v, 2);
        v.Dialog().ComboSetSelection(ids::InsertType, 24);
        v.Command(ids::Insert);
        EXPECT_EQ(Lines(v), (Lines_{"1    ＊　a", "2    ＊　b", "3    ; x", "4    ＊　c",
                                    "5    ◎ ミリ秒ウェイト　-5ミリ秒", "6    "}));
        EXPECT_EQ(Selection(v), 3);
        EXPECT_EQ(v.Dialog().FocusedControl(), ids::List);
        EXPECT_TRUE(editor.IsModified());

        // Copy "a", paste twice before "b": the second copy lands before the
        // first, which stayed selected.
        Select(v, 0);
        v.Command(ids::Copy);
        Select(v, 1);
        v.Command(ids::Paste);
        EXPECT_EQ(Selection(v), 1);
        v.Command(ids::Paste);
        EXPECT_EQ(Selection(v), 1);
        EXPECT_EQ(Lines(v),
                  (Lines_{"1    ＊　a", "2    ＊　a", "3    ＊　a", "4    ＊　b", "5    ; x",
                          "6    ＊　c", "7    ◎ ミリ秒ウェイト　-5ミリ秒", "8    "}));
        // Pasting with nothing selected appends.
        Select(v, -1);
        v.Command(ids::Paste);
        EXPECT_EQ(Lines(v)[7], "8    ＊　a");
        EXPECT_EQ(Selection(v), 7);

        // Deleting the last event leaves the end line selected.
        v.Command(ids::Delete);
        EXPECT_EQ(Lines(v).back(), "8    ");
        EXPECT_EQ(Selection(v), 7);
        // Cut: the event goes to the clipboard and the next one is selected.
        Select(v, 4);
        v.Command(ids::Cut);
        EXPECT_EQ(Lines(v)[4], "5    ＊　c");
        EXPECT_EQ(Selection(v), 4);
        ASSERT_NE(editor.Clipboard(), nullptr);
        EXPECT_EQ(editor.Clipboard()->GetCode(), 16);
        v.Command(ids::Exit);
    });
    ExpectEventDialog("IDD_COMMENTINPUT",
                      [](platform::DialogHost& d) { d.SetText(event_id::Text, VNString("x")); });
    ExpectSaveQuestion(platform::IDNO);
    EXPECT_EQ(editor.Run(file), 0);
    EXPECT_EQ(editor.Events().GetCount(), 6);
}

TEST_F(EventEditorTest, TheEndLineAndEventsWithoutADialogAreLeftAlone) {
    // A message box event (no dialog), a click wait (nothing to edit, but
    // counts as changed), a wait.
    const std::string file =
        Write("three.evt",
              EventFileBytes({Record(15, {int32_t{0}}), Record(13), Record(14, {int32_t{100}})}));
    const Lines_ lines = {"1    ● メッセージボックス設定", "2    ◎ クリックウェイト",
                          "3    ◎ ミリ秒ウェイト　100ミリ秒", "4    "};
    EventEditDlg editor;
    hook.Push([&](ModalView& v) {
        // On the end line change, copy, cut and delete do nothing.
        Select(v, 3);
        for (int command : {ids::Change, ids::Copy, ids::Cut, ids::Delete, resources::IDOK})
            v.Command(command);
        EXPECT_EQ(Lines(v), lines);
        EXPECT_EQ(Selection(v), 3);
        EXPECT_EQ(editor.Clipboard(), nullptr);
        // Nor does paste with an empty clipboard, or a separator.
        v.Command(ids::Paste);
        v.Dialog().ComboSetSelection(ids::InsertType, 2);
        v.Command(ids::Insert);
        // No dialog for the message box event.
        Select(v, 0);
        v.Command(ids::Change);
        EXPECT_EQ(Lines(v), lines);
        EXPECT_FALSE(editor.IsModified());

        // Enter in the list presses the default button: change. The click
        // wait has nothing to edit and counts as changed.
        Select(v, 1);
        v.Dialog().PressKey(ids::List, resources::VK_RETURN);
        EXPECT_EQ(Lines(v), lines);
        EXPECT_EQ(Selection(v), 1);
        EXPECT_TRUE(editor.IsModified());

        // A wait changed through its dialog replaces its line only.
        Select(v, 2);
        v.Command(ids::Change);
        EXPECT_EQ(Lines(v)[2], "3    ◎ ミリ秒ウェイト　250ミリ秒");
        EXPECT_EQ(Selection(v), 2);
        // Cancelled: nothing.
        v.Command(ids::Change);
        EXPECT_EQ(Lines(v)[2], "3    ◎ ミリ秒ウェイト　250ミリ秒");
        v.Command(ids::Exit);
    });
    ExpectEventDialog("IDD_WAITINPUT", [](platform::DialogHost& d) {
        EXPECT_EQ(d.GetText(event_id::Text), VNString("100"));
        d.SetText(event_id::Text, VNString("250"));
    });
    ExpectEventDialog("IDD_WAITINPUT", nullptr, resources::IDCANCEL);
    ExpectSaveQuestion(platform::IDNO);
    EXPECT_EQ(editor.Run(file), 0);
}

// A double click on line `line` of the event list, as the mouse sends it.
void DoubleClick(ModalView& v, int line) {
    auto* list = reinterpret_cast<QWidget*>(v.Dialog().Handle())->findChild<QListWidget*>();
    const QPoint at = list->visualItemRect(list->item(line)).center();
    for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease,
                                    QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease}) {
        QMouseEvent event(type, at, list->viewport()->mapToGlobal(at), Qt::LeftButton,
                          type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(list->viewport(), &event);
    }
}

TEST_F(EventEditorTest, DoubleClickChangesDeleteDeletesAndEscapeClosesNothing) {
    const std::string file = Write("two.evt", EventFileBytes({Narration("a"), Narration("b")}));
    EventEditDlg editor;
    hook.Push([&](ModalView& v) {
        DoubleClick(v, 2);                                    // the end line: nothing to change
        v.Dialog().PressKey(ids::List, resources::VK_ESCAPE); // unchanged: no question
        EXPECT_TRUE(v.IsOpen());
        DoubleClick(v, 1); // -> the narration dialog
        EXPECT_EQ(Lines(v), (Lines_{"1    ＊　a", "2    ＊　B", "3    "}));
        v.Dialog().PressKey(ids::List, resources::VK_DELETE);
        EXPECT_EQ(Lines(v), (Lines_{"1    ＊　a", "2    "}));
        EXPECT_EQ(Selection(v), 1);
        v.Dialog().PressKey(ids::List, resources::VK_DELETE); // the end line: nothing
        v.Dialog().PressKey(ids::List, resources::VK_ESCAPE); // changed: no question either
        EXPECT_TRUE(v.IsOpen());
        EXPECT_EQ(Lines(v), (Lines_{"1    ＊　a", "2    "}));
        v.Command(ids::Exit);
    });
    ExpectEventDialog("IDD_NARRATIONINPUT",
                      [](platform::DialogHost& d) { d.SetText(event_id::Text, VNString("B")); });
    ExpectSaveQuestion(platform::IDNO);
    EXPECT_EQ(editor.Run(file), 0);
}

} // namespace
} // namespace edtest
