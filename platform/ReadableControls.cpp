#include "platform/private/ReadableControls.h"

#include <QAccessible>
#include <QLabel>
#include <QPlainTextEdit>

namespace platform::detail {

void MakeReadable(const resources::ControlSpec& spec, QWidget* widget, QString& label,
                  const QString& caption) {
    using resources::ControlKind;
    switch (spec.kind) {
    case ControlKind::Static:
        if (auto* text = qobject_cast<QLabel*>(widget); text && !text->text().isEmpty()) {
            label = text->text();
        }
        return;
    case ControlKind::MultiLineEdit:
        // The keys scroll it anyway; a caret (which shows) is only given for
        // a screen reader to read line by line.
        if (auto* edit = qobject_cast<QPlainTextEdit*>(widget);
            edit && edit->isReadOnly() && QAccessible::isActive()) {
            edit->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        }
        [[fallthrough]];
    case ControlKind::Edit:
    case ControlKind::ListBox:
    case ControlKind::ComboBox:
        widget->setAccessibleName(label.isEmpty() ? caption : label);
        label.clear();
        return;
    default:
        return;
    }
}

} // namespace platform::detail
