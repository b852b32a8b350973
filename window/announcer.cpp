#include "announcer.h"

#include <QEvent>

#include <utility>

namespace {

// Longer than a window manager takes to give the focus back to the window after a dialog.
constexpr int kFallbackMs = 1000;

} // namespace

Announcer::Announcer(QWidget* window) : QWidget(window)
{
    setObjectName(QStringLiteral("Announcer"));
    setGeometry(0, 0, 0, 0);
    hide();
    m_fallback.setSingleShot(true);
    m_fallback.setInterval(kFallbackMs);
    connect(&m_fallback, &QTimer::timeout, this, &Announcer::deliver);
    window->installEventFilter(this);
}

void Announcer::announce(const QString& text)
{
    m_pending = text;
    if (window()->isActiveWindow())
        deliver();
    else
        m_fallback.start();
}

bool Announcer::eventFilter(QObject* watched, QEvent* event)
{
    // Queued: the reader hears of the activation, and of the focus inside, before this.
    if (event->type() == QEvent::WindowActivate && !m_pending.isEmpty())
        QMetaObject::invokeMethod(this, &Announcer::deliver, Qt::QueuedConnection);
    return QWidget::eventFilter(watched, event);
}

void Announcer::deliver()
{
    m_fallback.stop();
    if (m_pending.isEmpty())
        return;
    say(std::exchange(m_pending, QString()));
}
