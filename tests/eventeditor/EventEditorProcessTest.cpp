// vnevedit as a user starts it, as a child process on the offscreen platform,
// where a message box no one can answer is written to standard error.
#include "tests/scenario/TempFolder.h"

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <string>

namespace {

TEST(EventEditorProcessTest, AMissingFileIsReportedAndEndsWithExitCodeOne) {
    TempFolder folder;
    // Double quotes in the name are removed before it is looked up.
    const std::string command = "cd '" + folder.Path() +
                                "' && env QT_QPA_PLATFORM=offscreen timeout 60 '" VN_VNEVEDIT_PATH
                                "' '\"missing.evt\"' >out.txt 2>err.txt </dev/null";
    const int raw = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(raw));
    EXPECT_EQ(WEXITSTATUS(raw), 1);
    EXPECT_EQ(ReadBytes(folder / "out.txt"), "");
    const std::string err = ReadBytes(folder / "err.txt");
    EXPECT_NE(err.find("vnevedit: [vnevedit] 指定されたファイルは存在しません。\n"),
              std::string::npos)
        << err;
}

} // namespace
