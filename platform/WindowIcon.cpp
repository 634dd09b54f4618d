#include "platform/WindowIcon.h"

#include "platform/private/AppState.h"
#include "platform/private/TemplateDialog.h"
#include "resources/Resource.h"

#include <QApplication>
#include <QIcon>
#include <QPixmap>
#include <QWidget>
#include <algorithm>
#include <cstdio>

namespace platform {

namespace {

// The icon resource as a toolkit icon; null when the program has no such
// resource or none of its pictures decodes.
QIcon LoadIcon(const std::string& name) {
    const resources::ResourceSet* set = detail::CurrentResources();
    const resources::IconSpec* spec = set ? set->FindIcon(name) : nullptr;
    if (!spec)
        return {};
    QIcon icon;
    for (const resources::IconImage& image : spec->images) {
        QPixmap pixmap;
        if (!image.png || !pixmap.loadFromData(image.png, static_cast<uint>(image.length), "PNG")) {
            std::fprintf(stderr, "icon %s: the %d-pixel picture cannot be read\n", name.c_str(),
                         image.size);
            continue;
        }
        icon.addPixmap(pixmap);
    }
    return icon;
}

std::vector<int> SizesOf(const QIcon& icon) {
    std::vector<int> sizes;
    for (const QSize& size : icon.availableSizes())
        sizes.push_back(std::max(size.width(), size.height()));
    std::sort(sizes.begin(), sizes.end());
    sizes.erase(std::unique(sizes.begin(), sizes.end()), sizes.end());
    return sizes;
}

} // namespace

bool SetWindowIcon(WindowHandle window, const std::string& iconName) {
    QWidget* widget = detail::ToWidget(window);
    if (!widget)
        return false;
    const QIcon icon = LoadIcon(iconName);
    if (icon.isNull())
        return false;
    widget->setWindowIcon(icon);
    return true;
}

bool SetApplicationIcon(const std::string& iconName) {
    if (!qApp)
        return false;
    const QIcon icon = LoadIcon(iconName);
    if (icon.isNull())
        return false;
    QApplication::setWindowIcon(icon);
    return true;
}

std::vector<int> WindowIconSizes(WindowHandle window) {
    const QWidget* widget = detail::ToWidget(window);
    // Without an icon of its own a window shows the program's.
    if (!widget || !widget->testAttribute(Qt::WA_SetWindowIcon))
        return {};
    return SizesOf(widget->windowIcon());
}

std::vector<int> ApplicationIconSizes() {
    return qApp ? SizesOf(QApplication::windowIcon()) : std::vector<int>{};
}

} // namespace platform
