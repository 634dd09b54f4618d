#include "platform/ScreenReader.h"

#include "platform/private/HostWindow.h"
#include "platform/private/ViewAccessible.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QStringList>
#include <QVariant>

namespace platform {

namespace {

// The items and the pointed one live on the client area itself, so that a
// screen reader that starts while the player chooses still finds them.
constexpr const char* kItems = "vnViewItems";
constexpr const char* kPointed = "vnViewPointed";

detail::ClientArea* ClientOf(WindowHandle window) {
    auto* host = dynamic_cast<detail::HostWindow*>(detail::ToWidget(window));
    return host ? host->client : nullptr;
}

QStringList ItemsOf(const QWidget* view) {
    return view ? view->property(kItems).toStringList() : QStringList();
}

int PointedOf(const QWidget* view) {
    const QVariant pointed = view ? view->property(kPointed) : QVariant();
    return pointed.isValid() ? pointed.toInt() : -1;
}

// An interface of no widget of its own: it only reports what the view holds.
class Part : public QAccessibleInterface {
public:
    Part(QAccessibleInterface* parent, QWidget* view) : parent_(parent), view_(view) {}
    bool isValid() const override { return view_ != nullptr; }
    QObject* object() const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override { return parent_; }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override { return parent_->rect(); }

protected:
    QAccessibleInterface* parent_;
    QWidget* view_;
};

// One item: its text, selected while pointed.
class Item final : public Part {
public:
    Item(QAccessibleInterface* list, QWidget* view, int index) : Part(list, view), index_(index) {}
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? ItemsOf(view_).value(index_) : QString();
    }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override {
        QAccessible::State state;
        state.selectable = true;
        state.selected = PointedOf(view_) == index_;
        state.readOnly = true;
        return state;
    }

private:
    int index_;
};

// The list of the items.
class List final : public Part {
public:
    List(QAccessibleInterface* viewInterface, QWidget* view) : Part(viewInterface, view) {
        for (int i = 0; i < ItemsOf(view).size(); ++i) {
            items_.push_back(new Item(this, view, i));
            QAccessible::registerAccessibleInterface(items_.back());
        }
    }
    ~List() override {
        for (Item* item : items_) {
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(item));
        }
    }
    QAccessibleInterface* child(int index) const override {
        return index >= 0 && index < static_cast<int>(items_.size()) ? items_[index] : nullptr;
    }
    int childCount() const override { return static_cast<int>(items_.size()); }
    int indexOfChild(const QAccessibleInterface* child) const override {
        for (size_t i = 0; i < items_.size(); ++i) {
            if (items_[i] == child) {
                return static_cast<int>(i);
            }
        }
        return -1;
    }
    QString text(QAccessible::Text) const override { return QString(); }
    QAccessible::Role role() const override { return QAccessible::List; }
    QAccessible::State state() const override {
        QAccessible::State state;
        state.readOnly = true;
        return state;
    }

private:
    std::vector<Item*> items_;
};

// The client area: a focusable picture whose name is the text on it, with
// the list of items below it while there is one.
class View final : public QAccessibleWidget {
public:
    explicit View(QWidget* view) : QAccessibleWidget(view, QAccessible::Canvas) { Rebuild(); }
    ~View() override { Drop(); }

    void Rebuild() {
        Drop();
        if (!ItemsOf(widget()).isEmpty()) {
            list_ = new List(this, widget());
            QAccessible::registerAccessibleInterface(list_);
        }
    }
    List* CurrentList() const { return list_; }

    // The list comes after the area's own child widgets, if it has any.
    int childCount() const override { return QAccessibleWidget::childCount() + (list_ ? 1 : 0); }
    QAccessibleInterface* child(int index) const override {
        const int own = QAccessibleWidget::childCount();
        return index < own ? QAccessibleWidget::child(index) : index == own ? list_ : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child && child == list_ ? QAccessibleWidget::childCount()
                                       : QAccessibleWidget::indexOfChild(child);
    }

private:
    void Drop() {
        if (list_) {
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(list_));
            list_ = nullptr;
        }
    }
    List* list_ = nullptr;
};

QAccessibleInterface* ViewFactory(const QString&, QObject* object) {
    if (auto* client = dynamic_cast<detail::ClientArea*>(object)) {
        return new View(client);
    }
    return nullptr;
}

// The view's interface when a screen reader is listening, else none (no
// interface is made for nobody).
View* ListeningView(QWidget* client) {
    if (!client || !QAccessible::isActive()) {
        return nullptr;
    }
    return dynamic_cast<View*>(QAccessible::queryAccessibleInterface(client));
}

} // namespace

namespace detail {

void InstallViewAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(ViewFactory);
        return true;
    }();
    (void)installed;
}

} // namespace detail

void SetViewText(WindowHandle window, const std::string& utf8) {
    if (QWidget* client = ClientOf(window)) {
        // Setting the name announces it as a change of the focused view.
        client->setAccessibleName(QString::fromStdString(utf8));
    }
}

void SetViewItems(WindowHandle window, const std::vector<std::string>& utf8Items) {
    QWidget* client = ClientOf(window);
    if (!client) {
        return;
    }
    QStringList items;
    for (const std::string& item : utf8Items) {
        items.push_back(QString::fromStdString(item));
    }
    client->setProperty(kItems, items);
    client->setProperty(kPointed, -1);
    if (View* view = ListeningView(client)) {
        view->Rebuild();
        QAccessibleEvent changed(view, QAccessible::ObjectReorder);
        QAccessible::updateAccessibility(&changed);
    }
    client->setAccessibleName(items.join(QLatin1Char('\n')));
}

void SetViewPointed(WindowHandle window, int item) {
    QWidget* client = ClientOf(window);
    if (!client || PointedOf(client) == item) {
        return;
    }
    const int before = PointedOf(client);
    client->setProperty(kPointed, item);
    if (View* view = ListeningView(client); view && view->CurrentList()) {
        QAccessible::State selected;
        selected.selected = true;
        for (const int changed : {before, item}) {
            if (QAccessibleInterface* child = view->CurrentList()->child(changed)) {
                QAccessibleStateChangeEvent event(child, selected);
                QAccessible::updateAccessibility(&event);
            }
        }
    }
    if (item >= 0) {
        client->setAccessibleName(ItemsOf(client).value(item));
    }
}

} // namespace platform
