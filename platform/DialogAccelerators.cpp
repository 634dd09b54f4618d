#include "platform/private/DialogAccelerators.h"

#include "platform/private/KeyMap.h"
#include "platform/private/TemplateDialog.h"

#include <QApplication>
#include <QKeyEvent>

namespace platform::detail {

namespace {

// Watches the key presses of the whole program, so a key reaches the table
// whichever control of the dialog has the focus; the keys of other windows
// (menus, dialogs over this one) pass.
class AcceleratorFilter : public QObject {
public:
    AcceleratorFilter(TemplateDialog& dialog, const resources::AcceleratorTable& table)
        : QObject(&dialog), dialog_(dialog), table_(table) {
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress || !watched->isWidgetType() ||
            static_cast<QWidget*>(watched)->window() != &dialog_)
            return false;
        const auto* key = static_cast<const QKeyEvent*>(event);
        const int virtualKey = ToVirtualKey(key->key());
        const uint32_t modifiers = Modifiers(key->modifiers());
        for (const resources::Accelerator& entry : table_.entries) {
            if (entry.virtualKey == virtualKey && entry.modifiers == modifiers) {
                dialog_.Command(entry.command, COMMAND_FROM_ACCELERATOR, nullptr);
                return true;
            }
        }
        return false;
    }

private:
    static uint32_t Modifiers(Qt::KeyboardModifiers held) {
        uint32_t modifiers = 0;
        if (held & Qt::ShiftModifier)
            modifiers |= resources::af::Shift;
        if (held & Qt::ControlModifier)
            modifiers |= resources::af::Control;
        if (held & Qt::AltModifier)
            modifiers |= resources::af::Alt;
        return modifiers;
    }

    TemplateDialog& dialog_;
    resources::AcceleratorTable table_;
};

} // namespace

void InstallDialogAccelerators(TemplateDialog& dialog, const resources::AcceleratorTable& table) {
    new AcceleratorFilter(dialog, table); // owned by the dialog
}

} // namespace platform::detail
