#include "scenario/GamePath.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

TEST(GamePath, NameBecomesUtf8WithSlashes) {
    // "ソ" is 0x83 0x5C: its second byte must not turn into a separator.
    EXPECT_EQ(NativeName(VNString("cg\\\x83\x5c.bmp")), "cg/\xe3\x82\xbd.bmp");
    EXPECT_EQ(NativeName(VNString("a\\b\\c")), "a/b/c");
    // A byte that is not valid Shift-JIS is kept as it is.
    EXPECT_EQ(NativeName(VNString("x\xff")), "x\xff");
    EXPECT_EQ(NativeName(VNString()), "");
}

TEST(GamePath, ExactPathsAndFoldersJoin) {
    TempFolder folder;
    std::filesystem::create_directories(folder / "event");
    WriteBytes(folder / "event/start.evt", "");
    EXPECT_EQ(GamePath(folder.Path(), VNString("event\\start.evt")), folder / "event/start.evt");
    EXPECT_EQ(GamePath(folder.Path() + "/", VNString("event\\start.evt")),
              folder / "event/start.evt");
    EXPECT_EQ(GamePath("", VNString("event\\start.evt")), "event/start.evt");
    EXPECT_EQ(GamePath(folder.Path(), VNString()), folder.Path());
}

TEST(GamePath, LetterCaseIsIgnoredComponentByComponent) {
    TempFolder folder;
    // "ＣＧ" in full width and a Greek file name, stored in lower case on disk.
    std::filesystem::create_directories(folder / "Event");
    std::filesystem::create_directories(folder / "\xef\xbd\x83\xef\xbd\x87"); // "ｃｇ"
    WriteBytes(folder / "Event/Start.EVT", "");
    WriteBytes(folder / "\xef\xbd\x83\xef\xbd\x87/\xce\xb1.bmp", ""); // "ｃｇ/α.bmp"

    EXPECT_EQ(GamePath(folder.Path(), VNString("EVENT\\start.evt")), folder / "Event/Start.EVT");
    // Shift-JIS "ＣＧ\Α.BMP": full-width capitals 0x82 0x62 0x82 0x66, Greek Α 0x83 0x9F.
    EXPECT_EQ(GamePath(folder.Path(), VNString("\x82\x62\x82\x66\\\x83\x9f.BMP")),
              folder / "\xef\xbd\x83\xef\xbd\x87/\xce\xb1.bmp");

    // A missing component is kept as written, and so is everything after it.
    EXPECT_EQ(GamePath(folder.Path(), VNString("EVENT\\Missing\\X.evt")),
              folder / "Event/Missing/X.evt");
    // Several candidates: the first in byte order.
    WriteBytes(folder / "Event/start.evt", "");
    EXPECT_EQ(GamePath(folder.Path(), VNString("EVENT\\START.EVT")), folder / "Event/Start.EVT");
}

} // namespace
