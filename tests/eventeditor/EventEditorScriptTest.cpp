// vnevedit's script window: the whole file as script text, text files, the
// close question, and the warning before a text that loses something.
#include "tests/eventeditor/EventEditorTestSupport.h"

#include "eventeditor/ScriptLossCheck.h"

#include <QPlainTextEdit>
#include <QWidget>
#include <filesystem>

namespace edtest {
namespace {

namespace script = resources::script_edit;
using Lines_ = std::vector<std::string>;

void ExpectScriptWindow(platform::ModalHook& hook, std::function<void(ModalView&)> act) {
    hook.Push([act](ModalView& v) {
        EXPECT_EQ(v.TemplateName(), "IDD_SCRIPTINPUT");
        EXPECT_EQ(v.Caption(), VNString(u8"スクリプト編集"));
        act(v);
    });
}

std::string FieldText(ModalView& v) {
    return v.Dialog().GetText(script::Text).Bytes();
}

TEST_F(EventEditorTest, AScriptEditConfirmedUnchangedRebuildsEveryEventAndSetsTheFlag) {
    // "話者" is 98 62 8E D2 in Shift-JIS.
    const std::string speaker = "\x98\x62\x8E\xD2";
    const std::string file =
        Write("a.evt", EventFileBytes({Narration("a"), Record(2, {speaker, "hi"}),
                                       Record(14, {int32_t{100}}), Record(4, {""}), Comment("c"),
                                       Narration("@x")}));
    // Each event's line and CR LF.
    const std::string text = "a\r\n\\" + speaker +
                             "\\hi\r\n@wait 100\r\n@background nil\r\n;c\r\n" + "@narration @x\r\n";
    EventEditDlg editor;
    std::vector<const VNEvent*> before;
    hook.Push([&](ModalView& v) {
        for (int32_t n = 0; n < editor.Events().GetCount(); ++n)
            before.push_back(editor.Events().Get(n));
        const Lines_ lines = Lines(v);
        Select(v, 2);
        v.Command(ids::EditScript);
        EXPECT_EQ(Lines(v), lines);
        EXPECT_EQ(Selection(v), -1); // the list was filled anew
        EXPECT_TRUE(editor.IsModified());
        v.Command(ids::Exit);
    });
    ExpectScriptWindow(hook, [&](ModalView& v) {
        EXPECT_EQ(FieldText(v), text);
        v.Command(script::Apply); // nothing lost: no warning
    });
    ExpectSaveQuestion(platform::IDNO);
    EXPECT_EQ(editor.Run(file), 0);
    ASSERT_EQ(editor.Events().GetCount(), 6);
    for (int32_t n = 0; n < 6; ++n)
        EXPECT_NE(editor.Events().Get(n), before[static_cast<size_t>(n)]) << n;
    const std::string saved = folder / "b.evt";
    ASSERT_TRUE(editor.Events().Save(saved));
    EXPECT_EQ(ReadBytes(saved), ReadBytes(file));
}

TEST_F(EventEditorTest, TheScriptWindowWarnsBeforeALossyTextAndNoGoesBackToTheText) {
    // Event 2 holds a line break: its text makes lines 2 and 3.
    const std::string file =
        Write("a.evt", EventFileBytes({Narration("a"), Narration("b\r\nc"), Comment("d")}));
    EventEditDlg editor;
    hook.Push([&](ModalView& v) {
        v.Command(ids::EditScript); // warned, "no", then abandoned
        EXPECT_EQ(editor.Events().GetCount(), 3);
        EXPECT_FALSE(editor.IsModified());
        v.Command(ids::EditScript); // warned, "yes": applied as the text reads
        EXPECT_EQ(Lines(v),
                  (Lines_{"1    ＊　a", "2    ＊　b", "3    ＊　c", "4    ; d", "5    "}));
        EXPECT_TRUE(editor.IsModified());
        v.Command(ids::Exit);
    });
    const VNString warning = ScriptLossWarning({2, ScriptTextLoss::LineBreak});
    ExpectScriptWindow(hook, [&](ModalView& v) {
        v.Command(script::Apply);
        EXPECT_TRUE(v.IsOpen());
        EXPECT_EQ(FieldText(v), "a\r\nb\r\nc\r\n;d\r\n");
        // Words after the last argument are named too, at their line.
        v.Dialog().SetText(script::Text, VNString("a\r\n@wait 1 2\r\n"));
        v.Command(script::Apply);
        v.Close();                  // "no": stays
        v.Command(script::Abandon); // "yes": closed, nothing applied
    });
    ExpectMessage(warning, u8"スクリプト編集", MsgIcon::Warning, platform::IDNO, MsgButtons::YesNo);
    ExpectMessage(ScriptLossWarning({2, std::nullopt}), u8"スクリプト編集", MsgIcon::Warning,
                  platform::IDNO, MsgButtons::YesNo);
    const VNString abandon(u8"変更は適用されません。よろしいですか？");
    ExpectMessage(abandon, u8"スクリプト編集", MsgIcon::Question, platform::IDNO,
                  MsgButtons::YesNo);
    ExpectMessage(abandon, u8"スクリプト編集", MsgIcon::Question, platform::IDYES,
                  MsgButtons::YesNo);
    ExpectScriptWindow(hook, [&](ModalView& v) { v.Command(script::Apply); });
    ExpectMessage(warning, u8"スクリプト編集", MsgIcon::Warning, platform::IDYES,
                  MsgButtons::YesNo);
    ExpectSaveQuestion(platform::IDNO);
    EXPECT_EQ(editor.Run(file), 0);
    // The warning names the line and the reason.
    const std::string text = warning.ToUtf8Lossy();
    EXPECT_NE(text.find(" 2 行目"), std::string::npos) << text;
    EXPECT_NE(text.find("改行"), std::string::npos) << text;
}

TEST_F(EventEditorTest, TheScriptWindowLoadsAndSavesTextFiles) {
    // "あ" is 82 A0 in Shift-JIS.
    const std::string loaded = Write("in.txt", "@wait 5\r\n\x82\xA0\r\n");
    const std::string dropped = Write("drop.txt", ";dropped\r\n");
    const std::string other = Write("other.txt", ";other\r\n");
    const std::string saved = folder / "out.txt";
    const std::string unwritable = folder / "missing/out.txt";
    EventEditDlg editor;
    hook.Push([&](ModalView& main) {
        main.Command(ids::EditScript);
        EXPECT_EQ(Lines(main), (Lines_{"1    ◎ ミリ秒ウェイト　5ミリ秒", "2    ＊　あ", "3    "}));
        main.Command(ids::Exit);
    });
    hook.Push([&](ModalView& v) {
        v.Command(script::LoadText); // a file that cannot be opened
        v.Command(script::LoadText);
        EXPECT_EQ(FieldText(v), "@wait 5\r\n\x82\xA0\r\n");
        v.Command(script::SaveText); // cannot be created
        v.Command(script::SaveText);
        EXPECT_EQ(ReadBytes(saved), "@wait 5\r\n\x82\xA0\r\n");
        v.DropFiles({dropped, other}); // only the first
        EXPECT_EQ(FieldText(v), ";dropped\r\n");
        v.Dialog().SetText(script::Text, VNString(std::string("@wait 5\r\n\x82\xA0\r\n").c_str()));
        v.Command(script::Apply);
    });
    const auto chooser = [&](ModalKind kind, const char8_t* title, const char8_t* filter,
                             const VNString& initial, const std::string& choice) {
        hook.Push([=](ModalView& v) {
            EXPECT_EQ(v.Kind(), kind);
            EXPECT_EQ(v.Caption(), VNString(title));
            EXPECT_EQ(v.Text(), initial);
            ASSERT_EQ(v.Filters().size(), 1u);
            EXPECT_EQ(v.Filters()[0].description, VNString(filter));
            EXPECT_EQ(v.Filters()[0].pattern, VNString(u8"*.txt"));
            v.ChooseFile(VNString::FromBytes(choice));
        });
    };
    chooser(ModalKind::OpenFile, u8"スクリプトを開く", u8"テキストファイル (*.txt)", VNString(),
            folder / "none.txt");
    ExpectMessage(VNString(u8"ファイルを開けませんでした。"), u8"エラー", MsgIcon::Warning,
                  platform::IDOK);
    chooser(ModalKind::OpenFile, u8"スクリプトを開く", u8"テキストファイル (*.txt)", VNString(),
            loaded);
    const VNString proposal(u8"新規スクリプト.txt");
    chooser(ModalKind::SaveFile, u8"スクリプトを保存する", u8"テキストファイル(*.txt)", proposal,
            unwritable);
    ExpectMessage(VNString(u8"ファイルを作成できませんでした。"), u8"エラー", MsgIcon::Warning,
                  platform::IDOK);
    chooser(ModalKind::SaveFile, u8"スクリプトを保存する", u8"テキストファイル(*.txt)", proposal,
            saved);
    ExpectSaveQuestion(platform::IDNO);
    EXPECT_EQ(editor.Run(""), 0);
}

TEST_F(EventEditorTest, FilesDroppedOnTheMainWindowWaitWhileTheScriptWindowIsOpen) {
    const std::string first = Write("first.evt", EventFileBytes({Comment("first")}));
    const std::string second = Write("second.evt", EventFileBytes({Comment("second")}));
    EventEditDlg editor;
    ModalView* mainWindow = nullptr;
    hook.Push([&](ModalView& main) {
        mainWindow = &main;
        main.Command(ids::EditScript);
        EXPECT_EQ(Lines(main), (Lines_{"1    ; first", "2    "}));
        EXPECT_EQ(editor.FileName(), first);
        main.Command(ids::Exit);
    });
    ExpectScriptWindow(hook, [&](ModalView& v) {
        mainWindow->DropFiles({second}); // ignored by the main window
        EXPECT_EQ(FieldText(v), ";first\r\n");
        v.Command(script::Abandon);
    });
    ExpectMessage(VNString(u8"変更は適用されません。よろしいですか？"), u8"スクリプト編集",
                  MsgIcon::Question, platform::IDYES, MsgButtons::YesNo);
    EXPECT_EQ(editor.Run(first), 0);
}

TEST_F(EventEditorTest, LongScriptTextsAreNeitherCutWhenAppliedNorWhenLoaded) {
    // Far more than 65535 bytes of text, in the window and in a text file.
    constexpr int kEvents = 9000;
    std::vector<std::string> records;
    std::string fileText;
    for (int n = 0; n < kEvents; ++n) {
        const std::string text = "comment " + std::to_string(n);
        records.push_back(Comment(text));
        fileText += ";" + text + "\r\n";
    }
    ASSERT_GT(fileText.size(), 100000u);
    const std::string file = Write("long.evt", EventFileBytes(records));
    const std::string textFile = Write("long.txt", ";first\r\n" + fileText);
    EventEditDlg editor;
    hook.Push([&](ModalView& v) {
        v.Command(ids::EditScript);
        EXPECT_EQ(Lines(v).size(), kEvents + 1u);
        EXPECT_EQ(Lines(v)[kEvents - 1],
                  std::to_string(kEvents) + " ; comment " + std::to_string(kEvents - 1));
        v.Command(ids::EditScript);
        EXPECT_EQ(Lines(v).size(), kEvents + 2u);
        v.Command(ids::Exit);
    });
    ExpectScriptWindow(hook, [&](ModalView& v) {
        EXPECT_EQ(FieldText(v), fileText);
        v.Command(script::Apply);
    });
    ExpectScriptWindow(hook, [&](ModalView& v) {
        v.Command(script::LoadText);
        EXPECT_EQ(FieldText(v), ";first\r\n" + fileText);
        v.Command(script::Apply);
    });
    hook.Push([&](ModalView& v) { v.ChooseFile(VNString::FromBytes(textFile)); });
    ExpectSaveQuestion(platform::IDNO);
    EXPECT_EQ(editor.Run(file), 0);
}

TEST_F(EventEditorTest, CharactersWithoutAShiftJisFormAreNamedBeforeTheTextIsAppliedOrSaved) {
    EventEditDlg editor;
    hook.Push([&](ModalView& v) {
        v.Command(ids::EditScript); // "no": back to the text, then abandoned
        EXPECT_EQ(Lines(v), (Lines_{"1    "}));
        v.Command(ids::EditScript); // "yes": applied with '?' in their place
        EXPECT_EQ(Lines(v), (Lines_{"1    ＊　a?b", "2    "}));
        v.Command(ids::Exit);
    });
    const auto typeAndApply = [](ModalView& v) {
        auto* window = reinterpret_cast<QWidget*>(v.Dialog().Handle());
        QPlainTextEdit* field = window->findChild<QPlainTextEdit*>();
        ASSERT_NE(field, nullptr);
        field->setPlainText(QString::fromUtf8("a\xED\x95\x9C"
                                              "b")); // a한b
        v.Command(script::Apply);
    };
    const VNString question(u8"Shift-JISで表せない文字は「?」に置き換わります。\n"
                            u8"このまま変更を適用しますか？");
    ExpectScriptWindow(hook, [&](ModalView& v) {
        typeAndApply(v);
        EXPECT_TRUE(v.IsOpen());
        v.Command(script::SaveText); // "no": no file chooser, nothing written
        v.Command(script::Abandon);
    });
    ExpectMessage(question, u8"スクリプト編集", MsgIcon::Warning, platform::IDNO,
                  MsgButtons::YesNo);
    ExpectMessage(VNString(u8"Shift-JISで表せない文字は「?」に置き換わります。\n"
                           u8"このまま保存しますか？"),
                  u8"スクリプト編集", MsgIcon::Warning, platform::IDNO, MsgButtons::YesNo);
    ExpectMessage(VNString(u8"変更は適用されません。よろしいですか？"), u8"スクリプト編集",
                  MsgIcon::Question, platform::IDYES, MsgButtons::YesNo);
    ExpectScriptWindow(hook, typeAndApply);
    ExpectMessage(question, u8"スクリプト編集", MsgIcon::Warning, platform::IDYES,
                  MsgButtons::YesNo);
    ExpectSaveQuestion(platform::IDNO);
    EXPECT_EQ(editor.Run(""), 0);
}

// The loss check on its own: which line of an edited text is named first.
TEST(ScriptLossCheckTest, NamesTheFirstLineThatLosesSomething) {
    VNEventFile events;
    const auto push = [&](int32_t code, std::vector<std::string> strings) {
        auto event = std::make_unique<VNEvent>(code);
        for (int32_t n = 0, s = 0; n < event->GetParamCount(); ++n)
            if (!event->IsIntArg(n))
                event->SetString(n, VNString::FromBytes(strings[static_cast<size_t>(s++)]));
        events.Push(std::move(event));
    };
    push(1, {"a"});    // line 1
    push(4, {"x y"});  // line 2: "@background x y", the space splits it
    push(1, {"b\nc"}); // lines 3 and 4
    push(16, {"d"});   // line 5
    const ScriptLossCheck check(events);
    struct Case {
        const char* name;
        std::string text;
        std::optional<ScriptLineLoss> expected;
    };
    const std::vector<Case> cases = {
        {"unchanged", "a\r\n@background x y\r\nb\r\nc\r\n;d\r\n",
         ScriptLineLoss{2, ScriptTextLoss::BlankInArgument}},
        {"lossy line removed", "a\r\nb\r\nc\r\n;d\r\n",
         ScriptLineLoss{2, ScriptTextLoss::LineBreak}},
        {"both removed", "a\r\n;d\r\n", std::nullopt},
        {"a line typed above keeps the lines below", "new\r\na\r\nb\r\nc\r\n;d\r\n",
         ScriptLineLoss{3, ScriptTextLoss::LineBreak}},
        {"moved into the edited middle", ";z\r\nc\r\n;y\r\n",
         ScriptLineLoss{2, ScriptTextLoss::LineBreak}},
        {"typed words after the last argument", "a\r\n@wait 1 2\r\n",
         ScriptLineLoss{2, std::nullopt}},
        {"a keyword without its arguments", "@wait\r\n@label\r\n", std::nullopt},
        {"LF line ends and no last line end", "a\n;d", std::nullopt},
        {"empty", "", std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::optional<ScriptLineLoss> found = check.FirstLoss(c.text);
        ASSERT_EQ(found.has_value(), c.expected.has_value());
        if (found) {
            EXPECT_EQ(found->line, c.expected->line);
            EXPECT_EQ(found->loss, c.expected->loss);
        }
    }
}

} // namespace
} // namespace edtest
