#include "platform/DialogHost.h"

#include "platform/private/DialogHostImpl.h"
#include "platform/private/ListBox.h"
#include "platform/private/QtText.h"

#include <QComboBox>
#include <QListWidget>

// The dialog's list boxes and combo boxes.
namespace platform {

using detail::FromQString;
using detail::ToQString;

int DialogHost::ListAdd(int id, const VNString& text) {
    return ListInsert(id, -1, text);
}

int DialogHost::ListInsert(int id, int index, const VNString& text) {
    QListWidget* list = impl_->List(id);
    if (!list)
        return -1;
    Impl::Quiet quiet(impl_->dialog);
    if (index < 0 || index > list->count())
        index = list->count();
    list->insertItem(index, ToQString(text));
    if (list->isSortingEnabled())
        return list->row(list->findItems(ToQString(text), Qt::MatchExactly).value(0));
    return index;
}

int DialogHost::ListDelete(int id, int index) {
    QListWidget* list = impl_->List(id);
    if (!list || index < 0 || index >= list->count())
        return -1;
    Impl::Quiet quiet(impl_->dialog);
    delete list->takeItem(index);
    return list->count();
}

void DialogHost::ListReset(int id) {
    if (QListWidget* list = impl_->List(id)) {
        Impl::Quiet quiet(impl_->dialog);
        list->clear();
    }
}

int DialogHost::ListCount(int id) const {
    QListWidget* list = impl_->List(id);
    return list ? list->count() : 0;
}

int DialogHost::ListGetSelection(int id) const {
    QListWidget* list = impl_->List(id);
    if (!list)
        return -1;
    const QList<QListWidgetItem*> selected = list->selectedItems();
    return selected.isEmpty() ? -1 : list->row(selected.first());
}

void DialogHost::ListSetSelection(int id, int index) {
    QListWidget* list = impl_->List(id);
    if (!list)
        return;
    Impl::Quiet quiet(impl_->dialog);
    if (index < 0 || index >= list->count()) {
        list->clearSelection();
        list->setCurrentRow(-1);
        return;
    }
    list->setCurrentRow(index, QItemSelectionModel::ClearAndSelect);
    list->scrollToItem(list->item(index));
}

VNString DialogHost::ListGetText(int id, int index) const {
    QListWidget* list = impl_->List(id);
    if (!list || index < 0 || index >= list->count())
        return VNString();
    return FromQString(list->item(index)->text());
}

void DialogHost::ListSetItemHeight(int id, int pixels) {
    if (auto* list = dynamic_cast<detail::ListBox*>(impl_->List(id)))
        list->SetItemHeight(pixels);
}

int DialogHost::ListGetItemHeight(int id) const {
    const auto* list = dynamic_cast<const detail::ListBox*>(impl_->List(id));
    return list ? list->ItemHeight() : 0;
}

void DialogHost::ListSetHorizontalExtent(int id, int pixels) {
    if (auto* list = dynamic_cast<detail::ListBox*>(impl_->List(id)))
        list->SetHorizontalExtent(pixels);
}

int DialogHost::ListGetHorizontalExtent(int id) const {
    const auto* list = dynamic_cast<const detail::ListBox*>(impl_->List(id));
    return list ? list->HorizontalExtent() : 0;
}

int DialogHost::ComboAdd(int id, const VNString& text) {
    QComboBox* combo = impl_->Combo(id);
    if (!combo)
        return -1;
    // The toolkit selects the first item added; the original leaves none.
    const int selection = combo->currentIndex();
    combo->addItem(ToQString(text));
    combo->setCurrentIndex(selection);
    return combo->count() - 1;
}

void DialogHost::ComboReset(int id) {
    if (QComboBox* combo = impl_->Combo(id))
        combo->clear();
}

int DialogHost::ComboCount(int id) const {
    QComboBox* combo = impl_->Combo(id);
    return combo ? combo->count() : 0;
}

int DialogHost::ComboGetSelection(int id) const {
    QComboBox* combo = impl_->Combo(id);
    return combo ? combo->currentIndex() : -1;
}

void DialogHost::ComboSetSelection(int id, int index) {
    if (QComboBox* combo = impl_->Combo(id))
        combo->setCurrentIndex(index >= 0 && index < combo->count() ? index : -1);
}

VNString DialogHost::ComboGetText(int id, int index) const {
    QComboBox* combo = impl_->Combo(id);
    if (!combo || index < 0 || index >= combo->count())
        return VNString();
    return FromQString(combo->itemText(index));
}

} // namespace platform
