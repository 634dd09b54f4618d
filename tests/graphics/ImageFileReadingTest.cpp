// Surface::Load reads an image file only as far as its reader needs: zeros
// fail at the first header check, and bytes after the last row or after IEND
// are never read. Endless inputs run in a child process with its address
// space capped, so a reader that runs away fails the test, not the machine.
#include "ImageBuilders.h"
#include "graphics/Surface.h"
#include "tests/support/AddressSpaceLimit.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <string>

using imagetest::Bytes;

namespace {

std::string TempPath(const std::string& name) {
    return testing::TempDir() + "image_reading_" + std::to_string(getpid()) + "_" + name;
}

// A 2 x 2 24-bit BMP: bottom row blue, green; top row red, white.
Bytes SmallBmp() {
    imagetest::BmpFields fields;
    fields.width = 2;
    fields.height = 2;
    fields.rows = {Bytes{0xFF, 0, 0, 0, 0xFF, 0, 0, 0}, Bytes{0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0, 0}};
    return imagetest::MakeBmp(fields);
}

// The same picture as a PNG (rows top-down: red, white; blue, green).
Bytes SmallPng() {
    return imagetest::MakePng(imagetest::Ihdr(2, 2, 8, 2),
                              Bytes{0, 255, 0, 0, 255, 255, 255, 0, 0, 0, 255, 0, 255, 0});
}

bool HoldsSmallPicture(const Surface& s) {
    return s.Width() == 2 && s.Height() == 2 && s.MemoryRow(0)[0] == 0x0000FFu &&
           s.MemoryRow(0)[1] == 0x00FF00u && s.MemoryRow(1)[0] == 0xFF0000u &&
           s.MemoryRow(1)[1] == 0xFFFFFFu;
}

// A named pipe that delivers `head` and then zeros for as long as anyone
// reads; the writer is a child process, ended by the caller.
pid_t EndlessPipe(const std::string& path, const Bytes& head) {
    ::unlink(path.c_str());
    if (::mkfifo(path.c_str(), 0600) != 0)
        return -1;
    const pid_t writer = ::fork();
    if (writer == 0) {
        const int fd = ::open(path.c_str(), O_WRONLY);
        if (fd < 0 || ::write(fd, head.data(), head.size()) != static_cast<ssize_t>(head.size()))
            _exit(1);
        static const char zeros[1 << 16] = {};
        while (::write(fd, zeros, sizeof zeros) > 0) {
        }
        _exit(0);
    }
    return writer;
}

struct EndlessCase {
    const char* name;
    const char* image; // a path, or "pipe" for the endless pipe
    const char* mask;  // null for none
    Bytes pipeHead;    // what the pipe delivers before its zeros
    const char* pipeName;
    bool loads;
};

// In the child: caps memory, loads, exits 0 when the result is as expected.
void LoadUnderLimit(const EndlessCase& c) {
    pid_t writer = -1;
    std::string image = c.image;
    if (image == "pipe") {
        image = TempPath(c.pipeName);
        writer = EndlessPipe(image, c.pipeHead);
    }
    if (!test_support::LimitAddressSpace(size_t{64} << 20))
        _exit(2);
    Surface s;
    const bool loaded = s.Load(image.c_str(), c.mask);
    if (writer > 0) {
        ::kill(writer, SIGKILL);
        ::waitpid(writer, nullptr, 0);
    }
    _exit(loaded == c.loads && (!loaded || HoldsSmallPicture(s)) ? 0 : 1);
}

} // namespace

TEST(ImageFileReadingDeathTest, EndlessInputsAreReadOnlyAsFarAsNeeded) {
    if (test_support::kSanitized)
        GTEST_SKIP() << "sanitizers cannot run under an address space limit";
    const std::string bmp = TempPath("small.bmp");
    ASSERT_TRUE(imagetest::WriteFile(bmp, SmallBmp()));
    const std::string zeroPng = TempPath("zero.png");
    std::filesystem::remove(zeroPng);
    std::filesystem::create_symlink("/dev/zero", zeroPng);

    const EndlessCase cases[] = {
        {"zeros as a BMP", "/dev/zero", nullptr, {}, "", false},
        {"zeros as a PNG", zeroPng.c_str(), nullptr, {}, "", false},
        {"zeros as a BMP mask", bmp.c_str(), "/dev/zero", {}, "", false},
        {"zeros as a PNG mask", bmp.c_str(), zeroPng.c_str(), {}, "", false},
        // Only regular files are read: a pipe is refused however it starts.
        {"a BMP followed by endless bytes", "pipe", nullptr, SmallBmp(), "pipe.bmp", false},
        {"a PNG followed by endless bytes", "pipe", nullptr, SmallPng(), "pipe.png", false},
    };
    for (const EndlessCase& c : cases)
        EXPECT_EXIT(LoadUnderLimit(c), testing::ExitedWithCode(0), "") << c.name;
}
