// vnevedit: the event file editor.
#include "eventeditor/EventEditorProgram.h"
#include "platform/Application.h"
#include "resources/EventEditorResources.h"
#include "scenario/CommandLine.h"

namespace {

constexpr const char* kUsage =
    "usage: vnevedit [FILE.evt]\n"
    "       vnevedit --help | --version\n"
    "Edits an event file as a numbered list of events, or as script text;\n"
    "without FILE.evt it starts with an empty, unnamed list.\n";

} // namespace

int main(int argc, char** argv) {
    if (const auto status = vn::AnswerStandardOptions(argc, argv, {"vnevedit", kUsage}))
        return *status;
    platform::Application app(argc, argv, resources::EventEditorResources());
    return RunEventEditor(vn::ProgramArguments(argc, argv));
}
