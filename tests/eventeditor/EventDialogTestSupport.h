// Event edit dialogs on the offscreen platform, in both sets: the debug
// player's resources (vnprobe) and the event editor's.
#pragma once

#include "eventeditor/VNEventEditDlg.h"
#include "platform/Application.h"
#include "platform/ModalHook.h"
#include "resources/EventDialogResources.h"
#include "resources/PlayerResources.h"
#include "scenario/VNEvent.h"
#include "scenario/VNEventFile.h"
#include "tests/scenario/TempFolder.h"
#include "window/VNDialog.h"

#include <gtest/gtest.h>
#include <string>

namespace evtest {

inline const resources::ResourceSet& ProbeResources() {
    static const resources::ResourceSet set = resources::MakePlayerResources(true);
    return set;
}

inline const resources::ResourceSet& EditorResources() {
    static const resources::ResourceSet set = [] {
        resources::ResourceSet s("vnevedit");
        resources::AddEditorEventDialogs(s);
        return s;
    }();
    return set;
}

inline const resources::ResourceSet& ResourcesOf(EventDialogSet set) {
    return set == EventDialogSet::Probe ? ProbeResources() : EditorResources();
}

inline std::string SetName(const ::testing::TestParamInfo<EventDialogSet>& info) {
    return info.param == EventDialogSet::Probe ? "Probe" : "Editor";
}

// The bytes an event file holding just `e` is saved as.
inline std::string SavedBytes(const VNEvent& e) {
    TempFolder folder;
    VNEventFile file;
    file.Push(&e);
    EXPECT_TRUE(file.Save(folder / "one.evt"));
    return ReadBytes(folder / "one.evt");
}

inline std::string Utf8(const VNString& text) {
    return text.ToUtf8Lossy();
}

// A fixture run once per set.
class EventDialogTest : public ::testing::TestWithParam<EventDialogSet> {
protected:
    EventDialogTest() { app.SetResources(ResourcesOf(GetParam())); }

    void TearDown() override {
        for (const std::string& problem : hook.Problems())
            ADD_FAILURE() << problem;
        EXPECT_EQ(hook.Pending(), 0u) << "scripts left over";
        EXPECT_EQ(VNDialog::InstanceCount(), 0);
    }

    EventDialogSet Set() const { return GetParam(); }
    bool Editor() const { return GetParam() == EventDialogSet::Editor; }
    bool Edit(VNEvent& e) { return VNEventEditDlg(nullptr, Set()).Edit(&e); }

    platform::Application& app = platform::EnsureTestApplication(ProbeResources());
    platform::ModalHook hook;
};

} // namespace evtest
