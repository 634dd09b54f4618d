// vnparedit: the flag-data (parameter) file editor.
#include "parameditor/ParamEditorProgram.h"
#include "platform/Application.h"
#include "resources/ParamEditorResources.h"
#include "scenario/CommandLine.h"

namespace {

constexpr const char* kUsage =
    "usage: vnparedit [FILE.flg]\n"
    "       vnparedit --help | --version\n"
    "Edits a flag-data (parameter) file; without FILE.flg it starts with an\n"
    "empty, unnamed table.\n";

} // namespace

int main(int argc, char** argv) {
    if (const auto status = vn::AnswerStandardOptions(argc, argv, {"vnparedit", kUsage}))
        return *status;
    platform::Application app(argc, argv, resources::ParamEditorResources());
    return RunParamEditor(vn::ProgramArguments(argc, argv));
}
