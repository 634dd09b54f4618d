// Toolkit key codes <-> virtual key codes.
#pragma once

#include <Qt>

namespace platform::detail {

// 0 for keys the suite has no code for.
int ToVirtualKey(int qtKey);
// Qt::Key_unknown for codes without a key.
Qt::Key ToQtKey(int virtualKey);

} // namespace platform::detail
