// A test tool, not a program of the suite: shows the edit dialog of one
// event for a while so that it can be looked at or photographed under a
// virtual display, then prints the event's script line.
//
//   show_event_dialog probe|editor "SCRIPT LINE" [--layer ITEM] [--hold SECONDS]
//
// With --layer the animation dialog selects list item ITEM and opens its
// layer sub-dialog, which is then the window held open.
#include "eventeditor/VNEventEditDlg.h"
#include "platform/Application.h"
#include "platform/DialogHost.h"
#include "platform/EventPump.h"
#include "platform/ModalHook.h"
#include "resources/EventDialogResources.h"
#include "resources/PlayerResources.h"
#include "scenario/ScriptText.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

int Usage() {
    std::fprintf(stderr, "usage: show_event_dialog probe|editor \"SCRIPT LINE\" [--layer ITEM] "
                         "[--hold SECONDS]\n");
    return 2;
}

// Keeps the window on screen for `seconds`, then closes it.
void Hold(platform::ModalView& view, double seconds) {
    platform::RepeatingTimer tick;
    tick.Start(50);
    const auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    while (view.IsOpen() && std::chrono::steady_clock::now() < end)
        platform::WaitForMessage();
    view.Close();
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3)
        return Usage();
    const bool editor = std::strcmp(argv[1], "editor") == 0;
    if (!editor && std::strcmp(argv[1], "probe") != 0)
        return Usage();
    VNString line;
    if (!VNString::FromUtf8(argv[2], line))
        return Usage();
    int layerItem = -1;
    double seconds = 5;
    for (int i = 3; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--layer") == 0)
            layerItem = std::atoi(argv[i + 1]);
        else if (std::strcmp(argv[i], "--hold") == 0)
            seconds = std::atof(argv[i + 1]);
        else
            return Usage();
    }

    resources::ResourceSet set = resources::MakePlayerResources(true);
    if (editor) {
        set = resources::ResourceSet("vnevedit");
        resources::AddEditorEventDialogs(set);
    }
    platform::Application app(argc, argv, set);
    VNEvent event(EVENTCODE_COMMENT);
    FromScriptLine(event, line);

    platform::ModalHook hook;
    if (layerItem >= 0) {
        hook.Push([layerItem](platform::ModalView& v) {
            v.Dialog().ListSetSelection(resources::event_id::List, layerItem);
            v.Press(resources::event_id::SetLayer);
            v.Press(resources::IDCANCEL);
        });
    }
    hook.Push([seconds](platform::ModalView& v) { Hold(v, seconds); });

    VNEventEditDlg(nullptr, editor ? EventDialogSet::Editor : EventDialogSet::Probe).Edit(&event);
    std::printf("%s\n", ToScriptLine(event).ToUtf8Lossy().c_str());
    return 0;
}
