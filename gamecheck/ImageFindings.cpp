#include "gamecheck/ImageFindings.h"

#include "gamecheck/GameFiles.h"
#include "gamecheck/private/GameChecker.h"
#include "graphics/Surface.h"

namespace gamecheck {
namespace {

const VNString kNoChange("NOCHANGE");
const VNString kAutoMask("AUTO");

std::string Subject(const std::string& what, const VNString& name) {
    return what + " " + Quote(name);
}

void AddLine(std::string& lines, const std::string& line) {
    if (!line.empty())
        lines += (lines.empty() ? "" : "\n") + line;
}

} // namespace

std::string MissingImageFinding(const std::string& what, const VNString& name) {
    return Subject(what, name) + " does not exist in cg/";
}

std::string ColourImageFinding(const std::string& what, const VNString& name,
                               const ImageFacts& facts) {
    const ImageVerdict verdict = JudgeColourImage(facts);
    if (verdict == ImageVerdict::Ok)
        return {};
    return Subject(what, name) + " " + DescribeImageVerdict(verdict, facts);
}

std::string MaskImageFinding(const std::string& what, const VNString& name, const ImageFacts& facts,
                             const ImageFacts* colour) {
    const ImageVerdict verdict = colour ? JudgeMaskImage(facts, colour->width, colour->height)
                                        : JudgeMaskImage(facts, facts.width, facts.height);
    if (verdict == ImageVerdict::Ok)
        return {};
    if (verdict == ImageVerdict::MaskSize && colour)
        return Subject(what, name) + " is " + std::to_string(facts.width) + "x" +
               std::to_string(facts.height) + " pixels, but its image is " +
               std::to_string(colour->width) + "x" + std::to_string(colour->height);
    return Subject(what, name) + " " + DescribeImageVerdict(verdict, facts);
}

std::string ExplainImageLoad(const std::string& folder, const VNString& image,
                             const VNString& mask) {
    if (image == kNoChange)
        return "\"NOCHANGE\" keeps the picture a layer shows, but the layer shows none";
    GameFiles files(folder);
    const VNString cg("cg\\");
    std::string lines;
    const GameFiles::Name& imageFile = files.Resolve(cg + image);
    const ImageFacts* colour = nullptr;
    if (!imageFile.exists) {
        AddLine(lines, MissingImageFinding("image", image));
    } else {
        const ImageFacts& facts = files.Probe(imageFile.path);
        const std::string finding = ColourImageFinding("image", image, facts);
        AddLine(lines, finding);
        colour = finding.empty() ? &facts : nullptr;
    }
    const bool maskFile = !mask.IsEmpty() && mask != kAutoMask;
    std::string maskPath;
    if (maskFile) {
        const GameFiles::Name& found = files.Resolve(cg + mask);
        maskPath = found.path;
        AddLine(lines, found.exists
                           ? MaskImageFinding("mask", mask, files.Probe(found.path), colour)
                           : MissingImageFinding("mask", mask));
    }
    if (!lines.empty())
        return lines;
    // The headers are in order: only decoding can tell.
    Surface picture;
    if (!picture.Load(imageFile.path.c_str(), nullptr))
        return Subject("image", image) + " has damaged image data (its headers are in order)";
    if (maskFile && !picture.Load(imageFile.path.c_str(), maskPath.c_str()))
        return Subject("mask", mask) + " has damaged image data (its headers are in order)";
    return maskFile ? Subject("image", image) + " and " + Subject("mask", mask) + " load now"
                    : Subject("image", image) + " loads now";
}

} // namespace gamecheck
