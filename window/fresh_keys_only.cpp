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
        return key->isAutoRepeat();
    default:
        return false; // a held Backspace or digit still repeats in the input field
    }
}
