// vnparedit's window shows the program's icon from the moment it opens, and
// the program starts with it as its icon.
#include "parameditor/ParamEditorProgram.h"
#include "platform/Application.h"
#include "platform/DialogHost.h"
#include "platform/ModalHook.h"
#include "platform/WindowIcon.h"
#include "resources/ParamEditorResources.h"

#include <gtest/gtest.h>

using namespace platform;

TEST(ParamEditorIcon, DialogOpensWithTheProgramIcon) {
    EnsureTestApplication(resources::ParamEditorResources());
    EXPECT_EQ(ApplicationIconSizes(), (std::vector<int>{16, 32, 64}));
    ModalHook hook;
    std::vector<int> sizes;
    hook.Push([&](ModalView& v) {
        EXPECT_EQ(v.TemplateName(), "IDD_PARAMEDIT");
        sizes = WindowIconSizes(v.Dialog().Handle());
        v.Close();
    });
    EXPECT_EQ(RunParamEditor({}), 0);
    EXPECT_EQ(sizes, (std::vector<int>{16, 32, 64}));
    EXPECT_EQ(hook.Pending(), 0u);
    EXPECT_TRUE(hook.Problems().empty());
}
