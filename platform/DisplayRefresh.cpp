#include "platform/DisplayRefresh.h"

#include <QGuiApplication>
#include <QScreen>

namespace platform {

double DisplayRefreshIntervalMs() {
    constexpr double kDefaultRate = 60.0;
    const QScreen* screen = QGuiApplication::primaryScreen();
    double rate = screen ? screen->refreshRate() : kDefaultRate;
    if (!(rate >= 20.0 && rate <= 500.0)) {
        rate = kDefaultRate;
    }
    return 1000.0 / rate;
}

} // namespace platform
