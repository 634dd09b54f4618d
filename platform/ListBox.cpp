#include "platform/private/ListBox.h"

#include <QKeyEvent>

namespace platform::detail {

namespace {

bool IsNavigationKey(int key) {
    switch (key) {
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        return true;
    default:
        return false;
    }
}

} // namespace

ListBox::ListBox(QWidget* parent) : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
}

void ListBox::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (!IsNavigationKey(key)) {
        QListWidget::keyPressEvent(event);

        return;
    }
    // Without a caret the toolkit takes every key to the first line; the
    // caret rests there instead, so End and Down move from it.
    if (!currentIndex().isValid() && count() > 0)
        selectionModel()->setCurrentIndex(model()->index(0, 0), QItemSelectionModel::NoUpdate);
    if (key == Qt::Key_Left || key == Qt::Key_Right) {
        QKeyEvent vertical(event->type(), key == Qt::Key_Left ? Qt::Key_Up : Qt::Key_Down,
                           event->modifiers(), event->text(), event->isAutoRepeat(),
                           event->count());
        QListWidget::keyPressEvent(&vertical);
        event->setAccepted(vertical.isAccepted());
    } else {
        QListWidget::keyPressEvent(event);
    }
    const QModelIndex current = currentIndex();
    if (current.isValid() && !selectionModel()->isSelected(current))
        selectionModel()->select(current, QItemSelectionModel::ClearAndSelect);
}

QItemSelectionModel::SelectionFlags ListBox::selectionCommand(const QModelIndex& index,
                                                              const QEvent* event) const {
    const QItemSelectionModel::SelectionFlags flags = QListWidget::selectionCommand(index, event);
    return flags.testFlag(QItemSelectionModel::Deselect) ? QItemSelectionModel::NoUpdate : flags;
}

} // namespace platform::detail
