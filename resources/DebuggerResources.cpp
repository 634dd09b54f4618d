#include "resources/DebuggerResources.h"

#include "resources/BreakpointResources.h"

#include "resources/private/EmbeddedFiles.h"

#include <string>

namespace resources {

namespace {

namespace id = debug_id;

// The debug window beside the game: buttons on top, the next event in a
// group, the interpreter's last report below.
DialogTemplate DebugWindow() {
    const int w = 199;
    return DialogTemplate(u8"デバッグウィンドウ", w, 271,
                          {
                              OwnerDrawnButton(id::Play, u8"play(&P)", 7, 7, 21, 20),
                              OwnerDrawnButton(id::Pause, u8"pause(&S)", 31, 7, 21, 20),
                              OwnerDrawnButton(id::Step, u8"stepin(&N)", 55, 7, 21, 20),
                              GroupBox(u8"次に実行されるイベントの情報", 4, 32, w - 8, 168),
                              Label(u8"イベントファイル:", 10, 48, 56, 10),
                              EditField(id::FileName, 66, 46, 100, 12, cf::ReadOnly),
                              Button(id::ChooseFile, u8"...", 170, 46, 20, 12),
                              Label(u8"行番号:", 10, 64, 56, 10),
                              EditField(id::LineNumber, 66, 62, 40, 12, cf::ReadOnly),
                              Button(id::ChooseLine, u8"...", 110, 62, 20, 12),
                              Label(u8"イベント:", 10, 80, 56, 10),
                              MultiLineEdit(id::EventText, 10, 92, 156, 102, cf::ReadOnly),
                              Button(id::EditEvent, u8"...", 170, 92, 20, 12),
                              Button(break_id::Watches, u8"ウォッチ(&W)...", w - 67, 10, 60, 14),
                              Label(u8"ステータス:", 7, 206, 60, 10),
                              MultiLineEdit(id::Status, 7, 218, w - 14, 46, cf::ReadOnly),
                          });
}

// The list with its breakpoint row between the list and the bottom row.
DialogTemplate EventList() {
    const int w = 380;
    const int h = 278;
    std::vector<ControlSpec> controls = {
        Label(u8"ジャンプ先を選んでください。イベントの編集も可能です。", 7, 9, 220, 10),
        Button(id::Edit, u8"編集(&E)", w - 124, 7, 56, 14),
        Button(id::Jump, u8"ジャンプ(&J)", w - 64, 7, 57, 14, cf::DefaultButton),
        ListBox(id::List, 7, 26, w - 14, 208, cf::HScroll | cf::Notify | cf::DeleteKey | cf::F9Key),
        Button(id::SaveAs, u8"名前を付けて保存(&A)", 7, h - 21, 84, 14),
        Button(id::SaveToFile, u8"ファイルに保存(&S)", 95, h - 21, 76, 14),
        Button(id::Back, u8"戻る(&B)", w - 64, h - 21, 57, 14),
    };
    for (ControlSpec& button : BreakpointButtons(238)) {
        controls.push_back(button);
    }
    return DialogTemplate(u8"イベントリスト", w, h, std::move(controls));
}

DialogTemplate LoadEventFile() {
    return DialogTemplate(u8"ジャンプ先指定", 220, 62,
                          {
                              Label(u8"ロードするイベントファイル:", 7, 9, 120, 10),
                              EditField(id::EventFile, 7, 21, 160, 12),
                              Button(id::Browse, u8"参照(&R)", 171, 20, 42, 14),
                              Button(IDOK, u8"OK", 110, 41, 50, 14, cf::DefaultButton),
                              Button(IDCANCEL, u8"キャンセル", 163, 41, 50, 14),
                          });
}

DialogTemplate ParamList() {
    return DialogTemplate(u8"パラメタ", 200, 200,
                          {
                              Label(u8"パラメタの値を変更できます。", 7, 7, 186, 10),
                              ListBox(id::List, 7, 20, 186, 152, cf::Notify),
                              Button(id::SetValue, u8"値の設定", 7, 179, 60, 14, cf::DefaultButton),
                              Button(id::Return, u8"戻る", 133, 179, 60, 14),
                          });
}

DialogTemplate SetValue() {
    return DialogTemplate(u8"値の設定", 160, 62,
                          {
                              EditField(id::Value, 7, 7, 146, 12, cf::SignedNumber),
                              Label(u8"符号付き整数値です。", 7, 23, 146, 10),
                              Button(IDOK, u8"OK", 50, 41, 50, 14, cf::DefaultButton),
                              Button(IDCANCEL, u8"キャンセル", 103, 41, 50, 14),
                          });
}

// One face of a button: the 32-pixel picture under resources/icons.
IconSpec ButtonFace(const char* file) {
    IconSpec icon;
    if (const detail::EmbeddedFile* f = detail::FindEmbeddedFile(std::string(file) + ".png"))
        icon.images.push_back({32, f->data, f->size});
    return icon;
}

void AddButtonFaces(ResourceSet& set, const ButtonIconNames& names, const char* file) {
    set.AddIcon(names.normal, ButtonFace(file));
    set.AddIcon(names.down, ButtonFace((std::string(file) + "-down").c_str()));
    set.AddIcon(names.disabled, ButtonFace((std::string(file) + "-disabled").c_str()));
}

} // namespace

void AddDebuggerResources(ResourceSet& set) {
    set.AddDialog("IDD_DEBUG", DebugWindow());
    set.AddDialog("IDD_EVENTLIST", EventList());
    set.AddDialog("IDD_LOADEVENTFILE", LoadEventFile());
    set.AddDialog("IDD_PARAMLIST", ParamList());
    set.AddDialog("IDD_SETVALUE", SetValue());
    AddBreakpointResources(set);
    AddButtonFaces(set, kPlayIcons, "debug-play");
    AddButtonFaces(set, kPauseIcons, "debug-pause");
    AddButtonFaces(set, kStepIcons, "debug-step");
}

} // namespace resources
