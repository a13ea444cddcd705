#include "platform/TrayIcon.h"

#include <QMenu>
#include <QSystemTrayIcon>

QtTrayIcon::QtTrayIcon(QObject *parent) : TrayIcon(parent) {}

QtTrayIcon::~QtTrayIcon() = default;

bool QtTrayIcon::isAvailable() const
{
    return QSystemTrayIcon::isSystemTrayAvailable();
}

void QtTrayIcon::show(const QIcon &icon, const QString &toolTip, QMenu *menu)
{
    if (!m_icon) {
        m_icon = new QSystemTrayIcon(this);
        connect(m_icon, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
            if (reason == QSystemTrayIcon::Trigger || reason == QSystemTrayIcon::DoubleClick)
                emit leftClicked();
        });
        connect(m_icon, &QSystemTrayIcon::messageClicked, this, &TrayIcon::messageClicked);
    }
    m_icon->setIcon(icon);
    m_icon->setToolTip(toolTip);
    m_icon->setContextMenu(menu);
    m_icon->show();
}

void QtTrayIcon::hide()
{
    if (m_icon)
        m_icon->hide();
}

bool QtTrayIcon::showMessage(const QString &title, const QString &body)
{
    if (!m_icon || !m_icon->isVisible() || !QSystemTrayIcon::supportsMessages())
        return false;
    m_icon->showMessage(title, body, QSystemTrayIcon::Information);
    return true;
}
