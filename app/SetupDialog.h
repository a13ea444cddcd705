#pragma once

#include "data/PartnerPrograms.h"

#include <QDialog>
#include <QImage>
#include <QPoint>

#include <array>
#include <memory>

class Autostart;
class NotificationSettingsWidget;
class QButtonGroup;
class QLineEdit;
class QPushButton;
class Session;
class SetupListEditor;
class SetupPictureEditor;
struct Services;

namespace Ui {
class SetupDialog;
}

// What the setup dialog changes in the main window while it is open.
class SetupHost
{
public:
    virtual ~SetupHost() = default;
    // Where the main window's messages appear.
    virtual QPoint hostMessagePos() const = 0;
    // Fill the customer and job-type boxes from the configuration.
    virtual void refillCustomers() = 0;
    virtual void refillJobTypes() = 0;
    // Shows `image` (if any) in the configured frame and modes.
    virtual void showConfiguredPicture(const QImage &image) = 0;
    // Enables each partner program's actions by whether its path is set.
    virtual void followPartnerPaths() = 0;
};

// The user's settings: customer and job-type lists, start-up options, the panel picture, the
// partner programs and start at log-in. The apply and select buttons change the settings at once;
// only the save button writes the configuration file.
class SetupDialog final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SetupDialog)
public:
    SetupDialog(Session &session, Services &services, SetupHost &host, Autostart &autostart,
                QWidget *parent = nullptr);
    ~SetupDialog() override;

    void saveAndClose();
    void toggleAutostart();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void fill();
    void selectPartner(Partner partner);
    void clearPartner(Partner partner);
    void showAutostartCaption();
    void showMergedConfig();

    std::unique_ptr<Ui::SetupDialog> m_ui;
    Session &m_session;
    Services &m_services;
    SetupHost &m_host;
    Autostart &m_autostart;

    SetupListEditor *m_customers = nullptr;
    SetupListEditor *m_jobTypes = nullptr;
    SetupPictureEditor *m_picture = nullptr;
    QButtonGroup *m_afterLaunchButtons = nullptr;
    struct PartnerControls
    {
        QLineEdit *edit = nullptr;
        QPushButton *selectButton = nullptr;
        QPushButton *clearButton = nullptr;
    };
    std::array<PartnerControls, 3> m_partners{}; // by Partner
    NotificationSettingsWidget *m_notificationPage = nullptr;
};
