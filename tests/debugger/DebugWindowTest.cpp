// The debug window and its dialogs without a running game: what the fields
// show, the titles and buttons of each run state, the button faces, the value
// dialog's typing and the event list's saving.
#include "DebugSession.h"

#include "debugger/VNDEventList.h"
#include "debugger/VNDParamList.h"
#include "platform/Application.h"
#include "platform/ModalHook.h"
#include "resources/VirtualKeys.h"
#include "scenario/VNEventFile.h"

#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sys/resource.h>

using namespace debugtest;
using namespace playertest;
using platform::ModalView;

namespace {

// Makes sure the application holds vnprobe's resources.
struct ProbeApplication {
    ProbeApplication() { static_cast<void>(Session(PlayerEdition::Probe)); }
};

VNEvent Event(int32_t code, std::vector<const char*> strings, std::vector<int32_t> ints = {}) {
    VNEvent e(code);
    size_t s = 0, i = 0;
    for (int32_t n = 0; n < e.GetParamCount(); ++n) {
        if (e.IsIntArg(n))
            e.SetInt(n, i < ints.size() ? ints[i++] : 0);
        else
            e.SetString(n, VNString(s < strings.size() ? strings[s++] : ""));
    }
    return e;
}

// Records the pictures a button handler draws.
class RecordingCanvas : public platform::DrawCanvas {
public:
    void Fill(int, int, int, int, uint32_t) override {}
    void Frame(int, int, int, int, bool) override {}
    void Text(int, int, int, int, const VNString&, uint32_t) override {}
    void Picture(int, int, const uint32_t* p, int w, int h) override {
        width = w;
        height = h;
        pixels.assign(p, p + w * h);
    }
    uint32_t At(int x, int y) const { return pixels.at(y * width + x) & 0xFFFFFF; }
    int width = 0, height = 0;
    std::vector<uint32_t> pixels;
};

} // namespace

TEST(DebugWindow, ShowsTheNextEventAsItsScriptLineAndTheLastReportOnce) {
    ProbeApplication app;
    VNEventFile events;
    struct Row {
        VNEvent event;
        const char* line;
    };
    // Narration keeps a leading mark; codes 12 and 15 carry the players' names.
    const Row rows[] = {
        {Event(EVENTCODE_NARRATION, {"@mark first"}), "@mark first"},
        {Event(EVENTCODE_NARRATION, {"plain"}), "plain"},
        {Event(EVENTCODE_SERIF, {"A", "hi"}), "\\A\\hi"},
        {Event(EVENTCODE_TITLE, {"chapter"}), "@title chapter"},
        {Event(EVENTCODE_MSGBOX, {}, {3}), "@msgbox 3"},
        {Event(EVENTCODE_JUMP, {"", "top", ""}, {0}), "@jump nil top 0 nil"},
    };
    for (const Row& row : rows)
        events.Push(&row.event);

    VNDDebug debug("unused");
    debug.Show(true);
    ASSERT_TRUE(debug.IsVisible());
    debug.SetStatus(VNString(u8"報告"));
    for (int32_t i = 0; i < events.GetCount(); ++i) {
        SCOPED_TRACE(i);
        debug.SetPosition(VNString("a.evt"), &events, i);
        debug.Refresh();
        EXPECT_EQ(U(debug.Controls().GetText(id::EventText)), rows[i].line);
        EXPECT_EQ(U(debug.Controls().GetText(id::LineNumber)), std::to_string(i + 1));
        EXPECT_EQ(U(debug.Controls().GetText(id::FileName)), "a.evt");
        // A report shows at the refresh after it and is gone at the next.
        EXPECT_EQ(U(debug.Controls().GetText(id::Status)), i == 0 ? "報告" : "");
    }
    // Past the end there is no next event.
    debug.SetPosition(VNString("a.evt"), &events, events.GetCount());
    debug.Refresh();
    EXPECT_EQ(U(debug.EventText()), "");
    // What the interpreter continues from.
    VNString name;
    std::unique_ptr<VNEventFile> replacement;
    int32_t index = -7;
    debug.TakePosition(name, replacement, index);
    EXPECT_EQ(U(name), "a.evt");
    EXPECT_FALSE(replacement);
    EXPECT_EQ(index, events.GetCount());
    debug.Show(false);
    EXPECT_FALSE(debug.IsVisible());
}

TEST(DebugWindow, TitlesButtonsAndFacesFollowTheRunState) {
    ProbeApplication app;
    VNDDebug debug("unused");
    struct Row {
        int32_t state;
        const char* title;
        bool play, pause, step;
    };
    const Row rows[] = {
        {DEBUG_STATE_PLAYING, "[プレイ中] - デバッグウィンドウ -", false, true, false},
        {DEBUG_STATE_ONE_STEP, "[イベントを１つ実行中] - デバッグウィンドウ -", false, true, false},
        {DEBUG_STATE_PAUSED, "[一時停止中] - デバッグウィンドウ -", true, false, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.state);
        // Set while hidden, applied when shown; set while shown, applied at once.
        debug.Show(false);
        debug.SetState(row.state);
        debug.Show(true);
        platform::DialogHost& c = debug.Controls();
        EXPECT_EQ(U(c.GetCaption()), row.title);
        EXPECT_EQ(c.IsControlEnabled(id::Play), row.play);
        EXPECT_EQ(c.IsControlEnabled(id::Pause), row.pause);
        EXPECT_EQ(c.IsControlEnabled(id::Step), row.step);
        debug.SetState(DEBUG_STATE_PAUSED);
        debug.SetState(row.state);
        EXPECT_EQ(U(c.GetCaption()), row.title);
        EXPECT_EQ(debug.State(), row.state);
    }
    // Navigation is off until the interpreter pauses.
    EXPECT_FALSE(debug.Controls().IsControlEnabled(id::ChooseLine));
    debug.EnableNavigation(true);
    for (int button : {id::ChooseFile, id::ChooseLine, id::EditEvent})
        EXPECT_TRUE(debug.Controls().IsControlEnabled(button)) << button;

    // The faces: the mark's colour tells normal, pressed and disabled apart,
    // and the pressed mark sits one pixel lower and further right.
    struct Face {
        int button;
        bool pushed, disabled;
        int x, y;
        uint32_t colour;
    };
    const Face faces[] = {
        {id::Play, false, false, 14, 16, 0x2C7A3F}, {id::Play, true, false, 15, 17, 0x1F5C2E},
        {id::Play, false, true, 14, 16, 0xB0ADA6},  {id::Pause, false, false, 11, 9, 0x2C7A3F},
        {id::Pause, true, false, 12, 10, 0x1F5C2E}, {id::Step, false, true, 22, 20, 0xB0ADA6},
    };
    for (const Face& f : faces) {
        SCOPED_TRACE(f.button);
        RecordingCanvas canvas;
        platform::DrawItem item;
        item.controlId = f.button;
        item.width = item.height = 40;
        item.pushed = f.pushed;
        item.disabled = f.disabled;
        item.canvas = &canvas;
        debug.OnDrawItem(f.button, item);
        EXPECT_TRUE(item.drawn);
        ASSERT_EQ(canvas.width, 32);
        ASSERT_EQ(canvas.height, 32);
        EXPECT_EQ(canvas.At(f.x, f.y), f.colour);
        EXPECT_EQ(canvas.At(3, 3), f.pushed ? 0xD8D4CAu : 0xECE9E2u); // the face around the mark
    }
    debug.Show(false);
}

TEST(DebugWindow, ValueFieldTakesASignAndDigitsOnly) {
    ProbeApplication app;
    platform::ModalHook hook;
    hook.Push([](ModalView& v) {
        platform::DialogHost& d = v.Dialog();
        EXPECT_EQ(U(d.GetText(id::Value)), "7");
        d.SetText(id::Value, VNString());
        for (int key : {platform::VK_SUBTRACT, int('4'), int('X'), platform::VK_SUBTRACT, int('2')})
            d.PressKey(id::Value, key);
        EXPECT_EQ(U(d.GetText(id::Value)), "-42");
        v.Press(1);
    });
    VNDSetValue dialog(7);
    ASSERT_TRUE(dialog.Run(nullptr));
    EXPECT_EQ(dialog.Value(), -42);
    EXPECT_TRUE(hook.Problems().empty());
}

TEST(DebugWindow, EventListSavesAsAndKeepsItsChangesWhenSavingFails) {
    ProbeApplication app;
    GameFolder game;
    VNEventFile events;
    const VNEvent first = Event(EVENTCODE_COMMENT, {"one"});
    events.Push(&first);
    // "busy.evt" is a folder: saving to it fails.
    std::filesystem::create_directories(game.Root() / "event" / "busy.evt");
    platform::ModalHook hook;
    hook.Push([&](ModalView& v) {
        EXPECT_EQ(U(v.Dialog().ListGetText(id::List, 0)), "1    ; one");
        // Save as: a copy, the running file keeps its name.
        hook.Push([&](ModalView& chooser) {
            EXPECT_EQ(chooser.Kind(), platform::ModalKind::SaveFile);
            EXPECT_EQ(U(chooser.Caption()), "名前を付けて保存");
            EXPECT_TRUE(U(chooser.Text()).ends_with("/event/新規イベント.evt"))
                << U(chooser.Text());
            VNString path;
            ASSERT_TRUE(VNString::FromUtf8((game.Root() / "copy.evt").string(), path));
            chooser.ChooseFile(path);
        });
        hook.Push([](ModalView& done) {
            EXPECT_EQ(U(done.Text()), "ファイルに保存しました。");
            EXPECT_EQ(U(done.Caption()), "確認");
            done.Press(platform::IDOK);
        });
        v.Press(id::SaveAs);
        // Edit the line (a comment), then try to save to the folder.
        hook.Push([](ModalView& edit) {
            EXPECT_EQ(edit.TemplateName(), "IDD_COMMENT");
            edit.Dialog().SetText(resources::event_id::Text, VNString("two"));
            edit.Press(1);
        });
        v.Dialog().ListSetSelection(id::List, 0);
        v.Press(id::Edit);
        hook.Push([](ModalView& failed) {
            EXPECT_EQ(U(failed.Text()), "保存に失敗しました。");
            EXPECT_EQ(U(failed.Caption()), "vnevedit");
            EXPECT_EQ(failed.Icon(), platform::MsgIcon::Warning);
            failed.Press(platform::IDOK);
        });
        v.Press(id::SaveToFile);
        // Still changed: closing asks; a failed "Yes" keeps the list open.
        hook.Push([](ModalView& ask) { ask.Press(platform::IDYES); });
        hook.Push([](ModalView& failed) { failed.Press(platform::IDOK); });
        v.Press(id::Back);
        EXPECT_TRUE(v.IsOpen());
        hook.Push([](ModalView& ask) { ask.Press(platform::IDNO); });
        v.Press(id::Jump); // a jump closes first
        EXPECT_FALSE(v.IsOpen());
    });
    VNDEventList list(events, VNString("busy.evt"), game.Root().string(), 0);
    list.Run(nullptr);
    EXPECT_EQ(list.JumpIndex(), 0);
    EXPECT_TRUE(list.Modified());
    EXPECT_TRUE(hook.Problems().empty());
    EXPECT_EQ(hook.Pending(), 0u);
    EXPECT_EQ(events.Get(0)->GetString(0), VNString("two"));
    VNEventFile copy;
    ASSERT_TRUE(copy.Load((game.Root() / "copy.evt").string()));
    EXPECT_EQ(copy.Get(0)->GetString(0), VNString("one"));
}

TEST(DebugWindow, EventListSaveThatFailsHalfWayKeepsTheOldEventFile) {
    ProbeApplication app;
    GameFolder game;
    std::vector<VNEvent> written;
    for (int n = 0; n < 40; ++n)
        written.push_back(Event(EVENTCODE_COMMENT, {"a comment long enough to fill the file"}));
    game.WriteEvents("start.evt", written);
    const std::filesystem::path path = game.Root() / "event" / "start.evt";
    const auto readAll = [&] {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    };
    const std::string before = readAll();
    ASSERT_GT(before.size(), 1000u);
    VNEventFile events;
    ASSERT_TRUE(events.Load(path.string()));

    platform::ModalHook hook;
    hook.Push([&](ModalView& v) {
        hook.Push([](ModalView& edit) {
            edit.Dialog().SetText(resources::event_id::Text, VNString("changed"));
            edit.Press(1);
        });
        v.Dialog().ListSetSelection(id::List, 0);
        v.Press(id::Edit);
        hook.Push([](ModalView& failed) {
            EXPECT_EQ(U(failed.Text()), "保存に失敗しました。");
            failed.Press(platform::IDOK);
        });
        // The disk "fills up" after 64 bytes of the new file.
        rlimit old{};
        ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = old;
        small.rlim_cur = 64;
        ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
        v.Press(id::SaveToFile);
        setrlimit(RLIMIT_FSIZE, &old);
        std::signal(SIGXFSZ, oldHandler);
        hook.Push([](ModalView& ask) { ask.Press(platform::IDNO); });
        v.Press(id::Back);
    });
    VNDEventList list(events, VNString("start.evt"), game.Root().string(), 0);
    list.Run(nullptr);
    EXPECT_TRUE(hook.Problems().empty());
    EXPECT_EQ(hook.Pending(), 0u);
    EXPECT_TRUE(list.Modified());
    // The running file keeps the change; the file on disk is the old one,
    // whole, with nothing left beside it.
    EXPECT_EQ(events.Get(0)->GetString(0), VNString("changed"));
    EXPECT_EQ(readAll(), before);
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(game.Root() / "event"))
        names.push_back(entry.path().filename().string());
    EXPECT_EQ(names, std::vector<std::string>{"start.evt"});
}

TEST(DebugWindow, EventListAsksBeforeWritingOverAFileChangedOnDisk) {
    ProbeApplication app;
    GameFolder game;
    game.WriteEvents("start.evt", {Event(EVENTCODE_COMMENT, {"one"})});
    const std::string path = (game.Root() / "event" / "start.evt").string();
    const auto onDisk = [&] {
        VNEventFile read;
        return read.Load(path) ? U(read.Get(0)->GetString(0)) : std::string();
    };
    VNEventFile events;
    ASSERT_TRUE(events.Load(path));
    platform::ModalHook hook;
    hook.Push([&](ModalView& v) {
        game.WriteEvents("start.evt", {Event(EVENTCODE_COMMENT, {"from outside"})});
        hook.Push([](ModalView& edit) {
            edit.Dialog().SetText(resources::event_id::Text, VNString("two"));
            edit.Press(1);
        });
        v.Press(id::Edit); // the list opens with line 1 selected
        for (int answer : {platform::IDCANCEL, platform::IDOK})
            hook.Push([answer](ModalView& ask) {
                EXPECT_EQ(U(ask.Text()),
                          "start.evt は、読み込んだ後にディスク上で変更されています。\n"
                          "上書きしてもよろしいですか？\n"
                          "（キャンセルすると、ディスク上のファイルはそのまま残ります。）");
                EXPECT_EQ(U(ask.Caption()), "vnevedit");
                ask.Press(answer);
            });
        v.Press(id::SaveToFile); // Cancel: the file on disk stays
        EXPECT_EQ(onDisk(), "from outside");
        hook.Push([](ModalView& done) { done.Press(platform::IDOK); });
        v.Press(id::SaveToFile); // OK: overwritten
        v.Press(id::Back);
    });
    VNDEventList(events, VNString("start.evt"), game.Root().string(), 0).Run(nullptr);
    EXPECT_TRUE(hook.Problems().empty());
    EXPECT_EQ(onDisk(), "two");
}
