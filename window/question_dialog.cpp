#include "question_dialog.h"

#include "fixed_size.h"
#include "layout.h"
#include "texts.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFontMetricsF>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <QtMath>

#include <algorithm>

namespace {

// Window managers draw a caption in a bold face of 8 to 11 points, between the window's icon and up
// to four buttons, each about as wide as the title bar is high. Cut to the buttons' width, the
// caption would show only in part; a desktop's own message box grows to fit it, and so does this.
int widthForTitle(const QString& title)
{
    QFont font = QApplication::font();
    font.setBold(true);
    font.setPointSizeF(std::max(font.pointSizeF(), 11.0));
    const QFontMetricsF metrics(font);
    const qreal titleBarHeight = 1.6 * metrics.height();
    return qCeil(metrics.horizontalAdvance(title) + 5 * titleBarHeight);
}

} // namespace

QuestionDialog::QuestionDialog(const QString& prompt, const QString& title, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setWindowTitle(title);
    setModal(true);
    // Readers speak a dialog's description as it opens; its label alone they may pass over.
    setAccessibleDescription(prompt);

    auto* label = new QLabel(prompt, this);
    auto* buttons = new QDialogButtonBox(this);
    m_yes = buttons->addButton(toQString(texts::text("yesButton")), QDialogButtonBox::YesRole);
    m_no = buttons->addButton(toQString(texts::text("noButton")), QDialogButtonBox::NoRole);
    m_yes->setDefault(true);
    m_yes->setFocus();
    connect(m_yes, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_no, &QPushButton::clicked, this, [this] { done(QDialog::Rejected); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(buttons);
    layout->addStrut(widthForTitle(title));
    layout->setSizeConstraint(QLayout::SetFixedSize);
    keepAtFixedSize(this);
}

void QuestionDialog::reject()
{
    // Neither Escape nor the window manager's close answers the question.
}
