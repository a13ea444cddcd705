#pragma once

#include "data/ReminderSettings.h"

#include <QWidget>

#include <memory>

class Autostart;
struct Services;

namespace Ui {
class NotificationSettingsWidget;
}

// The setup window's page "通知": the job summary and its time, the plan's reminders and how long
// before, and whether the start at log-in goes to the tray.
class NotificationSettingsWidget final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(NotificationSettingsWidget)
public:
    NotificationSettingsWidget(const QString &settingsPath, Autostart &autostart, Services &services,
                               QWidget *parent = nullptr);
    ~NotificationSettingsWidget() override;

    ReminderSettings settings() const;
    void showSettings(const ReminderSettings &settings);
    // Writes the settings to Wrenly.ini and, when the tray choice changed, the autostart entry
    // anew; false after a failure, which has been shown.
    bool save();

private:
    std::unique_ptr<Ui::NotificationSettingsWidget> m_ui;
    QString m_settingsPath;
    Autostart &m_autostart;
    Services &m_services;
};
