#include "resources/EventEditorUndoFind.h"

#include "resources/EventEditorResources.h"
#include "resources/VirtualKeys.h"

namespace resources {

std::vector<MenuItem> EditMenuAdditions() {
    namespace id = event_edit;
    return {
        Separator(),
        Command(u8"元に戻す\tCtrl+Z", id::Undo),
        Command(u8"やり直し\tCtrl+Y", id::Redo),
        Separator(),
        Command(u8"検索\tCtrl+F", id::Find),
        Command(u8"次を検索\tF3", id::FindNext),
        Command(u8"前を検索\tShift+F3", id::FindPrevious),
    };
}

namespace {

AcceleratorTable EditKeys() {
    namespace id = event_edit;
    return {{
        {'Z', af::Control, id::Undo},
        {'Y', af::Control, id::Redo},
        {'F', af::Control, id::Find},
        {keys::VK_F1 + 2, 0, id::FindNext},
        {keys::VK_F1 + 2, af::Shift, id::FindPrevious},
    }};
}

DialogTemplate FindDialog() {
    namespace id = find_text;
    return DialogTemplate(u8"検索", 256, 48,
                          {
                              Label(u8"検索する文字列(&N):", 7, 9, 80, 8),
                              EditField(id::Text, 90, 7, 159, 12),
                              Button(id::Next, u8"次を検索(&F)", 90, 27, 52, 14, cf::DefaultButton),
                              Button(id::Previous, u8"前を検索(&B)", 145, 27, 52, 14),
                              Button(IDCANCEL, u8"キャンセル", 200, 27, 49, 14),
                          });
}

} // namespace

void AddUndoAndFind(ResourceSet& set) {
    set.AddAccelerators("IDR_ACCELMAIN", EditKeys());
    set.AddDialog("IDD_FIND", FindDialog());
}

} // namespace resources
