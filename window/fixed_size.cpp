#include "fixed_size.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace {

constexpr Qt::WindowStates kFilling = Qt::WindowMaximized | Qt::WindowFullScreen;
// A compositor that passes over the request never answers it.
constexpr int kAnswerWaitMs = 2000;
// Long enough for the window to be drawn in the state it was granted.
constexpr int kDrawnMs = 100;

class FixedSizeKeeper : public QObject {
public:
    explicit FixedSizeKeeper(QWidget* window) : QObject(window), m_window(window), m_handle(window->windowHandle())
    {
        m_handle->installEventFilter(this);
        // Emitted at the request, before the compositor has it.
        connect(m_handle, &QWindow::windowStateChanged, this, [this](Qt::WindowState state) {
            if ((state & kFilling) && !m_sizeLetGo) {
                m_sizeLetGo = true;
                m_handle->setMaximumSize(QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
                QTimer::singleShot(kAnswerWaitMs, this, [this] {
                    if (m_sizeLetGo && !(m_handle->windowStates() & kFilling))
                        keepSize();
                });
            }
        });
    }

protected:
    // The state the platform has applied.
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::WindowStateChange && m_sizeLetGo) {
            if (m_handle->windowStates() & kFilling) // once drawn in it, a compositor lets the state go
                QTimer::singleShot(kDrawnMs, this, [this] { m_handle->setWindowStates(Qt::WindowNoState); });
            else
                keepSize();
        }
        return false;
    }

private:
    void keepSize()
    {
        m_sizeLetGo = false;
        m_handle->setMaximumSize(m_window->maximumSize());
    }

    QWidget* m_window;
    QWindow* m_handle;
    bool m_sizeLetGo = false;
};

} // namespace

void keepAtFixedSize(QWidget* window)
{
    window->winId();
    new FixedSizeKeeper(window);
}
