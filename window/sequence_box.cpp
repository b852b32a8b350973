#include "sequence_box.h"

SequenceBox::SequenceBox(QWidget* parent) : QPlainTextEdit(parent)
{
    setReadOnly(true);
    setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFocusPolicy(Qt::StrongFocus);
}

void SequenceBox::setText(const QString& text)
{
    m_text = text;
    emit textSet(m_text);
    if (!m_showPending) {
        m_showPending = true;
        QMetaObject::invokeMethod(this, &SequenceBox::showText, Qt::QueuedConnection);
    }
}

void SequenceBox::showText()
{
    m_showPending = false;
    if (toPlainText() != m_text)
        setPlainText(m_text);
}
