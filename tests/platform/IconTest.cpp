// The programs' icons: the pictures compiled into the resources, and icons
// set on windows, dialogs and the application by resource name on the
// offscreen platform.
#include "TestResources.h"

#include "platform/WindowHost.h"
#include "platform/WindowIcon.h"
#include "platform/WindowStyles.h"
#include "resources/ParamEditorResources.h"
#include "resources/PlayerResources.h"
#include "resources/ProgramIcons.h"
#include "window/VNDialog.h"
#include "window/VNWnd.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace platform;
using resources::IconImage;
using resources::IconSpec;
using resources::MakeProgramIcon;
using resources::ProgramIcon;

namespace {

const std::vector<int> kAllSizes = {16, 32, 64};

uint32_t BigEndian32(const unsigned char* p) {
    return uint32_t(p[0]) << 24 | uint32_t(p[1]) << 16 | uint32_t(p[2]) << 8 | p[3];
}

// The bytes of a picture, to tell two icons apart.
std::string Bytes(const IconImage& image) {
    return {reinterpret_cast<const char*>(image.png), image.length};
}

// The window layer's test resources plus an icon of each kind: a good one,
// one whose pictures are not PNG files, and one with a bad picture among
// good ones.
const resources::ResourceSet& IconResources() {
    static const resources::ResourceSet set = [] {
        static const unsigned char notPng[] = "GIF89a, not a PNG file at all";
        resources::ResourceSet s("icontest");
        s.Merge(testres::Resources());
        s.AddIcon("IDI_ICON", MakeProgramIcon(ProgramIcon::Player));
        s.AddIcon("IDI_BROKEN", IconSpec{{{32, notPng, sizeof notPng}, {16, nullptr, 0}}});
        IconSpec partly = MakeProgramIcon(ProgramIcon::MaskGenerator);
        partly.images[1] = {32, notPng, sizeof notPng};
        s.AddIcon("IDI_PARTLY", partly);
        s.AddIcon("IDI_EMPTY", IconSpec{});
        return s;
    }();
    return set;
}

class IconTest : public ::testing::Test {
protected:
    IconTest() { EnsureTestApplication(IconResources()); }
    ~IconTest() override { testres::App(); }
};

class PlainWindow : public VNWnd {};

bool Open(PlainWindow& window, const char* iconName) {
    return window.Create(VNString(u8"アイコン"), nullptr, iconName, WHITE_BRUSH, CW_USEDEFAULT,
                         CW_USEDEFAULT, 64, 48, WS_CAPTION | WS_SYSMENU, 0, nullptr);
}

class IconDialog : public VNDialog {
public:
    std::string iconName;
    bool iconSet = false;
    bool OnInit() override {
        iconSet = SetWindowIcon(Handle(), iconName);
        return true;
    }
};

} // namespace

// Every program's icon comes in 16, 32 and 64 pixels, each a PNG file whose
// header (8-byte signature, then the IHDR chunk: 4-byte length 13, "IHDR",
// big-endian width and height) agrees with the size it is filed under; the
// programs' pictures differ from one another.
TEST(ProgramIcons, EachProgramHasItsOwnPicturesInThreeSizes) {
    const unsigned char signature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::vector<std::string> seen;
    for (ProgramIcon program : {ProgramIcon::Player, ProgramIcon::ParamEditor,
                                ProgramIcon::MaskGenerator, ProgramIcon::EventEditor}) {
        const IconSpec icon = MakeProgramIcon(program);
        ASSERT_EQ(icon.images.size(), 3u) << static_cast<int>(program);
        for (size_t i = 0; i < icon.images.size(); ++i) {
            const IconImage& image = icon.images[i];
            SCOPED_TRACE(std::to_string(static_cast<int>(program)) + " " +
                         std::to_string(image.size));
            EXPECT_EQ(image.size, kAllSizes[i]);
            ASSERT_NE(image.png, nullptr);
            ASSERT_GT(image.length, 24u);
            EXPECT_TRUE(std::equal(signature, signature + 8, image.png));
            EXPECT_EQ(BigEndian32(image.png + 8), 13u);
            EXPECT_EQ(std::string(reinterpret_cast<const char*>(image.png + 12), 4), "IHDR");
            EXPECT_EQ(BigEndian32(image.png + 16), uint32_t(image.size));
            EXPECT_EQ(BigEndian32(image.png + 20), uint32_t(image.size));
        }
        const std::string picture = Bytes(icon.images[1]);
        EXPECT_EQ(std::count(seen.begin(), seen.end(), picture), 0);
        seen.push_back(picture);
    }
}

// The players and vnparedit register their program's icon as "IDI_ICON";
// merging sets keeps the icon a set already has.
TEST(ProgramIcons, ResourceSetsNameTheirIcon) {
    const std::string player = Bytes(MakeProgramIcon(ProgramIcon::Player).images[0]);
    const std::string editor = Bytes(MakeProgramIcon(ProgramIcon::ParamEditor).images[0]);
    for (bool probe : {false, true}) {
        const resources::ResourceSet set = resources::MakePlayerResources(probe);
        const IconSpec* icon = set.FindIcon("IDI_ICON");
        ASSERT_NE(icon, nullptr);
        ASSERT_EQ(icon->images.size(), 3u);
        EXPECT_EQ(Bytes(icon->images[0]), player);
        EXPECT_EQ(set.FindIcon("IDI_OTHER"), nullptr);
    }
    const IconSpec* icon = resources::ParamEditorResources().FindIcon("IDI_ICON");
    ASSERT_NE(icon, nullptr);
    ASSERT_EQ(icon->images.size(), 3u);
    EXPECT_EQ(Bytes(icon->images[0]), editor);

    resources::ResourceSet merged = resources::MakePlayerResources(false);
    merged.Merge(resources::ParamEditorResources());
    EXPECT_EQ(Bytes(merged.FindIcon("IDI_ICON")->images[0]), player);
}

// A window made with an icon name carries that icon in all its sizes; an
// unknown name or none leaves it without one of its own, and the window
// works as usual.
TEST_F(IconTest, WindowTakesTheIconNamedAtCreation) {
    PlainWindow withIcon, unknown, none;
    ASSERT_TRUE(Open(withIcon, "IDI_ICON"));
    ASSERT_TRUE(Open(unknown, "IDI_NOSUCHICON"));
    ASSERT_TRUE(Open(none, nullptr));
    EXPECT_EQ(WindowIconSizes(withIcon.Handle()), kAllSizes);
    EXPECT_TRUE(WindowIconSizes(unknown.Handle()).empty());
    EXPECT_TRUE(WindowIconSizes(none.Handle()).empty());
    EXPECT_EQ(unknown.Host().ClientWidth(), 64);
    EXPECT_EQ(unknown.Host().ClientHeight(), 48);

    // A later failed change keeps the icon the window has.
    EXPECT_FALSE(SetWindowIcon(withIcon.Handle(), "IDI_NOSUCHICON"));
    EXPECT_FALSE(SetWindowIcon(withIcon.Handle(), "IDI_BROKEN"));
    EXPECT_FALSE(SetWindowIcon(withIcon.Handle(), "IDI_EMPTY"));
    EXPECT_EQ(WindowIconSizes(withIcon.Handle()), kAllSizes);
    // Pictures that cannot be read are left out; the others still make the icon.
    EXPECT_TRUE(SetWindowIcon(none.Handle(), "IDI_PARTLY"));
    EXPECT_EQ(WindowIconSizes(none.Handle()), (std::vector<int>{16, 64}));

    withIcon.Close();
    unknown.Close();
    none.Close();
    EXPECT_FALSE(SetWindowIcon(withIcon.Handle(), "IDI_ICON"));
    EXPECT_TRUE(WindowIconSizes(withIcon.Handle()).empty());
}

// A dialog given the icon while it opens shows it; an unknown name is
// refused without harm to the dialog.
TEST_F(IconTest, DialogTakesTheIconWhenItOpens) {
    IconDialog dialog, other;
    dialog.iconName = "IDI_ICON";
    other.iconName = "IDI_NOSUCHICON";
    ASSERT_TRUE(dialog.ShowModeless(VNString(), "IDD_TEST", nullptr));
    ASSERT_TRUE(other.ShowModeless(VNString(), "IDD_TEST", nullptr));
    EXPECT_TRUE(dialog.iconSet);
    EXPECT_FALSE(other.iconSet);
    EXPECT_EQ(WindowIconSizes(dialog.Handle()), kAllSizes);
    EXPECT_TRUE(WindowIconSizes(other.Handle()).empty());
    EXPECT_TRUE(other.Controls().HasControl(testres::IDC_NAME));
    dialog.End();
    other.End();
}

// The program's icon for windows without their own: an unknown name keeps
// the one set before.
TEST_F(IconTest, ApplicationIcon) {
    ASSERT_TRUE(SetApplicationIcon("IDI_ICON"));
    EXPECT_EQ(ApplicationIconSizes(), kAllSizes);
    EXPECT_FALSE(SetApplicationIcon("IDI_NOSUCHICON"));
    EXPECT_EQ(ApplicationIconSizes(), kAllSizes);
    // Windows still report only an icon of their own.
    PlainWindow window;
    ASSERT_TRUE(Open(window, nullptr));
    EXPECT_TRUE(WindowIconSizes(window.Handle()).empty());
    window.Close();
}
