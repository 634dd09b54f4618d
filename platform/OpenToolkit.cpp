#include "platform/private/OpenToolkit.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace platform::detail {

namespace {

// The one line a GUI program prints when no display can be opened: what the
// toolkit was given, and the two ways to run without a screen.
std::string NoDisplayLine(const std::string& program) {
    std::string given;
    for (const char* variable : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) {
        const char* value = std::getenv(variable);
        if (value && *value)
            given += (given.empty() ? "" : ", ") + std::string(variable) + "=" + value;
    }
    if (given.empty())
        given = "neither DISPLAY nor WAYLAND_DISPLAY is set";
    return program + ": cannot open a display (" + given +
           "); run it under xvfb-run, or set QT_QPA_PLATFORM=offscreen to run it without "
           "showing its windows";
}

// While the toolkit opens its display, its messages are held back. When it
// fails (Qt reports that as a fatal error and aborts), the program prints
// NoDisplayLine instead and ends with status 1; when it succeeds, the held
// messages go out as usual. Qt's message handler is a plain function, so
// the state lives here for the length of one construction.
struct DisplayOpening {
    struct Held {
        QtMsgType type;
        QByteArray category;
        QString text;
    };
    std::string program;
    std::vector<Held> held;
    QtMessageHandler previous = nullptr;
};
DisplayOpening* displayOpening = nullptr;

void HoldOrGiveUp(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "%s\n", NoDisplayLine(displayOpening->program).c_str());
        std::fflush(stderr);
        std::_Exit(1);
    }
    displayOpening->held.push_back({type, QByteArray(context.category), text});
}

} // namespace

std::unique_ptr<QApplication> OpenToolkit(int& argc, char** argv) {
    DisplayOpening opening;
    opening.program = argc > 0 && argv[0] ? std::filesystem::path(argv[0]).filename().string()
                                          : std::string("vnsuite");
    displayOpening = &opening;
    opening.previous = qInstallMessageHandler(&HoldOrGiveUp);
    auto application = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(opening.previous);
    displayOpening = nullptr;
    for (const DisplayOpening::Held& message : opening.held)
        opening.previous(message.type,
                         QMessageLogContext(nullptr, 0, nullptr, message.category.constData()),
                         message.text);
    return application;
}

} // namespace platform::detail
