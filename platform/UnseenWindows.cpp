#include "platform/private/UnseenWindows.h"

#include "platform/private/AppState.h"
#include "resources/Resource.h"

#include <QGuiApplication>
#include <cstdio>

namespace platform::detail {

bool ModalWindowsUnseen() {
    return !CurrentHook() && QGuiApplication::platformName() == QStringLiteral("offscreen");
}

void ReportUnseenWindow(const VNString& caption, const std::string& utf8Text) {
    const resources::ResourceSet* resources = CurrentResources();
    std::string line = utf8Text;
    for (char& c : line)
        if (c == '\r' || c == '\n')
            c = ' ';
    std::fprintf(stderr, "%s: [%s] %s\n", resources ? resources->Program().c_str() : "vnsuite",
                 caption.ToUtf8Lossy().c_str(), line.c_str());
    std::fflush(stderr);
}

} // namespace platform::detail
