// vnimage decode against ImageMagick's decode of the same files (made by
// tests/fixtures/images/make-fixtures.sh), with alpha following our rules.
#include "graphics/GreyValue.h"
#include "tests/support/AddressSpaceLimit.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#if defined(VN_VNIMAGE_PATH) && defined(VN_IMAGE_FIXTURES)

namespace {

using Bytes = std::vector<uint8_t>;

Bytes ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

std::string Fixture(const std::string& name) {
    return std::string(VN_IMAGE_FIXTURES) + "/" + name;
}

// Each test runs in its own process, possibly beside others: the process id
// keeps their files apart.
std::string Temp(const std::string& name) {
    return testing::TempDir() + "vnimage_" + std::to_string(getpid()) + "_" + name;
}

// Runs vnimage with the arguments, under `ulimit -v limitKiB` when given;
// returns its exit status and fills `err`.
int RunVnImage(const std::vector<std::string>& args, std::string& err, long limitKiB = 0) {
    std::string command = "'" + std::string(VN_VNIMAGE_PATH) + "'";
    if (limitKiB > 0)
        command = "ulimit -v " + std::to_string(limitKiB) + "; exec " + command;
    for (const std::string& arg : args)
        command += " '" + arg + "'";
    const std::string errPath = Temp("stderr.txt");
    command += " 2>'" + errPath + "' >/dev/null";
    const int status = std::system(command.c_str());
    const Bytes text = ReadAll(errPath);
    err.assign(text.begin(), text.end());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

constexpr int kWidth = 37;
constexpr int kHeight = 23;
const std::string kPamHeader =
    "P7\nWIDTH 37\nHEIGHT 23\nDEPTH 4\nMAXVAL 255\nTUPLTYPE RGB_ALPHA\nENDHDR\n";

// Decodes and checks the header; returns the pixel bytes (R, G, B, A).
Bytes Decode(const std::vector<std::string>& args) {
    const std::string out = Temp("out.pam");
    std::filesystem::remove(out);
    std::vector<std::string> all = {"decode"};
    all.insert(all.end(), args.begin(), args.end());
    all.push_back(out);
    std::string err;
    EXPECT_EQ(RunVnImage(all, err), 0) << err;
    EXPECT_EQ(err, "");
    const Bytes pam = ReadAll(out);
    if (pam.size() != kPamHeader.size() + kWidth * kHeight * 4 ||
        std::string(pam.begin(), pam.begin() + kPamHeader.size()) != kPamHeader) {
        ADD_FAILURE() << "bad PAM output for " << args[0];
        return Bytes(kWidth * kHeight * 4, 0);
    }
    return Bytes(pam.begin() + kPamHeader.size(), pam.end());
}

void ExpectColours(const Bytes& rgba, const Bytes& rgb, const std::string& what) {
    ASSERT_EQ(rgb.size(), size_t{kWidth * kHeight * 3}) << what;
    for (size_t i = 0; i < size_t{kWidth * kHeight}; ++i)
        for (int c = 0; c < 3; ++c)
            ASSERT_EQ(rgba[i * 4 + c], rgb[i * 3 + c]) << what << " pixel " << i;
}

} // namespace

TEST(VnImageFixtures, ColoursAgreeWithIndependentDecoder) {
    for (const char* name :
         {"photo_bmp3_1.bmp", "photo_bmp3_4.bmp", "photo_bmp3_8.bmp", "photo_bmp3_24.bmp",
          "photo_bmp5_24.bmp", "photo_unfiltered.png", "photo_adaptive.png"}) {
        const Bytes rgba = Decode({Fixture(name)});
        ExpectColours(rgba, ReadAll(Fixture(std::string(name) + ".rgb")), name);
        // No mask: alpha is 0 (these palettes store 0 in their fourth byte).
        for (size_t i = 0; i < rgba.size(); i += 4)
            ASSERT_EQ(rgba[i + 3], 0) << name;
    }
}

TEST(VnImageFixtures, MasksFollowTheAlphaRules) {
    const Bytes photo = ReadAll(Fixture("photo_bmp3_24.bmp.rgb"));

    // Greyscale PNG mask: grey used unchanged.
    const Bytes greyPng = ReadAll(Fixture("mask_grey.png.rgb"));
    Bytes rgba = Decode({Fixture("photo_bmp3_24.bmp"), "--mask", Fixture("mask_grey.png")});
    ExpectColours(rgba, photo, "png mask");
    for (size_t i = 0; i < size_t{kWidth * kHeight}; ++i)
        ASSERT_EQ(rgba[i * 4 + 3], greyPng[i * 3]) << i;

    // BMP mask: the grey value of each palette colour.
    const Bytes greyBmp = ReadAll(Fixture("mask_grey_8.bmp.rgb"));
    rgba = Decode({Fixture("photo_adaptive.png"), "--mask", Fixture("mask_grey_8.bmp")});
    ExpectColours(rgba, photo, "bmp mask");
    for (size_t i = 0; i < size_t{kWidth * kHeight}; ++i) {
        const uint8_t* g = &greyBmp[i * 3];
        ASSERT_EQ(rgba[i * 4 + 3], GreyValue(g[0], g[1], g[2])) << i;
    }

    // AUTO: the top-left colour is transparent, everything else opaque.
    rgba = Decode({"--mask", "auto", Fixture("photo_bmp3_4.bmp")});
    for (size_t i = 0; i < rgba.size(); i += 4) {
        const bool key = rgba[i] == rgba[0] && rgba[i + 1] == rgba[1] && rgba[i + 2] == rgba[2];
        ASSERT_EQ(rgba[i + 3], key ? 0 : 255) << i;
    }
}

TEST(VnImageFixtures, FailuresAreOneLineAndExitOne) {
    const std::string junk = Temp("junk.bmp");
    std::ofstream(junk) << "not a picture";
    struct Case {
        std::vector<std::string> args;
        std::string named;
    };
    const std::vector<Case> cases = {
        {{"decode", Temp("missing.png"), Temp("o.pam")}, Temp("missing.png")},
        {{"decode", junk, Temp("o.pam")}, junk},
        {{"decode", Fixture("photo_bmp3_24.bmp"), "--mask", junk, Temp("o.pam")}, junk},
        {{"decode", Fixture("photo_bmp3_24.bmp"), Temp("no/such/dir/o.pam")}, "o.pam"},
        {{"decode", Fixture("photo_bmp3_24.bmp")}, "usage"},
        {{"mask", junk}, junk},
        {{"resize", junk}, "resize"},
    };
    for (const Case& c : cases) {
        std::string err;
        EXPECT_EQ(RunVnImage(c.args, err), 1) << c.named;
        EXPECT_NE(err.find(c.named), std::string::npos) << err;
        EXPECT_NE(err.find("vnimage: "), std::string::npos) << err;
    }
    // Exactly one line for a failed file.
    std::string err;
    RunVnImage({"decode", junk, Temp("o.pam")}, err);
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
}

TEST(VnImageFixtures, LittleMemoryEndsNoCommand) {
    if (test_support::kSanitized)
        GTEST_SKIP() << "sanitizers cannot run under an address space limit";
    constexpr long kLimitKiB = 64 * 1024;
    const std::string out = Temp("o.pam");
    std::string err;
    // Zeros fail at once on the "BM" check.
    EXPECT_EQ(RunVnImage({"decode", "/dev/zero", out}, err, kLimitKiB), 1) << err;
    EXPECT_EQ(RunVnImage({"mask", "/dev/zero"}, err, kLimitKiB), 1) << err;
    // A 24-bit BMP header for 4096 x 2048 pixels and no rows: a 32 MiB
    // surface of zeros, which fits under the limit once but not twice.
    Bytes bmp = ReadAll(Fixture("photo_bmp3_24.bmp"));
    bmp.resize(54);
    for (const auto& [at, value] : {std::pair{18, 4096}, {22, 2048}})
        for (int i = 0; i < 4; ++i)
            bmp[at + i] = static_cast<uint8_t>(value >> (8 * i));
    const std::string rowless = Temp("rowless.bmp");
    std::ofstream(rowless, std::ios::binary).write(reinterpret_cast<const char*>(bmp.data()), 54);
    ASSERT_EQ(RunVnImage({"decode", rowless, out}, err, kLimitKiB), 0) << err;
    const std::string header =
        "P7\nWIDTH 4096\nHEIGHT 2048\nDEPTH 4\nMAXVAL 255\nTUPLTYPE RGB_ALPHA\nENDHDR\n";
    EXPECT_EQ(std::filesystem::file_size(out), header.size() + size_t{4096} * 2048 * 4);
    const Bytes start = ReadAll(out);
    EXPECT_EQ(std::string(start.begin(), start.begin() + header.size()), header);
    EXPECT_EQ(std::count(start.begin() + header.size(), start.end(), 0), 4096 * 2048 * 4);
    std::filesystem::remove(out);
}

TEST(VnImageFixtures, MaskCommandWritesEveryGoodFile) {
    const std::string a = Temp("a.bmp");
    const std::string b = Temp("b.bmp");
    std::filesystem::copy_file(Fixture("photo_bmp3_24.bmp"), a,
                               std::filesystem::copy_options::overwrite_existing);
    std::ofstream(b) << "broken";
    std::filesystem::remove(a + ".msk.bmp");
    std::string err;
    EXPECT_EQ(RunVnImage({"mask", b, a}, err), 1);
    EXPECT_NE(err.find(b), std::string::npos);
    // 37 mask bytes per row padded to 40, 23 rows, 1078 header bytes.
    EXPECT_EQ(std::filesystem::file_size(a + ".msk.bmp"), 40u * 23 + 1078);
    EXPECT_FALSE(std::filesystem::exists(b + ".msk.bmp"));
}

#else
TEST(VnImageFixtures, NeedsTheTool) {
    GTEST_SKIP() << "vnimage is not part of this build";
}
#endif
