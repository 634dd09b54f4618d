// vnmaskgen from the command line: every file named is turned into its mask
// in order, without a window. Each failure is reported on standard error
// and the next file is still processed; the exit status is 1 when any
// file failed.
#include "maskgen/MaskGenerator.h"

#include <cstdio>

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fputs("usage: vnmaskgen FILE.bmp...\n", stderr);
        return 2;
    }
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
