#include "TestResources.h"

#include "resources/VirtualKeys.h"

namespace testres {

namespace {

using namespace resources;

ResourceSet Make() {
    ResourceSet set("platform-tests");
    set.AddDialog("IDD_TEST",
                  DialogTemplate(u8"テスト", 200, 150,
                                 {
                                     Label(u8"名前(&N):", 7, 7, 40, 8),
                                     EditField(IDC_NAME, 50, 5, 140, 12),
                                     EditField(IDC_DIGITS, 50, 20, 60, 12, cf::DigitsOnly),
                                     ListBox(IDC_LIST, 7, 36, 90, 60, cf::Notify),
                                     ComboBox(IDC_COMBO, 105, 36, 85, 60),
                                     CheckBox(IDC_CHECK, u8"ループ再生する", 105, 54, 85, 10),
                                     MultiLineEdit(IDC_NOTES, 105, 68, 85, 28),
                                     Button(IDC_APPLY, u8"適用", 7, 110, 50, 14),
                                     OwnerDrawnButton(IDC_PLAY, u8"play(&P)", 60, 110, 40, 14),
                                     Button(IDOK, u8"OK", 89, 130, 50, 14, cf::DefaultButton),
                                     Button(IDCANCEL, u8"キャンセル", 143, 130, 50, 14),
                                 },
                                 "IDR_DIALOGMENU", df::AcceptFiles));
    set.AddDialogAlias("IDD_TESTINPUT", "IDD_TEST");
    set.AddMenu("IDR_DIALOGMENU", {{Popup(u8"ファイル(&F)", {Command(u8"開く(&O)", 40001)})}});
    set.AddMenu("IDR_MENU",
                {{
                    Popup(u8"ファイル(&F)", {Command(u8"ロード(&L)\tCtrl+L", CMD_LOAD)}),
                    Popup(u8"メッセージ(&M)",
                          {
                              Command(u8"スキップモード(&S)\tTab", CMD_SKIP),
                              Popup(u8"メッセージスピード(&F)",
                                    {
                                        Command(u8"高速(&H)", CMD_SPEED_HIGH, 0, 1),
                                        Command(u8"通常(&N)", CMD_SPEED_NORMAL, mf::Checked, 1),
                                    }),
                              Command(u8"レイヤー(&L)", CMD_GREYED, mf::Grayed),
                          }),
                }});
    set.AddAccelerators("IDR_ACCELERATOR", {{
                                               {'L', af::Control, CMD_LOAD},
                                               {resources::VK_TAB, 0, CMD_SKIP},
                                           }});
    return set;
}

} // namespace

const ResourceSet& Resources() {
    static const ResourceSet set = Make();
    return set;
}

platform::Application& App() {
    return platform::EnsureTestApplication(Resources());
}

} // namespace testres
