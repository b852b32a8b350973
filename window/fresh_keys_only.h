// Lets only a fresh key press answer: a held Enter, Space or Escape neither presses a button again
// nor answers a dialog that opened while the key was down (the user never saw it).
#pragma once

#include <QHash>
#include <QObject>

class FreshKeysOnly : public QObject {
public:
    using QObject::QObject;

protected:
    // Installed on the application, it sees each key event once, as it reaches its window.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // When each key was last let go, in the window system's time.
    QHash<int, quint64> m_released;
};
