#include "resources/BreakpointResources.h"

namespace resources {

namespace {

namespace id = break_id;

DialogTemplate BreakCondition() {
    return DialogTemplate(u8"ブレークポイントの条件", 220, 88,
                          {
                              Label(u8"パラメタ名（空欄なら条件なし）:", 7, 9, 206, 10),
                              EditField(id::Param, 7, 21, 206, 12),
                              ComboBox(id::Compare, 7, 39, 110, 60),
                              EditField(id::Value, 121, 39, 92, 12, cf::SignedNumber),
                              Label(u8"のとき一時停止します。", 7, 55, 206, 10),
                              Button(IDOK, u8"OK", 110, 69, 50, 14, cf::DefaultButton),
                              Button(IDCANCEL, u8"キャンセル", 163, 69, 50, 14),
                          });
}

DialogTemplate Watch() {
    return DialogTemplate(u8"ウォッチ", 180, 200,
                          {
                              Label(u8"パラメタ名:", 7, 9, 50, 10),
                              EditField(id::WatchName, 57, 7, 76, 12),
                              Button(id::AddWatch, u8"追加(&A)", 137, 6, 36, 14, cf::DefaultButton),
                              ListBox(id::WatchList, 7, 24, 166, 150, cf::DeleteKey),
                              Button(id::RemoveWatch, u8"削除(&D)", 137, 179, 36, 14),
                          });
}

} // namespace

std::vector<ControlSpec> BreakpointButtons(int y) {
    return {
        Button(id::Toggle, u8"ブレークポイントの切り替え", 7, y, 104, 14),
        Button(id::Condition, u8"条件(&C)...", 115, y, 50, 14),
        Button(id::RunToHere, u8"ここまで実行", 169, y, 60, 14),
        Button(id::InsertCopy, u8"複製を挿入(&I)", 233, y, 70, 14),
        Button(id::DeleteEvent, u8"削除(&D)", 307, y, 44, 14),
    };
}

void AddBreakpointResources(ResourceSet& set) {
    set.AddDialog("IDD_BREAKCONDITION", BreakCondition());
    set.AddDialog("IDD_WATCH", Watch());
}

} // namespace resources
