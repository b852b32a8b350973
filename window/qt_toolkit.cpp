#include "qt_toolkit.h"

#include "fixed_size.h"
#include "layout.h"
#include "question_dialog.h"
#include "texts.h"

#include <QApplication>
#include <QInputDialog>
#include <QLayout>
#include <QPointer>

QString QtToolkit::inputDialog(const QString& prompt, const QString& title)
{
    // A title and a close button (Cancel), and neither minimise nor maximise, where the platform
    // takes such hints: a dialog that waits must stay where the user can answer it.
    QInputDialog dialog(m_window, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    dialog.setWindowTitle(title);
    dialog.setLabelText(prompt);
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setOkButtonText(toQString(texts::text("okButton")));
    dialog.setCancelButtonText(toQString(texts::text("cancelButton")));
    dialog.layout()->setSizeConstraint(QLayout::SetFixedSize);
    keepAtFixedSize(&dialog);
    return dialog.exec() == QDialog::Accepted ? dialog.textValue() : QString();
}

bool QtToolkit::questionDialog(const QString& prompt, const QString& title)
{
    QuestionDialog dialog(prompt, title, m_window);
    return dialog.exec() == QDialog::Accepted;
}

void QtToolkit::end()
{
    // Hide every window at once; exit() then leaves the event loop before any queued event is
    // delivered.
    for (QWidget* window : QApplication::topLevelWidgets())
        window->hide();
    QCoreApplication::exit(0);
}
