#include "platform/private/ListBox.h"

#include <QKeyEvent>
#include <QStyledItemDelegate>

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

// The size of a line: the list's fixed height and scroll extent where set.
class LineDelegate : public QStyledItemDelegate {
public:
    explicit LineDelegate(ListBox& list) : QStyledItemDelegate(&list), list_(list) {}

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        if (list_.ItemHeight() > 0)
            size.setHeight(list_.ItemHeight());
        if (list_.HorizontalExtent() > 0)
            size.setWidth(list_.HorizontalExtent());
        return size;
    }

private:
    ListBox& list_;
};

} // namespace

ListBox::ListBox(QWidget* parent) : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    setItemDelegate(new LineDelegate(*this));
}

void ListBox::SetItemHeight(int pixels) {
    itemHeight_ = pixels > 0 ? pixels : 0;
    UpdateUniformSizes();
}

void ListBox::SetHorizontalExtent(int pixels) {
    extent_ = pixels > 0 ? pixels : 0;
    UpdateUniformSizes();
}

void ListBox::UpdateUniformSizes() {
    // With both fixed every line has the same size, and long lists need not
    // measure each line.
    setUniformItemSizes(itemHeight_ > 0 && extent_ > 0);
    doItemsLayout();
}

void ListBox::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (key == Qt::Key_Delete && onDeleteKey) {
        if (!event->isAutoRepeat())
            onDeleteKey();
        return;
    }
    if (key == Qt::Key_F9 && onF9Key) {
        if (!event->isAutoRepeat())
            onF9Key();
        return;
    }
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
