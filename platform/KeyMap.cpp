#include "platform/private/KeyMap.h"

#include "resources/VirtualKeys.h"

namespace platform::detail {

namespace {

struct KeyPair {
    Qt::Key qt;
    int vk;
};

constexpr KeyPair keyPairs[] = {
    {Qt::Key_Backspace, resources::VK_BACK},  {Qt::Key_Tab, resources::VK_TAB},
    {Qt::Key_Backtab, resources::VK_TAB},     {Qt::Key_Return, resources::VK_RETURN},
    {Qt::Key_Enter, resources::VK_RETURN},    {Qt::Key_Shift, resources::VK_SHIFT},
    {Qt::Key_Control, resources::VK_CONTROL}, {Qt::Key_Alt, resources::VK_MENU},
    {Qt::Key_Escape, resources::VK_ESCAPE},   {Qt::Key_Space, resources::VK_SPACE},
    {Qt::Key_PageUp, resources::VK_PRIOR},    {Qt::Key_PageDown, resources::VK_NEXT},
    {Qt::Key_End, resources::VK_END},         {Qt::Key_Home, resources::VK_HOME},
    {Qt::Key_Left, resources::VK_LEFT},       {Qt::Key_Up, resources::VK_UP},
    {Qt::Key_Right, resources::VK_RIGHT},     {Qt::Key_Down, resources::VK_DOWN},
    {Qt::Key_Insert, resources::VK_INSERT},   {Qt::Key_Delete, resources::VK_DELETE},
    {Qt::Key_Minus, resources::VK_SUBTRACT},
};

} // namespace

int ToVirtualKey(int qtKey) {
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z)
        return 'A' + (qtKey - Qt::Key_A);
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
        return '0' + (qtKey - Qt::Key_0);
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F12)
        return resources::VK_F1 + (qtKey - Qt::Key_F1);
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
    if (virtualKey >= resources::VK_F1 && virtualKey < resources::VK_F1 + 12)
        return static_cast<Qt::Key>(Qt::Key_F1 + (virtualKey - resources::VK_F1));
    for (const KeyPair& pair : keyPairs)
        if (pair.vk == virtualKey)
            return pair.qt;
    return Qt::Key_unknown;
}

} // namespace platform::detail
