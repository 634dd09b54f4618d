// The button selection dialog and its button sub-dialog, in both sets.
#include "EventDialogTestSupport.h"

#include <climits>

using namespace platform;
using evtest::EventDialogTest;
namespace id = resources::event_id;

namespace {

VNEvent BtnSelect(int32_t count, const VNString& definitions) {
    VNEvent e(EVENTCODE_BTNSELECT);
    e.SetString(0, VNString("base.bmp"));
    e.SetString(1, VNString("on.bmp"));
    e.SetInt(3, count);
    e.SetString(4, definitions);
    return e;
}

std::vector<VNString> Labels(DialogHost& d) {
    std::vector<VNString> labels;
    for (int i = 0; i < d.ListCount(id::List); ++i)
        labels.push_back(d.ListGetText(id::List, i));
    return labels;
}

std::vector<VNString> Strings(std::initializer_list<const char*> texts) {
    std::vector<VNString> out;
    for (const char* text : texts)
        out.emplace_back(text);
    return out;
}

class ButtonDialogTest : public EventDialogTest {
protected:
    // The button sub-dialog: checks what it shows, then types `typed`
    // (label, x, y, width, height; null leaves a field) and presses `button`.
    void ExpectButton(const char8_t* caption, std::vector<const char*> shown,
                      std::vector<const char*> typed, int button = resources::IDOK) {
        hook.Push([=, this](ModalView& v) {
            EXPECT_EQ(v.TemplateName(), Editor() ? "IDD_BTNINPUT" : "IDD_BTNADD");
            EXPECT_EQ(v.Caption(), VNString(caption));
            for (int i = 0; i < 5; ++i) {
                const int field = i == 0 ? id::JumpLabel : id::ButtonX + i - 1;
                EXPECT_EQ(v.Dialog().GetText(field), VNString(shown[i])) << field;
                if (typed[i])
                    v.Dialog().SetText(field, VNString(typed[i]));
            }
            v.Press(button);
        });
    }
};

INSTANTIATE_TEST_SUITE_P(BothSets, ButtonDialogTest,
                         ::testing::Values(EventDialogSet::Probe, EventDialogSet::Editor),
                         evtest::SetName);

TEST_P(ButtonDialogTest, BlanksAndTabsAroundCommasReadAsWithoutThem) {
    VNEvent e = BtnSelect(2, VNString("a , 1,\t2 ,3, 4 ,b,5,6,7,8"));
    hook.Push([&](ModalView& v) {
        EXPECT_EQ(v.TemplateName(), Editor() ? "IDD_BTNSELECTINPUT" : "IDD_BTNSELECT");
        EXPECT_EQ(v.Caption(), VNString(u8"ボタン選択"));
        EXPECT_EQ(v.Dialog().GetText(id::BaseImage), VNString("base.bmp"));
        EXPECT_EQ(v.Dialog().GetText(id::PointedImage), VNString("on.bmp"));
        EXPECT_EQ(Labels(v.Dialog()), Strings({"a", "b"}));
        v.Press(resources::IDOK);
    });
    ASSERT_TRUE(Edit(e));
    EXPECT_EQ(e.GetInt(3), 2);
    EXPECT_EQ(e.GetString(4), VNString("a,1,2,3,4,b,5,6,7,8"));
}

TEST_P(ButtonDialogTest, AnEditedButtonMovesToTheEnd) {
    VNEvent e = BtnSelect(3, VNString("a,1,2,3,4,b,5,6,7,8,c,9,10,11,12"));
    hook.Push([&](ModalView& v) {
        v.Press(id::EditButton); // nothing selected: no sub-dialog
        v.Dialog().ListSetSelection(id::List, 0);
        v.Press(id::EditButton); // cancelled: nothing moves
        EXPECT_EQ(Labels(v.Dialog()), Strings({"a", "b", "c"}));
        v.Press(id::EditButton);
        EXPECT_EQ(Labels(v.Dialog()), Strings({"b", "c", "z"}));
        EXPECT_EQ(v.Dialog().FocusedControl(), id::List);
        EXPECT_EQ(v.Dialog().ListGetSelection(id::List), 2);
        v.Press(resources::IDOK);
    });
    ExpectButton(u8"ボタンの編集", {"a", "1", "2", "3", "4"}, {"q", "99", 0, 0, 0},
                 resources::IDCANCEL);
    ExpectButton(u8"ボタンの編集", {"a", "1", "2", "3", "4"}, {"z", 0, 0, "30", 0});
    ASSERT_TRUE(Edit(e));
    EXPECT_EQ(e.GetInt(3), 3);
    EXPECT_EQ(e.GetString(4), VNString("b,5,6,7,8,c,9,10,11,12,z,1,2,30,4"));
}

TEST_P(ButtonDialogTest, AddAppendsAndDeleteSelectsTheSameLineOrTheOneBefore) {
    VNEvent e = BtnSelect(2, VNString("a,1,2,3,4,b,5,6,7,8"));
    const std::string longLabel(64, 'L');
    hook.Push([&](ModalView& v) {
        DialogHost& d = v.Dialog();
        v.Press(id::AddButton);
        const VNString label63(std::string(63, 'L').c_str());
        EXPECT_EQ(Labels(d), (std::vector<VNString>{VNString("a"), VNString("b"), label63}));
        d.ListSetSelection(id::List, 1);
        v.Press(id::DeleteButton);
        EXPECT_EQ(Labels(d), (std::vector<VNString>{VNString("a"), label63}));
        EXPECT_EQ(d.ListGetSelection(id::List), 1);
        EXPECT_EQ(d.FocusedControl(), id::List);
        v.Press(id::DeleteButton); // the last line: the one before is selected
        EXPECT_EQ(Labels(d), Strings({"a"}));
        EXPECT_EQ(d.ListGetSelection(id::List), 0);
        v.Press(id::AddButton); // cancelled
        v.Press(id::DeleteButton);
        EXPECT_EQ(Labels(d), Strings({}));
        EXPECT_EQ(d.ListGetSelection(id::List), -1);
        v.Press(id::DeleteButton); // nothing selected
        v.Press(id::AddButton);
        v.Press(resources::IDOK);
    });
    ExpectButton(u8"ボタンの追加", {"", "0", "0", "0", "0"},
                 {longLabel.c_str(), "10", "20", "30", "40"});
    ExpectButton(u8"ボタンの追加", {"", "0", "0", "0", "0"}, {"x", 0, 0, 0, 0},
                 resources::IDCANCEL);
    ExpectButton(u8"ボタンの追加", {"", "0", "0", "0", "0"}, {"n", "5", "", "7x", "8"});
    ASSERT_TRUE(Edit(e));
    EXPECT_EQ(e.GetInt(3), 1);
    EXPECT_EQ(e.GetString(4), VNString("n,5,0,7,8"));
}

TEST_P(ButtonDialogTest, TheCountLimitsTheButtonsReadAndAddsNoEmptyOnes) {
    for (int32_t count : {1, 5, INT_MAX}) {
        SCOPED_TRACE(count);
        VNEvent e = BtnSelect(count, VNString("a,1,2,3,4,b,5,6,7,8"));
        hook.Push([&](ModalView& v) {
            EXPECT_EQ(Labels(v.Dialog()), count == 1 ? Strings({"a"}) : Strings({"a", "b"}));
            v.Press(resources::IDOK);
        });
        ASSERT_TRUE(Edit(e));
        EXPECT_EQ(e.GetInt(3), count == 1 ? 1 : 2);
        EXPECT_EQ(e.GetString(4), VNString(count == 1 ? "a,1,2,3,4" : "a,1,2,3,4,b,5,6,7,8"));
    }
}

} // namespace
