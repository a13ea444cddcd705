#pragma once

#include <QAccessible>
#include <QLayout>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>
#include <utility>

// One window built ahead, while the program is idle, so that opening it costs only filling and
// showing it: making a planner's controls and its native window is most of its opening time. A spare
// serves one opening, so nothing of one session in the window reaches the next; once kept, the next
// spare is built a while after the last window has closed.
template <typename Window> class SpareWindow final
{
public:
    using Make = std::function<std::unique_ptr<Window>()>;

    explicit SpareWindow(Make make) : m_make(std::move(make))
    {
        m_timer.setSingleShot(true);
        QObject::connect(&m_timer, &QTimer::timeout, [this] { build(); });
    }

    // From now on keeps a spare: the first one `delayMs` from now.
    void keep(int delayMs)
    {
        m_kept = true;
        prepareLater(delayMs);
    }
    // The window taken last has closed: the next spare comes once the windows under it have
    // repainted, long before a user could ask for it again.
    void windowClosed()
    {
        if (m_kept)
            prepareLater(AgainAfterMs);
    }
    // Builds the spare once the event loop has been free for `delayMs`, unless one is ready.
    void prepareLater(int delayMs)
    {
        if (!m_spare)
            m_timer.start(delayMs);
    }
    // Builds it at once (benchmarks, tests).
    void prepareNow()
    {
        m_timer.stop();
        if (!m_spare)
            build();
    }
    bool isReady() const { return m_spare != nullptr; }

    // The spare when one is ready, otherwise a window made now.
    std::unique_ptr<Window> take()
    {
        m_timer.stop();
        return m_spare ? std::exchange(m_spare, nullptr) : m_make();
    }

private:
    void build()
    {
        m_spare = m_make();
        // What showing would do first: the native window (the window system's part is then only
        // mapping it), the style's polish, the layout, and the accessibility interface that showing
        // asks of every control whether or not a reader listens.
        m_spare->winId();
        m_spare->ensurePolished();
        if (QLayout *layout = m_spare->layout())
            layout->activate();
        for (QWidget *child : m_spare->template findChildren<QWidget *>())
            QAccessible::queryAccessibleInterface(child);
    }

    static constexpr int AgainAfterMs = 250;

    Make m_make;
    std::unique_ptr<Window> m_spare;
    QTimer m_timer;
    bool m_kept = false;
};
