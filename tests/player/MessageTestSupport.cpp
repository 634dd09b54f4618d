#include "MessageTestSupport.h"

#include "graphics/PixelOps.h"
#include "platform/Message.h"
#include "platform/WindowHost.h"
#include "resources/VirtualKeys.h"

namespace messagetest {

namespace {

VNEvent Strings(int32_t code, std::initializer_list<VNString> strings) {
    VNEvent event(code);
    int32_t n = 0;
    for (const VNString& s : strings) {
        event.SetString(n++, s);
    }
    return event;
}

} // namespace

VNEvent Narration(const char8_t* text) {
    return Strings(EVENTCODE_NARRATION, {VNString(text)});
}

VNEvent Serif(const char8_t* name, const char8_t* text) {
    return Strings(EVENTCODE_SERIF, {VNString(name), VNString(text)});
}

VNEvent Select(const char8_t* text1, const char* label1, const char8_t* text2, const char* label2,
               const char8_t* text3, const char* label3) {
    return Strings(EVENTCODE_SELECT, {VNString(text1), VNString(label1), VNString(text2),
                                      VNString(label2), VNString(text3), VNString(label3)});
}

VNEvent BtnSelect(const char* base, const char* pointed, const char* cancel, int32_t count,
                  const char* list) {
    VNEvent event(EVENTCODE_BTNSELECT);
    event.SetString(0, VNString(base));
    event.SetString(1, VNString(pointed));
    event.SetString(2, VNString(cancel));
    event.SetInt(3, count);
    event.SetString(4, VNString(list));
    return event;
}

void Move(VNPlayer& player, int x, int y) {
    platform::PostMouse(player.Window()->Handle(), platform::WM_MOUSEMOVE, x, y);
}
void Press(VNPlayer& player, int x, int y) {
    platform::PostMouse(player.Window()->Handle(), platform::WM_LBUTTONDOWN, x, y);
}
void Release(VNPlayer& player, int x, int y) {
    platform::PostMouse(player.Window()->Handle(), platform::WM_LBUTTONUP, x, y);
}
void Click(VNPlayer& player, int x, int y) {
    Press(player, x, y);
    Release(player, x, y);
}
void RightButton(VNPlayer& player, bool down) {
    platform::PostMouse(player.Window()->Handle(),
                        down ? platform::WM_RBUTTONDOWN : platform::WM_RBUTTONUP, 2, 2);
}
void Key(VNPlayer& player, int key) {
    platform::PostKey(player.Window()->Handle(), key, true);
    platform::PostKey(player.Window()->Handle(), key, false);
}
void CtrlKey(VNPlayer& player, int key) {
    platform::PostKey(player.Window()->Handle(), key, true, true);
    platform::PostKey(player.Window()->Handle(), key, false, true);
}

std::unique_ptr<Surface> Snapshot(VNPlayer& player) {
    const Surface& screen = player.Window()->BackBuffer();
    auto copy = std::make_unique<Surface>();
    copy->Create(screen.Width(), screen.Height());
    Copy(*copy, 0, 0, screen);
    return copy;
}

uint32_t Rgb(const Surface& s, int32_t x, int32_t y) {
    return s.ScreenRow(y)[x] & 0x00FFFFFFu;
}

bool Holds(const Surface& s, int32_t x, int32_t y, int32_t w, int32_t h, uint32_t rgb) {
    for (int32_t row = y; row < y + h; ++row) {
        for (int32_t column = x; column < x + w; ++column) {
            if (Rgb(s, column, row) == rgb) {
                return true;
            }
        }
    }
    return false;
}

} // namespace messagetest
