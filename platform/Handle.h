// An opaque window handle: what the window classes and the dialogs hold in
// place of a native handle. Null while no window exists.
#pragma once

namespace platform {

struct NativeWindow; // never defined outside the platform layer
using WindowHandle = NativeWindow*;

} // namespace platform
