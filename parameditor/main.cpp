// vnparedit: the flag-data (parameter) file editor.
#include "parameditor/ParamEditorProgram.h"
#include "platform/Application.h"
#include "resources/ParamEditorResources.h"

int main(int argc, char** argv) {
    platform::Application app(argc, argv, resources::ParamEditorResources());
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i)
        args.emplace_back(argv[i]);
    return RunParamEditor(args);
}
