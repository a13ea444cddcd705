#include "app/SetupDialog.h"

#include "app/SetupListEditor.h"
#include "app/SetupPictureEditor.h"
#include "data/ConfigPath.h"
#include "data/Session.h"
#include "platform/Autostart.h"
#include "platform/Dialogs.h"
#include "platform/Services.h"
#include "platform/WindowPlacer.h"
#include "reminders/NotificationSettingsWidget.h"

#include "ui_SetupDialog.h"

#include <QButtonGroup>
#include <QDir>
#include <QFileInfo>
#include <QTabBar>

using namespace Qt::StringLiterals;

namespace {

const QString registerCaption = u"スタートアップに登録する(&R)"_s;
const QString unregisterCaption = u"スタートアップ登録を解除する(&U)"_s;

} // namespace

SetupDialog::SetupDialog(Session &session, Services &services, SetupHost &host, Autostart &autostart,
                         QWidget *parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::SetupDialog>()), m_session(session), m_services(services),
      m_host(host), m_autostart(autostart)
{
    m_ui->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    // All tabs stay in sight: the dialog widens to them rather than scrolling the tab row.
    m_ui->tabWidget->tabBar()->setExpanding(false);

    Config &config = m_session.config();
    const Ui::SetupDialog &ui = *m_ui;
    m_customers = new SetupListEditor({ui.customerEdit, ui.customerList, ui.customerAppendButton,
                                       ui.customerDeleteButton, ui.customerClearButton, ui.customerUpButton,
                                       ui.customerDownButton, ui.customerApplyButton},
                                      config.customerList, this);
    m_jobTypes = new SetupListEditor({ui.jobTypeEdit, ui.jobTypeList, ui.jobTypeAppendButton,
                                      ui.jobTypeDeleteButton, ui.jobTypeClearButton, ui.jobTypeUpButton,
                                      ui.jobTypeDownButton, ui.jobTypeApplyButton},
                                     config.jobTypeList, this);
    connect(m_customers, &SetupListEditor::applied, this, [this] { m_host.refillCustomers(); });
    connect(m_jobTypes, &SetupListEditor::applied, this, [this] { m_host.refillJobTypes(); });
    m_picture = new SetupPictureEditor(*m_ui, m_session, m_services, m_host, this);

    m_afterLaunchButtons = new QButtonGroup(this);
    m_afterLaunchButtons->addButton(ui.exitRadioButton, int(AfterLaunch::Exit));
    m_afterLaunchButtons->addButton(ui.stayInTrayRadioButton, int(AfterLaunch::StayInTray));
    m_afterLaunchButtons->addButton(ui.stayShownRadioButton, int(AfterLaunch::StayShown));
    connect(ui.autostartButton, &QPushButton::clicked, this, &SetupDialog::toggleAutostart);
    m_partners[size_t(Partner::Trevant)] = {ui.trevantPathEdit, ui.trevantSelectButton,
                                            ui.trevantClearButton};
    m_partners[size_t(Partner::Dossaro)] = {ui.dossaroPathEdit, ui.dossaroSelectButton,
                                            ui.dossaroClearButton};
    m_partners[size_t(Partner::Pellmark)] = {ui.pellmarkPathEdit, ui.pellmarkSelectButton,
                                             ui.pellmarkClearButton};
    for (Partner partner : {Partner::Trevant, Partner::Dossaro, Partner::Pellmark}) {
        const PartnerControls &c = m_partners[size_t(partner)];
        connect(c.selectButton, &QPushButton::clicked, this, [this, partner] { selectPartner(partner); });
        connect(c.clearButton, &QPushButton::clicked, this, [this, partner] { clearPartner(partner); });
    }

    m_notificationPage = new NotificationSettingsWidget(m_session.settingsPath(), m_autostart, m_services);
    m_ui->tabWidget->addTab(m_notificationPage, u"通知"_s);
    // The page comes last in the tab order of the pages, before the dialog's own buttons.
    QWidget *last = m_notificationPage;
    while (m_notificationPage->isAncestorOf(last->nextInFocusChain()))
        last = last->nextInFocusChain();
    QWidget::setTabOrder(last, ui.saveButton);
    QWidget::setTabOrder(ui.saveButton, ui.cancelButton);
    connect(ui.saveButton, &QPushButton::clicked, this, &SetupDialog::saveAndClose);
    connect(ui.cancelButton, &QPushButton::clicked, this, &QDialog::reject);

    fill();
    setFixedSize(qMax(400, sizeHint().width()), qMax(445, sizeHint().height()));
}

SetupDialog::~SetupDialog() = default;

// --- Opening ----------------------------------------------------------------------------------

void SetupDialog::fill()
{
    const Config &config = m_session.config();
    m_customers->showEntries();
    m_jobTypes->showEntries();
    m_ui->showPanelCheckBox->setChecked(config.showJobPanel);
    m_ui->showToDoCheckBox->setChecked(config.showToDoAtStart);
    m_ui->interlockCheckBox->setChecked(config.interlockToDoGraph);
    m_ui->separatorsCheckBox->setChecked(config.showDateSeparators);
    if (QAbstractButton *b = m_afterLaunchButtons->button(int(config.afterLaunch)))
        b->setChecked(true);
    showAutostartCaption();

    for (Partner partner : {Partner::Pellmark, Partner::Trevant, Partner::Dossaro})
        showPathFromStart(m_partners[size_t(partner)].edit, PartnerPrograms::of(partner).pathIn(config));
    m_picture->showConfigured();
}

void SetupDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    WindowPlacer::place(this, {WindowPlacer::besideOf(parentWidget(), QPoint(420, 0)), size()});
    m_customers->clearEdit();
    m_jobTypes->clearEdit();
    m_ui->tabWidget->setCurrentIndex(2);
}

// --- Partner programs -------------------------------------------------------------------------

void SetupDialog::selectPartner(Partner partner)
{
    const PartnerProgram &program = PartnerPrograms::of(partner);
    // Programs on Linux carry no ".exe", so every file is offered.
    const QString path = m_services.dialogs.openFileName(this, program.displayName() + u" を選択"_s,
                                                         m_session.exeDir(), u"すべてのファイル (*)"_s);
    if (path.isEmpty())
        return;
    if (!ConfigPath::canKeep(path)) {
        m_services.dialogs.inform(this, ConfigPath::refusalText(path), m_host.hostMessagePos());
        return;
    }
    if (!PartnerPrograms::isExpectedFile(program, QFileInfo(path).fileName())) {
        const QString text = partner == Partner::Dossaro ? u"Dossaro 以外が選択されました."_s
                                                         : program.displayName() + u" を選択してください."_s;
        m_services.dialogs.inform(this, text, m_host.hostMessagePos());
        return;
    }
    showPathFromStart(m_partners[size_t(partner)].edit, path);
    m_session.config().*program.path = path;
}

void SetupDialog::clearPartner(Partner partner)
{
    m_partners[size_t(partner)].edit->clear();
    (m_session.config().*PartnerPrograms::of(partner).path).clear();
}

// --- Start at log-in --------------------------------------------------------------------------

void SetupDialog::showAutostartCaption()
{
    // One entry per user: the button registers this folder unless the entry already starts it.
    QString other;
    const Autostart::Registration state = m_autostart.registration(&other);
    m_ui->autostartButton->setText(state == Autostart::Registration::ThisFolder ? unregisterCaption
                                                                                : registerCaption);
    switch (state) {
    case Autostart::Registration::None:
        m_ui->autostartStateLabel->setText(u"ログイン時の起動: 登録されていません."_s);
        break;
    case Autostart::Registration::ThisFolder:
        m_ui->autostartStateLabel->setText(u"ログイン時の起動: このデータフォルダーで登録されています."_s);
        break;
    case Autostart::Registration::OtherFolder:
        m_ui->autostartStateLabel->setText(
            u"ログイン時の起動: 別のデータフォルダー「"_s +
            (other.isEmpty() ? u"既定のフォルダー"_s : QDir::toNativeSeparators(other)) +
            u"」で登録されています. 登録すると,このデータフォルダーに切り替わります."_s);
        break;
    }
}

void SetupDialog::toggleAutostart()
{
    const QPoint corner = frameGeometry().topLeft();
    if (m_autostart.registration() == Autostart::Registration::ThisFolder) {
        const SafeFile::Result r = m_autostart.remove();
        if (!r) {
            m_services.dialogs.error(this, u"スタートアップ登録を解除できませんでした."_s + u"\r\n\r\n"_s +
                                               QDir::toNativeSeparators(m_autostart.entryPath()) +
                                               u"\r\n("_s + r.error + u")"_s);
            return;
        }
        showAutostartCaption();
        m_services.dialogs.inform(this, u"スタートアップから｢Wrenly｣を削除しました."_s,
                                  corner + QPoint(45, 150));
        return;
    }
    const SafeFile::Result r = m_autostart.add();
    if (!r) {
        m_services.dialogs.fileError(this, FileOperation::Create, m_autostart.entryPath(), r.error,
                                     u"スタートアップ登録のファイル"_s);
        return;
    }
    showAutostartCaption();
    m_services.dialogs.inform(this, u"｢Wrenly｣をスタートアップに登録しました."_s, corner + QPoint(50, 150));
}

// --- Save -------------------------------------------------------------------------------------

void SetupDialog::saveAndClose()
{
    m_customers->apply();
    m_jobTypes->apply();
    Config &config = m_session.config();
    config.showJobPanel = m_ui->showPanelCheckBox->isChecked();
    m_picture->apply();
    config.showToDoAtStart = m_ui->showToDoCheckBox->isChecked();
    config.interlockToDoGraph = m_ui->interlockCheckBox->isChecked();
    config.showDateSeparators = m_ui->separatorsCheckBox->isChecked();
    if (m_afterLaunchButtons->checkedId() >= 0)
        config.afterLaunch = AfterLaunch(m_afterLaunchButtons->checkedId());
    // Written anew when the file has gone meanwhile: the user asked to save.
    const SafeFile::Result r = m_session.saveConfig();
    if (r.changedOnDisk) {
        showMergedConfig();
        return;
    }
    if (!r) {
        m_services.dialogs.fileError(this, FileOperation::Write, m_session.configPath(), r.error,
                                     u"設定ファイル"_s);
        return;
    }
    m_host.followPartnerPaths();
    if (!m_notificationPage->save())
        return;
    accept();
}

// Another Wrenly saved the file meanwhile: the session took its lines but those changed here, and
// the dialog shows the outcome, ready to be saved again.
void SetupDialog::showMergedConfig()
{
    m_services.dialogs.changedOnDisk(this, m_session.configPath(), u"設定ファイル"_s);
    fill();
    m_picture->apply();
    m_host.refillCustomers();
    m_host.refillJobTypes();
    m_host.followPartnerPaths();
}
