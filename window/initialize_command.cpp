// 初期化: sound the reset chime and clear what the last experiment showed.
#include "main_window.h"

#include "chime_player.h"
#include "layout.h"
#include "sequence_box.h"
#include "texts.h"

#include <QLabel>

void MainWindow::onInitialize()
{
    playChime(*MMControl1, toQString(texts::text("resetChime")));
    Text1->setText(QString());
    Label1->setText(QString());
    sequenceText.clear();
}
