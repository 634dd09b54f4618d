// vnparedit driven through its real dialog: menu commands, control ids and
// the message boxes and choosers it opens, on the offscreen platform.
#include "parameditor/ParamEditDialog.h"
#include "parameditor/ParamEditorProgram.h"
#include "platform/Application.h"
#include "platform/ModalHook.h"
#include "resources/ParamEditorResources.h"
#include "resources/Resource.h"
#include "resources/VirtualKeys.h"
#include "window/VNDialog.h"

#include <QLineEdit>
#include <QWidget>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <unistd.h>

using namespace platform;
namespace fs = std::filesystem;

namespace {

using E = VNDParamEdit;
constexpr int kField = 1002;

// Flag-data bytes from the format's rules: string items are 0x03, a 32-bit
// little-endian length and each byte minus 277 (mod 256); integer items are
// 0x01 and a 32-bit little-endian value.
std::string Le32(uint32_t v) {
    return {char(v & 0xFF), char((v >> 8) & 0xFF), char((v >> 16) & 0xFF), char(v >> 24)};
}
std::string StringItem(const std::string& bytes) {
    std::string out = "\x03" + Le32(static_cast<uint32_t>(bytes.size()));
    for (unsigned char b : bytes)
        out += char((b - 277) & 0xFF);
    return out;
}
std::string IntItem(int32_t v) {
    return "\x01" + Le32(static_cast<uint32_t>(v));
}
std::string FlagFile(const std::vector<std::pair<VNString, int32_t>>& entries) {
    std::string out = StringItem("flagdata") + IntItem(static_cast<int32_t>(entries.size()));
    for (const auto& [name, value] : entries)
        out += StringItem(name.Bytes()) + IntItem(value);
    return out;
}

VNString Line(const char8_t* text) {
    return VNString(text);
}

class ParamEditorTest : public ::testing::Test {
protected:
    ParamEditorTest()
        : dir(fs::temp_directory_path() / ("vnparedit-test-" + std::to_string(getpid()))) {
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    ~ParamEditorTest() override { fs::remove_all(dir); }

    void TearDown() override {
        EXPECT_EQ(hook.Pending(), 0u) << "scripts left over";
        for (const std::string& problem : hook.Problems())
            ADD_FAILURE() << problem;
    }

    std::string Write(const std::string& name, const std::string& bytes) {
        const std::string path = (dir / name).string();
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }
    static std::string Read(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    static VNString Path(const std::string& native) {
        VNString path;
        EXPECT_TRUE(VNString::FromUtf8(native, path));
        return path;
    }

    // Scripts for the windows the editor opens, in order.
    void ExpectMessage(const char8_t* text, const char8_t* caption, MsgIcon icon, int answer,
                       MsgButtons buttons = MsgButtons::Ok) {
        hook.Push([=](ModalView& v) {
            EXPECT_EQ(v.Kind(), ModalKind::MessageBox);
            EXPECT_EQ(v.Text(), VNString(text));
            EXPECT_EQ(v.Caption(), VNString(caption));
            EXPECT_EQ(v.Icon(), icon);
            EXPECT_EQ(v.Buttons(), buttons);
            v.Press(answer);
        });
    }
    void ExpectSaveQuestion(int answer) {
        ExpectMessage(u8"変更を保存しますか？", u8"vnparedit", MsgIcon::Question, answer,
                      MsgButtons::YesNoCancel);
    }
    void ExpectSaved() {
        ExpectMessage(u8"ファイルに保存しました。", u8"確認", MsgIcon::None, IDOK);
    }
    void ExpectDuplicate() {
        ExpectMessage(u8"同じ名前のパラメタがすでに存在しています。", u8"vnparedit",
                      MsgIcon::Information, IDOK);
    }
    void ExpectInput(const std::string& templateName, const char8_t* caption,
                     const char8_t* initial, const VNString& typed, int button = resources::IDOK) {
        hook.Push([=](ModalView& v) {
            ASSERT_EQ(v.Kind(), ModalKind::Dialog) << templateName;
            EXPECT_EQ(v.TemplateName(), templateName);
            EXPECT_EQ(v.Caption(), VNString(caption));
            EXPECT_EQ(v.Dialog().GetText(kField), VNString(initial));
            v.Dialog().SetText(kField, typed);
            v.Press(button);
        });
    }
    // Types text the suite's strings may not hold, as the keyboard would.
    void ExpectTyped(const char8_t* caption, const char* utf8) {
        hook.Push([=](ModalView& v) {
            EXPECT_EQ(v.Caption(), VNString(caption));
            auto* window = reinterpret_cast<QWidget*>(v.Dialog().Handle());
            QLineEdit* field = window->findChildren<QLineEdit*>().value(0);
            ASSERT_NE(field, nullptr);
            field->setText(QString::fromUtf8(utf8));
            v.Press(resources::IDOK);
        });
    }
    void ExpectNameWarning(const char8_t* subject, const char8_t* caption) {
        const std::u8string text = std::u8string(u8"この") + subject +
                                   u8"はShift-JISで表せない文字を含むため使用できません。";
        hook.Push([=](ModalView& v) {
            EXPECT_EQ(v.Kind(), ModalKind::MessageBox);
            EXPECT_EQ(v.Text(), VNString(text.c_str()));
            EXPECT_EQ(v.Caption(), VNString(caption));
            EXPECT_EQ(v.Icon(), MsgIcon::Warning);
            EXPECT_EQ(v.Buttons(), MsgButtons::Ok);
            v.Press(IDOK);
        });
    }
    void ExpectChooser(ModalKind kind, const char8_t* title, const VNString& initial,
                       const std::string& choice) {
        hook.Push([=](ModalView& v) {
            EXPECT_EQ(v.Kind(), kind);
            EXPECT_EQ(v.Caption(), VNString(title));
            EXPECT_EQ(v.Text(), initial);
            ASSERT_EQ(v.Filters().size(), 1u);
            EXPECT_EQ(v.Filters()[0].description, VNString(u8"パラメタファイル(*.flg)"));
            EXPECT_EQ(v.Filters()[0].pattern, VNString(u8"*.flg"));
            if (choice.empty())
                v.Press(IDCANCEL);
            else
                v.ChooseFile(Path(choice));
        });
    }

    static std::vector<VNString> Lines(ModalView& v) {
        std::vector<VNString> lines;
        for (int i = 0; i < v.Dialog().ListCount(E::IDC_LIST); ++i)
            lines.push_back(v.Dialog().ListGetText(E::IDC_LIST, i));
        return lines;
    }
    static int Selection(ModalView& v) { return v.Dialog().ListGetSelection(E::IDC_LIST); }

    Application& app = EnsureTestApplication(resources::ParamEditorResources());
    ModalHook hook;
    fs::path dir;
};

TEST_F(ParamEditorTest, AddAppendsALineAndRefusesADuplicateName) {
    const std::string file = Write("a.flg", FlagFile({{VNString(u8"a"), 1}}));
    hook.Push([&](ModalView& v) {
        EXPECT_EQ(v.TemplateName(), "IDD_PARAMEDIT");
        EXPECT_EQ(v.Caption(), VNString(u8"vnparedit"));
        EXPECT_EQ(Lines(v), (std::vector<VNString>{Line(u8"a　1")}));
        v.Command(E::ID_ADD); // -> name input
        EXPECT_EQ(Lines(v), (std::vector<VNString>{Line(u8"a　1"), Line(u8"フラグ１　0")}));
        v.Command(E::ID_ADD); // -> name input, duplicate message
        v.Command(E::ID_ADD); // an empty name is a name like any other
        EXPECT_EQ(Lines(v),
                  (std::vector<VNString>{Line(u8"a　1"), Line(u8"フラグ１　0"), Line(u8"　0")}));
        v.Command(E::ID_EXIT); // -> question, "no"
    });
    ExpectInput("IDD_SETNAME", u8"パラメタの追加", u8"", VNString(u8"フラグ１"));
    ExpectInput("IDD_SETNAME", u8"パラメタの追加", u8"", VNString(u8"a"));
    ExpectDuplicate();
    ExpectInput("IDD_SETNAME", u8"パラメタの追加", u8"", VNString());
    ExpectSaveQuestion(IDNO);
    EXPECT_EQ(RunParamEditor({file}), 0);
    EXPECT_EQ(Read(file), FlagFile({{VNString(u8"a"), 1}})); // "no" saved nothing
}

TEST_F(ParamEditorTest, RenameMovesTheEntryToTheEndAndSelectsIt) {
    auto table = std::make_unique<VNParamFile>();
    table->Add(VNString(u8"a"), 1);
    table->Add(VNString(u8"b"), 2);
    table->Add(VNString(u8"c"), 3);
    VNDParamEdit editor(std::move(table), "");
    hook.Push([&](ModalView& v) {
        v.Dialog().ListSetSelection(E::IDC_LIST, 0);
        v.Command(E::ID_RENAME); // "a" -> "ｚ"
        EXPECT_EQ(Lines(v),
                  (std::vector<VNString>{Line(u8"b　2"), Line(u8"c　3"), Line(u8"ｚ　1")}));
        EXPECT_EQ(Selection(v), 2);
        EXPECT_EQ(v.Dialog().FocusedControl(), E::IDC_LIST);

        v.Dialog().ListSetSelection(E::IDC_LIST, 0);
        v.Command(E::ID_RENAME); // "b" -> "c": duplicate
        v.Command(E::ID_RENAME); // "b" -> "b": nothing
        EXPECT_EQ(Lines(v),
                  (std::vector<VNString>{Line(u8"b　2"), Line(u8"c　3"), Line(u8"ｚ　1")}));
        EXPECT_EQ(Selection(v), 0);

        v.Dialog().ListSetSelection(E::IDC_LIST, -1);
        v.Command(E::ID_RENAME); // no selection: no dialog at all
        v.Command(E::ID_EXIT);
    });
    ExpectInput("IDD_SETNAME", u8"名前の変更", u8"a", VNString(u8"ｚ"));
    ExpectInput("IDD_SETNAME", u8"名前の変更", u8"b", VNString(u8"c"));
    ExpectDuplicate();
    ExpectInput("IDD_SETNAME", u8"名前の変更", u8"b", VNString(u8"b"));
    ExpectSaveQuestion(IDNO);
    EXPECT_EQ(editor.Run(), 0);
    EXPECT_EQ(editor.Table().GetCount(), 3);
    EXPECT_EQ(editor.Table().GetName(2), VNString(u8"ｚ"));
    EXPECT_EQ(editor.Table().GetValue(2), 1);
}

TEST_F(ParamEditorTest, SetValueReadsLeadingDigitsAndKeepsTheLineSelected) {
    auto table = std::make_unique<VNParamFile>();
    table->Add(VNString(u8"a"), 1);
    table->Add(VNString(u8"b"), 2);
    table->Add(VNString(u8"c"), 3);
    VNDParamEdit editor(std::move(table), "");
    hook.Push([&](ModalView& v) {
        v.Dialog().ListSetSelection(E::IDC_LIST, 1);
        v.Command(E::ID_SETVALUE); // letters only -> 0
        EXPECT_EQ(Lines(v),
                  (std::vector<VNString>{Line(u8"a　1"), Line(u8"b　0"), Line(u8"c　3")}));
        EXPECT_EQ(Selection(v), 1);
        v.Command(E::ID_SETVALUE); // "-12xy" -> -12
        v.Command(E::ID_SETVALUE); // cancelled: nothing
        EXPECT_EQ(Lines(v),
                  (std::vector<VNString>{Line(u8"a　1"), Line(u8"b　-12"), Line(u8"c　3")}));
        EXPECT_EQ(Selection(v), 1);
        v.Command(E::ID_EXIT);
    });
    ExpectInput("IDD_SETVALUE", u8"値の設定", u8"2", VNString(u8"abc"));
    ExpectInput("IDD_SETVALUE", u8"値の設定", u8"0", VNString(u8"-12xy"));
    ExpectInput("IDD_SETVALUE", u8"値の設定", u8"-12", VNString(u8"99"), resources::IDCANCEL);
    ExpectSaveQuestion(IDNO);
    EXPECT_EQ(editor.Run(), 0);
    EXPECT_EQ(editor.Table().GetValue(1), -12);
}

TEST_F(ParamEditorTest, HomeSelectsTheOnlyLineSoSetValueActsOnIt) {
    // An empty table, one parameter added, Home: the line is selected and
    // the value dialog opens for it.
    hook.Push([&](ModalView& v) {
        v.Command(E::ID_ADD);
        EXPECT_EQ(Selection(v), 0); // the added parameter is selected
        v.Dialog().ListSetSelection(E::IDC_LIST, -1);
        v.Dialog().PressKey(E::IDC_LIST, resources::VK_HOME);
        ASSERT_EQ(Selection(v), 0);
        v.Command(E::ID_SETVALUE); // -> value input
        EXPECT_EQ(Lines(v), (std::vector<VNString>{Line(u8"x　5")}));
        v.Command(E::ID_EXIT); // -> question, "no"
    });
    ExpectInput("IDD_SETNAME", u8"パラメタの追加", u8"", VNString(u8"x"));
    ExpectInput("IDD_SETVALUE", u8"値の設定", u8"0", VNString(u8"5"));
    ExpectSaveQuestion(IDNO);
    EXPECT_EQ(RunParamEditor({}), 0);
}

TEST_F(ParamEditorTest, DeleteSelectsTheLineNowInPlaceOrThePreviousOne) {
    auto table = std::make_unique<VNParamFile>();
    table->Add(VNString(u8"a"), 1);
    table->Add(VNString(u8"b"), 2);
    table->Add(VNString(u8"c"), 3);
    VNDParamEdit editor(std::move(table), "");
    hook.Push([&](ModalView& v) {
        v.Dialog().ListSetSelection(E::IDC_LIST, 1);
        v.Command(E::ID_DELETE);
        EXPECT_EQ(Lines(v), (std::vector<VNString>{Line(u8"a　1"), Line(u8"c　3")}));
        EXPECT_EQ(Selection(v), 1);
        v.Command(E::ID_DELETE); // the last line: the previous one is selected
        EXPECT_EQ(Lines(v), (std::vector<VNString>{Line(u8"a　1")}));
        EXPECT_EQ(Selection(v), 0);
        v.Command(E::ID_DELETE);
        EXPECT_TRUE(Lines(v).empty());
        EXPECT_EQ(Selection(v), -1);
        v.Command(E::ID_DELETE); // nothing selected: nothing happens
        v.Command(E::ID_EXIT);
    });
    ExpectSaveQuestion(IDNO);
    EXPECT_EQ(editor.Run(), 0);
    EXPECT_EQ(editor.Table().GetCount(), 0);
}

TEST_F(ParamEditorTest, AFailedOpenOrDropKeepsTheTableAndTheFileName) {
    const std::string file = Write("a.flg", FlagFile({{VNString(u8"a"), 1}}));
    const std::string other = Write("b.flg", FlagFile({{VNString(u8"b"), 2}}));
    // An event file's signature is not "flagdata".
    const std::string event = Write("start.evt", StringItem("eventdata") + IntItem(0));
    auto table = std::make_unique<VNParamFile>();
    ASSERT_TRUE(table->Load(file));
    VNDParamEdit editor(std::move(table), file);
    hook.Push([&](ModalView& v) {
        v.Command(E::ID_OPEN); // chooser -> event file -> failure message
        EXPECT_EQ(Lines(v), (std::vector<VNString>{Line(u8"a　1")}));
        v.DropFiles({event, other}); // only the first counts
        EXPECT_EQ(Lines(v), (std::vector<VNString>{Line(u8"a　1")}));
        EXPECT_EQ(editor.FileName(), file);
        EXPECT_EQ(editor.Table().GetCount(), 1);
        v.Command(E::ID_OPEN); // a good file replaces the table
        EXPECT_EQ(Lines(v), (std::vector<VNString>{Line(u8"b　2")}));
        v.Command(E::ID_EXIT); // nothing modified: no question
    });
    ExpectChooser(ModalKind::OpenFile, u8"ファイルを開く", VNString(), event);
    ExpectMessage(u8"ロードに失敗しました。", u8"vnparedit", MsgIcon::Warning, IDOK);
    ExpectMessage(u8"ロードに失敗しました。", u8"フラグエディタ", MsgIcon::Warning, IDOK);
    ExpectChooser(ModalKind::OpenFile, u8"ファイルを開く", VNString(), other);
    EXPECT_EQ(editor.Run(), 0);
    EXPECT_EQ(fs::path(editor.FileName()), fs::absolute(other));
    EXPECT_FALSE(editor.IsModified());
}

TEST_F(ParamEditorTest, ADropOpensOnlyTheFirstFileByItsNameOnDisk) {
    const std::string file = Write("a.flg", FlagFile({{VNString(u8"a"), 1}}));
    const std::string cafe = Write("caf\xC3\xA9.flg", FlagFile({{VNString(u8"c"), 3}}));
    const std::string other = Write("b.flg", FlagFile({{VNString(u8"b"), 2}}));
    // "フ" is 83 74 in Shift-JIS: a name as files copied from old games have.
    const std::string raw = Write("\x83\x74.flg", FlagFile({{VNString(u8"f"), 4}}));
    auto table = std::make_unique<VNParamFile>();
    ASSERT_TRUE(table->Load(file));
    VNDParamEdit editor(std::move(table), file);
    hook.Push([&](ModalView& v) {
        v.Command(E::ID_ADD);
        // A first name with no Shift-JIS form is refused before anything is
        // asked, and the next file is not taken in its place.
        v.DropFiles({cafe, other});
        EXPECT_EQ(Lines(v), (std::vector<VNString>{Line(u8"a　1"), Line(u8"x　0")}));
        EXPECT_EQ(editor.FileName(), file);
        EXPECT_TRUE(editor.IsModified());
        v.DropFiles({raw, other}); // -> question, "no", then the raw name loads
        EXPECT_EQ(Lines(v), (std::vector<VNString>{Line(u8"f　4")}));
        v.Command(E::ID_EXIT);
    });
    ExpectInput("IDD_SETNAME", u8"パラメタの追加", u8"", VNString(u8"x"));
    ExpectNameWarning(u8"ファイル名", u8"フラグエディタ");
    ExpectSaveQuestion(IDNO);
    EXPECT_EQ(editor.Run(), 0);
    EXPECT_EQ(editor.FileName(), raw);
    EXPECT_FALSE(editor.IsModified());
}

TEST_F(ParamEditorTest, SaveAsProposesTheNameOnDiskAndConfirmingItRewritesThatFile) {
    // "フラグ" is 83 74 83 89 83 4F in Shift-JIS.
    struct Row {
        std::string name;
        VNString shown;
    };
    const std::vector<Row> rows = {
        {"\x83\x74\x83\x89\x83\x4F.flg", VNString(u8"フラグ.flg")},
        {"caf\xC3\xA9.flg", VNString(u8"caf?.flg")},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        fs::remove_all(dir);
        fs::create_directories(dir);
        const std::string file = Write(row.name, FlagFile({{VNString(u8"a"), 1}}));
        const std::string folder = dir.string() + "/";
        auto table = std::make_unique<VNParamFile>();
        ASSERT_TRUE(table->Load(file));
        VNDParamEdit editor(std::move(table), file);
        hook.Push([&](ModalView& v) {
            v.Command(E::ID_ADD);
            v.Command(E::ID_SAVEAS); // the proposal confirmed as it is
            v.Command(E::ID_EXIT);
        });
        ExpectInput("IDD_SETNAME", u8"パラメタの追加", u8"", VNString(u8"b"));
        hook.Push([&](ModalView& v) {
            EXPECT_EQ(v.Kind(), ModalKind::SaveFile);
            EXPECT_EQ(v.NativeText(), file);
            EXPECT_EQ(v.Text(), VNString::FromBytes(folder) + row.shown);
            v.Press(IDOK);
        });
        const std::string shownName = row.shown.ToUtf8Lossy();
        const std::u8string question = std::u8string(shownName.begin(), shownName.end()) +
                                       u8" は既に存在します。\n上書きしますか？";
        ExpectMessage(question.c_str(), u8"名前を付けて保存", MsgIcon::Warning, IDYES,
                      MsgButtons::YesNo);
        ExpectSaved();
        EXPECT_EQ(editor.Run(), 0);
        EXPECT_EQ(editor.FileName(), file);
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(dir))
            names.push_back(entry.path().filename().string());
        EXPECT_EQ(names, std::vector<std::string>{row.name}); // no second file
        EXPECT_EQ(Read(file), FlagFile({{VNString(u8"a"), 1}, {VNString(u8"b"), 0}}));
    }
}

TEST_F(ParamEditorTest, NamesWithoutAShiftJisFormAreRefusedWithAWarning) {
    // Add and rename alike; the table and the modified state stay as they were.
    const std::vector<std::pair<int, const char8_t*>> commands = {{E::ID_ADD, u8"パラメタの追加"},
                                                                  {E::ID_RENAME, u8"名前の変更"}};
    const std::vector<const char*> names = {"テスト\xED\x95\x9C\xF0\x9F\x98\x80", // テスト한😀
                                            "caf\xC3\xA9"};
    for (const auto& [command, caption] : commands) {
        for (const char* name : names) {
            SCOPED_TRACE(name);
            auto table = std::make_unique<VNParamFile>();
            table->Add(VNString(u8"a"), 1);
            VNDParamEdit editor(std::move(table), "");
            hook.Push([&, command = command](ModalView& v) {
                v.Dialog().ListSetSelection(E::IDC_LIST, 0);
                v.Command(command);
                EXPECT_EQ(Lines(v), (std::vector<VNString>{Line(u8"a　1")}));
                v.Command(E::ID_EXIT); // nothing changed: no question
            });
            ExpectTyped(caption, name);
            ExpectNameWarning(u8"パラメタ名", u8"vnparedit");
            EXPECT_EQ(editor.Run(), 0);
            EXPECT_FALSE(editor.IsModified());
            ASSERT_EQ(editor.Table().GetCount(), 1);
            EXPECT_EQ(editor.Table().GetName(0), VNString(u8"a"));
        }
    }
}

TEST_F(ParamEditorTest, SaveWritesTheFlagDataBytesAndAsksForANameFirst) {
    const std::string target = (dir / "新規.flg").string();
    hook.Push([&](ModalView& v) {
        v.Command(E::ID_ADD);
        v.Command(E::ID_ADD);
        v.Dialog().ListSetSelection(E::IDC_LIST, 1);
        v.Command(E::ID_SETVALUE);
        v.Command(E::ID_SAVE); // chooser cancelled: still modified
        v.Command(E::ID_SAVE); // chooser -> target, saved message
        v.Command(E::ID_EXIT); // saved: no question
    });
    ExpectInput("IDD_SETNAME", u8"パラメタの追加", u8"", VNString(u8"フラグ"));
    ExpectInput("IDD_SETNAME", u8"パラメタの追加", u8"", VNString(u8"b"));
    ExpectInput("IDD_SETVALUE", u8"値の設定", u8"0", VNString(u8"-2"));
    ExpectChooser(ModalKind::SaveFile, u8"名前を付けて保存", VNString(u8"新規フラグ.flg"), "");
    ExpectChooser(ModalKind::SaveFile, u8"名前を付けて保存", VNString(u8"新規フラグ.flg"), target);
    ExpectSaved();
    EXPECT_EQ(RunParamEditor({}), 0);
    EXPECT_EQ(Read(target), FlagFile({{VNString(u8"フラグ"), 0}, {VNString(u8"b"), -2}}));
    // The same bytes spelled out for the first entry: "フラグ" is 83 74 83 89 83 4F.
    const std::string bytes = Read(target);
    ASSERT_GE(bytes.size(), 36u);
    EXPECT_EQ(bytes.substr(0, 5), std::string("\x03\x08\x00\x00\x00", 5));
    EXPECT_EQ(static_cast<unsigned char>(bytes[5]), (0x66 - 21) & 0xFF); // 'f'
    EXPECT_EQ(bytes.substr(13, 5), std::string("\x01\x02\x00\x00\x00", 5));
    EXPECT_EQ(bytes.substr(18, 5), std::string("\x03\x06\x00\x00\x00", 5));
    EXPECT_EQ(static_cast<unsigned char>(bytes[23]), 0x83 - 21);
    EXPECT_EQ(static_cast<unsigned char>(bytes[24]), 0x74 - 21);
}

TEST_F(ParamEditorTest, SaveAsProposesTheCurrentNameAndAnEmptyTableIsEighteenBytes) {
    const std::string file = Write("a.flg", FlagFile({{VNString(u8"a"), 1}}));
    const std::string copy = (dir / "copy.flg").string();
    hook.Push([&](ModalView& v) {
        v.Dialog().ListSetSelection(E::IDC_LIST, 0);
        v.Command(E::ID_DELETE);
        v.Command(E::ID_SAVEAS);
        v.Command(E::ID_EXIT);
    });
    ExpectChooser(ModalKind::SaveFile, u8"名前を付けて保存", Path(file), copy);
    ExpectSaved();
    EXPECT_EQ(RunParamEditor({"\"" + file + "\""}), 0); // quotes are removed from the name
    EXPECT_EQ(Read(copy), StringItem("flagdata") + IntItem(0));
    EXPECT_EQ(Read(copy).size(), 18u);
    EXPECT_EQ(Read(file), FlagFile({{VNString(u8"a"), 1}}));
}

TEST_F(ParamEditorTest, ClosingWithChangesCancelKeepsTheWindowYesSavesThenCloses) {
    const std::string file = Write("a.flg", FlagFile({{VNString(u8"a"), 1}}));
    hook.Push([&](ModalView& v) {
        v.Command(E::ID_ADD);
        v.Close(); // question: cancel
        EXPECT_TRUE(v.IsOpen());
        v.Press(resources::IDCANCEL); // Escape asks too: cancel
        EXPECT_TRUE(v.IsOpen());
        v.Press(resources::IDOK); // Enter ends nothing
        EXPECT_TRUE(v.IsOpen());
        v.Close(); // question: yes -> saved while open, then closed
        EXPECT_FALSE(v.IsOpen());
    });
    ExpectInput("IDD_SETNAME", u8"パラメタの追加", u8"", VNString(u8"b"));
    ExpectSaveQuestion(IDCANCEL);
    ExpectSaveQuestion(IDCANCEL);
    hook.Push([&](ModalView& v) {
        EXPECT_EQ(v.Text(), VNString(u8"変更を保存しますか？"));
        // The file is written before the window goes.
        EXPECT_EQ(Read(file), FlagFile({{VNString(u8"a"), 1}}));
        v.Press(IDYES);
    });
    hook.Push([&](ModalView& v) {
        EXPECT_EQ(Read(file), FlagFile({{VNString(u8"a"), 1}, {VNString(u8"b"), 0}}));
        EXPECT_EQ(v.Text(), VNString(u8"ファイルに保存しました。"));
        v.Press(IDOK);
    });
    EXPECT_EQ(RunParamEditor({file}), 0);
    EXPECT_EQ(Read(file), FlagFile({{VNString(u8"a"), 1}, {VNString(u8"b"), 0}}));
}

TEST_F(ParamEditorTest, ExitWhoseSaveIsCancelledOrFailsKeepsTheWindowOpen) {
    fs::create_directories(dir / "gone");
    const std::string file = Write("gone/a.flg", FlagFile({{VNString(u8"a"), 1}}));
    auto table = std::make_unique<VNParamFile>();
    ASSERT_TRUE(table->Load(file));
    VNDParamEdit editor(std::move(table), file);
    hook.Push([&](ModalView& v) {
        v.Command(E::ID_ADD);
        fs::remove_all(dir / "gone"); // the save will fail
        v.Command(E::ID_EXIT);        // yes -> failure message, still open
        EXPECT_TRUE(v.IsOpen());
        v.Command(E::ID_EXIT); // no -> closed without saving
    });
    ExpectInput("IDD_SETNAME", u8"パラメタの追加", u8"", VNString(u8"b"));
    ExpectSaveQuestion(IDYES);
    const std::string failed = file + " のセーブに失敗しました。\n" + std::strerror(ENOENT);
    ExpectMessage(reinterpret_cast<const char8_t*>(failed.c_str()), u8"vnparedit", MsgIcon::Warning,
                  IDOK);
    ExpectSaveQuestion(IDNO);
    EXPECT_EQ(editor.Run(), 0);
    EXPECT_TRUE(editor.IsModified());

    // Unnamed: "yes" with the chooser cancelled keeps the window too.
    VNDParamEdit fresh(nullptr, "");
    hook.Push([&](ModalView& v) {
        v.Command(E::ID_ADD);
        v.Command(E::ID_EXIT);
        EXPECT_TRUE(v.IsOpen());
        v.Command(E::ID_EXIT);
    });
    ExpectInput("IDD_SETNAME", u8"パラメタの追加", u8"", VNString(u8"b"));
    ExpectSaveQuestion(IDYES);
    ExpectChooser(ModalKind::SaveFile, u8"名前を付けて保存", VNString(u8"新規フラグ.flg"), "");
    ExpectSaveQuestion(IDNO);
    EXPECT_EQ(fresh.Run(), 0);
}

TEST_F(ParamEditorTest, AFailedSaveAsNamesFileAndReasonAndKeepsTheName) {
    const std::string file = Write("a.flg", FlagFile({{VNString(u8"a"), 1}}));
    const std::string nowhere = (dir / "gone" / "b.flg").string();
    const std::string failed = nowhere + " のセーブに失敗しました。\n" + std::strerror(ENOENT);
    hook.Push([&](ModalView& v) {
        v.Command(E::ID_SAVEAS); // fails: the folder does not exist
        v.Command(E::ID_SAVE);   // writes the file named before
        v.Command(E::ID_EXIT);
    });
    ExpectChooser(ModalKind::SaveFile, u8"名前を付けて保存", Path(file), nowhere);
    ExpectMessage(reinterpret_cast<const char8_t*>(failed.c_str()), u8"vnparedit", MsgIcon::Warning,
                  IDOK);
    ExpectSaved();
    EXPECT_EQ(RunParamEditor({file}), 0);
    EXPECT_FALSE(fs::exists(nowhere));
}

TEST_F(ParamEditorTest, CommandLineNamesThatDoNotExistOrDoNotLoad) {
    ExpectMessage(u8"指定されたファイルは存在しません。", u8"フラグエディタ", MsgIcon::Warning,
                  IDOK);
    EXPECT_EQ(RunParamEditor({(dir / "missing.flg").string()}), 1);

    // A file that exists but does not load: reported, then an empty and
    // unnamed table, so saving asks for a name and the file stays as it was.
    const std::string broken = Write("broken.flg", std::string("\x03\x08\x00\x00", 4));
    ExpectMessage(u8"ロードに失敗しました。", u8"vnparedit", MsgIcon::Warning, IDOK);
    hook.Push([&](ModalView& v) {
        EXPECT_TRUE(Lines(v).empty());
        v.Command(E::ID_SAVE); // asks for a name: cancelled
        v.Command(E::ID_EXIT);
    });
    ExpectChooser(ModalKind::SaveFile, u8"名前を付けて保存", VNString(u8"新規フラグ.flg"), "");
    EXPECT_EQ(RunParamEditor({broken}), 0);
    EXPECT_EQ(Read(broken), std::string("\x03\x08\x00\x00", 4));

    // No argument: an empty list.
    hook.Push([&](ModalView& v) {
        EXPECT_TRUE(Lines(v).empty());
        v.Close();
    });
    EXPECT_EQ(RunParamEditor({}), 0);
}

TEST_F(ParamEditorTest, AFileChangedOnDiskIsReadAgainOrAskedAboutBeforeItIsOverwritten) {
    const std::string file = Write("a.flg", FlagFile({{VNString(u8"a"), 1}}));
    hook.Push([&](ModalView& v) {
        Write("a.flg", FlagFile({{VNString(u8"a"), 1}, {VNString(u8"b"), 2}}));
        auto& editor = dynamic_cast<VNDParamEdit&>(*VNDialog::FromHandle(v.Dialog().Handle()));
        editor.CheckFileOnDisk(); // as the watch does: read again, b comes
        v.Dialog().ListSetSelection(E::IDC_LIST, 0);
        v.Command(E::ID_SETVALUE);
        Write("a.flg", FlagFile({{VNString(u8"c"), 3}}));
        editor.CheckFileOnDisk();
        EXPECT_EQ(v.Dialog().GetCaption(), VNString(u8"[ディスク上で変更されています] vnparedit"));
        v.Command(E::ID_SAVE); // Cancel: the file on disk stays
        EXPECT_EQ(Read(file), FlagFile({{VNString(u8"c"), 3}}));
        v.Command(E::ID_SAVE); // OK: overwritten
        v.Command(E::ID_EXIT);
    });
    ExpectInput("IDD_SETVALUE", u8"値の設定", u8"1", VNString(u8"7"));
    const std::u8string question =
        std::u8string(reinterpret_cast<const char8_t*>(file.c_str())) +
        u8" は、読み込んだ後にディスク上で変更されています。\n上書きしてもよろしいですか？\n"
        u8"（キャンセルすると、ディスク上のファイルはそのまま残ります。）";
    for (int answer : {IDCANCEL, IDOK})
        ExpectMessage(question.c_str(), u8"vnparedit", MsgIcon::Warning, answer,
                      MsgButtons::OkCancel);
    ExpectSaved();
    EXPECT_EQ(RunParamEditor({file}), 0);
    EXPECT_EQ(Read(file), FlagFile({{VNString(u8"a"), 7}, {VNString(u8"b"), 2}}));
}

} // namespace
