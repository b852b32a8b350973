#include "fresh_keys_only.h"

#include <QKeyEvent>

bool FreshKeysOnly::eventFilter(QObject* watched, QEvent* event)
{
    if (!watched->isWindowType() || (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease))
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    switch (key->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
    case Qt::Key_Escape:
        break;
    default:
        return false; // a held Backspace or digit still repeats in the input field
    }
    if (key->isAutoRepeat())
        return true;
    // X11 repeats a held key as a release and a press at the same server time. Qt marks them as a
    // repeat only when the press is already queued behind the release as it reads them, which a
    // busy program misses: a press at the very time of its key's release is a repeat all the same.
    const quint64 time = key->timestamp();
    if (event->type() == QEvent::KeyRelease) {
        m_released.insert(key->key(), time);
        return false;
    }
    return time != 0 && m_released.value(key->key()) == time;
}
