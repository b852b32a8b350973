// Tells a screen reader something that the window shows without moving the focus: what an
// experiment has shown, once the input dialog is gone. It is said when the window is active again,
// after the reader has spoken the focus coming back, so that the focus does not cut it off; where
// no activation comes (no window manager), a moment later.
//
// The widget has no size and draws nothing. How the words reach the reader depends on the Qt release:
// Qt 6.8 and later announce them; before, the widget is shown as a notification named by them.
#pragma once

#include <QTimer>
#include <QWidget>

class Announcer : public QWidget {
    Q_OBJECT
public:
    explicit Announcer(QWidget* window);

    void announce(const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void deliver();
    void say(const QString& text); // per Qt release

    QString m_pending;
    QTimer m_fallback;
};
