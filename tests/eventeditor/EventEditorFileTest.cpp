// vnevedit's files: start, save, save as, close, open and drop, with every
// message and chooser, and the bytes it writes.
#include "tests/eventeditor/EventEditorTestSupport.h"

#include "eventeditor/EventEditorProgram.h"
#include "platform/EventPump.h"
#include "platform/FileChooser.h"
#include "resources/EventDialogResources.h"

#include <filesystem>

namespace edtest {
namespace {

namespace fs = std::filesystem;
namespace event_id = resources::event_id;
using Lines_ = std::vector<std::string>;

// "あ" is 82 A0 and "台詞" 91 E4 8E 8C in Shift-JIS.
const std::string kA = "\x82\xA0";
const std::string kSpeech = "\x91\xE4\x8E\x8C";

TEST_F(EventEditorTest, SaveWritesTheEventFileBytesAndAsksForANameFirst) {
    const std::string target = folder / "new.evt";
    EventEditDlg editor;
    hook.Push([&](ModalView& v) {
        platform::DialogHost& d = v.Dialog();
        d.ComboSetSelection(ids::InsertType, 1); // a speech
        v.Command(ids::Insert);
        d.ComboSetSelection(ids::InsertType, 22); // MIDI
        v.Command(ids::Insert);
        d.ComboSetSelection(ids::InsertType, 15); // click wait
        v.Command(ids::Insert);
        v.Command(ids::Save); // chooser cancelled: nothing written, still modified
        EXPECT_TRUE(editor.IsModified());
        EXPECT_EQ(d.GetCaption(), VNString(u8"新規 - vnevedit -"));
        v.Command(ids::Save); // -> target, saved
        EXPECT_FALSE(editor.IsModified());
        EXPECT_EQ(d.GetCaption(), VNString(u8"new.evt - vnevedit -"));
        v.Command(ids::Exit); // saved: no question
    });
    ExpectEventDialog("IDD_SERIFINPUT", [](platform::DialogHost& d) {
        d.SetText(event_id::Speaker, VNString::FromBytes(kA));
        d.SetText(event_id::Speech, VNString::FromBytes(kSpeech));
    });
    ExpectEventDialog("IDD_MIDIINPUT", [](platform::DialogHost& d) {
        d.SetText(event_id::MusicFile, VNString("a.mid"));
        d.SetText(event_id::Fade, VNString("300"));
        d.SetChecked(event_id::Loop, true);
    });
    const VNString proposal(u8"新規イベント.evt");
    ExpectChooser(ModalKind::SaveFile, u8"名前を付けて保存", proposal, "");
    ExpectChooser(ModalKind::SaveFile, u8"名前を付けて保存", proposal, target);
    ExpectSaved();
    EXPECT_EQ(editor.Run(""), 0);
    EXPECT_EQ(ReadBytes(target), EventFileBytes({Record(2, {kA, kSpeech}),
                                                 Record(23, {"a.mid", 300, 1}), Record(13)}));
    EXPECT_EQ(ReadBytes(target).size(), 19u + (5 + 7 + 9) + (5 + 10 + 5 + 5) + 5);
}

TEST_F(EventEditorTest, SaveAsThatFailsKeepsTheNameAndTheModifiedFlag) {
    const std::vector<std::string> records = {Narration("a")};
    const std::string file = Write("a.evt", EventFileBytes(records));
    fs::create_directories(folder / "gone");
    const std::string lost = folder / "gone/b.evt";
    const std::string copy = folder / "copy.evt";
    EventEditDlg editor;
    hook.Push([&](ModalView& v) {
        Select(v, 0);
        v.Command(ids::Copy);
        v.Command(ids::Paste);
        v.Command(ids::SaveAs); // cancelled
        EXPECT_EQ(editor.FileName(), file);
        EXPECT_TRUE(editor.IsModified());
        fs::remove_all(folder / "gone");
        v.Command(ids::SaveAs); // into a folder that is gone: failure message
        EXPECT_EQ(editor.FileName(), file);
        EXPECT_EQ(v.Dialog().GetCaption(), VNString(u8"a.evt - vnevedit -"));
        EXPECT_TRUE(editor.IsModified());
        v.Command(ids::SaveAs); // a new name: written there, the title follows
        EXPECT_EQ(editor.FileName(), copy);
        EXPECT_EQ(v.Dialog().GetCaption(), VNString(u8"copy.evt - vnevedit -"));
        v.Command(ids::Exit);
    });
    const VNString proposal(u8"新規イベント.evt");
    ExpectChooser(ModalKind::SaveFile, u8"名前を付けて保存", proposal, "");
    ExpectChooser(ModalKind::SaveFile, u8"名前を付けて保存", proposal, lost);
    ExpectMessage(VNString(u8"保存に失敗しました。"), u8"vnevedit", MsgIcon::Warning,
                  platform::IDOK);
    ExpectChooser(ModalKind::SaveFile, u8"名前を付けて保存", proposal, copy);
    ExpectSaved();
    EXPECT_EQ(editor.Run(file), 0);
    EXPECT_EQ(ReadBytes(file), EventFileBytes(records)); // untouched
    EXPECT_EQ(ReadBytes(copy), EventFileBytes({Narration("a"), Narration("a")}));
}

TEST_F(EventEditorTest, ClosingWithChangesAsksAndYesSavesAfterTheWindowHasGone) {
    const std::string file = Write("a.evt", EventFileBytes({Narration("a")}));
    const std::string changed = EventFileBytes({Narration("a"), Narration("a")});
    // Each way to close: the close box and the menu's exit (Escape closes
    // nothing: EventEditorListTest).
    for (const int way : {0, ids::Exit}) {
        SCOPED_TRACE(way);
        WriteBytes(file, EventFileBytes({Narration("a")}));
        EventEditDlg editor;
        const auto close = [way](ModalView& v) {
            if (way == 0)
                v.Close();
            else
                v.Command(way);
        };
        hook.Push([&](ModalView& v) {
            Select(v, 0);
            v.Command(ids::Copy);
            v.Command(ids::Paste);
            close(v); // cancel: the window stays
            EXPECT_TRUE(v.IsOpen());
            close(v); // yes: closed, then saved
        });
        ExpectSaveQuestion(platform::IDCANCEL);
        ExpectSaveQuestion(platform::IDYES);
        hook.Push([&](ModalView& v) {
            EXPECT_EQ(editor.Handle(), nullptr); // the window has gone
            EXPECT_EQ(v.Text(), VNString(u8"ファイルに保存しました。"));
            v.Press(platform::IDOK);
        });
        EXPECT_EQ(editor.Run(file), 0);
        EXPECT_EQ(ReadBytes(file), changed);
    }

    // "No" closes without saving.
    WriteBytes(file, EventFileBytes({Narration("a")}));
    EventEditDlg editor;
    hook.Push([&](ModalView& v) {
        Select(v, 0);
        v.Command(ids::Delete);
        v.Close();
    });
    ExpectSaveQuestion(platform::IDNO);
    EXPECT_EQ(editor.Run(file), 0);
    EXPECT_EQ(ReadBytes(file), EventFileBytes({Narration("a")}));
}

TEST_F(EventEditorTest, YesOnANewFileAsksForANameAfterTheWindowAndCancellingBringsItBack) {
    const std::string target = folder / "kept.evt";
    EventEditDlg editor;
    hook.Push([&](ModalView& v) {
        v.Dialog().ComboSetSelection(ids::InsertType, 15);
        v.Command(ids::Insert);
        v.Close(); // yes
    });
    ExpectSaveQuestion(platform::IDYES);
    hook.Push([&](ModalView& v) {
        EXPECT_EQ(editor.Handle(), nullptr);
        EXPECT_EQ(VNDialog::InstanceCount(), 0);
        EXPECT_EQ(v.Kind(), ModalKind::SaveFile);
        v.Press(platform::IDCANCEL);
    });
    // The window comes back with the events, still modified.
    hook.Push([&](ModalView& v) {
        EXPECT_EQ(v.TemplateName(), "IDD_EVENTEDIT");
        EXPECT_EQ(Lines(v), (Lines_{"1    ◎ クリックウェイト", "2    "}));
        EXPECT_TRUE(editor.IsModified());
        v.Close(); // yes again, and this time a name
    });
    ExpectSaveQuestion(platform::IDYES);
    ExpectChooser(ModalKind::SaveFile, u8"名前を付けて保存", VNString(u8"新規イベント.evt"),
                  target);
    ExpectSaved();
    EXPECT_EQ(editor.Run(""), 0);
    EXPECT_EQ(ReadBytes(target), EventFileBytes({Record(13)}));
}

TEST_F(EventEditorTest, OpenAndDropReplaceTheListOnlyWithAFileThatLoads) {
    const std::string first = Write("first.evt", EventFileBytes({Narration("a")}));
    const std::string second = Write("second.evt", EventFileBytes({Comment("b")}));
    const std::string third = Write("third.evt", EventFileBytes({Record(14, {7})}));
    // An event count larger than the records present.
    const std::string broken =
        Write("broken.evt", StringItem("eventdata") + IntItem(2) + Narration("x"));
    EventEditDlg editor;
    hook.Push([&](ModalView& v) {
        v.Command(ids::Open); // nothing modified: straight to the chooser
        EXPECT_EQ(Lines(v), (Lines_{"1    ; b", "2    "}));
        EXPECT_EQ(v.Dialog().GetCaption(), VNString(u8"second.evt - vnevedit -"));
        EXPECT_EQ(editor.FileName(), second);

        Select(v, 0);
        v.Command(ids::Copy);
        v.Command(ids::Paste);
        v.Command(ids::Open); // question: cancel, no chooser
        v.Command(ids::Open); // question: no -> the broken file, reported
        EXPECT_EQ(Lines(v), (Lines_{"1    ; b", "2    ; b", "3    "}));
        EXPECT_EQ(editor.FileName(), second);
        EXPECT_TRUE(editor.IsModified());

        v.DropFiles({third, first}); // question: no -> only the first file
        EXPECT_EQ(Lines(v), (Lines_{"1    ◎ ミリ秒ウェイト　7ミリ秒", "2    "}));
        EXPECT_EQ(editor.FileName(), third);
        EXPECT_FALSE(editor.IsModified());
        v.DropFiles({broken}); // reported, nothing changes
        EXPECT_EQ(editor.FileName(), third);

        // The clipboard survives open and drop.
        Select(v, 1);
        v.Command(ids::Paste);
        EXPECT_EQ(Lines(v), (Lines_{"1    ◎ ミリ秒ウェイト　7ミリ秒", "2    ; b", "3    "}));
        v.Command(ids::Exit);
    });
    const auto failure = [](const std::string& path) {
        return LoadFailureText(path, [&] {
            VNLoadError why;
            why.kind = VNLoadError::Kind::FileEnds;
            why.place = VNLoadError::Place::Event;
            why.index = 1;
            return why;
        }());
    };
    ExpectChooser(ModalKind::OpenFile, u8"ファイルを開く", VNString(), second);
    ExpectSaveQuestion(platform::IDCANCEL);
    ExpectSaveQuestion(platform::IDNO);
    ExpectChooser(ModalKind::OpenFile, u8"ファイルを開く", VNString(), broken);
    ExpectMessage(failure(broken), u8"vnevedit", MsgIcon::Warning, platform::IDOK);
    ExpectSaveQuestion(platform::IDNO);
    ExpectMessage(failure(broken), u8"vnevedit", MsgIcon::Warning, platform::IDOK);
    ExpectSaveQuestion(platform::IDNO);
    EXPECT_EQ(editor.Run(first), 0);
    // The message names the file and says where it ends.
    const std::string text = failure(broken).ToUtf8Lossy();
    EXPECT_EQ(text.find(broken + " を読み込めませんでした。\n"), 0u) << text;
    EXPECT_NE(text.find("file ends inside event 2"), std::string::npos) << text;
}

TEST_F(EventEditorTest, AFileThatDoesNotLoadAtStartIsReportedAndNeverWrittenOverUnasked) {
    const std::string broken = Write("broken.evt", StringItem("eventdata") + IntItem(1));
    const std::string bytes = ReadBytes(broken);
    VNLoadError why;
    why.kind = VNLoadError::Kind::FileEnds;
    why.place = VNLoadError::Place::Event;
    why.index = 0;
    ExpectMessage(LoadFailureText(broken, why), u8"vnevedit", MsgIcon::Warning, platform::IDOK);
    hook.Push([&](ModalView& v) {
        // Under the given name, with an empty list.
        EXPECT_EQ(v.Dialog().GetCaption(), VNString(u8"broken.evt - vnevedit -"));
        EXPECT_EQ(Lines(v), Lines_{"1    "});
        v.Dialog().ComboSetSelection(ids::InsertType, 15);
        v.Command(ids::Insert);
        v.Command(ids::Save); // asks for a name, proposing the file: cancelled
        v.Command(ids::Exit);
    });
    hook.Push([&](ModalView& v) {
        EXPECT_EQ(v.Kind(), ModalKind::SaveFile);
        EXPECT_EQ(v.NativeText(), broken);
        v.Press(platform::IDCANCEL);
    });
    ExpectSaveQuestion(platform::IDNO);
    EXPECT_EQ(RunEventEditor({"\"" + broken + "\""}), 0); // quotes are removed
    EXPECT_EQ(ReadBytes(broken), bytes);

    // A name that does not exist: the message, exit code 1, no window.
    ExpectMessage(VNString(u8"指定されたファイルは存在しません。"), u8"vnevedit", MsgIcon::Warning,
                  platform::IDOK);
    EXPECT_EQ(RunEventEditor({folder / "missing.evt"}), 1);
}

// Another program changes the open file: unmodified, the list reads it again
// (also after a save by renaming, which replaces the file); modified, the
// title notes it and the save asks before writing over it.
TEST_F(EventEditorTest, AFileChangedOnDiskIsReadAgainOrAskedAboutBeforeItIsOverwritten) {
    const std::string file = Write("t.evt", EventFileBytes({Comment("a")}));
    const std::string outside = EventFileBytes({Comment("b"), Comment("c")});
    const auto waitForTitle = [](ModalView& v, const char8_t* title) {
        for (int n = 0; n < 100 && v.Dialog().GetCaption() != VNString(title); ++n)
            platform::WaitForMessage(50);
        EXPECT_EQ(v.Dialog().GetCaption(), VNString(title));
    };
    EventEditDlg editor;
    hook.Push([&](ModalView& v) {
        WriteBytes(file + ".new", outside); // saved by renaming
        fs::rename(file + ".new", file);
        waitForTitle(v, u8"[ディスク上の変更を読み込みました] t.evt - vnevedit -");
        EXPECT_EQ(Lines(v), (Lines_{"1    ; b", "2    ; c", "3    "}));
        Select(v, 0);
        v.Command(ids::Delete);
        WriteBytes(file, outside + Comment("d")); // written in place
        waitForTitle(v, u8"[ディスク上で変更されています] t.evt - vnevedit -");
        EXPECT_EQ(Lines(v), (Lines_{"1    ; c", "2    "}));
        v.Command(ids::Save); // Cancel: the file on disk stays
        EXPECT_EQ(ReadBytes(file), outside + Comment("d"));
        v.Command(ids::Save); // OK: overwritten
        EXPECT_EQ(v.Dialog().GetCaption(), VNString(u8"t.evt - vnevedit -"));
        v.Command(ids::Exit);
    });
    const VNString question =
        platform::NativePathText(file) +
        VNString(u8" は、読み込んだ後にディスク上で変更されています。\n"
                 u8"上書きしてもよろしいですか？\n"
                 u8"（キャンセルすると、ディスク上のファイルはそのまま残ります。）");
    for (int answer : {platform::IDCANCEL, platform::IDOK})
        ExpectMessage(question, u8"vnevedit", MsgIcon::Warning, answer, MsgButtons::OkCancel);
    ExpectSaved();
    EXPECT_EQ(editor.Run(file), 0);
    EXPECT_EQ(ReadBytes(file), EventFileBytes({Comment("c")}));
}

} // namespace
} // namespace edtest
