#include "platform/ModalHook.h"

#include "platform/Application.h"

namespace platform {

namespace {

std::string Describe(const ModalView& view) {
    switch (view.Kind()) {
    case ModalKind::Dialog:
        return "dialog " + view.TemplateName() + " \"" + view.Caption().ToUtf8Lossy() + "\"";
    case ModalKind::MessageBox:
        return "message \"" + view.Text().ToUtf8Lossy() + "\" \"" + view.Caption().ToUtf8Lossy() +
               "\"";
    case ModalKind::OpenFile:
        return "open chooser \"" + view.Caption().ToUtf8Lossy() + "\"";
    case ModalKind::SaveFile:
        return "save chooser \"" + view.Caption().ToUtf8Lossy() + "\"";
    }
    return {};
}

} // namespace

ModalHook::ModalHook() {
    if (Application* app = Application::Current())
        app->SetHook(this);
}

ModalHook::~ModalHook() {
    if (Application* app = Application::Current(); app && app->Hook() == this)
        app->SetHook(nullptr);
}

void ModalHook::Push(Script script) {
    scripts_.push_back(std::move(script));
}

void ModalHook::Run(ModalView& view) {
    const std::string description = Describe(view);
    seen_.push_back(description);
    if (scripts_.empty()) {
        problems_.push_back("no script for " + description);
    } else {
        Script script = std::move(scripts_.front());
        scripts_.pop_front();
        script(view);
        if (!view.IsOpen())
            return;
        problems_.push_back("left open: " + description);
    }
    view.Close();
    if (view.IsOpen())
        view.abandon();
}

} // namespace platform
