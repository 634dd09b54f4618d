#include "platform/DialogHost.h"

#include "platform/private/DialogHostImpl.h"
#include "platform/private/QtText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>

// The dialog's controls by id: texts, fields, state, focus and the pushed
// look of buttons.
namespace platform {

using detail::FromQString;
using detail::ToQString;

void DialogHost::MoveControl(int id, int x, int y, int width, int height) {
    if (QWidget* widget = impl_->Any(id))
        widget->setGeometry(x, y, width, height);
}

void DialogHost::SetControlFont(int id, const resources::FontSpec& font) {
    if (QWidget* widget = impl_->Any(id))
        widget->setFont(detail::MakeFont(font, widget->font()));
}

bool DialogHost::HasControl(int id) const {
    return impl_->Any(id) != nullptr;
}

namespace {

// Multi-line fields hold CR LF line ends as in the original system; the
// toolkit's text uses LF.
QString ToEditorText(const VNString& text) {
    QString q = ToQString(text);
    q.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return q;
}

VNString FromEditorText(QString text) {
    text.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    return FromQString(text);
}

} // namespace

VNString DialogHost::GetText(int id) const {
    QWidget* widget = impl_->Any(id);
    if (auto* edit = qobject_cast<QLineEdit*>(widget))
        return FromQString(edit->text());
    if (auto* edit = qobject_cast<QPlainTextEdit*>(widget))
        return FromEditorText(edit->toPlainText());
    if (auto* label = qobject_cast<QLabel*>(widget))
        return FromQString(label->text());
    if (auto* button = qobject_cast<QAbstractButton*>(widget))
        return FromQString(button->text());
    if (auto* combo = qobject_cast<QComboBox*>(widget))
        return FromQString(combo->currentText());
    if (auto* group = qobject_cast<QGroupBox*>(widget))
        return FromQString(group->title());
    return VNString();
}

bool DialogHost::TextFitsShiftJis(int id) const {
    QWidget* widget = impl_->Any(id);
    QString text;
    if (auto* edit = qobject_cast<QLineEdit*>(widget))
        text = edit->text();
    else if (auto* edit = qobject_cast<QPlainTextEdit*>(widget))
        text = edit->toPlainText();
    else if (auto* combo = qobject_cast<QComboBox*>(widget))
        text = combo->currentText();
    VNString converted;
    return FromQString(text, converted);
}

void DialogHost::SetText(int id, const VNString& text) {
    QWidget* widget = impl_->Any(id);
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        edit->setText(ToQString(text));
        edit->setCursorPosition(0);
    } else if (auto* edit = qobject_cast<QPlainTextEdit*>(widget)) {
        edit->setPlainText(ToEditorText(text));
    } else if (auto* label = qobject_cast<QLabel*>(widget)) {
        label->setText(ToQString(text));
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        button->setText(ToQString(text));
    } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
        group->setTitle(ToQString(text));
    }
}

void DialogHost::SetTextLimit(int id, int maxChars) {
    if (auto* edit = qobject_cast<QLineEdit*>(impl_->Any(id)))
        edit->setMaxLength(maxChars > 0 ? maxChars : 32767);
}

void DialogHost::EditSelectLastLine(int id) {
    auto* edit = qobject_cast<QPlainTextEdit*>(impl_->Any(id));
    if (!edit)
        return;
    QTextBlock block = edit->document()->lastBlock();
    while (block.isValid() && block.text().isEmpty())
        block = block.previous();
    if (!block.isValid())
        return;
    QTextCursor cursor(block);
    cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    edit->setTextCursor(cursor);
    edit->ensureCursorVisible();
}

VNString DialogHost::EditSelectedText(int id) const {
    auto* edit = qobject_cast<QPlainTextEdit*>(impl_->Any(id));
    return edit ? FromEditorText(edit->textCursor().selectedText().replace(
                      QChar::ParagraphSeparator, QChar('\n')))
                : VNString();
}

bool DialogHost::EditSelectionVisible(int id) const {
    auto* edit = qobject_cast<QPlainTextEdit*>(impl_->Any(id));
    return edit && edit->viewport()->rect().contains(edit->cursorRect());
}

void DialogHost::EnableControl(int id, bool enabled) {
    if (QWidget* widget = impl_->Any(id))
        widget->setEnabled(enabled);
}

bool DialogHost::IsControlEnabled(int id) const {
    QWidget* widget = impl_->Any(id);
    return widget && widget->isEnabled();
}

void DialogHost::SetFocus(int id) {
    if (QWidget* widget = impl_->Any(id))
        widget->setFocus(Qt::OtherFocusReason);
}

int DialogHost::FocusedControl() const {
    if (!impl_->dialog)
        return -1;
    QWidget* focus = impl_->dialog->focusWidget();
    for (const auto& [id, control] : impl_->dialog->Controls())
        if (control.widget == focus)
            return id;
    return -1;
}

bool DialogHost::IsChecked(int id) const {
    auto* check = qobject_cast<QCheckBox*>(impl_->Any(id));
    return check && check->isChecked();
}

void DialogHost::SetChecked(int id, bool checked) {
    if (auto* check = qobject_cast<QCheckBox*>(impl_->Any(id)))
        check->setChecked(checked);
}

bool DialogHost::GetButtonState(int id) const {
    QWidget* widget = impl_->Any(id);
    if (auto* owner = dynamic_cast<detail::OwnerDrawnButton*>(widget))
        return owner->pushedState || owner->isDown();
    auto* button = qobject_cast<QPushButton*>(widget);
    return button && button->isDown();
}

void DialogHost::SetButtonState(int id, bool pushed) {
    QWidget* widget = impl_->Any(id);
    if (auto* owner = dynamic_cast<detail::OwnerDrawnButton*>(widget)) {
        owner->pushedState = pushed;
        owner->update();
    } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
        button->setDown(pushed);
    }
}

void DialogHost::RedrawControl(int id) {
    if (QWidget* widget = impl_->Any(id))
        widget->update();
}

} // namespace platform
