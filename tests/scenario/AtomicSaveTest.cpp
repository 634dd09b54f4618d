#include "scenario/VNFileWriter.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Names in the folder other than `keep`: left-over temporary files.
std::vector<std::string> Strays(const TempFolder& folder, const std::string& keep) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder.Path()))
        if (entry.path().filename() != keep)
            names.push_back(entry.path().filename().string());
    return names;
}

TEST(AtomicSave, AbandonedOrFailedWriteKeepsTheOldFile) {
    TempFolder folder;
    const std::string path = folder / "start.evt";
    WriteBytes(path, "old contents");
    {
        VNFileWriter writer;
        ASSERT_TRUE(writer.Open(path));
        writer.WriteInt(1);
        EXPECT_EQ(ReadBytes(path), "old contents"); // nothing reaches the target before Close
    }                                               // destroyed without Close
    EXPECT_EQ(ReadBytes(path), "old contents");
    EXPECT_TRUE(Strays(folder, "start.evt").empty());

    VNFileWriter writer;
    ASSERT_TRUE(writer.Open(path));
    writer.WriteInt(1);
    writer.Abandon();
    EXPECT_FALSE(writer.Close());
    EXPECT_EQ(ReadBytes(path), "old contents");
    EXPECT_TRUE(Strays(folder, "start.evt").empty());
}

TEST(AtomicSave, WriteBeyondTheFileSizeLimitFailsAndKeepsTheOldFile) {
    TempFolder folder;
    const std::string path = folder / "local.flg";
    WriteBytes(path, "old");

    // The disk "fills up" after 64 bytes: writes past that fail with EFBIG.
    rlimit old_limit{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old_limit), 0);
    const auto old_handler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old_limit;
    small.rlim_cur = 64;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);

    VNFileWriter writer;
    bool ok = writer.Open(path);
    for (int i = 0; i < 100; ++i)
        ok = writer.WriteInt(i) && ok;
    ok = writer.Close() && ok;

    setrlimit(RLIMIT_FSIZE, &old_limit);
    std::signal(SIGXFSZ, old_handler);

    EXPECT_FALSE(ok);
    EXPECT_EQ(writer.Error(), EFBIG);
    EXPECT_EQ(ReadBytes(path), "old");
    EXPECT_TRUE(Strays(folder, "local.flg").empty());
}

TEST(AtomicSave, UnwritableTargetsFailWithoutLeftovers) {
    TempFolder folder;
    // A folder in place of the target.
    std::filesystem::create_directories(folder / "taken/inside");
    VNFileWriter writer;
    EXPECT_FALSE(writer.Open(folder / "taken"));
    EXPECT_EQ(writer.Error(), EISDIR);
    EXPECT_FALSE(writer.Close());
    EXPECT_TRUE(std::filesystem::is_directory(folder / "taken/inside"));
    EXPECT_TRUE(Strays(folder, "taken").empty());

    // A missing folder: nothing can be created.
    EXPECT_FALSE(writer.Open(folder / "missing/x.evt"));
    EXPECT_FALSE(writer.WriteInt(1));
    EXPECT_FALSE(writer.Close());
    EXPECT_FALSE(writer.Open(""));
}

TEST(AtomicSave, ReadOnlyFilesAreNotReplaced) {
    if (geteuid() == 0)
        GTEST_SKIP() << "the superuser may write to any file";
    TempFolder folder;
    const std::string path = folder / "locked.evt";
    WriteBytes(path, "old");
    ASSERT_EQ(chmod(path.c_str(), 0444), 0);
    VNFileWriter writer;
    EXPECT_FALSE(writer.Open(path));
    EXPECT_EQ(writer.Error(), EACCES);
    EXPECT_EQ(ReadBytes(path), "old");
}

TEST(AtomicSave, DevicesAreWrittenIntoNotReplaced) {
    VNFileWriter writer;
    ASSERT_TRUE(writer.Open("/dev/null"));
    EXPECT_TRUE(writer.WriteInt(1));
    EXPECT_TRUE(writer.Close());
    struct stat info {};
    ASSERT_EQ(stat("/dev/null", &info), 0);
    EXPECT_TRUE(S_ISCHR(info.st_mode));
}

TEST(AtomicSave, ReplacementKeepsPermissionsAndSymbolicLinks) {
    TempFolder folder;
    const std::string path = folder / "global.flg";
    WriteBytes(path, "old");
    ASSERT_EQ(chmod(path.c_str(), 0640), 0);
    std::filesystem::create_symlink("global.flg", folder / "link.flg");

    VNFileWriter writer;
    ASSERT_TRUE(writer.Open(folder / "link.flg"));
    writer.WriteInt(2);
    ASSERT_TRUE(writer.Close());

    EXPECT_TRUE(std::filesystem::is_symlink(folder / "link.flg"));
    EXPECT_EQ(ReadBytes(path), std::string("\x01\x02\x00\x00\x00", 5));
    struct stat info {};
    ASSERT_EQ(stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
    EXPECT_EQ(Strays(folder, "global.flg").size(), 1u); // only the link
}

} // namespace
