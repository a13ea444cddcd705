#pragma once

#include <QObject>

class QIcon;
class QMenu;
class QSystemTrayIcon;

// The notification-area icon. Where the desktop has none (Xvfb, stock GNOME) isAvailable() is
// false and the main window minimises instead of hiding.
class TrayIcon : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;
    virtual bool isAvailable() const = 0;
    // Registers the icon; a right click opens `menu`.
    virtual void show(const QIcon &icon, const QString &toolTip, QMenu *menu) = 0;
    virtual void hide() = 0;
    // A balloon message by the shown icon; false when there is no icon to show it by.
    virtual bool showMessage(const QString &title, const QString &body) = 0;

signals:
    void leftClicked();
    void messageClicked();
};

class QtTrayIcon final : public TrayIcon
{
    Q_OBJECT
public:
    explicit QtTrayIcon(QObject *parent = nullptr);
    ~QtTrayIcon() override;
    bool isAvailable() const override;
    void show(const QIcon &icon, const QString &toolTip, QMenu *menu) override;
    void hide() override;
    bool showMessage(const QString &title, const QString &body) override;

private:
    QSystemTrayIcon *m_icon = nullptr;
};
