// Start-up of every program: the one toolkit application object (or one line
// on standard error and status 1 where no display can be opened), Qt's own
// texts in Japanese whatever the locale, the font rules that map the original face
// names to installed Japanese faces, the assertion box, the program's
// resources and its icon.
#pragma once

#include "resources/Resource.h"

#include <memory>

namespace platform {

class ModalHook;
namespace detail {
struct AppAccess;
}

class Application {
public:
    // `resources` must outlive the application. Creates the toolkit's
    // application object (or uses one that already exists).
    Application(int& argc, char** argv, const resources::ResourceSet& resources);
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // The application of this process, or null before one is constructed.
    static Application* Current();

    const resources::ResourceSet& Resources() const { return *resources_; }
    void SetResources(const resources::ResourceSet& resources) { resources_ = &resources; }

    // The test seam (see ModalHook.h); null in a normal run.
    ModalHook* Hook() const { return hook_; }
    void SetHook(ModalHook* hook) { hook_ = hook; }

    // Ends every modal dialog, message box and file chooser that is running,
    // innermost first; each modal call returns as if dismissed.
    void EndAllModals();

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
    const resources::ResourceSet* resources_;
    ModalHook* hook_ = nullptr;
    friend struct detail::AppAccess;
};

// For test programs: makes sure an application exists on the offscreen
// platform (QT_QPA_PLATFORM=offscreen unless already set) and uses
// `resources`. The object lives until the process ends.
Application& EnsureTestApplication(const resources::ResourceSet& resources);

} // namespace platform
