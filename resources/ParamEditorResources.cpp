#include "resources/ParamEditorResources.h"

#include "resources/ProgramIcons.h"

namespace resources {

namespace {

ResourceSet MakeParamEditorResources() {
    ResourceSet set("vnparedit");

    set.AddDialog("IDD_PARAMEDIT", DialogTemplate(u8"vnparedit", 220, 200,
                                                  {
                                                      ListBox(1011, 0, 0, 220, 200),
                                                  },
                                                  "IDR_MENU", df::AcceptFiles));

    set.AddDialog("IDD_SETNAME",
                  DialogTemplate(u8"パラメタ名", 200, 56,
                                 {
                                     Label(u8"パラメタ名:", 7, 7, 100, 8),
                                     EditField(1002, 7, 18, 186, 12, cf::HScroll),
                                     Button(IDOK, u8"OK", 89, 36, 50, 14, cf::DefaultButton),
                                     Button(IDCANCEL, u8"キャンセル", 143, 36, 50, 14),
                                 }));

    set.AddDialog("IDD_SETVALUE",
                  DialogTemplate(u8"パラメタの値", 200, 68,
                                 {
                                     Label(u8"パラメタの値:", 7, 7, 100, 8),
                                     EditField(1002, 7, 18, 186, 12, cf::AlignRight),
                                     Label(u8"正負の整数値を指定してください。", 7, 34, 186, 8),
                                     Button(IDOK, u8"OK", 89, 48, 50, 14, cf::DefaultButton),
                                     Button(IDCANCEL, u8"キャンセル", 143, 48, 50, 14),
                                 }));

    set.AddMenu("IDR_MENU", {{
                                Popup(u8"ファイル(&O)",
                                      {
                                          Command(u8"開く(&O)", 40001),
                                          Separator(),
                                          Command(u8"保存(&S)", 40002),
                                          Command(u8"名前を付けて保存(&A)", 40003),
                                          Separator(),
                                          Command(u8"終了(&X)", 40004),
                                      }),
                                Popup(u8"編集(&E)",
                                      {
                                          Command(u8"追加(&A)", 40005),
                                          Separator(),
                                          Command(u8"名前の変更(&N)", 40006),
                                          Command(u8"値の設定(&V)", 40007),
                                          Separator(),
                                          Command(u8"削除(&D)", 40008),
                                      }),
                            }});
    set.AddIcon("IDI_ICON", MakeProgramIcon(ProgramIcon::ParamEditor));
    return set;
}

} // namespace

const ResourceSet& ParamEditorResources() {
    static const ResourceSet set = MakeParamEditorResources();
    return set;
}

} // namespace resources
