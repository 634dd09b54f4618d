// vnevedit's "このファイルをチェック": the findings of the open file only, the
// chosen one selecting its event, and a file outside any game folder.
#include "tests/eventeditor/EventEditorTestSupport.h"

#include "resources/GameCheckResources.h"

#include <filesystem>

namespace edtest {
namespace {

TEST_F(EventEditorTest, CheckThisFileListsItsOwnFindingsAndSelectsTheChosenEvent) {
    namespace check = resources::check_id;
    // Event 2 jumps to a label the file does not define.
    const std::string bad = EventFileBytes(
        {Narration("a"),
         Record(EVENTCODE_JUMP, {std::string(), std::string("nowhere"), 0, std::string()})});
    std::filesystem::create_directories(folder / "game/event");
    Write("game/event/other.evt", bad);
    const std::string cases[] = {Write("game/event/start.evt", bad), Write("loose.evt", bad)};
    for (const std::string& file : cases) {
        const bool inGame = file != cases[1];
        EventEditDlg editor;
        hook.Push([&](ModalView& v) {
            EXPECT_TRUE(v.Dialog().ChooseMenuItem(ids::CheckFile)); // the item is in the menu
            EXPECT_EQ(Selection(v), inGame ? 1 : -1);
            v.Command(ids::Exit);
        });
        if (inGame) {
            hook.Push([](ModalView& v) {
                int found = -1;
                for (int i = 0; i < v.Dialog().ListCount(check::List); ++i) {
                    const std::string line = v.Dialog().ListGetText(check::List, i).ToUtf8Lossy();
                    EXPECT_TRUE(line.starts_with("event/start.evt:")) << line;
                    if (line.starts_with("event/start.evt:2: error:"))
                        found = i;
                }
                v.Dialog().ListSetSelection(check::List, found);
                v.Press(check::Open);
            });
        } else {
            ExpectMessage(VNString(u8"このファイルはゲームフォルダの event "
                                   u8"フォルダにないため、チェックできません。"),
                          u8"このファイルをチェック", MsgIcon::Warning, platform::IDOK);
        }
        editor.Run(file);
    }
}

} // namespace
} // namespace edtest
