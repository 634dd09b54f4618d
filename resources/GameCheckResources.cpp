#include "resources/GameCheckResources.h"

namespace resources {

namespace {

DialogTemplate GameCheck() {
    namespace id = check_id;
    const int w = 400;
    const int h = 220;
    return DialogTemplate(
        u8"ゲームのチェック", w, h,
        {
            Label(u8"", 7, 9, w - 124, 10, 0, id::Heading),
            ListBox(id::List, 7, 24, w - 14, h - 50, cf::HScroll | cf::Notify),
            Button(id::Open, u8"開く(&O)", w - 124, h - 21, 57, 14, cf::DefaultButton),
            Button(IDCANCEL, u8"閉じる", w - 64, h - 21, 57, 14),
        });
}

} // namespace

void AddGameCheckResources(ResourceSet& set) {
    set.AddDialog("IDD_GAMECHECK", GameCheck());
}

} // namespace resources
