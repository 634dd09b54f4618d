#include "platform/private/KeyMap.h"

#include "platform/VirtualKeys.h"

namespace platform::detail {

namespace {

struct KeyPair {
    Qt::Key qt;
    int vk;
};

constexpr KeyPair keyPairs[] = {
    {Qt::Key_Backspace, VK_BACK},  {Qt::Key_Tab, VK_TAB},       {Qt::Key_Backtab, VK_TAB},
    {Qt::Key_Return, VK_RETURN},   {Qt::Key_Enter, VK_RETURN},  {Qt::Key_Shift, VK_SHIFT},
    {Qt::Key_Control, VK_CONTROL}, {Qt::Key_Alt, VK_MENU},      {Qt::Key_Escape, VK_ESCAPE},
    {Qt::Key_Space, VK_SPACE},     {Qt::Key_PageUp, VK_PRIOR},  {Qt::Key_PageDown, VK_NEXT},
    {Qt::Key_End, VK_END},         {Qt::Key_Home, VK_HOME},     {Qt::Key_Left, VK_LEFT},
    {Qt::Key_Up, VK_UP},           {Qt::Key_Right, VK_RIGHT},   {Qt::Key_Down, VK_DOWN},
    {Qt::Key_Insert, VK_INSERT},   {Qt::Key_Delete, VK_DELETE}, {Qt::Key_Minus, VK_SUBTRACT},
};

} // namespace

int ToVirtualKey(int qtKey) {
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z)
        return 'A' + (qtKey - Qt::Key_A);
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
        return '0' + (qtKey - Qt::Key_0);
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F12)
        return VK_F1 + (qtKey - Qt::Key_F1);
    for (const KeyPair& pair : keyPairs)
        if (pair.qt == qtKey)
            return pair.vk;
    return 0;
}

Qt::Key ToQtKey(int virtualKey) {
    if (virtualKey >= 'A' && virtualKey <= 'Z')
        return static_cast<Qt::Key>(Qt::Key_A + (virtualKey - 'A'));
    if (virtualKey >= '0' && virtualKey <= '9')
        return static_cast<Qt::Key>(Qt::Key_0 + (virtualKey - '0'));
    if (virtualKey >= VK_F1 && virtualKey < VK_F1 + 12)
        return static_cast<Qt::Key>(Qt::Key_F1 + (virtualKey - VK_F1));
    for (const KeyPair& pair : keyPairs)
        if (pair.vk == virtualKey)
            return pair.qt;
    return Qt::Key_unknown;
}

} // namespace platform::detail
