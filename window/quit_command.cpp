// 終了: sound the end chime, ask, and end the program on はい.
#include "main_window.h"

#include "chime_player.h"
#include "texts.h"

void MainWindow::onQuit()
{
    playChime(*MMControl1, texts::endChime);
    if (m_toolkit->questionDialog(texts::quitQuestion, texts::quitTitle)) {
        endProgram();
        return;
    }
}
