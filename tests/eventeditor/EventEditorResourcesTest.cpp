// vnevedit's resources: the system's texts of its menus and buttons, and the
// templates its windows and the editor's event dialogs are made from.
#include "resources/EventEditorResources.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using resources::EventEditorResources;

// A menu as lines: "popup" for a popup, "  text id" for a command, "  -" for
// a separator.
std::vector<std::string> MenuLines(const resources::MenuSpec& menu) {
    std::vector<std::string> lines;
    for (const resources::MenuItem& popup : menu.popups) {
        lines.push_back(reinterpret_cast<const char*>(popup.text));
        for (const resources::MenuItem& item : popup.items)
            lines.push_back(item.kind == resources::MenuItemKind::Separator
                                ? std::string("  -")
                                : "  " + std::string(reinterpret_cast<const char*>(item.text)) +
                                      " " + std::to_string(item.id));
    }
    return lines;
}

TEST(EventEditorResources, MenusButtonsAndTemplatesCarryTheSystemsTexts) {
    const resources::ResourceSet& set = EventEditorResources();
    const resources::MenuSpec* main = set.FindMenu("IDR_MENUMAIN");
    ASSERT_NE(main, nullptr);
    // The edit commands share the ids of the buttons that do the same.
    EXPECT_EQ(MenuLines(*main),
              (std::vector<std::string>{
                  "ファイル(&F)", "  開く(&O) 40001", "  -", "  保存(&S) 40002",
                  "  名前を付けて保存(&A) 40003", "  -", "  終了(&X) 40004", "編集(&E)",
                  "  挿入(&I) 3", "  変更(&E) 1003", "  -", "  切り取り(&X) 6", "  コピー(&C) 9",
                  "  貼り付け(&V) 10", "  削除(&D) 11", "  -", "  スクリプトで編集(&S) 40005"}));
    const resources::MenuSpec* script = set.FindMenu("IDR_MENUSCRIPT");
    ASSERT_NE(script, nullptr);
    EXPECT_EQ(MenuLines(*script),
              (std::vector<std::string>{"ファイル(&F)", "  テキストファイルから読み込む(&O) 40011",
                                        "  -", "  テキストファイルとして保存(&S) 40012", "  -",
                                        "  変更を保存して戻る(&X) 1", "  中止(&C) 2"}));

    const resources::DialogTemplate* window = set.FindDialog("IDD_EVENTEDIT");
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->menu, "IDR_MENUMAIN");
    EXPECT_TRUE(window->flags & resources::df::AcceptFiles);
    EXPECT_TRUE(window->flags & resources::df::MinimizeBox);
    std::vector<std::string> buttons;
    for (const resources::ControlSpec& control : window->controls)
        if (control.kind == resources::ControlKind::PushButton)
            buttons.push_back(std::to_string(control.id) + " " +
                              reinterpret_cast<const char*>(control.text) +
                              (control.flags & resources::cf::DefaultButton ? " default" : ""));
    EXPECT_EQ(buttons, (std::vector<std::string>{"3 挿入(&I)", "1003 変更 default", "6 切り取り",
                                                 "9 コピー", "10 貼り付け", "11 削除"}));

    const resources::DialogTemplate* text = set.FindDialog("IDD_SCRIPTINPUT");
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(text->caption)), "スクリプト編集");
    EXPECT_EQ(text->menu, "IDR_MENUSCRIPT");
    EXPECT_TRUE(text->flags & resources::df::AcceptFiles);
    ASSERT_EQ(text->controls.size(), 1u);
    EXPECT_EQ(text->controls[0].id, 1000);
    EXPECT_TRUE(text->controls[0].flags & resources::cf::WantReturn); // Enter makes a new line
    EXPECT_EQ(text->controls[0].font.pixelHeight, 20);

    // The editor's event dialogs and the icon come along.
    EXPECT_NE(set.FindDialog("IDD_VORBISINPUT"), nullptr);
    EXPECT_NE(set.FindDialog("IDD_NARRATIONINPUT"), nullptr);
    EXPECT_NE(set.FindIcon("IDI_ICON"), nullptr);
}

} // namespace
