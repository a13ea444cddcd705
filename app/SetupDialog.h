#pragma once

#include "data/PartnerPrograms.h"

#include <QDialog>
#include <QImage>
#include <QPoint>

#include <array>

class Autostart;
class NotificationSettingsWidget;
class PictureWidget;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTabWidget;
class Session;
class UpDownWidget;
struct Services;

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
    // One of the two list tabs.
    struct ListEditor
    {
        QLineEdit *edit = nullptr;
        QListWidget *list = nullptr;
        std::array<QString, Config::ListSize> *entries = nullptr;
        bool customers = true;
    };
    QWidget *buildListTab(ListEditor &editor, const char *const names[8]);
    QWidget *buildOptionsTab();
    QWidget *buildPictureTab();
    QWidget *buildPartnersTab();
    void fill();

    void appendItem(ListEditor &editor);
    void deleteItem(ListEditor &editor);
    void clearItems(ListEditor &editor);
    void moveItem(ListEditor &editor, int direction);
    void applyList(ListEditor &editor);

    void selectPicture();
    void clearPicture();
    void initializePicture();
    void toggleMode(QPushButton *button);
    void selectSize(int index);
    void stepOffset(UpDownWidget *upDown, int direction);
    void showOffsets(int vertical, int horizontal);
    void applyPicture();
    void showModes(bool center, bool proportional, bool stretch);

    void selectPartner(Partner partner);
    void clearPartner(Partner partner);
    void showAutostartCaption();

    Session &m_session;
    Services &m_services;
    SetupHost &m_host;
    Autostart &m_autostart;

    QTabWidget *m_tabs = nullptr;
    ListEditor m_customers;
    ListEditor m_jobTypes;
    QCheckBox *m_showPanelBox = nullptr;
    QCheckBox *m_showToDoBox = nullptr;
    QCheckBox *m_interlockBox = nullptr;
    QCheckBox *m_separatorsBox = nullptr;
    QButtonGroup *m_afterLaunchButtons = nullptr;
    QPushButton *m_autostartButton = nullptr;
    QLabel *m_autostartStateLabel = nullptr;
    PictureWidget *m_preview = nullptr;
    QComboBox *m_sizeBox = nullptr;
    UpDownWidget *m_verticalUpDown = nullptr;
    UpDownWidget *m_horizontalUpDown = nullptr;
    QLineEdit *m_verticalEdit = nullptr;
    QLineEdit *m_horizontalEdit = nullptr;
    QPushButton *m_centerButton = nullptr;
    QPushButton *m_proportionalButton = nullptr;
    QPushButton *m_stretchButton = nullptr;
    QLineEdit *m_pictureNameEdit = nullptr;
    std::array<QLineEdit *, 3> m_partnerEdits{}; // by Partner
    NotificationSettingsWidget *m_notificationPage = nullptr;
};
