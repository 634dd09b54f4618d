#include "resources/EventEditorResources.h"

#include "resources/EventDialogResources.h"
#include "resources/EventEditorUndoFind.h"
#include "resources/GameCheckResources.h"
#include "resources/ProgramIcons.h"

namespace resources {

namespace {

DialogTemplate EventEdit() {
    namespace id = event_edit;
    constexpr int kTop = 6, kButtonWidth = 42, kButtonStep = 45, kFirstButton = 161;
    std::vector<ControlSpec> controls = {
        ComboBox(id::InsertType, 7, kTop, 100, 200),
        Button(id::Insert, u8"挿入(&I)", 111, kTop, kButtonWidth, 14),
    };
    const std::pair<int, const char8_t*> buttons[] = {{id::Change, u8"変更"},
                                                      {id::Cut, u8"切り取り"},
                                                      {id::Copy, u8"コピー"},
                                                      {id::Paste, u8"貼り付け"},
                                                      {id::Delete, u8"削除"}};
    int x = kFirstButton;
    for (const auto& [button, text] : buttons) {
        controls.push_back(Button(button, text, x, kTop, kButtonWidth, 14,
                                  button == id::Change ? cf::DefaultButton : 0));
        x += kButtonStep;
    }
    controls.push_back(
        ListBox(id::List, 7, 26, x - 10, 234, cf::HScroll | cf::Notify | cf::DeleteKey));
    DialogTemplate window(u8"vnevedit", x + 4, 266, std::move(controls), "IDR_MENUMAIN",
                          df::AcceptFiles | df::MinimizeBox);
    window.accelerators = "IDR_ACCELMAIN";
    return window;
}

MenuSpec MainMenu() {
    namespace id = event_edit;
    return {{
        Popup(u8"ファイル(&F)",
              {
                  Command(u8"開く(&O)", id::Open),
                  Separator(),
                  Command(u8"保存(&S)", id::Save),
                  Command(u8"名前を付けて保存(&A)", id::SaveAs),
                  Separator(),
                  Command(u8"終了(&X)", id::Exit),
              }),
        Popup(u8"編集(&E)",
              {
                  Command(u8"挿入(&I)", id::Insert),
                  Command(u8"変更(&E)", id::Change),
                  Separator(),
                  Command(u8"切り取り(&X)", id::Cut),
                  Command(u8"コピー(&C)", id::Copy),
                  Command(u8"貼り付け(&V)", id::Paste),
                  Command(u8"削除(&D)", id::Delete),
                  Separator(),
                  Command(u8"スクリプトで編集(&S)", id::EditScript),
              }),
    }};
}

} // namespace

std::vector<MenuItem> FileMenuAdditions() {
    return {Separator(), Command(u8"このファイルをチェック", event_edit::CheckFile)};
}

namespace {

DialogTemplate ScriptInput() {
    const FontSpec fixed{u8"ＭＳ ゴシック", 0, 20, false};
    return DialogTemplate(
        u8"スクリプト編集", 400, 260,
        {
            MultiLineEdit(script_edit::Text, 0, 0, 400, 260, cf::WantReturn | cf::HScroll, fixed),
        },
        "IDR_MENUSCRIPT", df::AcceptFiles | df::Resizable);
}

MenuSpec ScriptMenu() {
    namespace id = script_edit;
    return {{
        Popup(u8"ファイル(&F)",
              {
                  Command(u8"テキストファイルから読み込む(&O)", id::LoadText),
                  Separator(),
                  Command(u8"テキストファイルとして保存(&S)", id::SaveText),
                  Separator(),
                  Command(u8"変更を保存して戻る(&X)", id::Apply),
                  Command(u8"中止(&C)", id::Abandon),
              }),
    }};
}

ResourceSet MakeEventEditorResources() {
    ResourceSet set("vnevedit");
    set.AddDialog("IDD_EVENTEDIT", EventEdit());
    set.AddMenu("IDR_MENUMAIN", MainMenu());
    set.AddDialog("IDD_SCRIPTINPUT", ScriptInput());
    set.AddMenu("IDR_MENUSCRIPT", ScriptMenu());
    AddUndoAndFind(set);
    AddEditorEventDialogs(set);
    AddGameCheckResources(set);
    set.AddIcon("IDI_ICON", MakeProgramIcon(ProgramIcon::EventEditor));
    return set;
}

} // namespace

const ResourceSet& EventEditorResources() {
    static const ResourceSet set = MakeEventEditorResources();
    return set;
}

} // namespace resources
