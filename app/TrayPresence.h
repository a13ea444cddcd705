#pragma once

#include <QList>
#include <QObject>

class QAction;
class QMenu;
class QWidget;
class TrayIcon;

// The main window's place in the notification area: the window hides to the tray icon and comes
// back from it. The icon's menu is made when first asked for.
class TrayPresence final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TrayPresence)
public:
    // The menu offers `launchers`, a separator and `showWindow`.
    TrayPresence(QWidget &window, TrayIcon &tray, const QList<QAction *> &launchers, QAction *showWindow);
    ~TrayPresence() override;

    // Hides the window to the tray; without a notification area it only minimises it.
    void hideWindow();
    // Shows the window again, raised and active.
    void restoreWindow();
    // Takes the icon away, as the window closes.
    void leave();
    bool isShown() const { return m_shown; }
    QMenu *menu();

private:
    QWidget &m_window;
    TrayIcon &m_tray;
    QList<QAction *> m_launchers;
    QAction *m_showWindow;
    QMenu *m_menu = nullptr;
    bool m_shown = false;
};
