#include "platform/WindowPlacer.h"

#include <QEvent>
#include <QScreen>
#include <QWidget>
#include <QWindow>

namespace {

// The frame the window manager gave the last window it framed: the best guess for the next one.
QMargins lastFrame;

QMargins frameOf(const QWidget *window)
{
    const QWindow *handle = window->windowHandle();
    return handle ? handle->frameMargins() : QMargins();
}

QRect availableFor(const QWidget *window)
{
    const QWidget *parent = window->parentWidget() ? window->parentWidget()->window() : nullptr;
    const QScreen *screen = parent && parent->isVisible() ? parent->screen() : window->screen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}

// Waits for the first exposure, when the window manager has framed the window, and places it again
// if its frame is not the one assumed. A window not made yet is watched from its showing on.
class FramedWatcher final : public QObject
{
public:
    FramedWatcher(QWidget *window, const WindowPlacement::Request &request, const QMargins &assumed)
        : QObject(window), m_window(window), m_request(request), m_assumed(assumed)
    {
        if (window->windowHandle())
            window->windowHandle()->installEventFilter(this);
        else
            window->installEventFilter(this);
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_window && event->type() == QEvent::Show && m_window->windowHandle()) {
            m_window->removeEventFilter(this);
            m_window->windowHandle()->installEventFilter(this);
            return false;
        }
        if (watched != m_window->windowHandle() || event->type() != QEvent::Expose ||
            !m_window->windowHandle()->isExposed())
            return false;
        // No frame: no window manager, nothing to correct.
        const QMargins frame = m_window->windowHandle()->frameMargins();
        if (!frame.isNull() && frame != m_assumed) {
            lastFrame = frame;
            m_window->setGeometry(WindowPlacement::innerGeometry(m_request, frame, availableFor(m_window)));
        }
        watched->removeEventFilter(this);
        deleteLater();
        return false;
    }

private:
    QWidget *m_window; // the parent: it outlives the watcher
    WindowPlacement::Request m_request;
    QMargins m_assumed;
};

} // namespace

namespace WindowPlacer {

void place(QWidget *window, const WindowPlacement::Request &request)
{
    // A window manager tells the frame only once it has framed the window; some platforms know it
    // before.
    const QMargins known = frameOf(window);
    const bool framed = window->windowHandle() && window->windowHandle()->isExposed();
    const QMargins frame = framed || !known.isNull() ? known : lastFrame;
    window->setGeometry(WindowPlacement::innerGeometry(request, frame, availableFor(window)));
    if (!framed)
        new FramedWatcher(window, request, frame);
}

QPoint offsetOf(const QWidget *window)
{
    return window->frameGeometry().topLeft() - availableFor(window).topLeft();
}

QPoint besideOf(const QWidget *window, const QPoint &fallback)
{
    if (!window)
        return fallback;
    return {window->frameGeometry().right() + 1 - availableFor(window).left(), 0};
}

} // namespace WindowPlacer
