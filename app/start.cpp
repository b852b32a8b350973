#include "start.h"

#include "chime_output.h"
#include "display_check.h"
#include "font_fallback.h"
#include "hidden_carets.h"
#include "main_window.h"
#include "accessible_widgets.h"
#include "termination.h"

#include <QAccessible>
#include <QApplication>

#include <cstdio>

int startToolkit(int argc, char* argv[])
{
    if (const std::string problem = checkDisplay(); !problem.empty()) {
        std::fprintf(stderr, "collatz: %s\n", problem.c_str());
        return 1;
    }
    int status = 0;
    {
        QApplication application(argc, argv);
        QApplication::setApplicationName(QStringLiteral("collatz"));
        // An empty display name keeps Qt from appending " — collatz" to the window's caption.
        QApplication::setApplicationDisplayName(QString());
        QApplication::setDesktopFileName(QStringLiteral("jp.veltrum.Collatz"));
        installJapaneseFontFallback();
        QAccessible::installFactory(accessibleWidget);
        keepHiddenCaretsFromReaders();

        MainWindow window;
        endWhenTheSystemEnds(window);
        window.show();
        status = QApplication::exec();
    }
    ChimeOutput::endProcess(status);
}
