#include "platform/private/KeyRepeat.h"

#include <QGuiApplication>

// After the toolkit's headers: X11's macros (KeyPress, Bool, ...) clash with them.
#if VN_X11_KEYBOARD && QT_CONFIG(xcb)
#include <X11/XKBlib.h>
#endif

namespace platform::detail {

void AskForRepeatsWithoutReleases() {
#if VN_X11_KEYBOARD && QT_CONFIG(xcb)
    if (!qGuiApp)
        return;
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !x11->display())
        return;
    Bool supported = False;
    XkbSetDetectableAutoRepeat(x11->display(), True, &supported);
#endif
}

} // namespace platform::detail
