// 終了: sound the end chime, ask, and end the program on はい.
#include "main_window.h"

#include "chime_player.h"
#include "layout.h"
#include "texts.h"

void MainWindow::onQuit()
{
    playChime(*MMControl1, toQString(texts::text("endChime")));
    if (m_toolkit->questionDialog(toQString(texts::text("quitQuestion")), toQString(texts::text("quitTitle")))) {
        endProgram();
        return;
    }
}
