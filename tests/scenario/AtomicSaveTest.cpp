#include "scenario/VNFileWriter.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <csignal>
#include <ctime>
#include <fcntl.h>
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

// A writer killed mid-write leaves its temporary file; the next write of the
// same target removes those older than a minute, and only those of its own
// naming for that target.
TEST(AtomicSave, StaleTemporariesOfTheTargetAreRemovedBeforeWriting) {
    TempFolder folder;
    const std::string path = folder / "start.evt";
    struct Leftover {
        const char* name;
        bool old;
        bool removed;
    };
    const Leftover leftovers[] = {
        {".start.evt.a1b2c3d4.tmp", true, true},   // a killed writer's, long ago
        {".start.evt.zzzzzzzz.tmp", false, false}, // a writer still at work
        {".local.flg.a1b2c3d4.tmp", true, false},  // another target's
        {".start.evt.A1B2C3D4.tmp", true, false},  // not our naming
        {".start.evt.a1b2c3d4e.tmp", true, false}, // not our naming
        {"start.evt.a1b2c3d4.tmp", true, false},   // not hidden: the author's
    };
    for (const Leftover& leftover : leftovers) {
        const std::string stray = folder / leftover.name;
        WriteBytes(stray, "partial");
        if (leftover.old) {
            const struct timespec times[2] = {{0, UTIME_OMIT}, {time(nullptr) - 120, 0}};
            ASSERT_EQ(utimensat(AT_FDCWD, stray.c_str(), times, 0), 0);
        }
    }
    VNFileWriter writer;
    ASSERT_TRUE(writer.Open(path));
    writer.WriteInt(1);
    ASSERT_TRUE(writer.Close());
    for (const Leftover& leftover : leftovers)
        EXPECT_EQ(std::filesystem::exists(folder / leftover.name), !leftover.removed)
            << leftover.name;
}

} // namespace
