// 実　験: ask for a start value until one is accepted, show it, run the sequence down to 1, and tell
// a screen reader what was shown.
#include "main_window.h"

#include "announcer.h"
#include "collatz.h"
#include "layout.h"
#include "sequence_box.h"
#include "texts.h"

#include <QLabel>

void MainWindow::onExperiment()
{
    do {
        Text1->setText(QString());
        Label1->setText(QString());
        sequenceText.clear();
        enteredText = m_toolkit->inputDialog(toQString(texts::text("inputPrompt")), toQString(texts::text("inputTitle")));
        if (m_ending)
            return; // the program is ending: a dialog that closed for that is no answer
        n = collatz::readStartValue(enteredText.toStdString());
        Label1->setText(toQString(texts::text("startLabelPrefix")) + QString::fromStdString(collatz::formatValue(n)));
    } while (!collatz::isAcceptedStart(n));

    collatz::runSequence(n, sequenceText,
                         [this](const std::string& text) { Text1->setText(QString::fromStdString(text)); });
    announcer->announce(toQString(texts::text("sequenceShown")).arg(Label1->text()));
}
