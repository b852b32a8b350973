#include "hidden_carets.h"

#include <QAccessible>
#include <QWidget>

namespace {

QAccessible::UpdateHandler next = nullptr;

void forward(QAccessibleEvent* event)
{
    const auto* widget = qobject_cast<const QWidget*>(event->object());
    const bool caret = event->type() == QAccessible::TextCaretMoved || event->type() == QAccessible::TextSelectionChanged;
    if (caret && widget && !widget->isVisible())
        return;
    if (next) {
        next(event);
        return;
    }
    // Qt hands an event to the platform's bridge only while no handler is installed.
    QAccessible::installUpdateHandler(nullptr);
    QAccessible::updateAccessibility(event);
    QAccessible::installUpdateHandler(forward);
}

} // namespace

void keepHiddenCaretsFromReaders()
{
    if (const QAccessible::UpdateHandler previous = QAccessible::installUpdateHandler(forward); previous != forward)
        next = previous;
}
