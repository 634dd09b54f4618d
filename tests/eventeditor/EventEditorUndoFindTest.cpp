// vnevedit's undo, redo and find, through the real window.
#include "tests/eventeditor/EventEditorTestSupport.h"

#include "eventeditor/UndoHistory.h"
#include "resources/EventDialogResources.h"
#include "resources/VirtualKeys.h"

namespace edtest {
namespace {

namespace event_id = resources::event_id;
namespace script = resources::script_edit;
namespace find = resources::find_text;

// Each kind of change, undone (Ctrl+Z) back to the file as it was read,
// redone (Ctrl+Y) and undone again through the menu after saving; every
// save must give the file's bytes of that state, and the modified flag
// must be clear exactly where the list is what was last saved.
TEST_F(EventEditorTest, EveryChangeUndoesAndRedoesToTheSavedBytes) {
    const std::string original = EventFileBytes({Narration("a"), Narration("b"), Comment("c")});
    struct Row {
        const char* kind;
        std::function<void(ModalView&)> act;
        const char* dialog; // the window the change opens, or ""
        const char* typed;  // into its text field
        std::string changed;
    };
    const auto at = [](int line, std::vector<int> commands) {
        return [=](ModalView& v) {
            for (int command : commands) {
                Select(v, command == ids::Paste ? 0 : line); // pasted before the first
                v.Command(command);
            }
        };
    };
    const Row rows[] = {
        {"insert", at(1, {ids::Insert}), "IDD_COMMENTINPUT", "x",
         EventFileBytes({Narration("a"), Comment("x"), Narration("b"), Comment("c")})},
        {"change", at(1, {ids::Change}), "IDD_NARRATIONINPUT", "B",
         EventFileBytes({Narration("a"), Narration("B"), Comment("c")})},
        {"cut", at(0, {ids::Cut}), "", "", EventFileBytes({Narration("b"), Comment("c")})},
        {"paste", at(2, {ids::Copy, ids::Paste}), "", "",
         EventFileBytes({Comment("c"), Narration("a"), Narration("b"), Comment("c")})},
        {"delete", at(2, {ids::Delete}), "", "", EventFileBytes({Narration("a"), Narration("b")})},
        {"script", at(0, {ids::EditScript}), "IDD_SCRIPTINPUT", "a\r\nz\r\ny\r\n;c\r\n",
         EventFileBytes({Narration("a"), Narration("z"), Narration("y"), Comment("c")})},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.kind);
        const std::string file = Write("undo.evt", original);
        EventEditDlg editor;
        hook.Push([&](ModalView& v) {
            const std::vector<std::string> lines = Lines(v);
            const auto saveGives = [&](const std::string& bytes) {
                v.Command(ids::Save);
                EXPECT_EQ(ReadBytes(file), bytes);
            };
            v.Dialog().ComboSetSelection(ids::InsertType, 24); // comment
            row.act(v);
            EXPECT_TRUE(editor.IsModified());
            v.Dialog().PressKey(ids::List, 'Z', true);
            EXPECT_EQ(Lines(v), lines);
            EXPECT_FALSE(editor.IsModified());
            saveGives(original);
            v.Dialog().PressKey(ids::List, 'Y', true);
            EXPECT_TRUE(editor.IsModified());
            saveGives(row.changed);
            EXPECT_TRUE(v.Dialog().ChooseMenuItem(ids::Undo));
            EXPECT_TRUE(editor.IsModified());
            saveGives(original);
            v.Command(ids::Exit); // saved: no question
        });
        const VNString typed(row.typed);
        if (std::string(row.dialog) == "IDD_SCRIPTINPUT")
            hook.Push([typed](ModalView& v) {
                v.Dialog().SetText(script::Text, typed);
                v.Command(script::Apply);
            });
        else if (*row.dialog)
            ExpectEventDialog(
                row.dialog, [typed](platform::DialogHost& d) { d.SetText(event_id::Text, typed); });
        for (int n = 0; n < 3; ++n)
            ExpectSaved();
        EXPECT_EQ(editor.Run(file), 0);
    }
}

// The saved state is reached again by undo and redo unless the changes
// that led back to it were dropped: by a new change after undoing past the
// save, or by the oldest changes falling out of the history. Operations:
// r records an insert, s marks the list saved, u undoes, y redoes.
TEST(UndoHistory, TheSavedStateIsFoundAgainWhileItsChangesAreKept) {
    const auto many = [](char op, std::size_t n) { return std::string(n, op); };
    struct Row {
        std::string ops;
        bool atSaved;
        int32_t events; // in the list afterwards
    };
    const Row rows[] = {
        {"", true, 0},
        {"rrr", false, 3},
        {"rrruuu", true, 0},
        {"rrrsu", false, 2},
        {"rrrsuy", true, 3},
        {"rruur", false, 1}, // the saved state (empty) is the start
        {"rruuru", true, 0},
        {"rrsur", false, 2}, // the saved change was dropped
        {"rrsuruuyy", false, 2},
        {"r" + many('u', 5) + "y", false, 1}, // undo and redo beyond the ends do nothing
        {many('r', 150) + many('u', 150), true, 0},
        {many('r', UndoHistory::kMaxSteps + 1) + many('u', UndoHistory::kMaxSteps + 1), false, 1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.ops.substr(0, 20));
        UndoHistory history;
        VNEventFile events;
        for (char op : row.ops) {
            if (op == 'r') {
                VNEvent event(16);
                events.Insert(&event, 0);
                history.Record({0, {}, {event}});
            } else if (op == 's') {
                history.MarkSaved();
            } else if (op == 'u') {
                history.Undo(events);
            } else {
                history.Redo(events);
            }
        }
        EXPECT_EQ(history.AtSaved(), row.atSaved);
        EXPECT_EQ(events.GetCount(), row.events);
    }
}

// Find and find again through the dialog, the keys and the menu: texts,
// labels, parameter and file names, summary words; going round the end in
// both directions; and the message when nothing holds the text.
TEST_F(EventEditorTest, FindGoesRoundTheListBothWays) {
    const std::string file =
        Write("find.evt", EventFileBytes({Narration("Alpha beta"), Record(6, {"start"}),
                                          Record(21, {"score", "score", int32_t{0}, "1"}),
                                          Record(11, {"next.evt", "start", int32_t{1}, "flag"}),
                                          Record(14, {int32_t{100}}), Comment("the end")}));
    enum How { DialogNext, DialogPrevious, F3, ShiftF3 };
    struct Row {
        int from; // the selected line
        How how;
        const char* text; // typed into the dialog
        int found;        // the line selected afterwards; -1: not found
    };
    const Row rows[] = {
        {-1, DialogNext, "start", 1},
        {1, F3, "", 3},
        {3, F3, "", 1},
        {1, ShiftF3, "", 3},
        {0, DialogPrevious, "SCORE", 2},
        {2, DialogNext, "ウェイト", 4},
        {4, DialogNext, "next.evt", 3},
        {0, DialogNext, "flag", 3},
        {0, DialogNext, "alpha", 0},
        {6, ShiftF3, "", 0},
        {2, DialogNext, "missing", -1},
    };
    EventEditDlg editor;
    hook.Push([&](ModalView& v) {
        for (const Row& row : rows) {
            SCOPED_TRACE(row.text);
            SCOPED_TRACE(row.from);
            Select(v, row.from);
            if (row.how == F3)
                v.Dialog().PressKey(ids::List, resources::VK_F1 + 2);
            else if (row.how == ShiftF3)
                EXPECT_TRUE(v.Dialog().ChooseMenuItem(ids::FindPrevious));
            else
                v.Dialog().PressKey(ids::List, 'F', true);
            EXPECT_EQ(Selection(v), row.found < 0 ? row.from : row.found);
        }
        v.Command(ids::Exit);
    });
    std::string previous;
    for (const Row& row : rows) {
        if (row.how != DialogNext && row.how != DialogPrevious)
            continue;
        hook.Push([row, previous](ModalView& v) {
            EXPECT_EQ(v.TemplateName(), "IDD_FIND");
            EXPECT_EQ(v.Caption(), VNString(u8"検索"));
            EXPECT_EQ(v.Dialog().GetText(find::Text).ToUtf8Lossy(), previous);
            v.Dialog().SetText(find::Text, VNString(reinterpret_cast<const char8_t*>(row.text)));
            v.Press(row.how == DialogNext ? find::Next : find::Previous);
        });
        if (row.found < 0)
            ExpectMessage(VNString(u8"「missing」は見つかりませんでした。"), u8"検索",
                          MsgIcon::Information, platform::IDOK);
        previous = row.text;
    }
    EXPECT_EQ(editor.Run(file), 0);
}

} // namespace
} // namespace edtest
