#include "question_dialog.h"

#include "texts.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

QuestionDialog::QuestionDialog(const QString& prompt, const QString& title, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setWindowTitle(title);
    setModal(true);

    auto* label = new QLabel(prompt, this);
    auto* buttons = new QDialogButtonBox(this);
    m_yes = buttons->addButton(texts::yesButton, QDialogButtonBox::YesRole);
    m_no = buttons->addButton(texts::noButton, QDialogButtonBox::NoRole);
    m_yes->setDefault(true);
    m_yes->setFocus();
    connect(m_yes, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_no, &QPushButton::clicked, this, [this] { done(QDialog::Rejected); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void QuestionDialog::reject()
{
    // Neither Escape nor the window manager's close answers the question.
}
