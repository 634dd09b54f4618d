// Readers of a game's files open regular files only: a named pipe where a
// file is expected would otherwise block for ever.
#include "scenario/RegularFile.h"
#include "scenario/VNEventFile.h"
#include "scenario/VNParamFile.h"
#include "scenario/VNSaveRecord.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <sys/stat.h>

TEST(RegularFile, OnlyRegularFilesOpenAndReadersFailOnAnythingElse) {
    TempFolder folder;
    const std::string pipe = folder / "pipe";
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    WriteBytes(folder / "plain", "x");
    struct Case {
        std::string path;
        int error; // 0: opens
    };
    const Case cases[] = {
        {folder / "plain", 0},     {pipe, EINVAL}, {"/dev/null", EINVAL}, {folder.Path(), EISDIR},
        {folder / "none", ENOENT}, {"", ENOENT},
    };
    for (const Case& c : cases) {
        errno = 0;
        std::FILE* file = vn::OpenRegularFile(c.path);
        EXPECT_EQ(file != nullptr, c.error == 0) << c.path;
        if (file)
            std::fclose(file);
        else
            EXPECT_EQ(errno, c.error) << c.path;
    }
    // Each data file's reader, given the pipe, fails at once.
    EXPECT_FALSE(VNEventFile().Load(pipe));
    EXPECT_FALSE(VNParamFile().Load(pipe));
    EXPECT_FALSE(VNSaveRecord().Load(pipe));
}
