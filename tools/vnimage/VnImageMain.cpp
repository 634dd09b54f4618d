// vnimage: image files from the command line.
//
//   vnimage decode IMAGE [--mask MASK|AUTO] OUT.pam
//       loads IMAGE (and its mask) exactly as the player does and writes the
//       surface as a PAM file, rows top-down, bytes red, green, blue, alpha;
//   vnimage mask FILE.bmp...
//       writes the grey mask FILE.bmp.msk.bmp of each 24-bit picture.
//
// Every failure prints one line on standard error naming the file and what
// failed, and the exit status is 1.
#include "graphics/ImageFile.h"
#include "graphics/PamWriter.h"
#include "graphics/Surface.h"
#include "maskgen/MaskGenerator.h"
#include "scenario/AtomicFile.h"
#include "scenario/CommandLine.h"
#include "scenario/RegularFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr const char* kUsage = "usage: vnimage decode IMAGE [--mask MASK|AUTO] OUT.pam\n"
                               "       vnimage mask FILE.bmp...\n"
                               "       vnimage --help | --version\n";

// What --help adds to the usage lines.
constexpr const char* kDetails =
    "\n"
    "  decode  loads IMAGE (BMP, or PNG) and its mask as the player does (AUTO:\n"
    "          the colour of the top-left pixel is transparent) and writes the\n"
    "          picture as a PAM file, rows top-down, bytes red, green, blue, alpha\n"
    "  mask    writes the grey mask FILE.bmp.msk.bmp of each 24-bit BMP\n"
    "\n"
    "A \"--\" ends the options. Each failure prints one line on standard error,\n"
    "and the exit status is then 1.\n";

int Fail(const std::string& file, const std::string& what) {
    std::fprintf(stderr, "vnimage: %s: %s\n", file.c_str(), what.c_str());
    return 1;
}

int Usage(const char* problem) {
    std::fprintf(stderr, "vnimage: %s\n%s", problem, kUsage);
    return 1;
}

// Why a file could not be read: its system error, or a format problem.
std::string ReadProblem(const std::string& path, const char* formatProblem) {
    std::FILE* file = vn::OpenRegularFile(path);
    if (file == nullptr)
        return std::string("cannot open: ") + std::strerror(errno);
    std::fclose(file);
    return formatProblem;
}

int Decode(const std::vector<std::string>& args) {
    std::vector<std::string> positional;
    std::string mask;
    bool haveMask = false;
    bool operandsOnly = false;
    for (size_t i = 0; i < args.size(); ++i) {
        if (!operandsOnly && args[i] == "--") {
            operandsOnly = true;
        } else if (!operandsOnly && args[i] == "--mask") {
            if (haveMask || i + 1 >= args.size())
                return Usage(haveMask ? "--mask given twice" : "--mask needs a file or AUTO");
            mask = args[++i];
            haveMask = true;
        } else {
            positional.push_back(args[i]);
        }
    }
    if (positional.size() != 2)
        return Usage("decode needs an image and an output file");
    const std::string& image = positional[0];
    const std::string& output = positional[1];

    Surface surface;
    if (!surface.Load(image.c_str(), haveMask ? mask.c_str() : nullptr)) {
        if (!surface.IsCreated())
            return Fail(image, ReadProblem(image, "not a readable BMP (1, 4, 8 or 24 bits, "
                                                  "uncompressed) or PNG"));
        return Fail(mask,
                    ReadProblem(mask, "not a readable mask (BMP or PNG) of the image's size"));
    }

    vn::AtomicFile file;
    int error = 0;
    if (!file.Open(output))
        error = file.Error();
    else if (!WritePam(surface, file.Stream()))
        error = errno;
    else if (!file.Commit())
        error = file.Error();
    else
        return 0;
    return Fail(output, std::string("cannot write: ") + std::strerror(error != 0 ? error : EIO));
}

int Mask(const std::vector<std::string>& files) {
    if (files.empty())
        return Usage("mask needs at least one file");
    int status = 0;
    for (const std::string& input : files) {
        switch (maskgen::GenerateMaskFile(input)) {
        case maskgen::MaskResult::Written:
            break;
        case maskgen::MaskResult::ReadFailed:
            status = Fail(input, ReadProblem(input, "not an uncompressed 24-bit BMP, or shorter "
                                                    "than its rows"));
            break;
        case maskgen::MaskResult::WriteFailed:
            status = Fail(maskgen::MaskPathFor(input), "cannot write the mask file");
            break;
        }
    }
    return status;
}

} // namespace

int main(int argc, char** argv) {
    const std::string help = std::string(kUsage) + kDetails;
    if (const auto status = vn::AnswerStandardOptions(argc, argv, {"vnimage", help.c_str()}))
        return *status;
    if (argc < 2)
        return Usage("no command given");
    const std::string command = argv[1];
    if (command == "decode")
        return Decode(std::vector<std::string>(argv + 2, argv + argc));
    if (command == "mask")
        return Mask(vn::ProgramArguments(argc - 1, argv + 1));
    return Usage(("unknown command \"" + command + "\"").c_str());
}
