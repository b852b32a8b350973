// The sequence box: read-only, wrapped at the blanks between values, without scroll bars; the caret
// and the mouse still select through all of it.
//
// setText() may be called for every step of a long run. The box takes the newest text at once (text()
// returns it), but lays it out once, when the event loop next runs: laying out thousands of characters
// again on each of hundreds of steps would freeze the window for a second.
#pragma once

#include <QPlainTextEdit>

class SequenceBox : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit SequenceBox(QWidget* parent = nullptr);

    void setText(const QString& text);
    QString text() const { return m_text; }

signals:
    void textSet(const QString& text); // on every setText(), before the box shows it

private:
    void showText();

    QString m_text;
    bool m_showPending = false;
};
