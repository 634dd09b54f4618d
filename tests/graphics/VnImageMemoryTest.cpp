// vnimage with little memory: endless inputs fail with its one-line message,
// and a picture that fits in memory once is written without a second copy.
#include "tests/support/AddressSpaceLimit.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#if defined(VN_VNIMAGE_PATH)

namespace {

std::string Temp(const std::string& name) {
    return testing::TempDir() + "vnimage_memory_" + std::to_string(getpid()) + "_" + name;
}

// Runs vnimage under `ulimit -v` (KiB); returns its exit status (-1 when it
// did not exit: the shell reports a signal as 128 + its number) and its
// standard error.
int RunLimited(const std::string& args, long limitKiB, std::string& err) {
    const std::string errPath = Temp("stderr.txt");
    const std::string command = "ulimit -v " + std::to_string(limitKiB) + "; exec '" +
                                VN_VNIMAGE_PATH + "' " + args + " 2>'" + errPath + "' >/dev/null";
    const int status = std::system(command.c_str());
    std::ifstream in(errPath, std::ios::binary);
    err.assign(std::istreambuf_iterator<char>(in), {});
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// The 54 header bytes of an uncompressed 24-bit BMP, with no rows at all.
std::string HeaderOnlyBmp(int32_t width, int32_t height) {
    std::string b(54, '\0');
    const auto put = [&b](size_t at, uint32_t v) {
        for (int i = 0; i < 4; ++i)
            b[at + i] = static_cast<char>(v >> (8 * i));
    };
    b[0] = 'B';
    b[1] = 'M';
    put(2, 54);
    put(10, 54);
    put(14, 40);
    put(18, static_cast<uint32_t>(width));
    put(22, static_cast<uint32_t>(height));
    put(26, 1 | (24 << 16)); // planes 1, 24 bits per pixel
    return b;
}

} // namespace

TEST(VnImageMemory, EndlessInputsFailAndLargePicturesNeedNoSecondCopy) {
    if (test_support::kSanitized)
        GTEST_SKIP() << "sanitizers cannot run under an address space limit";
    constexpr long kLimitKiB = 64 * 1024;
    const std::string out = Temp("out.pam");
    std::string err;

    // Zeros fail at once on the "BM" check, in both commands.
    EXPECT_EQ(RunLimited("decode /dev/zero '" + out + "'", kLimitKiB, err), 1);
    EXPECT_EQ(err, "vnimage: /dev/zero: not a readable BMP (1, 4, 8 or 24 bits, uncompressed) "
                   "or PNG (8-bit truecolour)\n");
    EXPECT_EQ(RunLimited("mask /dev/zero", kLimitKiB, err), 1);
    EXPECT_EQ(err, "vnimage: /dev/zero: not an uncompressed 24-bit BMP, or shorter than its "
                   "rows\n");

    // 4096 x 2048 pixels take 32 MiB as a surface: that fits under the limit
    // once, not twice. The rows are missing, so every pixel is 0.
    const std::string bmp = Temp("rowless.bmp");
    std::ofstream(bmp, std::ios::binary) << HeaderOnlyBmp(4096, 2048);
    std::filesystem::remove(out);
    EXPECT_EQ(RunLimited("decode '" + bmp + "' '" + out + "'", kLimitKiB, err), 0) << err;
    const std::string header =
        "P7\nWIDTH 4096\nHEIGHT 2048\nDEPTH 4\nMAXVAL 255\nTUPLTYPE RGB_ALPHA\nENDHDR\n";
    std::error_code ignored;
    EXPECT_EQ(std::filesystem::file_size(out, ignored), header.size() + size_t{4096} * 2048 * 4);
    std::ifstream pam(out, std::ios::binary);
    std::string start(header.size() + 16, '\1');
    pam.read(start.data(), static_cast<std::streamsize>(start.size()));
    EXPECT_EQ(start, header + std::string(16, '\0'));
    std::filesystem::remove(out);
}

#endif
