// vnmaskgen. With file names on the command line every file is turned into
// its mask in order, without a window: each failure is reported on standard
// error, the next file is still processed, and the exit status is 1 when any
// file failed. Without arguments the drop window opens (in builds with the
// window layer).
#include "maskgen/MaskGenerator.h"
#include "scenario/CommandLine.h"

#include <cstdio>
#include <string>
#include <vector>

#ifdef VN_MASKGEN_WINDOW
#include "maskgen/window/MaskGenWindow.h"
#endif

namespace {

constexpr const char* kUsage =
    "usage: vnmaskgen [FILE.bmp...]\n"
    "       vnmaskgen --help | --version\n"
    "Writes the grey mask FILE.bmp.msk.bmp of each uncompressed 24-bit BMP; the\n"
    "exit status is 1 when any file failed. Without files it opens a window that\n"
    "takes dropped files.\n";

int RunBatch(const std::vector<std::string>& files) {
    int status = 0;
    for (const std::string& file : files) {
        const maskgen::MaskResult result = maskgen::GenerateMaskFile(file);
        if (result != maskgen::MaskResult::Written) {
            std::fprintf(stderr, "%s\n", maskgen::MaskFailureMessage(result, file).c_str());
            status = 1;
        }
    }
    return status;
}

} // namespace

int main(int argc, char** argv) {
    if (const auto status = vn::AnswerStandardOptions(argc, argv, {"vnmaskgen", kUsage}))
        return *status;
    if (const std::vector<std::string> files = vn::ProgramArguments(argc, argv); !files.empty())
        return RunBatch(files);
#ifdef VN_MASKGEN_WINDOW
    return maskgen::RunMaskGenWindow(argc, argv);
#else
    std::fputs("usage: vnmaskgen FILE.bmp...\n", stderr);
    return 2;
#endif
}
