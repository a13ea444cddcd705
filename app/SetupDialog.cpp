#include "app/SetupDialog.h"

#include "data/PictureFrame.h"
#include "data/Session.h"
#include "platform/Autostart.h"
#include "platform/Dialogs.h"
#include "platform/Hints.h"
#include "platform/Picture.h"
#include "platform/Services.h"
#include "platform/WindowPlacer.h"
#include "reminders/NotificationSettingsWidget.h"
#include "widgets/PictureWidget.h"
#include "widgets/RefusalTip.h"
#include "widgets/UpDownWidget.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

const QString registerCaption = u"スタートアップに登録する(&R)"_s;
const QString unregisterCaption = u"スタートアップ登録を解除する(&U)"_s;

QPushButton *button(const QString &text, const char *name, QWidget *parent)
{
    auto *b = new QPushButton(text, parent);
    b->setObjectName(QString::fromLatin1(name));
    // Enter belongs to the focused box (a list's edit box adds its entry), never to a default button.
    b->setAutoDefault(false);
    return b;
}

QLineEdit *readOnlyEdit(const char *name, QWidget *parent)
{
    auto *e = new QLineEdit(parent);
    e->setObjectName(QString::fromLatin1(name));
    e->setReadOnly(true);
    return e;
}

void showPath(QLineEdit *edit, const QString &path)
{
    edit->setText(path);
    edit->setCursorPosition(0);
}

} // namespace

SetupDialog::SetupDialog(Session &session, Services &services, SetupHost &host, Autostart &autostart,
                         QWidget *parent)
    : QDialog(parent), m_session(session), m_services(services), m_host(host), m_autostart(autostart)
{
    setObjectName(u"frmSetup"_s);
    setWindowTitle(u"ユーザー設定"_s);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);

    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(u"PageControl1"_s);
    // All five tabs stay in sight: the dialog widens to them rather than scrolling the tab row.
    m_tabs->tabBar()->setUsesScrollButtons(false);
    m_tabs->tabBar()->setExpanding(false);

    static const char *const customerNames[8] = {"edtCustomerName", "lbxCustomerName", "btnAppend",
                                                 "btnDelete",       "btnClear",        "btnApply",
                                                 "BitBtnUp",        "BitBtnDown"};
    static const char *const jobTypeNames[8] = {"edtJobType", "lbxJobType", "btnAppend2", "btnDelete2",
                                                "btnClear2",  "btnApply2",  "BitBtnUp2",  "BitBtnDown2"};
    m_customers.entries = &m_session.config().customerList;
    m_customers.customers = true;
    m_jobTypes.entries = &m_session.config().jobTypeList;
    m_jobTypes.customers = false;
    QWidget *pages[] = {buildListTab(m_customers, customerNames), buildListTab(m_jobTypes, jobTypeNames),
                        buildOptionsTab(), buildPictureTab(), buildPartnersTab()};
    const QString captions[] = {u"　　[顧客]リストの編集　　"_s, u"　　[仕事の種類]リストの編集　　"_s,
                                u"動作環境"_s, u"パネル写真"_s, u"ソフトウェア"_s};
    for (int i = 0; i < 5; ++i) {
        pages[i]->setObjectName(u"TabSheet"_s + QString::number(i + 1));
        m_tabs->addTab(pages[i], captions[i]);
    }
    m_notificationPage = new NotificationSettingsWidget(m_session.settingsPath(), m_autostart, m_services);
    m_tabs->addTab(m_notificationPage, u"通知"_s);

    QPushButton *save = button(u"設定を保存して閉じる(&S)"_s, "btnSave", this);
    QPushButton *cancel = button(u"キャンセル(&C)"_s, "btnCancel", this);
    connect(save, &QPushButton::clicked, this, &SetupDialog::saveAndClose);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(save);
    buttons->addWidget(cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs);
    layout->addLayout(buttons);

    fill();
    setFixedSize(qMax(400, sizeHint().width()), qMax(445, sizeHint().height()));
}

SetupDialog::~SetupDialog() = default;

// --- Building ---------------------------------------------------------------------------------

QWidget *SetupDialog::buildListTab(ListEditor &editor, const char *const names[8])
{
    auto *page = new QWidget;
    editor.edit = new QLineEdit(page);
    editor.edit->setObjectName(QString::fromLatin1(names[0]));
    RefusalTip::limit(editor.edit, Config::EntryCapacity);
    Hints::set(editor.edit, u"|追加する項目を入力します.(最大文字数: 半角31文字)"_s);
    editor.list = new QListWidget(page);
    editor.list->setObjectName(QString::fromLatin1(names[1]));
    QPushButton *append = button(u"追加"_s, names[2], page);
    QPushButton *remove = button(u"削除"_s, names[3], page);
    QPushButton *clear = button(u"クリア"_s, names[4], page);
    QPushButton *apply = button(u"適用"_s, names[5], page);
    QPushButton *up = button(QString(), names[6], page);
    QPushButton *down = button(QString(), names[7], page);
    up->setIcon(style()->standardIcon(QStyle::SP_ArrowUp));
    down->setIcon(style()->standardIcon(QStyle::SP_ArrowDown));
    Hints::set(up, u"上へ|選択した項目を一つ上へ移動します."_s);
    Hints::set(down, u"下へ|選択した項目を一つ下へ移動します."_s);
    Hints::set(apply, u"適用|リストをメインウィンドウに反映します."_s);

    auto *grid = new QGridLayout(page);
    grid->addWidget(new QLabel(u"設定可能項目数: 5"_s, page), 0, 0, 1, 2);
    grid->addWidget(editor.edit, 1, 0);
    grid->addWidget(append, 1, 1);
    grid->addWidget(editor.list, 2, 0, 6, 1);
    grid->addWidget(remove, 2, 1);
    grid->addWidget(clear, 3, 1);
    grid->addWidget(up, 4, 1);
    grid->addWidget(down, 5, 1);
    grid->addWidget(apply, 7, 1);
    grid->setRowStretch(6, 1);

    ListEditor *e = &editor;
    connect(append, &QPushButton::clicked, this, [this, e] { appendItem(*e); });
    connect(editor.edit, &QLineEdit::returnPressed, this, [this, e] { appendItem(*e); });
    connect(remove, &QPushButton::clicked, this, [this, e] { deleteItem(*e); });
    connect(clear, &QPushButton::clicked, this, [this, e] { clearItems(*e); });
    connect(up, &QPushButton::clicked, this, [this, e] { moveItem(*e, -1); });
    connect(down, &QPushButton::clicked, this, [this, e] { moveItem(*e, +1); });
    connect(apply, &QPushButton::clicked, this, [this, e] { applyList(*e); });
    return page;
}

QWidget *SetupDialog::buildOptionsTab()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    auto *atStart = new QGroupBox(u"起動時"_s, page);
    m_showPanelBox = new QCheckBox(u"起動時に[仕事の説明]パネルを表示する(&P)"_s, atStart);
    m_showPanelBox->setObjectName(u"ckbPanelShow"_s);
    m_showToDoBox = new QCheckBox(u"起動時に[To-Do リスト]を表示する(&T)"_s, atStart);
    m_showToDoBox->setObjectName(u"ckbShowTDList"_s);
    auto *startLayout = new QVBoxLayout(atStart);
    startLayout->addWidget(m_showPanelBox);
    startLayout->addWidget(m_showToDoBox);
    layout->addWidget(atStart);

    m_interlockBox = new QCheckBox(u"[To-Do リスト] と [バーグラフ] の両方を同時に表示する(&I)"_s, page);
    m_interlockBox->setObjectName(u"ckbInterlockButtons"_s);
    m_separatorsBox = new QCheckBox(u"バーグラフ上に日付セパレータを表示する(&D)"_s, page);
    m_separatorsBox->setObjectName(u"ckbSeparatorShow"_s);
    layout->addWidget(m_interlockBox);
    layout->addWidget(m_separatorsBox);

    auto *residence = new QGroupBox(u"■ [To-Do リスト]からCorvane起動後,[Wrenly]は"_s, page);
    residence->setObjectName(u"rgResidence"_s);
    m_afterLaunchButtons = new QButtonGroup(residence);
    auto *row = new QHBoxLayout(residence);
    const QString choices[] = {u"終了する"_s, u"常駐する"_s, u"そのまま表示"_s};
    for (int i = 0; i < 3; ++i) {
        auto *radio = new QRadioButton(choices[i], residence);
        radio->setObjectName(u"rgResidence"_s + QString::number(i));
        m_afterLaunchButtons->addButton(radio, i);
        row->addWidget(radio);
    }
    layout->addWidget(residence);

    m_autostartButton = button(registerCaption, "btnStartup", page);
    Hints::set(m_autostartButton, u"|ログイン時に[Wrenly]を自動的に起動します."_s);
    connect(m_autostartButton, &QPushButton::clicked, this, &SetupDialog::toggleAutostart);
    m_autostartStateLabel = new QLabel(page);
    m_autostartStateLabel->setObjectName(u"autostartStateLabel"_s);
    m_autostartStateLabel->setWordWrap(true);
    layout->addWidget(m_autostartButton, 0, Qt::AlignLeft);
    layout->addWidget(m_autostartStateLabel);
    layout->addStretch();
    return page;
}

QWidget *SetupDialog::buildPictureTab()
{
    auto *page = new QWidget;
    // The panel has the main window's picture panel geometry, so frame values carry over as they are.
    auto *panel = new QFrame(page);
    panel->setObjectName(u"Panel1"_s);
    panel->setFixedSize(200, 200);
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setFrameShadow(QFrame::Sunken);
    m_preview = new PictureWidget(panel);
    m_preview->setObjectName(u"imgOption"_s);
    m_preview->setGeometry(10, 10, 180, 180);

    m_sizeBox = new QComboBox(page);
    m_sizeBox->setObjectName(u"cmbPictureSize"_s);
    for (int i = 0; i < PictureFrame::SizeCount; ++i)
        m_sizeBox->addItem(PictureFrame::caption(i));
    // Only the user's choice resets the offsets; filling the box does not.
    connect(m_sizeBox, &QComboBox::activated, this, &SetupDialog::selectSize);

    auto offset = [this, page](UpDownWidget *&upDown, QLineEdit *&edit, const char *upName,
                               const char *editName, const QString &plus, const QString &minus) {
        upDown = new UpDownWidget(page);
        upDown->setObjectName(QString::fromLatin1(upName));
        upDown->setRange(-PictureFrame::OffsetLimit, PictureFrame::OffsetLimit);
        upDown->setFixedSize(18, 24);
        upDown->setPosition(0);
        edit = readOnlyEdit(editName, page);
        edit->setText(u"0"_s);
        edit->setFixedWidth(40);
        edit->setAlignment(Qt::AlignRight);
        UpDownWidget *u = upDown;
        connect(upDown, &UpDownWidget::aboutToStep, this, [this, u](int direction, bool *allow) {
            *allow = false;
            stepOffset(u, direction);
        });
        auto *row = new QHBoxLayout;
        row->addWidget(new QLabel(plus, page));
        row->addWidget(edit);
        row->addWidget(upDown);
        row->addWidget(new QLabel(minus, page));
        row->addStretch();
        return row;
    };
    QHBoxLayout *vertical =
        offset(m_verticalUpDown, m_verticalEdit, "updVertical", "edtVertical", u"上"_s, u"下"_s);
    QHBoxLayout *horizontal =
        offset(m_horizontalUpDown, m_horizontalEdit, "updHorizontal", "edtHorizontal", u"右"_s, u"左"_s);

    m_centerButton = button(u"中央配置"_s, "btnCenter", page);
    m_proportionalButton = button(u"縦横比固定"_s, "btnProportional", page);
    m_stretchButton = button(u"枠固定"_s, "btnStretch", page);
    for (QPushButton *b : {m_centerButton, m_proportionalButton, m_stretchButton}) {
        b->setCheckable(true);
        connect(b, &QPushButton::clicked, this, [this, b] { toggleMode(b); });
    }
    QPushButton *apply = button(u"適用"_s, "btnApply3", page);
    QPushButton *initialize = button(u"初期化"_s, "btnInitialize", page);
    Hints::set(apply, u"適用|写真をメインウィンドウに反映します."_s);
    connect(apply, &QPushButton::clicked, this, &SetupDialog::applyPicture);
    connect(initialize, &QPushButton::clicked, this, &SetupDialog::initializePicture);

    auto *side = new QVBoxLayout;
    side->addWidget(m_sizeBox);
    side->addLayout(vertical);
    side->addLayout(horizontal);
    side->addWidget(m_centerButton);
    side->addWidget(m_proportionalButton);
    side->addWidget(m_stretchButton);
    side->addStretch();
    side->addWidget(apply);
    side->addWidget(initialize);

    auto *file = new QGroupBox(u" パネル写真 "_s, page);
    m_pictureNameEdit = readOnlyEdit("edtPictureName", file);
    QPushButton *select = button(u"選択"_s, "btnPictureSelect", file);
    QPushButton *erase = button(u"クリア"_s, "btnErase", file);
    connect(select, &QPushButton::clicked, this, &SetupDialog::selectPicture);
    connect(erase, &QPushButton::clicked, this, &SetupDialog::clearPicture);
    auto *fileRow = new QHBoxLayout(file);
    fileRow->addWidget(m_pictureNameEdit, 1);
    fileRow->addWidget(select);
    fileRow->addWidget(erase);

    auto *grid = new QGridLayout(page);
    grid->addWidget(panel, 0, 0, Qt::AlignTop);
    grid->addLayout(side, 0, 1);
    grid->addWidget(file, 1, 0, 1, 2);
    grid->setRowStretch(2, 1);
    return page;
}

QWidget *SetupDialog::buildPartnersTab()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    struct Row
    {
        Partner partner;
        const char16_t *caption;
        const char *edit;
        const char *select;
        const char *erase;
    };
    const Row rows[] = {
        {Partner::Trevant, u"Trevant [連続起動ソフト] ", "edtTrevPath", "btnTrevselect", "btnErase2"},
        {Partner::Dossaro, u" Dossaro [資料管理ソフト] ", "edtDossPath", "btnDossSelect", "btnErase3"},
        {Partner::Pellmark, u"Pellmark [連続起動ソフト] ", "edtPellPath", "btnPellSelect", "btnErase4"},
    };
    for (const Row &r : rows) {
        auto *group = new QGroupBox(QString::fromUtf16(r.caption), page);
        QLineEdit *edit = readOnlyEdit(r.edit, group);
        QPushButton *select = button(u"選択"_s, r.select, group);
        QPushButton *erase = button(u"クリア"_s, r.erase, group);
        const Partner partner = r.partner;
        connect(select, &QPushButton::clicked, this, [this, partner] { selectPartner(partner); });
        connect(erase, &QPushButton::clicked, this, [this, partner] { clearPartner(partner); });
        auto *row = new QHBoxLayout(group);
        row->addWidget(edit, 1);
        row->addWidget(select);
        row->addWidget(erase);
        m_partnerEdits[size_t(partner)] = edit;
        layout->addWidget(group);
    }
    layout->addWidget(new QLabel(u"上記ソフトは[Wrenly]のパートナーソフトです."_s, page));
    layout->addStretch();
    return page;
}

// --- Opening ----------------------------------------------------------------------------------

void SetupDialog::fill()
{
    const Config &config = m_session.config();
    for (ListEditor *e : {&m_customers, &m_jobTypes}) {
        for (const QString &item : *e->entries) {
            if (!item.isEmpty())
                e->list->addItem(item);
        }
    }
    m_showPanelBox->setChecked(config.showJobPanel);
    m_showToDoBox->setChecked(config.showToDoAtStart);
    m_interlockBox->setChecked(config.interlockToDoGraph);
    m_separatorsBox->setChecked(config.showDateSeparators);
    if (QAbstractButton *b = m_afterLaunchButtons->button(int(config.afterLaunch)))
        b->setChecked(true);
    showAutostartCaption();

    for (Partner partner : {Partner::Pellmark, Partner::Trevant, Partner::Dossaro})
        showPath(m_partnerEdits[size_t(partner)], PartnerPrograms::of(partner).pathIn(config));
    showPath(m_pictureNameEdit, config.picturePath);

    if (!config.picturePath.isEmpty() && QFileInfo::exists(config.picturePath)) {
        // Numbers from the file are kept to what the panel can show.
        m_preview->setGeometry(qBound(-200, config.pictureLeft, 200), qBound(-200, config.pictureTop, 200),
                               qBound(0, config.pictureWidth, 400), qBound(0, config.pictureHeight, 400));
        QString why;
        const QImage image = Picture::load(config.picturePath, &why);
        if (image.isNull())
            m_services.dialogs.fileError(this, FileOperation::Read, config.picturePath, why, u"写真"_s);
        m_preview->setImage(image);
        showModes(config.pictureCenter, config.pictureProportional, config.pictureStretch);
    }

    const PictureFrame::Placement placement =
        PictureFrame::of(config.pictureTop, config.pictureHeight, config.pictureLeft);
    m_sizeBox->setCurrentIndex(placement.sizeIndex);
    showOffsets(placement.vertical, placement.horizontal);
}

void SetupDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    WindowPlacer::place(this, {WindowPlacer::besideOf(parentWidget(), QPoint(420, 0)), size()});
    m_customers.edit->clear();
    m_jobTypes.edit->clear();
    m_tabs->setCurrentIndex(2);
}

// --- Lists ------------------------------------------------------------------------------------

void SetupDialog::appendItem(ListEditor &editor)
{
    if (editor.list->count() < Config::ListSize && !editor.edit->text().isEmpty())
        editor.list->addItem(editor.edit->text());
    editor.edit->setFocus();
}

void SetupDialog::deleteItem(ListEditor &editor)
{
    delete editor.list->currentItem();
    editor.edit->setFocus();
}

void SetupDialog::clearItems(ListEditor &editor)
{
    editor.list->clear();
    editor.edit->setFocus();
}

void SetupDialog::moveItem(ListEditor &editor, int direction)
{
    QListWidget *list = editor.list;
    const int row = list->currentItem() ? list->currentRow() : -1;
    const int to = row + direction;
    if (list->count() < 2 || row < 0 || to < 0 || to >= list->count())
        return;
    QListWidgetItem *item = list->takeItem(row);
    list->insertItem(to, item);
    list->setCurrentRow(to);
}

void SetupDialog::applyList(ListEditor &editor)
{
    QStringList items;
    for (int i = 0; i < editor.list->count(); ++i)
        items << editor.list->item(i)->text();
    Config::setList(*editor.entries, items);
    if (editor.customers)
        m_host.refillCustomers();
    else
        m_host.refillJobTypes();
}

// --- Picture ----------------------------------------------------------------------------------

void SetupDialog::selectPicture()
{
    const QString path = m_services.dialogs.openFileName(
        this, u"写真を選択"_s, m_session.exeDir(),
        u"すべてのファイル (*.jpg *.jpeg *.bmp *.ico *.JPG *.JPEG *.BMP *.ICO);;"_s
        u"JPEG イメージファイル (*.jpg *.JPG);;JPEG イメージファイル (*.jpeg *.JPEG);;"_s
        u"ビットマップ (*.bmp *.BMP);;アイコン (*.ico *.ICO)"_s);
    if (path.isEmpty())
        return;
    QString why;
    const QImage image = Picture::load(path, &why);
    // A file that is no picture changes nothing: the old picture and its path stay.
    if (image.isNull()) {
        m_services.dialogs.fileError(this, FileOperation::Read, path, why, u"写真"_s);
        return;
    }
    showPath(m_pictureNameEdit, path);
    m_session.config().picturePath = path;
    m_preview->setImage(image);
    initializePicture();
}

void SetupDialog::clearPicture()
{
    m_pictureNameEdit->clear();
    m_session.config().picturePath.clear();
    m_preview->setImage(QImage());
    initializePicture();
}

void SetupDialog::initializePicture()
{
    m_preview->setGeometry(10, 10, 180, 180);
    showModes(false, false, false);
    m_sizeBox->setCurrentIndex(0);
    showOffsets(0, 0);
}

void SetupDialog::showOffsets(int vertical, int horizontal)
{
    m_verticalUpDown->setPosition(vertical);
    m_horizontalUpDown->setPosition(horizontal);
    m_verticalEdit->setText(QString::number(m_verticalUpDown->position()));
    m_horizontalEdit->setText(QString::number(m_horizontalUpDown->position()));
}

void SetupDialog::showModes(bool center, bool proportional, bool stretch)
{
    m_preview->setModes(center, proportional, stretch);
    // A mode that is on shows its button pressed.
    m_centerButton->setChecked(center);
    m_proportionalButton->setChecked(proportional);
    m_stretchButton->setChecked(stretch);
}

void SetupDialog::toggleMode(QPushButton *button)
{
    bool center = m_preview->center();
    bool proportional = m_preview->proportional();
    bool stretch = m_preview->stretch();
    if (button == m_centerButton)
        center = !center;
    else if (button == m_proportionalButton)
        proportional = !proportional;
    else
        stretch = !stretch;
    showModes(center, proportional, stretch);
}

void SetupDialog::selectSize(int index)
{
    m_sizeBox->setCurrentIndex(index);
    m_preview->setGeometry(PictureFrame::frame(index, 0, 0));
    showOffsets(0, 0);
}

void SetupDialog::stepOffset(UpDownWidget *upDown, int direction)
{
    const int offset = PictureFrame::stepped(upDown->position(), direction);
    if (upDown == m_verticalUpDown)
        showOffsets(offset, m_horizontalUpDown->position());
    else
        showOffsets(m_verticalUpDown->position(), offset);
    // Only the moved side changes: a frame set by hand keeps its size.
    const QRect moved = PictureFrame::frame(m_sizeBox->currentIndex(), m_verticalUpDown->position(),
                                            m_horizontalUpDown->position());
    QRect frame = m_preview->geometry();
    if (upDown == m_verticalUpDown)
        frame.moveTop(moved.top());
    else
        frame.moveLeft(moved.left());
    m_preview->setGeometry(frame);
}

void SetupDialog::applyPicture()
{
    Config &config = m_session.config();
    config.picturePath = m_pictureNameEdit->text();
    const QRect frame = m_preview->geometry();
    config.pictureTop = frame.top();
    config.pictureHeight = frame.height();
    config.pictureLeft = frame.left();
    config.pictureWidth = frame.width();
    config.pictureCenter = m_preview->center();
    config.pictureProportional = m_preview->proportional();
    config.pictureStretch = m_preview->stretch();
    if (!config.picturePath.isEmpty())
        m_host.showConfiguredPicture(m_preview->image());
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
    if (!PartnerPrograms::isExpectedFile(program, QFileInfo(path).fileName())) {
        const QString text = partner == Partner::Dossaro ? u"Dossaro 以外が選択されました."_s
                                                         : program.displayName() + u" を選択してください."_s;
        m_services.dialogs.inform(this, text, m_host.hostMessagePos());
        return;
    }
    showPath(m_partnerEdits[size_t(partner)], path);
    m_session.config().*program.path = path;
}

void SetupDialog::clearPartner(Partner partner)
{
    m_partnerEdits[size_t(partner)]->clear();
    (m_session.config().*PartnerPrograms::of(partner).path).clear();
}

// --- Start at log-in --------------------------------------------------------------------------

void SetupDialog::showAutostartCaption()
{
    // One entry per user: the button registers this folder unless the entry already starts it.
    QString other;
    const Autostart::Registration state = m_autostart.registration(&other);
    m_autostartButton->setText(state == Autostart::Registration::ThisFolder ? unregisterCaption
                                                                            : registerCaption);
    switch (state) {
    case Autostart::Registration::None:
        m_autostartStateLabel->setText(u"ログイン時の起動: 登録されていません."_s);
        break;
    case Autostart::Registration::ThisFolder:
        m_autostartStateLabel->setText(u"ログイン時の起動: このデータフォルダーで登録されています."_s);
        break;
    case Autostart::Registration::OtherFolder:
        m_autostartStateLabel->setText(
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
    applyList(m_customers);
    applyList(m_jobTypes);
    Config &config = m_session.config();
    config.showJobPanel = m_showPanelBox->isChecked();
    applyPicture();
    config.showToDoAtStart = m_showToDoBox->isChecked();
    config.interlockToDoGraph = m_interlockBox->isChecked();
    config.showDateSeparators = m_separatorsBox->isChecked();
    if (m_afterLaunchButtons->checkedId() >= 0)
        config.afterLaunch = AfterLaunch(m_afterLaunchButtons->checkedId());
    // Written anew when the file has gone meanwhile: the user asked to save.
    const SafeFile::Result r = m_session.saveConfig();
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
