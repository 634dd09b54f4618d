// vnmaskgen's window on the offscreen platform: dropped files are processed
// in order, a failure shows its message box and the next file follows.
#include "maskgen/window/MaskGenResources.h"
#include "maskgen/window/VNDMaskGen.h"
#include "platform/Application.h"
#include "platform/ModalHook.h"
#include "platform/WindowIcon.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

using platform::ModalView;

namespace {

void WriteOnePixelBmp(const std::string& path) {
    // 54 header bytes of a 1 x 1 24-bit BMP and one row of 4 bytes.
    const unsigned char bmp[58] = {'B', 'M', 58, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0,  40,
                                   0,   0,   0,  1, 0, 0, 0, 1, 0, 0, 0,  1, 0, 24, 0};
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bmp), 58);
}

} // namespace

TEST(MaskGenWindow, DroppedFilesInOrderWithErrorBoxes) {
    platform::EnsureTestApplication(maskgen::MaskGenResources());
    const std::filesystem::path dir = std::filesystem::path(testing::TempDir()) / "maskgen_window";
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    const std::string first = (dir / "一.bmp").string();
    const std::string broken = (dir / "二.bmp").string();
    const std::string last = (dir / "三.bmp").string();
    WriteOnePixelBmp(first);
    WriteOnePixelBmp(last);
    std::ofstream(broken) << "not a picture";

    platform::ModalHook hook;
    bool firstDoneBeforeBox = false;
    bool lastDoneAfterBox = false;
    hook.Push([&](ModalView& v) {
        EXPECT_EQ(v.TemplateName(), "IDD_MAIN");
        EXPECT_EQ(v.Caption(), VNString(u8"立ち絵マスク生成"));
        v.DropFiles({first, broken, last});
        lastDoneAfterBox = std::filesystem::exists(last + ".msk.bmp");
        v.Close();
    });
    hook.Push([&](ModalView& v) {
        firstDoneBeforeBox = std::filesystem::exists(first + ".msk.bmp");
        EXPECT_EQ(v.Kind(), platform::ModalKind::MessageBox);
        EXPECT_EQ(v.Text().ToUtf8Lossy(), broken + " の読み込みに失敗しました。");
        EXPECT_EQ(v.Caption(), VNString(u8"エラー"));
        EXPECT_EQ(v.Icon(), platform::MsgIcon::Warning);
        EXPECT_FALSE(std::filesystem::exists(last + ".msk.bmp"));
        v.Press(platform::IDOK);
    });

    VNDMaskGen dialog;
    EXPECT_EQ(dialog.ShowModal(VNString(), "IDD_MAIN", nullptr), 0);
    EXPECT_TRUE(hook.Problems().empty());
    EXPECT_EQ(hook.Pending(), 0u);
    EXPECT_TRUE(firstDoneBeforeBox);
    EXPECT_TRUE(lastDoneAfterBox);
    EXPECT_FALSE(std::filesystem::exists(broken + ".msk.bmp"));
}

// Dropped files are opened by their names on disk, raw Shift-JIS included;
// a name with no Shift-JIS form gets the read error, shown with '?'.
TEST(MaskGenWindow, DroppedNamesAsOnDisk) {
    platform::EnsureTestApplication(maskgen::MaskGenResources());
    const std::filesystem::path dir = std::filesystem::path(testing::TempDir()) / "maskgen_names";
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    const std::string folder = dir.string() + "/";
    struct Row {
        std::string name;
        const char8_t* refused; // the read error's name, or null when the mask is made
    };
    const std::vector<Row> rows = {
        {"caf\xC3\xA9.bmp", u8"caf?.bmp"},
        {"\x88\xEA.bmp", nullptr}, // "一" in Shift-JIS
        {"一.bmp", nullptr},
        {"\xF0\x9F\x98\x80.bmp", u8"?.bmp"},
    };
    std::vector<std::string> paths;
    for (const Row& row : rows) {
        paths.push_back(folder + row.name);
        WriteOnePixelBmp(paths.back());
    }

    platform::ModalHook hook;
    hook.Push([&](ModalView& v) {
        v.DropFiles(paths);
        v.Close();
    });
    for (const Row& row : rows) {
        if (!row.refused)
            continue;
        hook.Push([&](ModalView& v) {
            EXPECT_EQ(v.Text(), VNString::FromBytes(folder) + VNString(row.refused) +
                                    VNString(u8" の読み込みに失敗しました。"));
            EXPECT_EQ(v.Caption(), VNString(u8"エラー"));
            v.Press(platform::IDOK);
        });
    }
    VNDMaskGen dialog;
    EXPECT_EQ(dialog.ShowModal(VNString(), "IDD_MAIN", nullptr), 0);
    EXPECT_TRUE(hook.Problems().empty());
    EXPECT_EQ(hook.Pending(), 0u);
    for (size_t i = 0; i < rows.size(); ++i)
        EXPECT_EQ(std::filesystem::exists(paths[i] + ".msk.bmp"), rows[i].refused == nullptr)
            << rows[i].name;
}

// The program starts with its icon, and IDD_MAIN shows it from the moment it opens.
TEST(MaskGenWindow, ProgramIconOnTheDialog) {
    platform::EnsureTestApplication(maskgen::MaskGenResources());
    const std::vector<int> allSizes = {16, 32, 64};
    EXPECT_EQ(platform::ApplicationIconSizes(), allSizes);
    platform::ModalHook hook;
    std::vector<int> sizes;
    hook.Push([&](ModalView& v) {
        sizes = platform::WindowIconSizes(v.Dialog().Handle());
        v.Close();
    });
    VNDMaskGen dialog;
    EXPECT_EQ(dialog.ShowModal(VNString(), "IDD_MAIN", nullptr), 0);
    EXPECT_EQ(sizes, allSizes);
    EXPECT_TRUE(hook.Problems().empty());
}
