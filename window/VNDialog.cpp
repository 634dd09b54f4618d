#include "window/VNDialog.h"

#include "resources/Resource.h"
#include "scenario/VNAssert.h"
#include "window/InstanceTable.h"

using platform::LPARAM;
using platform::WPARAM;

namespace {

// The instance table: every dialog whose window exists.
InstanceTable<VNDialog, VND_INSTANCES_MAX> instances("inst_count < VND_INSTANCES_MAX");

} // namespace

// Routes the dialog window's messages to the virtual handlers.
class VNDialog::Sink : public platform::DialogSink {
public:
    explicit Sink(VNDialog& d) : dialog(d) {}

    void OnCreated(platform::WindowHandle handle) override {
        dialog.hWnd = handle;
        // Shown again while still shown: the one slot it has is enough.
        instances.Register(&dialog, dialog.registered_);
    }
    bool OnInit() override { return dialog.registered_ && dialog.OnInit(); }
    void OnClose() override {
        if (dialog.registered_)
            dialog.OnClose();
    }
    void OnDropFiles(const platform::DropFiles& drop) override {
        if (dialog.registered_)
            dialog.OnDropFiles(drop);
    }
    void OnCommand(WPARAM wParam, LPARAM lParam) override {
        if (dialog.registered_)
            dialog.OnCommand(wParam, lParam);
    }
    void OnSize(int width, int height) override {
        if (dialog.registered_)
            dialog.OnSize(width, height);
    }
    void OnDrawItem(int controlId, platform::DrawItem& item) override {
        if (dialog.registered_)
            dialog.OnDrawItem(controlId, item);
    }
    void OnWindowGone() override { dialog.Forget(); }

    VNDialog& dialog;
};

VNDialog::VNDialog()
    : sink_(std::make_unique<Sink>(*this)), host_(std::make_unique<platform::DialogHost>(*sink_)) {}

VNDialog::~VNDialog() {
    VN_ASSERT(hWnd == NULL);
    if (registered_)
        instances.Unregister(this, registered_);
}

bool VNDialog::OnInit() {
    return true;
}

void VNDialog::OnClose() {
    EndDialog(0);
}

void VNDialog::OnDropFiles(const platform::DropFiles&) {}

void VNDialog::OnCommand(WPARAM wParam, LPARAM) {
    switch (platform::LowWord(wParam)) {
    case resources::IDOK:
        EndDialog(1);
        break;
    case resources::IDCANCEL:
        EndDialog(0);
        break;
    default:
        break;
    }
}

void VNDialog::OnSize(int, int) {}

void VNDialog::OnDrawItem(int, platform::DrawItem&) {}

int VNDialog::ShowModal(const VNString& caption, const std::string& templateName,
                        platform::WindowHandle parent) {
    caption_ = caption;
    const int result = host_->RunModal(caption, templateName, parent);
    Forget();
    return result;
}

bool VNDialog::ShowModeless(const VNString& caption, const std::string& templateName,
                            platform::WindowHandle parent) {
    caption_ = caption;
    return host_->ShowModeless(caption, templateName, parent) && hWnd != nullptr;
}

void VNDialog::End() {
    if (hWnd == nullptr)
        return;
    host_->End(0);
    Forget();
}

void VNDialog::EndDialog(int result) {
    host_->End(result);
    Forget();
}

void VNDialog::Forget() {
    hWnd = nullptr;
    // Once its window is gone the dialog leaves the table, however it ended,
    // so a dialog closed by its close box cannot hold a slot for ever.
    if (registered_)
        instances.Unregister(this, registered_);
}

VNDialog* VNDialog::FromHandle(platform::WindowHandle handle) {
    return instances.WithHandle(handle);
}

int VNDialog::InstanceCount() {
    return instances.Count();
}
