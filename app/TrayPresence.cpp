#include "app/TrayPresence.h"

#include "app/Artwork.h"
#include "platform/TrayIcon.h"

#include <QMenu>
#include <QWidget>

using namespace Qt::StringLiterals;

TrayPresence::TrayPresence(QWidget &window, TrayIcon &tray, const QList<QAction *> &launchers,
                           QAction *showWindow)
    : m_window(window), m_tray(tray), m_launchers(launchers), m_showWindow(showWindow)
{}

TrayPresence::~TrayPresence()
{
    leave();
}

QMenu *TrayPresence::menu()
{
    if (m_menu)
        return m_menu;
    m_menu = new QMenu(&m_window);
    m_menu->setObjectName(u"trayMenu"_s);
    m_menu->addActions(m_launchers);
    m_menu->addSeparator();
    m_menu->addAction(m_showWindow);
    return m_menu;
}

void TrayPresence::hideWindow()
{
    if (!m_tray.isAvailable()) {
        // Without a notification area a hidden window could not be brought back.
        m_window.showMinimized();
        return;
    }
    if (!m_shown) {
        m_tray.show(Artwork::applicationIcon(),
                    u"左クリック: メインウィンドウ\n右クリック: ポップアップメニュー"_s, menu());
        m_shown = true;
    }
    m_window.hide();
}

void TrayPresence::restoreWindow()
{
    leave();
    if (m_window.isMinimized())
        m_window.showNormal();
    else
        m_window.show();
    m_window.raise();
    m_window.activateWindow();
}

void TrayPresence::leave()
{
    if (!m_shown)
        return;
    m_tray.hide();
    m_shown = false;
}
