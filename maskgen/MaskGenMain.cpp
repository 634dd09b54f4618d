// vnmaskgen. With file names on the command line every file is turned into
// its mask in order, without a window: each failure is reported on standard
// error, the next file is still processed, and the exit status is 1 when any
// file failed. Without arguments the drop window opens (in builds with the
// window layer).
#include "maskgen/MaskGenerator.h"

#include <cstdio>

#ifdef VN_MASKGEN_WINDOW
#include "maskgen/window/MaskGenWindow.h"
#endif

namespace {

int RunBatch(int argc, char** argv) {
    int status = 0;
    for (int i = 1; i < argc; ++i) {
        const maskgen::MaskResult result = maskgen::GenerateMaskFile(argv[i]);
        if (result != maskgen::MaskResult::Written) {
            std::fprintf(stderr, "%s\n", maskgen::MaskFailureMessage(result, argv[i]).c_str());
            status = 1;
        }
    }
    return status;
}

} // namespace

int main(int argc, char** argv) {
    if (argc >= 2)
        return RunBatch(argc, argv);
#ifdef VN_MASKGEN_WINDOW
    return maskgen::RunMaskGenWindow(argc, argv);
#else
    std::fputs("usage: vnmaskgen FILE.bmp...\n", stderr);
    return 2;
#endif
}
