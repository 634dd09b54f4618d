#include "tools/vnscript/check/ImageFindings.h"

#include "graphics/Surface.h"
#include "tools/vnscript/check/GameFiles.h"
#include "tools/vnscript/check/private/GameChecker.h"

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

} // namespace gamecheck
