// When the window is first shown: print the statement of the problem in the panel.
#include "main_window.h"

#include "explanation_panel.h"
#include "layout.h"
#include "texts.h"
#include "window_log.h"

void MainWindow::onFirstShow()
{
    Picture1->printEmptyLine();
    for (const std::string_view line : texts::problemStatement)
        Picture1->printLine(toQString(line));
    qCDebug(lcWindow) << "explanation printed:" << Picture1->lines().size() << "lines";
}
