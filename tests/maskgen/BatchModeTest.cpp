// vnmaskgen with file names on its command line: every file in order, each
// failure reported on standard error, exit status 1 when any failed.
#include "tests/support/AddressSpaceLimit.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#ifdef VN_VNMASKGEN_PATH

TEST(MaskGeneratorBatch, ProcessesEveryFileAndReportsFailures) {
    const std::filesystem::path dir = std::filesystem::path(testing::TempDir()) / "maskgen_batch";
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    // A 1 x 1 24-bit BMP: 54 header bytes and one row of 4 bytes.
    const unsigned char bmp[58] = {'B', 'M', 58, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0,  40,
                                   0,   0,   0,  1, 0, 0, 0, 1, 0, 0, 0,  1, 0, 24, 0};
    const std::string first = (dir / "first.bmp").string();
    const std::string broken = (dir / "broken.bmp").string();
    const std::string last = (dir / "last.bmp").string();
    for (const std::string& path : {first, last})
        std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bmp), 58);
    std::ofstream(broken) << "BM but nothing else";

    const std::string errPath = (dir / "stderr.txt").string();
    const std::string command = std::string("'") + VN_VNMASKGEN_PATH + "' '" + first + "' '" +
                                broken + "' '" + last + "' 2>'" + errPath + "'";
    const int status = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 1);

    std::ifstream errFile(errPath, std::ios::binary);
    const std::string err(std::istreambuf_iterator<char>(errFile), {});
    EXPECT_EQ(err, broken + " の読み込みに失敗しました。\n");
    EXPECT_EQ(std::filesystem::file_size(first + ".msk.bmp"), 1078u + 4u);
    EXPECT_EQ(std::filesystem::file_size(last + ".msk.bmp"), 1078u + 4u);
    EXPECT_FALSE(std::filesystem::exists(broken + ".msk.bmp"));
}

// Inputs that would need more memory than there is are read failures: an
// endless device fails on its header, a picture too large for memory once
// its rows are read.
TEST(MaskGeneratorBatch, InputsBeyondMemoryAreReadFailures) {
    if (test_support::kSanitized)
        GTEST_SKIP() << "sanitizers cannot run under an address space limit";
    const std::filesystem::path dir =
        std::filesystem::path(testing::TempDir()) / ("maskgen_memory_" + std::to_string(getpid()));
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    // 8192 x 8192 24-bit pixels, every row present: 192 MiB of rows, stored
    // as a sparse file. Reading it and copying its pixels does not fit in
    // the 384 MiB the program gets.
    const unsigned char header[54] = {'B', 'M', 54, 0, 0,  12, 0, 0, 0,  0, 54, 0, 0, 0,  40,
                                      0,   0,   0,  0, 32, 0,  0, 0, 32, 0, 0,  1, 0, 24, 0};
    const std::string large = (dir / "large.bmp").string();
    std::ofstream(large, std::ios::binary).write(reinterpret_cast<const char*>(header), 54);
    std::filesystem::resize_file(large, 54 + uintmax_t{8192} * 8192 * 3);

    const std::string errPath = (dir / "stderr.txt").string();
    const std::string command = std::string("ulimit -v 393216; exec '") + VN_VNMASKGEN_PATH +
                                "' /dev/zero '" + large + "' 2>'" + errPath + "'";
    const int status = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 1);
    std::ifstream errFile(errPath, std::ios::binary);
    const std::string err(std::istreambuf_iterator<char>(errFile), {});
    EXPECT_EQ(err,
              "/dev/zero の読み込みに失敗しました。\n" + large + " の読み込みに失敗しました。\n");
    EXPECT_FALSE(std::filesystem::exists(large + ".msk.bmp"));
    std::filesystem::remove_all(dir);
}

#endif
