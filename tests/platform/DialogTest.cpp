// The dialog base class: showing, ending, the instance table, the base
// handlers, and the controls by id.
#include "TestResources.h"

#include "platform/EventPump.h"
#include "platform/ModalHook.h"
#include "resources/VirtualKeys.h"
#include "window/VNDialog.h"

#include <QApplication>
#include <QDropEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QUrl>
#include <algorithm>
#include <gtest/gtest.h>

using namespace platform;
using namespace testres;

namespace {

class RecordingDialog : public VNDialog {
public:
    std::vector<std::pair<WPARAM, LPARAM>> commands;
    std::vector<DroppedFile> dropped;
    bool initSawHandle = false, initSawRegistration = false;
    VNString initCaption;
    std::function<void(RecordingDialog&)> onInit;

    bool OnInit() override {
        initSawHandle = Handle() != nullptr;
        initSawRegistration = FromHandle(Handle()) == this;
        initCaption = Controls().GetCaption();
        if (onInit)
            onInit(*this);
        return true;
    }
    void OnCommand(WPARAM w, LPARAM l) override {
        commands.push_back({w, LowWord(w) == IDC_APPLY ? 0 : l});
        VNDialog::OnCommand(w, l);
    }
    void OnDropFiles(const DropFiles& drop) override { dropped = drop.files; }
};

class DialogTest : public ::testing::Test {
protected:
    void TearDown() override {
        EXPECT_TRUE(hook.Problems().empty()) << hook.Problems().front();
        EXPECT_EQ(hook.Pending(), 0u);
        EXPECT_EQ(VNDialog::InstanceCount(), 0);
    }
    Application& app = App(); // before the hook, which installs itself in it
    ModalHook hook;
};

TEST_F(DialogTest, ButtonsAndTheCloseBoxEndWithTheBaseResults) {
    RecordingDialog dialog;
    hook.Push([](ModalView& v) { v.Press(resources::IDOK); });
    EXPECT_EQ(dialog.ShowModal(VNString(u8"報告"), "IDD_TEST", nullptr), 1);
    EXPECT_TRUE(dialog.initSawHandle);
    EXPECT_TRUE(dialog.initSawRegistration);
    EXPECT_EQ(dialog.initCaption, VNString(u8"報告"));
    EXPECT_EQ(dialog.Handle(), nullptr);

    hook.Push([](ModalView& v) { v.Press(resources::IDCANCEL); });
    EXPECT_EQ(dialog.ShowModal(VNString(), "IDD_TEST", nullptr), 0);
    // An empty caption keeps the template's title.
    EXPECT_EQ(dialog.initCaption, VNString(u8"テスト"));

    hook.Push([](ModalView& v) { v.Close(); });
    EXPECT_EQ(dialog.ShowModal(VNString(u8"報告"), "IDD_TEST", nullptr), 0);

    // Another button reaches the handler with its notification and the
    // dialog stays open until OK.
    dialog.commands.clear();
    hook.Push([](ModalView& v) {
        v.Press(IDC_APPLY);
        EXPECT_TRUE(v.IsOpen());
        v.Press(resources::IDOK);
    });
    EXPECT_EQ(dialog.ShowModal(VNString(u8"報告"), "IDD_TEST", nullptr), 1);
    ASSERT_EQ(dialog.commands.size(), 2u);
    EXPECT_EQ(dialog.commands[0].first, MakeWParam(IDC_APPLY, BN_CLICKED));
    EXPECT_EQ(LowWord(dialog.commands[1].first), resources::IDOK);
}

TEST_F(DialogTest, AThousandModalDialogsNeverExhaustTheTable) {
    RecordingDialog dialog;
    for (int i = 0; i < 1000; ++i) {
        const int button = i % 2 ? resources::IDCANCEL : resources::IDOK;
        hook.Push([button](ModalView& v) { v.Press(button); });
        ASSERT_EQ(dialog.ShowModal(VNString(u8"報告"), "IDD_TEST", nullptr), i % 2 ? 0 : 1);
        ASSERT_EQ(VNDialog::InstanceCount(), 0);
    }
    PumpPending();
}

TEST_F(DialogTest, AliasesMissingTemplatesAndMenus) {
    RecordingDialog dialog;
    hook.Push([](ModalView& v) {
        EXPECT_EQ(v.TemplateName(), "IDD_TESTINPUT");
        EXPECT_TRUE(v.Dialog().HasControl(IDC_LIST));
        v.Command(40001); // from the template's menu
        v.Press(resources::IDOK);
    });
    EXPECT_EQ(dialog.ShowModal(VNString(u8"入力"), "IDD_TESTINPUT", nullptr), 1);
    ASSERT_FALSE(dialog.commands.empty());
    EXPECT_EQ(dialog.commands[0], (std::pair<WPARAM, LPARAM>{40001, 0}));

    EXPECT_EQ(dialog.ShowModal(VNString(u8"無い"), "IDD_MISSING", nullptr), -1);
    EXPECT_EQ(dialog.Handle(), nullptr);
}

TEST_F(DialogTest, ListComboCheckAndTextControlsById) {
    RecordingDialog dialog;
    dialog.onInit = [](RecordingDialog& d) {
        DialogHost& c = d.Controls();
        EXPECT_EQ(c.ListAdd(IDC_LIST, VNString(u8"あ")), 0);
        EXPECT_EQ(c.ListAdd(IDC_LIST, VNString(u8"い")), 1);
        EXPECT_EQ(c.ListAdd(IDC_LIST, VNString(u8"う")), 2);
        for (const char8_t* item : {u8"ＯＮ", u8"ＯＦＦ", u8"反転"})
            c.ComboAdd(IDC_COMBO, VNString(item));
    };
    hook.Push([&dialog](ModalView& v) {
        DialogHost& c = v.Dialog();
        EXPECT_EQ(c.ListInsert(IDC_LIST, 1, VNString(u8"x")), 1);
        EXPECT_EQ(c.ListCount(IDC_LIST), 4);
        EXPECT_EQ(c.ListGetText(IDC_LIST, 2), VNString(u8"い"));
        EXPECT_EQ(c.ListDelete(IDC_LIST, 0), 3);
        EXPECT_EQ(c.ListDelete(IDC_LIST, 3), -1);
        EXPECT_EQ(c.ListGetText(IDC_LIST, 0), VNString(u8"x"));
        EXPECT_EQ(c.ListGetText(IDC_LIST, 7), VNString());
        EXPECT_EQ(c.ListGetSelection(IDC_LIST), -1);
        c.ListSetSelection(IDC_LIST, 2);
        EXPECT_EQ(c.ListGetSelection(IDC_LIST), 2);
        c.ListSetSelection(IDC_LIST, -1);
        EXPECT_EQ(c.ListGetSelection(IDC_LIST), -1);
        // Selections the program makes send no notification.
        for (const auto& command : dialog.commands)
            EXPECT_NE(LowWord(command.first), IDC_LIST);

        // A combo starts with nothing selected, as in the original.
        EXPECT_EQ(c.ComboCount(IDC_COMBO), 3);
        EXPECT_EQ(c.ComboGetSelection(IDC_COMBO), -1);
        c.ComboSetSelection(IDC_COMBO, 2);
        EXPECT_EQ(c.ComboGetSelection(IDC_COMBO), 2);
        EXPECT_EQ(c.ComboGetText(IDC_COMBO, 1), VNString(u8"ＯＦＦ"));

        EXPECT_FALSE(c.IsChecked(IDC_CHECK));
        c.SetChecked(IDC_CHECK, true);
        EXPECT_TRUE(c.IsChecked(IDC_CHECK));

        // Multi-line fields keep CR LF line ends.
        c.SetText(IDC_NOTES, VNString(u8"一行目\r\n二行目"));
        EXPECT_EQ(c.GetText(IDC_NOTES), VNString(u8"一行目\r\n二行目"));
        // A double-byte character with 0x5C as second byte comes back unchanged.
        const VNString so(u8"ソ表");
        c.SetText(IDC_NAME, so);
        EXPECT_EQ(c.GetText(IDC_NAME).Bytes(), so.Bytes());

        c.EnableControl(IDC_APPLY, false);
        EXPECT_FALSE(c.IsControlEnabled(IDC_APPLY));
        v.Press(IDC_APPLY); // a greyed button does nothing
        // Operations on a missing id do nothing.
        EXPECT_EQ(c.GetText(4242), VNString());
        EXPECT_EQ(c.ListAdd(IDC_NAME, VNString(u8"x")), -1);
        v.Press(resources::IDOK);
    });
    EXPECT_EQ(dialog.ShowModal(VNString(u8"報告"), "IDD_TEST", nullptr), 1);
    for (const auto& command : dialog.commands)
        EXPECT_NE(LowWord(command.first), IDC_APPLY);
}

TEST_F(DialogTest, ListNavigationKeysSelectTheLineTheyLandOn) {
    // Four lines, all in view. The caret and the selection are one: every
    // navigation key selects the line it lands on, even the line the caret
    // already rests on unselected (the first one, once the list has the
    // focus and nothing is selected), and tells the dialog. Left and Right
    // move like Up and Down in a one-column list; Ctrl never unselects.
    struct Case {
        int start; // the selected line before the key, -1 for none
        int key;
        bool ctrl;
        int expected;
    };
    const Case cases[] = {
        {-1, VK_HOME, false, 0}, {-1, VK_UP, false, 0},    {-1, VK_PRIOR, false, 0},
        {-1, VK_LEFT, false, 0}, {-1, VK_END, false, 3},   {-1, VK_DOWN, false, 1},
        {-1, VK_NEXT, false, 3}, {-1, VK_RIGHT, false, 1}, {2, VK_UP, false, 1},
        {2, VK_LEFT, false, 1},  {2, VK_DOWN, false, 3},   {2, VK_RIGHT, false, 3},
        {3, VK_DOWN, false, 3},  {3, VK_NEXT, false, 3},   {0, VK_UP, false, 0},
        {1, VK_HOME, false, 0},  {1, VK_END, false, 3},    {2, VK_PRIOR, false, 0},
        {2, VK_SPACE, true, 2},  {1, VK_DOWN, true, 2},    {-1, VK_HOME, true, 0},
    };
    RecordingDialog dialog;
    dialog.onInit = [](RecordingDialog& d) {
        for (const char8_t* line : {u8"あ", u8"い", u8"う", u8"え"})
            d.Controls().ListAdd(IDC_LIST, VNString(line));
    };
    hook.Push([&](ModalView& v) {
        DialogHost& c = v.Dialog();
        for (const Case& t : cases) {
            c.SetFocus(IDC_NAME); // the list takes the focus anew with the key
            c.ListSetSelection(IDC_LIST, t.start);
            dialog.commands.clear();
            c.PressKey(IDC_LIST, t.key, t.ctrl);
            EXPECT_EQ(c.ListGetSelection(IDC_LIST), t.expected)
                << "start " << t.start << " key " << t.key << " ctrl " << t.ctrl;
            const bool notified = std::any_of(
                dialog.commands.begin(), dialog.commands.end(), [](const auto& command) {
                    return command.first == MakeWParam(IDC_LIST, LBN_SELCHANGE);
                });
            EXPECT_EQ(notified, t.expected != t.start)
                << "start " << t.start << " key " << t.key << " ctrl " << t.ctrl;
        }
        v.Press(resources::IDOK);
    });
    EXPECT_EQ(dialog.ShowModal(VNString(u8"報告"), "IDD_TEST", nullptr), 1);
}

TEST_F(DialogTest, TypedCharactersWithoutAShiftJisFormBecomeQuestionMarks) {
    RecordingDialog dialog;
    hook.Push([](ModalView& v) {
        auto* dialogWidget = reinterpret_cast<QWidget*>(v.Dialog().Handle());
        auto edits = dialogWidget->findChildren<QLineEdit*>();
        ASSERT_FALSE(edits.isEmpty());
        QLineEdit* name = nullptr;
        for (QLineEdit* e : edits)
            if (!e->validator())
                name = e;
        ASSERT_NE(name, nullptr);
        name->setText(QString::fromUtf8("A\xF0\x9F\x98\x80"
                                        "B\xC3\xA9漢"));
        EXPECT_EQ(v.Dialog().GetText(IDC_NAME), VNString(u8"A?B?漢"));
        EXPECT_FALSE(v.Dialog().TextFitsShiftJis(IDC_NAME));
        name->setText(QString::fromUtf8("A?漢"));
        EXPECT_TRUE(v.Dialog().TextFitsShiftJis(IDC_NAME));
        v.Press(resources::IDOK);
    });
    EXPECT_EQ(dialog.ShowModal(VNString(u8"報告"), "IDD_TEST", nullptr), 1);
}

TEST_F(DialogTest, DroppedFilesArriveInOrderWithTheirNamesOnDisk) {
    // A drop lists percent-encoded file URLs; the bytes they encode are the
    // names on disk. "フラグ" is 83 74 83 89 83 4F in Shift-JIS.
    struct Row {
        std::string native;
        VNString path;
        bool fits;
    };
    const std::vector<Row> rows = {
        {"/tmp/b.flg", VNString(u8"/tmp/b.flg"), true},
        {"/tmp/フラグ.flg", VNString(u8"/tmp/フラグ.flg"), true},
        // Raw Shift-JIS, as files copied from old games are named.
        {"/tmp/\x83\x74\x83\x89\x83\x4F.flg", VNString(u8"/tmp/フラグ.flg"), true},
        // Each component is read on its own: a UTF-8 folder, a Shift-JIS file.
        {"/tmp/ゲーム/\x83\x74.flg", VNString(u8"/tmp/ゲーム/フ.flg"), true},
        // No Shift-JIS form: still delivered, marked, shown with '?'.
        {"/tmp/caf\xC3\xA9.flg", VNString(u8"/tmp/caf?.flg"), false},
        {"/tmp/x\xF0\x9F\x98\x80.flg", VNString(u8"/tmp/x?.flg"), false},
        {"/tmp/a b#%?.flg", VNString(u8"/tmp/a b#%?.flg"), true},
    };
    RecordingDialog dialog;
    hook.Push([&](ModalView& v) {
        auto* target = reinterpret_cast<QWidget*>(v.Dialog().Handle());
        QByteArray list;
        for (const Row& row : rows)
            list +=
                "file://" + QByteArray::fromStdString(row.native).toPercentEncoding("/") + "\r\n";
        list += "http://example.org/not-a-file\r\n";
        QMimeData data;
        data.setData(QStringLiteral("text/uri-list"), list);
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        // Straight to the window, as the toolkit's drag and drop hands it over.
        static_cast<QObject*>(target)->event(&drop);
        v.Press(resources::IDOK);
    });
    EXPECT_EQ(dialog.ShowModal(VNString(u8"報告"), "IDD_TEST", nullptr), 1);
    ASSERT_EQ(dialog.dropped.size(), rows.size());
    for (size_t i = 0; i < rows.size(); ++i) {
        SCOPED_TRACE(rows[i].native);
        EXPECT_EQ(dialog.dropped[i].native, rows[i].native);
        EXPECT_EQ(dialog.dropped[i].path, rows[i].path);
        EXPECT_EQ(dialog.dropped[i].fitsShiftJis, rows[i].fits);
    }
}

// Sends Enter to a widget as the keyboard would (it goes up to the dialog
// when the widget does not take it).
void PressEnterIn(QWidget* widget) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
}

TEST_F(DialogTest, EnterInAFieldPressesTheDefaultButton) {
    RecordingDialog dialog;
    hook.Push([](ModalView& v) {
        auto* widget = reinterpret_cast<QWidget*>(v.Dialog().Handle());
        PressEnterIn(widget->findChildren<QLineEdit*>().value(0));
    });
    EXPECT_EQ(dialog.ShowModal(VNString(u8"報告"), "IDD_TEST", nullptr), 1);

    // A multi-line field without WantReturn passes Enter on as well.
    hook.Push([](ModalView& v) {
        auto* widget = reinterpret_cast<QWidget*>(v.Dialog().Handle());
        QPlainTextEdit* notes = widget->findChildren<QPlainTextEdit*>().value(0);
        ASSERT_NE(notes, nullptr);
        PressEnterIn(notes);
        EXPECT_FALSE(v.IsOpen());
        EXPECT_EQ(v.Dialog().GetText(IDC_NOTES), VNString());
    });
    EXPECT_EQ(dialog.ShowModal(VNString(u8"報告"), "IDD_TEST", nullptr), 1);

    // There Ctrl+Enter makes the line break, at the caret, and ends nothing.
    hook.Push([](ModalView& v) {
        auto* widget = reinterpret_cast<QWidget*>(v.Dialog().Handle());
        QPlainTextEdit* notes = widget->findChildren<QPlainTextEdit*>().value(0);
        ASSERT_NE(notes, nullptr);
        v.Dialog().SetText(IDC_NOTES, VNString(u8"一行目二行目"));
        QTextCursor caret = notes->textCursor();
        caret.setPosition(3);
        notes->setTextCursor(caret);
        for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) {
            QKeyEvent press(QEvent::KeyPress, key, Qt::ControlModifier);
            QApplication::sendEvent(notes, &press);
        }
        EXPECT_TRUE(v.IsOpen());
        EXPECT_EQ(v.Dialog().GetText(IDC_NOTES), VNString(u8"一行目\r\n\r\n二行目"));
        v.Press(IDOK);
    });
    EXPECT_EQ(dialog.ShowModal(VNString(u8"報告"), "IDD_TEST", nullptr), 1);
}

class PaintingDialog : public RecordingDialog {
public:
    std::vector<std::pair<int, bool>> draws; // control id, pushed
    void OnDrawItem(int id, DrawItem& item) override {
        draws.push_back({id, item.pushed});
        item.canvas->Fill(0, 0, item.width, item.height, item.pushed ? 0xFF0000 : 0x0000FF);
        item.drawn = true;
    }
};

TEST_F(DialogTest, OwnerDrawnButtonsArePaintedByTheDialogWithTheirState) {
    PaintingDialog dialog;
    hook.Push([&dialog](ModalView& v) {
        DialogHost& c = v.Dialog();
        auto* window = reinterpret_cast<QWidget*>(c.Handle());
        QWidget* play = nullptr;
        for (QPushButton* b : window->findChildren<QPushButton*>())
            if (b->text() == QStringLiteral("play(&P)"))
                play = b;
        ASSERT_NE(play, nullptr);
        EXPECT_FALSE(c.GetButtonState(IDC_PLAY));
        QImage up = play->grab().toImage();
        c.SetButtonState(IDC_PLAY, true);
        EXPECT_TRUE(c.GetButtonState(IDC_PLAY));
        QImage down = play->grab().toImage();
        ASSERT_GE(dialog.draws.size(), 2u);
        EXPECT_EQ(dialog.draws.front(), (std::pair<int, bool>{IDC_PLAY, false}));
        EXPECT_EQ(dialog.draws.back(), (std::pair<int, bool>{IDC_PLAY, true}));
        EXPECT_EQ(up.pixelColor(2, 2), QColor(0, 0, 255));
        EXPECT_EQ(down.pixelColor(2, 2), QColor(255, 0, 0));
        v.Press(resources::IDOK);
    });
    EXPECT_EQ(dialog.ShowModal(VNString(u8"デバッグ"), "IDD_TEST", nullptr), 1);
}

TEST_F(DialogTest, ModelessDialogsLeaveTheTableHoweverTheyEnd) {
    RecordingDialog dialog;
    ASSERT_TRUE(dialog.ShowModeless(VNString(u8"デバッグ"), "IDD_TEST", nullptr));
    EXPECT_NE(dialog.Handle(), nullptr);
    EXPECT_EQ(VNDialog::InstanceCount(), 1);
    dialog.End();
    EXPECT_EQ(dialog.Handle(), nullptr);
    EXPECT_EQ(VNDialog::InstanceCount(), 0);
    dialog.End(); // nothing shown: nothing happens
    PumpPending();

    // Shown twice: still one slot, and one End frees it.
    ASSERT_TRUE(dialog.ShowModeless(VNString(u8"デバッグ"), "IDD_TEST", nullptr));
    ASSERT_TRUE(dialog.ShowModeless(VNString(u8"デバッグ"), "IDD_TEST", nullptr));
    EXPECT_EQ(VNDialog::InstanceCount(), 1);
    dialog.End();
    EXPECT_EQ(VNDialog::InstanceCount(), 0);
    PumpPending();

    // The close box ends it too, and its slot is freed.
    ASSERT_TRUE(dialog.ShowModeless(VNString(u8"デバッグ"), "IDD_TEST", nullptr));
    dialog.Controls().RequestClose();
    EXPECT_EQ(dialog.Handle(), nullptr);
    EXPECT_EQ(VNDialog::InstanceCount(), 0);
    PumpPending();
}

// The table holds at most VND_INSTANCES_MAX - 1 dialogs; one more stops the
// program with the condition's text.
TEST(DialogTableDeathTest, OneDialogTooManyStopsWithTheAssertionText) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_DEATH(
        {
            App();
            std::vector<std::unique_ptr<VNDialog>> dialogs;
            for (int i = 0; i < VND_INSTANCES_MAX; ++i) {
                dialogs.push_back(std::make_unique<VNDialog>());
                dialogs.back()->ShowModeless(VNString(u8"x"), "IDD_TEST", nullptr);
            }
        },
        "inst_count < VND_INSTANCES_MAX");
}

TEST(DialogTableDeathTest, DestroyingAShownDialogStopsWithTheAssertionText) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_DEATH(
        {
            App();
            auto dialog = std::make_unique<VNDialog>();
            dialog->ShowModeless(VNString(u8"x"), "IDD_TEST", nullptr);
            dialog.reset();
        },
        "hWnd == NULL");
}

} // namespace
