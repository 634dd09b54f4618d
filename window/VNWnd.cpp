#include "window/VNWnd.h"

#include "platform/Application.h"
#include "platform/EventPump.h"
#include "platform/WindowHost.h"
#include "platform/WindowStyles.h"
#include "resources/Resource.h"
#include "scenario/VNAssert.h"
#include "window/InstanceTable.h"
#include "window/VNWindowClosedException.h"

using platform::LPARAM;
using platform::Message;
using platform::WPARAM;

namespace {

// The instance table: every open window, so a handle leads to its object.
InstanceTable<VNWnd, VNWND_WINDOWS_MAX> instances("inst_count < VNWND_WINDOWS_MAX");

} // namespace

struct VNWnd::Impl : platform::WindowSink {
    explicit Impl(VNWnd& w) : owner(w), host(*this) {}

    bool OnMessage(const Message& message, bool fromQueue) override {
        // Messages before registration (during creation) take the default processing.
        if (!owner.registered_)
            return false;
        if (fromQueue)
            owner.PreTranslate(message); // translation itself has nothing to do here
        return owner.Dispatch(message), Handles(message.message);
    }

    static bool Handles(uint32_t message) {
        switch (message) {
        case platform::WM_CLOSE:
        case platform::WM_DESTROY:
        case platform::WM_COMMAND:
        case platform::WM_PAINT:
        case platform::WM_MOVE:
        case platform::WM_MOUSEMOVE:
        case platform::WM_LBUTTONDOWN:
        case platform::WM_LBUTTONUP:
        case platform::WM_RBUTTONDOWN:
        case platform::WM_RBUTTONUP:
        case platform::WM_KEYDOWN:
        case platform::WM_KEYUP:
        case platform::WM_MOUSEWHEEL:
            return true;
        default:
            return false;
        }
    }

    VNWnd& owner;
    platform::WindowHost host;
};

VNWnd::VNWnd() : impl_(std::make_unique<Impl>(*this)) {}

VNWnd::~VNWnd() {
    VN_ASSERT(hWnd == NULL);
    if (registered_)
        instances.Unregister(this, registered_);
}

int VNWnd::PreTranslate(const Message&) {
    return 0;
}
void VNWnd::OnClose() {
    Close();
}
void VNWnd::OnDestroy() {}
void VNWnd::OnCommand(WPARAM, LPARAM) {}
void VNWnd::OnPaint() {}
void VNWnd::OnMove(int, int) {}
void VNWnd::OnMouseMove(WPARAM, LPARAM) {}
void VNWnd::OnLButtonDown(WPARAM, LPARAM) {}
void VNWnd::OnLButtonUp(WPARAM, LPARAM) {}
void VNWnd::OnRButtonDown(WPARAM, LPARAM) {}
void VNWnd::OnRButtonUp(WPARAM, LPARAM) {}
void VNWnd::OnKeyDown(int, LPARAM) {}
void VNWnd::OnKeyUp(int, LPARAM) {}
void VNWnd::OnMouseWheel(WPARAM, LPARAM) {}

void VNWnd::Dispatch(const Message& m) {
    switch (m.message) {
    case platform::WM_CLOSE:
        OnClose();
        break;
    case platform::WM_DESTROY:
        OnDestroy();
        break;
    case platform::WM_COMMAND:
        OnCommand(m.wParam, m.lParam);
        break;
    case platform::WM_PAINT:
        OnPaint();
        break;
    case platform::WM_MOVE:
        OnMove(platform::SignedLowWord(m.lParam), platform::SignedHighWord(m.lParam));
        break;
    case platform::WM_MOUSEMOVE:
        OnMouseMove(m.wParam, m.lParam);
        break;
    case platform::WM_LBUTTONDOWN:
        OnLButtonDown(m.wParam, m.lParam);
        break;
    case platform::WM_LBUTTONUP:
        OnLButtonUp(m.wParam, m.lParam);
        break;
    case platform::WM_RBUTTONDOWN:
        OnRButtonDown(m.wParam, m.lParam);
        break;
    case platform::WM_RBUTTONUP:
        OnRButtonUp(m.wParam, m.lParam);
        break;
    case platform::WM_KEYDOWN:
        OnKeyDown(static_cast<int>(m.wParam), m.lParam);
        break;
    case platform::WM_KEYUP:
        OnKeyUp(static_cast<int>(m.wParam), m.lParam);
        break;
    case platform::WM_MOUSEWHEEL:
        OnMouseWheel(m.wParam, m.lParam);
        break;
    default:
        break;
    }
}

bool VNWnd::Create(const VNString& caption, const char* menuName, const char* iconName,
                   int background, int x, int y, int width, int height, uint32_t style, uint32_t,
                   platform::WindowHandle parent) {
    // The condition's text is part of the report; keep its spelling.
    // clang-format off
    VN_ASSERT(! is_open);
    // clang-format on
    platform::WindowParams params;
    params.caption = caption;
    if (menuName) {
        const platform::Application* app = platform::Application::Current();
        const resources::MenuSpec* hMenu = app ? app->Resources().FindMenu(menuName) : nullptr;
        VN_ASSERT(hMenu != NULL);
        if (!hMenu)
            return false;
        params.menuName = menuName;
    }
    if (iconName)
        params.iconName = iconName;
    params.x = x == platform::CW_USEDEFAULT ? -1 : x;
    params.y = y == platform::CW_USEDEFAULT ? -1 : y;
    params.clientWidth = width == platform::CW_USEDEFAULT ? 640 : width;
    params.clientHeight = height == platform::CW_USEDEFAULT ? 480 : height;
    params.resizable = style & platform::WS_THICKFRAME;
    params.minimizeBox = style & platform::WS_MINIMIZEBOX;
    params.parent = parent;
    params.background = background == platform::BLACK_BRUSH ? 0x000000u : 0xFFFFFFu;
    if (!impl_->host.Create(params))
        return false;
    hWnd = impl_->host.Handle();
    hasMenu_ = !params.menuName.empty();
    instances.Register(this, registered_);
    is_open = true;
    return true;
}

void VNWnd::PumpMessages() {
    const int delivered = platform::PumpPending();
    if (delivered > 0 && hWnd == nullptr)
        throw VNWindowClosedException();
}

void VNWnd::WaitMessages(int timeoutMs) {
    const int delivered = platform::WaitForMessage(timeoutMs);
    if (delivered > 0 && hWnd == nullptr)
        throw VNWindowClosedException();
}

void VNWnd::Close() {
    if (hWnd == nullptr)
        return;
    // A running modal loop would outlive the window; end them all so the
    // code that pumps can see the window is gone.
    if (platform::Application* app = platform::Application::Current())
        app->EndAllModals();
    OnDestroy();
    impl_->host.Destroy();
    hasMenu_ = false;
    is_open = false;
    hWnd = nullptr;
    instances.Unregister(this, registered_);
}

bool VNWnd::TranslateAccelerator(const resources::AcceleratorTable& table, const Message& m) {
    if (m.message != platform::WM_KEYDOWN && m.message != platform::WM_SYSKEYDOWN)
        return false;
    const int key = static_cast<int>(m.wParam);
    uint32_t modifiers = 0;
    if (m.modifiers & platform::MOD_SHIFT)
        modifiers |= resources::af::Shift;
    if (m.modifiers & platform::MOD_CONTROL)
        modifiers |= resources::af::Control;
    if (m.modifiers & platform::MOD_ALT)
        modifiers |= resources::af::Alt;
    for (const resources::Accelerator& entry : table.entries) {
        if (entry.virtualKey == key && entry.modifiers == modifiers) {
            OnCommand(platform::MakeWParam(entry.command, platform::COMMAND_FROM_ACCELERATOR), 0);
            return true;
        }
    }
    return false;
}

const resources::AcceleratorTable* VNWnd::LoadAccelerators(const char* name) {
    const platform::Application* app = platform::Application::Current();
    return app && name ? app->Resources().FindAccelerators(name) : nullptr;
}

platform::WindowHost& VNWnd::Host() {
    return impl_->host;
}

VNWnd* VNWnd::FromHandle(platform::WindowHandle handle) {
    return instances.WithHandle(handle);
}

int VNWnd::InstanceCount() {
    return instances.Count();
}
