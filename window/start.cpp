#include "start.h"

#include "chime_output.h"
#include "font_fallback.h"
#include "main_window.h"
#include "panel_accessible.h"
#include "termination.h"

#include <QAccessible>
#include <QApplication>

#include <cstdio>
#include <cstdlib>

namespace {

// Qt aborts when it cannot reach a display; answer the common case, no display at all, plainly.
bool displayMissing()
{
    const auto isSet = [](const char* name) {
        const char* value = std::getenv(name);
        return value && *value;
    };
    return !isSet("QT_QPA_PLATFORM") && !isSet("DISPLAY") && !isSet("WAYLAND_DISPLAY");
}

} // namespace

int startToolkit(int argc, char* argv[])
{
    if (displayMissing()) {
        std::fprintf(stderr, "collatz: no graphical display was found (DISPLAY and WAYLAND_DISPLAY are unset); "
                             "start it from a desktop session.\n");
        return 1;
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("collatz"));
    // An empty display name keeps Qt from appending " — collatz" to the window's caption.
    QApplication::setApplicationDisplayName(QString());
    QApplication::setDesktopFileName(QStringLiteral("jp.veltrum.Collatz"));
    installJapaneseFontFallback();
    QAccessible::installFactory(explanationPanelAccessible);

    int status = 0;
    {
        MainWindow window;
        endOnTerminationSignals(window);
        window.show();
        status = QApplication::exec();
    }
    ChimeOutput::endProcess(status);
}
