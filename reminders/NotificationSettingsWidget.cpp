#include "reminders/NotificationSettingsWidget.h"

#include "platform/Autostart.h"
#include "platform/Dialogs.h"
#include "platform/Services.h"

#include "ui_NotificationSettingsWidget.h"

using namespace Qt::StringLiterals;

NotificationSettingsWidget::NotificationSettingsWidget(const QString &settingsPath, Autostart &autostart,
                                                       Services &services, QWidget *parent)
    : QWidget(parent), m_ui(std::make_unique<Ui::NotificationSettingsWidget>()), m_settingsPath(settingsPath),
      m_autostart(autostart), m_services(services)
{
    m_ui->setupUi(this);
    m_ui->minutesSpinBox->setMaximum(ReminderSettings::MaxMinutesBefore);
    showSettings(ReminderSettings::read(m_settingsPath));
}

NotificationSettingsWidget::~NotificationSettingsWidget() = default;

ReminderSettings NotificationSettingsWidget::settings() const
{
    ReminderSettings s;
    s.jobsEnabled = m_ui->jobsCheckBox->isChecked();
    s.jobsTime = m_ui->jobsTimeEdit->time();
    s.planEnabled = m_ui->planCheckBox->isChecked();
    s.minutesBefore = m_ui->minutesSpinBox->value();
    s.startInTray = m_ui->trayAtLoginCheckBox->isChecked();
    return s;
}

void NotificationSettingsWidget::showSettings(const ReminderSettings &settings)
{
    m_ui->jobsCheckBox->setChecked(settings.jobsEnabled);
    m_ui->jobsTimeEdit->setTime(settings.jobsTime);
    m_ui->jobsTimeEdit->setEnabled(settings.jobsEnabled);
    m_ui->planCheckBox->setChecked(settings.planEnabled);
    m_ui->minutesSpinBox->setValue(settings.minutesBefore);
    m_ui->minutesSpinBox->setEnabled(settings.planEnabled);
    m_ui->trayAtLoginCheckBox->setChecked(settings.startInTray);
}

bool NotificationSettingsWidget::save()
{
    const ReminderSettings chosen = settings();
    if (!chosen.write(m_settingsPath)) {
        m_services.dialogs.fileError(this, FileOperation::Write, m_settingsPath, u"書き込めません"_s,
                                     u"設定ファイル"_s);
        return false;
    }
    if (chosen.startInTray == m_autostart.startsInTray())
        return true;
    m_autostart.setStartsInTray(chosen.startInTray);
    if (!m_autostart.isRegistered())
        return true;
    const SafeFile::Result r = m_autostart.add();
    if (!r) {
        m_services.dialogs.fileError(this, FileOperation::Write, m_autostart.entryPath(), r.error,
                                     u"スタートアップ登録のファイル"_s);
        return false;
    }
    return true;
}
