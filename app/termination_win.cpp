#include "termination.h"

#include "main_window.h"

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>

#include <windows.h>

namespace {

// Windows ends a process soon after its windows have answered WM_ENDSESSION. Qt's own answer
// closes the windows one by one, which would cancel the waiting input dialog and let its command
// ask again in the middle of the session's end; the program ends at once instead.
class SessionEnd : public QAbstractNativeEventFilter {
public:
    explicit SessionEnd(MainWindow& window) : m_window(window) {}

    bool nativeEventFilter(const QByteArray&, void* message, qintptr* result) override
    {
        const auto* msg = static_cast<const MSG*>(message);
        if (msg->message != WM_ENDSESSION || !msg->wParam)
            return false;
        m_window.endProgram();
        *result = 0;
        return true;
    }

private:
    MainWindow& m_window;
};

} // namespace

void endWhenTheSystemEnds(MainWindow& window)
{
    static SessionEnd filter(window);
    QCoreApplication::instance()->installNativeEventFilter(&filter);
}
