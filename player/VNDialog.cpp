#include "player/VNDialog.h"

#include "resources/Resource.h"
#include "scenario/VNAssert.h"

using platform::LPARAM;
using platform::WPARAM;

namespace {

// The instance table: every dialog whose window exists.
VNDialog* instances[VND_INSTANCES_MAX] = {};
int inst_count = 0;

} // namespace

// Routes the dialog window's messages to the virtual handlers.
class VNDialog::Sink : public platform::DialogSink {
public:
    explicit Sink(VNDialog& d) : dialog(d) {}

    void OnCreated(platform::WindowHandle handle) override {
        dialog.hWnd = handle;
        dialog.Register();
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
        Unregister();
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
        Unregister();
}

VNDialog* VNDialog::FromHandle(platform::WindowHandle handle) {
    if (handle == nullptr)
        return nullptr;
    for (VNDialog* dialog : instances)
        if (dialog && dialog->hWnd == handle)
            return dialog;
    return nullptr;
}

int VNDialog::InstanceCount() {
    return inst_count;
}

void VNDialog::Register() {
    if (registered_)
        return; // shown again while still shown: one slot is enough
    // The count may not reach the table size (at most VND_INSTANCES_MAX - 1
    // dialogs). Without assertions a dialog beyond that stays unregistered
    // and its window receives no messages.
    ++inst_count;
    VN_ASSERT(inst_count < VND_INSTANCES_MAX);
    --inst_count;
    if (inst_count + 1 >= VND_INSTANCES_MAX)
        return;
    for (VNDialog*& slot : instances) {
        if (slot == nullptr) {
            slot = this;
            ++inst_count;
            registered_ = true;
            return;
        }
    }
}

void VNDialog::Unregister() {
    VN_ASSERT(inst_count > 0);
    int n = -1;
    for (int i = 0; i < VND_INSTANCES_MAX; ++i)
        if (instances[i] == this)
            n = i;
    VN_ASSERT(n >= 0);
    if (n < 0)
        return;
    instances[n] = nullptr;
    --inst_count;
    registered_ = false;
}
