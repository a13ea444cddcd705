#include "app/MainWindow.h"

#include "app/Artwork.h"
#include "dailyplan/DailyPlanLauncher.h"
#include "data/DateText.h"
#include "data/DaySerial.h"
#include "data/EntryRules.h"
#include "data/Pending.h"
#include "data/SjisCodec.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/Hints.h"
#include "platform/Picture.h"
#include "platform/ProcessLauncher.h"
#include "platform/Services.h"
#include "platform/Shutter.h"
#include "platform/TrayIcon.h"
#include "step/StepLauncher.h"
#include "widgets/PictureWidget.h"
#include "widgets/RangeCalendarWidget.h"
#include "widgets/UpDownWidget.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCalendarWidget>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

constexpr int ClientWidth = 420;
constexpr int BodyHeight = 528;
const QDate MinimumDate(2000, 1, 1);

const QString TitleMissingText = u"必須入力項目の「タイトル」に入力されていません."_s;

// Creates a label at a fixed place with a hint.
QLabel *label(QWidget *parent, const QString &text, int x, int y, const QString &hint = {})
{
    auto *l = new QLabel(text, parent);
    l->move(x, y);
    l->adjustSize();
    if (!hint.isEmpty())
        Hints::set(l, hint);
    return l;
}

QDateEdit *datePicker(QWidget *parent, const QString &name, int x, int y, int w, int h)
{
    auto *d = new QDateEdit(parent);
    d->setObjectName(name);
    d->setGeometry(x, y, w, h);
    d->setCalendarPopup(true);
    d->setDisplayFormat(DateText::longDateFormat());
    d->setMinimumDate(MinimumDate);
    d->setLocale(QLocale(QLocale::Japanese, QLocale::Japan));
    return d;
}

// Keeps a plain text edit within a number of characters, as a length-limited memo does.
void limitLength(QPlainTextEdit *edit, int maxChars)
{
    QObject::connect(edit, &QPlainTextEdit::textChanged, edit, [edit, maxChars] {
        const QString text = edit->toPlainText();
        if (text.size() <= maxChars)
            return;
        QTextCursor c = edit->textCursor();
        const int pos = qMin(c.position(), maxChars);
        const QSignalBlocker block(edit);
        edit->setPlainText(text.left(maxChars));
        c = edit->textCursor();
        c.setPosition(pos);
        edit->setTextCursor(c);
    });
}

} // namespace

MainWindow::MainWindow(const QString &exeDir, Services &services, QWidget *parent)
    : QMainWindow(parent), m_session(exeDir), m_services(services)
{
    setObjectName(u"frmMain"_s);
    setWindowIcon(Artwork::applicationIcon());
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    m_views = std::make_unique<ViewManager>(m_session, m_services, *this, this);
    m_stepLauncher = std::make_unique<StepLauncher>(m_session, m_services, *this);
    m_dailyPlanLauncher = std::make_unique<DailyPlanLauncher>(m_session, m_services, *this);

    buildActions();
    buildMenus();
    buildControls();
    setFixedSize(sizeHint());
    createWindow();
}

MainWindow::~MainWindow()
{
    if (m_trayShown)
        m_services.tray.hide();
}

// --- Building the window --------------------------------------------------------------------

void MainWindow::buildActions()
{
    auto make = [this](QAction *&action, const char *name, const QString &caption,
                       const QKeySequence &key = {}) {
        action = new QAction(caption, this);
        action->setObjectName(QString::fromLatin1(name));
        if (!key.isEmpty())
            action->setShortcut(key);
        addAction(action);
    };
    make(FileSave1, "FileSave1", u"ファイルを作成して保存(&S)"_s);
    make(FileViewerOut1, "FileViewerOut1", u"データビューアに出力(&V)..."_s);
    make(FileTextOut1, "FileTextOut1", u"テキストファイルに出力(&T)"_s);
    make(FilePastDataOut1, "FilePastDataOut1", u"過去のデータを出力(&P)..."_s);
    make(FileExit1, "FileExit1", u"終了(&X)"_s);
    make(ViewToDoList1, "ViewToDoList1", u"To-Do リストを表示(&T)..."_s, QKeySequence(Qt::Key_F6));
    make(ViewGraph1, "ViewGraph1", u"バーグラフを表示(&G)..."_s, QKeySequence(Qt::Key_F3));
    make(ViewPanel1, "ViewPanel1", u"[仕事の説明]パネルを表示/非表示(&P)"_s, QKeySequence(Qt::Key_F7));
    make(ViewTaskTray1, "ViewTaskTray1", u"タスクトレイに格納(&H)"_s);
    make(ViewFormShow1, "ViewFormShow1", u"メインウィンドウを表示(&S)"_s);
    make(DataChange1, "DataChange1", u"表示データを切り換え(&C)"_s, QKeySequence(Qt::Key_F2));
    make(DataAppend1, "DataAppend1", u"データを新規追加(&A)"_s);
    make(DataUpdate1, "DataUpdate1", u"データを更新(&U)"_s);
    make(DataNewEntry1, "DataNewEntry1", u"新規データ入力画面を表示(&N)"_s);
    make(OptionStepBoot1, "OptionStepBoot1", u"STEPbySTEP を起動(&K)"_s);
    make(OptionStepBootFromFile1, "OptionStepBootFromFile1", u"ファイルを選択して起動(&F)"_s);
    make(OptionAubrelBoot1, "OptionAubrelBoot1", u"Aubrel を起動(&A)"_s);
    make(OptionPellBoot1, "OptionPellBoot1", u"Pellmark を起動(&K)"_s);
    make(OptionTrevBoot1, "OptionTrevBoot1", u"Trevant を起動(&J)"_s);
    make(OptionDossBoot1, "OptionDossBoot1", u"Dossaro を起動(&D)"_s);
    make(OptionSetup1, "OptionSetup1", u"ユーザー設定(&U)..."_s);
    make(HelpContents1, "HelpContents1", u"目次(&C)..."_s, QKeySequence(Qt::Key_F1));
    make(HelpAbout1, "HelpAbout1", u"バージョン情報(&A)..."_s);

    connect(FileSave1, &QAction::triggered, this, &MainWindow::FileSave1Execute);
    connect(FileExit1, &QAction::triggered, this, &QWidget::close);
    connect(ViewToDoList1, &QAction::triggered, this, [this] { m_views->openToDoList(false); });
    connect(ViewGraph1, &QAction::triggered, this, [this] { m_views->openGraph(); });
    connect(ViewPanel1, &QAction::triggered, this,
            [this] { m_pnlJobData->setVisible(m_pnlJobData->isHidden()); });
    connect(ViewTaskTray1, &QAction::triggered, this, &MainWindow::ViewTaskTray1Execute);
    connect(ViewFormShow1, &QAction::triggered, this, &MainWindow::RestoreFromTray);
    connect(DataChange1, &QAction::triggered, this, &MainWindow::DataChange1Execute);
    connect(DataAppend1, &QAction::triggered, this, &MainWindow::DataAppend1Execute);
    connect(DataUpdate1, &QAction::triggered, this, &MainWindow::DataUpdate1Execute);
    connect(DataNewEntry1, &QAction::triggered, this, &MainWindow::DataNewEntry1Execute);
    connect(OptionStepBoot1, &QAction::triggered, this, [this] { m_stepLauncher->openForShownJob(); });
    connect(OptionStepBootFromFile1, &QAction::triggered, this, [this] { m_stepLauncher->openFromFile(); });
    connect(OptionAubrelBoot1, &QAction::triggered, this, [this] { m_dailyPlanLauncher->open(); });
    connect(OptionPellBoot1, &QAction::triggered, this, [this] { launch(Partner::Pellmark); });
    connect(OptionTrevBoot1, &QAction::triggered, this, [this] { launch(Partner::Trevant); });
    connect(OptionDossBoot1, &QAction::triggered, this,
            [this] { launchPartner(m_session.config().dossPath, u"Dossaro.exe"_s, u"Dossaro"_s); });
}

void MainWindow::buildMenus()
{
    QMenuBar *bar = menuBar();
    QMenu *file = bar->addMenu(u"ファイル(&F)"_s);
    file->setObjectName(u"miFile"_s);
    file->addAction(FileSave1);
    m_miDataOut = file->addMenu(u"データ出力(&D)"_s);
    m_miDataOut->setObjectName(u"miDataOut"_s);
    m_miDataOut->addAction(FileViewerOut1);
    m_miDataOut->addAction(FileTextOut1);
    file->addAction(FilePastDataOut1);
    file->addSeparator();
    file->addAction(FileExit1);

    QMenu *view = bar->addMenu(u"表示(&V)"_s);
    view->setObjectName(u"miView"_s);
    view->addAction(ViewToDoList1);
    view->addAction(ViewGraph1);
    view->addSeparator();
    view->addAction(ViewPanel1);
    view->addSeparator();
    view->addAction(ViewTaskTray1);

    QMenu *data = bar->addMenu(u"データ操作(&D)"_s);
    data->setObjectName(u"miData"_s);
    data->addAction(DataChange1);
    data->addSeparator();
    data->addAction(DataAppend1);
    data->addAction(DataUpdate1);
    data->addSeparator();
    data->addAction(DataNewEntry1);

    QMenu *option = bar->addMenu(u"オプション(&O)"_s);
    option->setObjectName(u"miOption"_s);
    QMenu *step = option->addMenu(u"ステップ別管理(&S)"_s);
    step->addAction(OptionStepBoot1);
    step->addAction(OptionStepBootFromFile1);
    QMenu *daily = option->addMenu(u"デイリープラン作成(&P)"_s);
    daily->addAction(OptionAubrelBoot1);
    option->addSeparator();
    option->addAction(OptionPellBoot1);
    option->addAction(OptionTrevBoot1);
    option->addAction(OptionDossBoot1);
    option->addSeparator();
    option->addAction(OptionSetup1);

    QMenu *help = bar->addMenu(u"ヘルプ(&H)"_s);
    help->setObjectName(u"miHelp"_s);
    help->addAction(HelpContents1);
    help->addSeparator();
    help->addAction(HelpAbout1);

    m_popupMenu1 = new QMenu(this);
    m_popupMenu1->setObjectName(u"PopupMenu1"_s);
    m_popupMenu1->addAction(FileSave1);
    m_popupMenu1->addSeparator();
    m_popupMenu1->addAction(DataChange1);
    m_popupMenu1->addSeparator();
    m_popupMenu1->addAction(DataAppend1);
    m_popupMenu1->addAction(DataUpdate1);
    m_popupMenu1->addSeparator();
    m_popupMenu1->addAction(ViewPanel1);
    m_popupMenu1->addAction(ViewTaskTray1);

    m_popupMenu4 = new QMenu(this);
    m_popupMenu4->setObjectName(u"PopupMenu4"_s);
    m_popupMenu4->addAction(OptionPellBoot1);
    m_popupMenu4->addAction(OptionTrevBoot1);
    m_popupMenu4->addAction(OptionDossBoot1);
    m_popupMenu4->addSeparator();
    m_popupMenu4->addAction(ViewFormShow1);
}

void MainWindow::buildControls()
{
    auto *body = new QWidget(this);
    body->setObjectName(u"pnlBody"_s);
    body->setFixedSize(ClientWidth, BodyHeight);
    body->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(body, &QWidget::customContextMenuRequested, this,
            [this, body](const QPoint &pos) { m_popupMenu1->exec(body->mapToGlobal(pos)); });
    setCentralWidget(body);

    label(body, u"入力日/更新日："_s, 15, 8, u"|入力または更新した日付を選択します."_s);
    m_dtpEntry = datePicker(body, u"dtpEntry"_s, 15, 25, 180, 21);
    Hints::set(m_dtpEntry, u"|入力または更新した日付を選択します."_s);

    label(body, u"タイトル："_s, 15, 58, u"|仕事のタイトルを入力します.(最大文字数: 半角63文字)"_s);
    m_cmbTitle = new QComboBox(body);
    m_cmbTitle->setObjectName(u"cmbTitle"_s);
    m_cmbTitle->setGeometry(15, 75, 180, 21);
    m_cmbTitle->setEditable(true);
    m_cmbTitle->setInsertPolicy(QComboBox::NoInsert);
    m_cmbTitle->addItems({u"仮データ"_s, u"日記"_s});
    m_cmbTitle->setCurrentIndex(-1);
    Hints::set(m_cmbTitle, u"|タイトルを入力または選択します.(最大文字数: 半角63文字)"_s);

    label(body, u"内容："_s, 15, 103, u"|仕事の内容を入力します.(最大文字数: 半角255文字)"_s);
    m_memComments = new QPlainTextEdit(body);
    m_memComments->setObjectName(u"memComments"_s);
    m_memComments->setGeometry(15, 120, 180, 140);
    m_memComments->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_memComments->setTabChangesFocus(true);
    limitLength(m_memComments, JobRecord::CommentsCapacity);
    Hints::set(m_memComments, u"|仕事の内容を入力します.(最大文字数: 半角255文字)"_s);

    label(body, u"データNo."_s, 215, 8, u"|データ番号を選択します."_s);
    m_edtDataNo = new QLineEdit(body);
    m_edtDataNo->setObjectName(u"edtDataNo"_s);
    m_edtDataNo->setGeometry(215, 23, 25, 24);
    m_edtDataNo->setReadOnly(true);
    m_edtDataNo->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Hints::set(m_edtDataNo, u"|データ番号を選択します.その番号に該当するデータが表示されます."_s);
    m_updDataNo = new UpDownWidget(body);
    m_updDataNo->setObjectName(u"updDataNo"_s);
    m_updDataNo->setGeometry(240, 23, 16, 24);
    m_updDataNo->setRange(1, MonthFile::RecordCount);
    Hints::set(m_updDataNo, u"|データ番号を選択します."_s);
    connect(m_updDataNo, &UpDownWidget::aboutToStep, this, &MainWindow::updDataNoChanging);
    connect(m_updDataNo, &UpDownWidget::stepped, this, &MainWindow::updDataNoClick);

    m_btnNewEntry = new QPushButton(u" ▲ "_s, body);
    m_btnNewEntry->setObjectName(u"btnNewEntry"_s);
    m_btnNewEntry->setGeometry(257, 23, 22, 24);
    Hints::set(m_btnNewEntry, u"データ新規入力|新しいデータを入力する画面を表示します."_s);
    connect(m_btnNewEntry, &QPushButton::clicked, this, &MainWindow::DataNewEntry1Execute);

    m_pnlToDoBack = new QFrame(body);
    m_pnlToDoBack->setObjectName(u"pnlToDoBack"_s);
    m_pnlToDoBack->setGeometry(280, 14, 124, 40);
    m_pnlToDoBack->setAutoFillBackground(true);
    m_bitBtnToDo = new QPushButton(body);
    m_bitBtnToDo->setObjectName(u"BitBtnToDo"_s);
    m_bitBtnToDo->setGeometry(287, 20, 110, 28);
    m_bitBtnToDo->setIconSize(QSize(100, 20));
    m_bitBtnToDo->setStatusTip(u"[To-Do リスト]を表示します."_s); // no tool tip on this button
    connect(m_bitBtnToDo, &QPushButton::clicked, this, [this] { m_views->openToDoList(true); });

    m_pnlPicture = new QFrame(body);
    m_pnlPicture->setObjectName(u"pnlPicture"_s);
    m_pnlPicture->setGeometry(205, 65, 200, 200);
    m_pnlPicture->setFrameShape(QFrame::StyledPanel);
    m_pnlPicture->setFrameShadow(QFrame::Sunken);
    m_imgMain = new PictureWidget(m_pnlPicture);
    m_imgMain->setObjectName(u"imgMain"_s);
    m_imgMain->setGeometry(10, 10, 180, 180);

    m_pnlJobData = new QGroupBox(u" 仕事の説明 "_s, body);
    m_pnlJobData->setObjectName(u"pnlJobData"_s);
    m_pnlJobData->setGeometry(205, 65, 200, 200);
    m_pnlJobData->setAutoFillBackground(true);
    label(m_pnlJobData, u"客先："_s, 10, 20, u"|客先の名称を入力または選択します.(最大文字数: 半角31文字)"_s);
    m_cmbCustomer = new QComboBox(m_pnlJobData);
    m_cmbCustomer->setObjectName(u"cmbCustomer"_s);
    m_cmbCustomer->setGeometry(10, 36, 180, 22);
    m_cmbCustomer->setEditable(true);
    m_cmbCustomer->setInsertPolicy(QComboBox::NoInsert);
    m_cmbCustomer->lineEdit()->setMaxLength(JobRecord::ShortCapacity);
    Hints::set(m_cmbCustomer, u"|客先の名称を入力または選択します.(最大文字数: 半角31文字)"_s);
    label(m_pnlJobData, u"受注No./発注No.："_s, 10, 62,
          u"|受注No.または発注No.を入力します.(最大文字数: 半角31文字)"_s);
    m_edtJobNo = new QLineEdit(m_pnlJobData);
    m_edtJobNo->setObjectName(u"edtJobNo"_s);
    m_edtJobNo->setGeometry(10, 78, 180, 22);
    m_edtJobNo->setMaxLength(JobRecord::ShortCapacity);
    Hints::set(m_edtJobNo, u"|受注No.または発注No.を入力します.(最大文字数: 半角31文字)"_s);
    label(m_pnlJobData, u"仕事の種類："_s, 10, 104,
          u"|仕事の種類を入力または選択します.(最大文字数: 半角31文字)"_s);
    m_cmbJobType = new QComboBox(m_pnlJobData);
    m_cmbJobType->setObjectName(u"cmbJobType"_s);
    m_cmbJobType->setGeometry(10, 120, 180, 22);
    m_cmbJobType->setEditable(true);
    m_cmbJobType->setInsertPolicy(QComboBox::NoInsert);
    m_cmbJobType->lineEdit()->setMaxLength(JobRecord::ShortCapacity);
    Hints::set(m_cmbJobType, u"|仕事の種類を入力または選択します.(最大文字数: 半角31文字)"_s);

    m_rgCheck = new QGroupBox(u" チェック： "_s, m_pnlJobData);
    m_rgCheck->setObjectName(u"rgCheck"_s);
    m_rgCheck->setGeometry(6, 148, 188, 46);
    m_rgCheck->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_rgCheck, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &pos) { m_popupMenu1->exec(m_rgCheck->mapToGlobal(pos)); });
    Hints::set(m_rgCheck, u"|当該仕事の未完/完了/遂行中を選択します."_s);
    m_checkGroup = new QButtonGroup(m_rgCheck);
    const QString checkNames[] = {u"未完"_s, u"完了"_s, u"遂行中"_s};
    for (int i = 0; i < 3; ++i) {
        auto *rb = new QRadioButton(checkNames[i], m_rgCheck);
        rb->setObjectName(u"rbCheck"_s + QString::number(i));
        rb->setGeometry(6 + i * 60, 20, 60, 20);
        Hints::set(rb, u"|当該仕事の未完/完了/遂行中を選択します."_s);
        m_checkGroup->addButton(rb, i);
    }

    m_bitBtnAubrel = new QPushButton(Artwork::aubrelGlyph(), u"Aubrel"_s, body);
    m_bitBtnAubrel->setObjectName(u"BitBtnAubrel"_s);
    m_bitBtnAubrel->setGeometry(15, 268, 110, 28);
    Hints::set(m_bitBtnAubrel, u"Aubrel|デイリープラン作成[Aubrel]ウィンドウを表示します."_s);
    connect(m_bitBtnAubrel, &QPushButton::clicked, this, [this] { m_dailyPlanLauncher->open(); });
    m_bitBtnStep = new QPushButton(Artwork::stepGlyph(), u"STEP by STEP"_s, body);
    m_bitBtnStep->setObjectName(u"BitBtnStep"_s);
    m_bitBtnStep->setGeometry(137, 268, 136, 28);
    Hints::set(m_bitBtnStep, u"STEP by STEP|ステップ別管理[STEP by STEP]ウィンドウを表示します."_s);
    connect(m_bitBtnStep, &QPushButton::clicked, this, [this] { m_stepLauncher->openForShownJob(); });
    m_bitBtnGraph = new QPushButton(Artwork::graphGlyph(), u"バーグラフ"_s, body);
    m_bitBtnGraph->setObjectName(u"BitBtnGraph"_s);
    m_bitBtnGraph->setGeometry(285, 268, 110, 28);
    Hints::set(m_bitBtnGraph, u"バーグラフ|[バーグラフ]を表示します."_s);
    connect(m_bitBtnGraph, &QPushButton::clicked, this, [this] { m_views->openGraph(); });

    m_panel2 = new QFrame(body);
    m_panel2->setObjectName(u"Panel2"_s);
    m_panel2->setGeometry(5, 300, 400, 220);
    m_panel2->setFrameShape(QFrame::StyledPanel);
    label(m_panel2, u"開始日："_s, 10, 3, u"|仕事の開始(予定)日を選択します."_s);
    m_dtpStart = datePicker(m_panel2, u"dtpStart"_s, 10, 20, 180, 24);
    Hints::set(m_dtpStart, u"|仕事の開始(予定)日を選択します."_s);
    label(m_panel2, u"終了日："_s, 210, 3, u"|仕事の終了(予定)日を選択します."_s);
    m_dtpEnd = datePicker(m_panel2, u"dtpEnd"_s, 210, 20, 180, 24);
    Hints::set(m_dtpEnd, u"|仕事の終了(予定)日を選択します."_s);
    m_monthCalendar = new RangeCalendarWidget(m_panel2);
    m_monthCalendar->setObjectName(u"MonthCalendar1"_s);
    m_monthCalendar->setGeometry(18, 52, 365, 160);
    m_monthCalendar->setMinimumDate(MinimumDate);
    Hints::set(m_monthCalendar, u"|仕事の開始日から終了日までドラッグして選択できます."_s);

    // The date rules run when a drop-down calendar closes and when a typed date is finished.
    auto watchPicker = [this](QDateEdit *picker, void (MainWindow::*rule)()) {
        connect(picker->calendarWidget(), &QCalendarWidget::clicked, this,
                [this, rule] { QTimer::singleShot(0, this, rule); });
        connect(picker, &QDateEdit::editingFinished, this, [this, rule] {
            if (!m_applyingDates)
                (this->*rule)();
        });
    };
    watchPicker(m_dtpStart, &MainWindow::dtpStartCloseUp);
    watchPicker(m_dtpEnd, &MainWindow::dtpEndCloseUp);
    connect(m_monthCalendar, &RangeCalendarWidget::rangeSelected, this, &MainWindow::MonthCalendar1Click);

    m_statusCount = new QLabel(this);
    m_statusCount->setObjectName(u"StatusPanel1"_s);
    m_statusCount->setMinimumWidth(95);
    statusBar()->setObjectName(u"StatusBar1"_s);
    statusBar()->addPermanentWidget(m_statusCount);
    statusBar()->setSizeGripEnabled(false);
}

// --- Start-up ---------------------------------------------------------------------------------

void MainWindow::createWindow()
{
    m_pendingLaunchAction = -1;
    m_idleCount = 0;
    readConfiguration();
    const Config &config = m_session.config();
    for (const QString &c : config.customerList) {
        if (!c.isEmpty())
            m_cmbCustomer->addItem(c);
    }
    for (const QString &t : config.jobTypeList) {
        if (!t.isEmpty())
            m_cmbJobType->addItem(t);
    }
    m_cmbCustomer->setCurrentIndex(-1);
    m_cmbJobType->setCurrentIndex(-1);
    m_pnlJobData->setVisible(config.showJobPanel);
    loadPicture();

    m_session.startDay(m_services.clock.today());
    m_monthCalendar->setToday(m_session.today());
    loadMonths();
    UpdateToDoIndicator();
}

void MainWindow::readConfiguration()
{
    const QString path = m_session.configPath();
    if (!QFileInfo::exists(path)) {
        const SafeFile::Result written =
            SafeFile::write(path, Config::defaultFileBytes(m_session.exeDir()), SafeFile::Tail::Drop);
        if (!written)
            fileError(Config::fileName(), u"作成"_s, written.error);
    }
    if (QFileInfo::exists(path)) {
        QByteArray bytes;
        const SafeFile::Result read = SafeFile::read(path, &bytes);
        if (read)
            m_session.config().applyFileBytes(bytes);
        else
            fileError(Config::fileName(), u"読み込み"_s, read.error);
    }
    const Config &config = m_session.config();
    OptionTrevBoot1->setEnabled(!config.trevPath.isEmpty());
    OptionDossBoot1->setEnabled(!config.dossPath.isEmpty());
    OptionPellBoot1->setEnabled(!config.pellPath.isEmpty());
}

void MainWindow::loadPicture()
{
    const Config &config = m_session.config();
    if (config.picturePath.isEmpty() || !QFileInfo::exists(config.picturePath))
        return;
    m_imgMain->setGeometry(config.pictureLeft, config.pictureTop, config.pictureWidth, config.pictureHeight);
    QString why;
    const QImage image = Picture::load(config.picturePath, &why);
    if (image.isNull()) {
        fileError(QFileInfo(config.picturePath).fileName(), u"読み込み"_s, why);
        return;
    }
    m_imgMain->setImage(image);
    m_imgMain->setModes(config.pictureCenter, config.pictureProportional, config.pictureStretch);
}

void MainWindow::loadMonths()
{
    bool previousOk = false;
    if (m_session.fileExists(MonthKind::Previous)) {
        const SafeFile::Result r = m_session.load(MonthKind::Previous);
        if (r)
            previousOk = true;
        else
            fileError(m_session.previousFileName(), u"読み込み"_s, r.error);
    }
    DataChange1->setEnabled(previousOk);

    if (m_session.fileExists(MonthKind::Current)) {
        const SafeFile::Result r = m_session.load(MonthKind::Current);
        if (!r) {
            // Never write over a file we could not read: editing stays off for this run.
            fileError(m_session.currentFileName(), u"読み込み"_s, r.error);
            ClearEntryControls();
            setDataNo(1);
            for (QAction *a : {FileSave1, DataAppend1, DataUpdate1, DataNewEntry1})
                a->setEnabled(false);
            m_miDataOut->menuAction()->setEnabled(false);
            m_updDataNo->setEnabled(false);
            setCaptionForMonth(m_session.thisMonth());
            setCountStatus(0);
            return;
        }
        startWithCurrentFile();
    } else {
        startWithoutCurrentFile();
    }
}

void MainWindow::startWithCurrentFile()
{
    applyActionsForCurrentMonth();
    ShowRecord(MonthKind::Current, m_session.count(MonthKind::Current));
    setCaptionForMonth(m_session.thisMonth());
    setCountStatus(m_session.count(MonthKind::Current));
    FileSave1->setEnabled(false);
}

void MainWindow::startWithoutCurrentFile()
{
    m_services.dialogs.informCaptioned(
        this, u"データファイルを作成してください - Wrenly"_s,
        u"\r\n★今月のデータファイル: "_s + m_session.currentFileName() + u" が存在しません."_s +
            u"\r\n\r\n\r\n"_s + u"■起動後,新規データを入力して,"_s + u"\r\n"_s +
            u"   [ファイル] -> [ファイルを作成して保存]で作成してください."_s + u"\r\n\r\n\r\n"_s);
    enterNoFileState();
}

// The window's state while this month's file does not exist: only "create and save" can run.
void MainWindow::enterNoFileState()
{
    setDataNo(1);
    ClearEntryControls();
    for (QAction *a : {DataAppend1, DataUpdate1, DataNewEntry1})
        a->setEnabled(false);
    m_miDataOut->menuAction()->setEnabled(false);
    m_updDataNo->setEnabled(false);
    m_btnNewEntry->setEnabled(false);
    FileSave1->setEnabled(true);
    setCaptionForMonth(m_session.thisMonth(), true);
    setCountStatus(0);
}

void MainWindow::applyActionsForCurrentMonth()
{
    for (QAction *a : {DataAppend1, DataUpdate1, DataNewEntry1})
        a->setEnabled(true);
    m_miDataOut->menuAction()->setEnabled(true);
    m_updDataNo->setEnabled(true);
    m_btnNewEntry->setEnabled(true);
}

void MainWindow::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    move(screen() ? screen()->availableVirtualGeometry().topLeft() : QPoint(0, 0));
    statusBar()->clearMessage();
    setCountStatus(m_session.count(MonthKind::Current));
    if (m_idleCount == 0 && m_blinkStep < 0)
        QTimer::singleShot(0, this, &MainWindow::startFirstIdle);
}

// --- To-do indicator and first idle -----------------------------------------------------------

void MainWindow::UpdateToDoIndicator()
{
    const int current = m_session.fileExists(MonthKind::Current) ? m_session.count(MonthKind::Current) : 0;
    const int previous = m_session.fileExists(MonthKind::Previous) ? m_session.count(MonthKind::Previous) : 0;
    const Pending::Indicator level = Pending::classify(
        {{&m_session.jobs(MonthKind::Current), current}, {&m_session.jobs(MonthKind::Previous), previous}},
        m_session.todaySerial());
    m_indicatorIndex = int(level);
    m_bitBtnToDo->setIcon(QIcon(Artwork::indicatorGlyph(m_indicatorIndex)));
    // After the first-idle blink the backing rests in button face; only the glyph follows changes.
    if (m_idleCount != 0 || m_blinkStep >= 0)
        return;
    const QColor back = Artwork::indicatorColor(m_indicatorIndex);
    QPalette p = m_pnlToDoBack->palette();
    p.setColor(QPalette::Window, back.isValid() ? back : palette().color(QPalette::Button));
    m_pnlToDoBack->setPalette(p);
}

bool MainWindow::isBlinking() const
{
    return m_blinkStep >= 0;
}

// Four blinks of 400 ms off and 200 ms on, then the indicator rests in button face. Timers keep
// the window responsive meanwhile.
void MainWindow::startFirstIdle()
{
    if (m_idleCount != 0 || m_blinkStep >= 0)
        return;
    m_rememberedColor = m_pnlToDoBack->palette().color(QPalette::Window);
    m_blinkStep = 0;
    if (!m_blinkTimer) {
        m_blinkTimer = new QTimer(this);
        m_blinkTimer->setSingleShot(true);
        connect(m_blinkTimer, &QTimer::timeout, this, &MainWindow::blinkStep);
    }
    m_blinkTimer->start(400);
}

void MainWindow::blinkStep()
{
    const QColor face = palette().color(QPalette::Button);
    QPalette p = m_pnlToDoBack->palette();
    ++m_blinkStep;
    if (m_blinkStep < 8) {
        // Odd steps: off after 400 ms; even steps: the colour again after 200 ms.
        const bool off = m_blinkStep % 2 == 1;
        p.setColor(QPalette::Window, off ? face : m_rememberedColor);
        m_pnlToDoBack->setPalette(p);
        m_pnlToDoBack->repaint();
        m_blinkTimer->start(off ? 200 : 400);
        return;
    }
    p.setColor(QPalette::Window, face);
    m_pnlToDoBack->setPalette(p);
    m_blinkStep = -1;
    m_idleCount = 1;
    if (m_session.config().showToDoAtStart)
        m_views->openToDoList(false);
    emit firstIdleDone();
}

// --- Record display ---------------------------------------------------------------------------

void MainWindow::setDataNo(int n)
{
    m_updDataNo->setPosition(n);
    m_edtDataNo->setText(QString::number(m_updDataNo->position()));
}

int MainWindow::dataNo() const
{
    return m_edtDataNo->text().toInt();
}

void MainWindow::ShowRecord(MonthKind kind, int n)
{
    if (n < 1) {
        // A month file without records: offer the blank entry of record 1.
        setDataNo(1);
        ClearEntryControls();
        return;
    }
    if (!Shutter::play(m_session.exeDir(), m_services, this))
        return;
    fillControls(m_session.jobs(kind)[size_t(qMin(n, MonthFile::RecordCount) - 1)]);
}

void MainWindow::fillControls(const JobRecord &r)
{
    const QSignalBlocker b1(m_dtpStart);
    const QSignalBlocker b2(m_dtpEnd);
    setDataNo(r.dataNo);
    m_dtpEntry->setDate(DaySerial::toDate(r.entryDate));
    m_cmbTitle->setEditText(r.title);
    m_dtpStart->setDate(DaySerial::toDate(r.startDate));
    m_dtpEnd->setDate(DaySerial::toDate(r.endDate));
    m_memComments->setPlainText(Sjis::fromCrLf(r.comments));
    m_cmbCustomer->setEditText(r.customer);
    m_edtJobNo->setText(r.jobNo);
    m_cmbJobType->setEditText(r.jobType);
    if (QAbstractButton *b = m_checkGroup->button(r.check))
        b->setChecked(true);
    else {
        // A value the group does not know: show none chosen, keep the value until edited.
        m_checkGroup->setExclusive(false);
        for (QAbstractButton *rb : m_checkGroup->buttons())
            rb->setChecked(false);
        m_checkGroup->setExclusive(true);
    }
    m_monthCalendar->setSelection(DaySerial::toDate(r.startDate), DaySerial::toDate(r.endDate));
    m_lastRuledStart = m_dtpStart->date();
    m_lastRuledEnd = m_dtpEnd->date();
}

void MainWindow::ClearEntryControls()
{
    const QDate today = m_session.today();
    const QSignalBlocker b1(m_dtpStart);
    const QSignalBlocker b2(m_dtpEnd);
    m_dtpEntry->setDate(today);
    m_cmbTitle->setEditText(QString());
    m_dtpStart->setDate(today);
    m_dtpEnd->setDate(today);
    m_memComments->clear();
    m_cmbCustomer->setEditText(QString());
    m_edtJobNo->clear();
    m_cmbJobType->setEditText(QString());
    m_checkGroup->button(0)->setChecked(true);
    m_monthCalendar->setSelection(m_dtpStart->date(), m_dtpEnd->date());
    m_lastRuledStart = today;
    m_lastRuledEnd = today;
}

JobRecord MainWindow::recordFromControls() const
{
    JobRecord r;
    r.dataNo = dataNo();
    r.entryDate = DaySerial::fromDate(m_dtpEntry->date());
    r.title = m_cmbTitle->currentText();
    r.startDate = DaySerial::fromDate(m_dtpStart->date());
    r.endDate = DaySerial::fromDate(m_dtpEnd->date());
    r.comments = Sjis::toCrLf(m_memComments->toPlainText());
    r.customer = m_cmbCustomer->currentText();
    r.jobNo = m_edtJobNo->text();
    r.jobType = m_cmbJobType->currentText();
    r.check = qMax(0, m_checkGroup->checkedId());
    // Cut now, so that memory holds what the file holds.
    return JobRecord::fromBytes(r.toBytes());
}

// --- Date rules -------------------------------------------------------------------------------

void MainWindow::setDates(const QDate &start, const QDate &end)
{
    m_applyingDates = true;
    m_dtpStart->setDate(start);
    m_dtpEnd->setDate(end);
    m_monthCalendar->setSelection(start, end);
    m_lastRuledStart = start;
    m_lastRuledEnd = end;
    m_applyingDates = false;
}

void MainWindow::resetDatesToToday()
{
    setDates(m_session.today(), m_session.today());
}

void MainWindow::dtpStartCloseUp()
{
    const QDate start = m_dtpStart->date();
    if (start == m_lastRuledStart && m_dtpEnd->date() == m_lastRuledEnd)
        return;
    if (EntryRules::isStartMonthAllowed(start.month(), m_session.thisMonth()))
        setDates(start, start);
    else
        resetDatesToToday();
}

void MainWindow::dtpEndCloseUp()
{
    const QDate start = m_dtpStart->date();
    const QDate end = m_dtpEnd->date();
    if (start == m_lastRuledStart && end == m_lastRuledEnd)
        return;
    if (EntryRules::isEndAllowed(start, end, m_session.thisMonth()))
        setDates(start, end);
    else
        resetDatesToToday();
}

void MainWindow::MonthCalendar1Click()
{
    const QDate start = m_monthCalendar->selectionStart();
    const QDate end = m_monthCalendar->selectionEnd();
    if (EntryRules::isCalendarRangeAllowed(start, end, m_session.thisMonth()))
        setDates(start, end);
    else
        resetDatesToToday();
}

// --- Data number up-down ----------------------------------------------------------------------

void MainWindow::updDataNoChanging(int direction, bool *allow)
{
    if (direction < 0)
        return;
    const int position = m_updDataNo->position();
    switch (m_session.displayMonth()) {
    case MonthKind::Current: {
        const int count = m_session.recount(MonthKind::Current);
        if (position == count + 1 || position == MonthFile::RecordCount)
            *allow = false;
        break;
    }
    case MonthKind::Previous:
        if (position >= m_session.count(MonthKind::Previous))
            *allow = false;
        break;
    case MonthKind::Past:
        break;
    }
}

void MainWindow::updDataNoClick(int position)
{
    m_edtDataNo->setText(QString::number(position));
    if (m_session.displayMonth() == MonthKind::Previous) {
        ShowRecord(MonthKind::Previous, position);
    } else if (m_session.displayMonth() == MonthKind::Current) {
        if (m_session.jobs(MonthKind::Current)[size_t(position - 1)].isUsed())
            ShowRecord(MonthKind::Current, position);
        else
            ClearEntryControls();
    }
    m_cmbTitle->setFocus();
}

// --- Data commands ----------------------------------------------------------------------------

QPoint MainWindow::messagePos() const
{
    return frameGeometry().topLeft() + QPoint(50, 200);
}

void MainWindow::inform(const QString &text)
{
    m_services.dialogs.inform(this, text, messagePos());
}

void MainWindow::fileError(const QString &fileName, const QString &what, const QString &reason)
{
    QString text = u"ファイル: "_s + fileName + u" の"_s + what + u"に失敗しました."_s;
    if (!reason.isEmpty())
        text += u"\r\n\r\n("_s + reason + u")"_s;
    if (what == u"書き込み"_s || what == u"作成"_s)
        text += u"\r\n\r\n保存されているファイルは変更されていません."_s;
    m_services.dialogs.error(this, text);
}

void MainWindow::setCaptionForMonth(int month, bool fileMissing)
{
    setWindowTitle(u"Wrenly ●"_s + QString::number(month) +
                   (fileMissing ? u"月のデータファイル未作成"_s : u"月のデータ"_s));
}

void MainWindow::setCountStatus(int count)
{
    m_statusCount->setText(u"データ総数: "_s + QString::number(count));
}

// Writes the month; on failure the slot gets its old record back, so memory matches the file.
bool MainWindow::writeMonth(MonthKind kind, int slot, const JobRecord &previous)
{
    const SafeFile::Result r = m_session.save(kind);
    if (r)
        return true;
    m_session.jobs(kind)[size_t(slot)] = previous;
    m_session.recount(kind);
    fileError(m_session.fileName(kind), u"書き込み"_s, r.error);
    return false;
}

void MainWindow::FileSave1Execute()
{
    if (!FileSave1->isEnabled())
        return;
    if (m_cmbTitle->currentText().isEmpty()) {
        inform(TitleMissingText);
        return;
    }
    const ViewManager::Remembered views = m_views->closeForChange();
    MonthFile::Jobs &jobs = m_session.jobs(MonthKind::Current);
    const JobRecord previous = jobs[0];
    jobs[0] = recordFromControls();
    const SafeFile::Result r = m_session.save(MonthKind::Current, SafeFile::Tail::Drop);
    if (!r) {
        jobs[0] = previous;
        fileError(m_session.currentFileName(), u"作成"_s, r.error);
        m_views->reopen(views);
        return;
    }
    setCountStatus(m_session.recount(MonthKind::Current));
    FileSave1->setEnabled(false);
    applyActionsForCurrentMonth();
    setCaptionForMonth(m_session.thisMonth());
    UpdateToDoIndicator();
    inform(u"データファイル: "_s + m_session.currentFileName() + u" を作成して保存しました."_s);
    m_views->reopen(views);
}

// Records are only ever added to this month's file.
bool MainWindow::refuseAppendToPrevious()
{
    if (m_session.displayMonth() != MonthKind::Previous)
        return false;
    inform(u"前月のデータファイル: "_s + m_session.previousFileName() + u" に"_s + u"\r\n"_s +
           u"データを追加することはできません."_s);
    return true;
}

void MainWindow::DataAppend1Execute()
{
    if (refuseAppendToPrevious())
        return;
    if (m_cmbTitle->currentText().isEmpty()) {
        inform(TitleMissingText);
        return;
    }
    const ViewManager::Remembered views = m_views->closeForChange();
    appendOrHandOver();
    m_views->reopen(views);
}

void MainWindow::DataUpdate1Execute()
{
    if (m_cmbTitle->currentText().isEmpty()) {
        inform(TitleMissingText);
        return;
    }
    const ViewManager::Remembered views = m_views->closeForChange();
    updateOrHandOver();
    m_views->reopen(views);
}

void MainWindow::appendOrHandOver()
{
    if (refuseAppendToPrevious())
        return;
    const int slot = m_updDataNo->position() - 1;
    if (m_session.jobs(MonthKind::Current)[size_t(slot)].isUsed()) {
        updateInto(MonthKind::Current, slot);
        return;
    }
    appendInto(slot);
}

void MainWindow::updateOrHandOver()
{
    const MonthKind kind = m_session.displayMonth();
    if (kind == MonthKind::Past)
        return;
    const int slot = m_updDataNo->position() - 1;
    if (!m_session.jobs(kind)[size_t(slot)].isUsed()) {
        appendOrHandOver();
        return;
    }
    updateInto(kind, slot);
}

void MainWindow::appendInto(int slot)
{
    MonthFile::Jobs &jobs = m_session.jobs(MonthKind::Current);
    const JobRecord previous = jobs[size_t(slot)];
    jobs[size_t(slot)] = recordFromControls();
    if (!writeMonth(MonthKind::Current, slot, previous))
        return;
    setCountStatus(m_session.recount(MonthKind::Current));
    UpdateToDoIndicator();
    inform(u"データファイル: "_s + m_session.currentFileName() + u" にデータを追加しました."_s);
}

void MainWindow::updateInto(MonthKind kind, int slot)
{
    MonthFile::Jobs &jobs = m_session.jobs(kind);
    const JobRecord previous = jobs[size_t(slot)];
    jobs[size_t(slot)] = recordFromControls();
    if (!writeMonth(kind, slot, previous))
        return;
    UpdateToDoIndicator();
    inform(u"データファイル: "_s + m_session.fileName(kind) + u" のデータを更新しました."_s);
}

void MainWindow::DataNewEntry1Execute()
{
    if (m_session.displayMonth() == MonthKind::Previous)
        return;
    if (!DataNewEntry1->isEnabled())
        return;
    const int count = m_session.recount(MonthKind::Current);
    if (count >= MonthFile::RecordCount) {
        inform(u"今月のデータは既に "_s + QString::number(MonthFile::RecordCount) +
               u" 件入力されています."_s + u"\r\n"_s + u"これ以上新しいデータを追加することはできません."_s);
        return;
    }
    setDataNo(count + 1);
    ClearEntryControls();
    m_cmbTitle->setFocus();
}

void MainWindow::DataChange1Execute()
{
    if (!DataChange1->isEnabled())
        return;
    const ViewManager::Remembered views = m_views->closeForChange();
    activateWindow();
    if (m_session.displayMonth() == MonthKind::Current) {
        m_updDataNo->setEnabled(true);
        m_btnNewEntry->setEnabled(false);
        DataNewEntry1->setEnabled(false);
        m_miDataOut->menuAction()->setEnabled(true);
        FileSave1->setEnabled(false);
        DataUpdate1->setEnabled(true);
        DataAppend1->setEnabled(false);
        const int count = m_session.recount(MonthKind::Previous);
        m_edtDataNo->setText(QString::number(count));
        m_session.setDisplayMonth(MonthKind::Previous);
        ShowRecord(MonthKind::Previous, count);
        setCaptionForMonth(m_session.prevMonth());
        setCountStatus(count);
    } else if (m_session.fileExists(MonthKind::Current)) {
        m_session.setDisplayMonth(MonthKind::Current);
        applyActionsForCurrentMonth();
        const int count = m_session.recount(MonthKind::Current);
        m_edtDataNo->setText(QString::number(count));
        ShowRecord(MonthKind::Current, count);
        setCaptionForMonth(m_session.thisMonth());
        setCountStatus(count);
    } else {
        m_session.setDisplayMonth(MonthKind::Current);
        m_services.dialogs.informCaptioned(
            this, u"データファイルを作成してください"_s,
            u"\r\n★今月のデータファイル: "_s + m_session.currentFileName() + u" が存在しません."_s +
                u"\r\n\r\n\r\n"_s + u"■新規データを入力して,"_s + u"\r\n"_s +
                u"   [ファイル] -> [ファイルを作成して保存]で作成してください."_s + u"\r\n\r\n\r\n"_s);
        enterNoFileState();
    }
    m_views->reopen(views);
}

// --- Tray, activation, end --------------------------------------------------------------------

void MainWindow::HideToTray()
{
    if (!m_services.tray.isAvailable()) {
        // Without a notification area a hidden window could not be brought back.
        showMinimized();
        return;
    }
    if (!m_trayShown) {
        m_services.tray.show(Artwork::applicationIcon(),
                             u"左クリック: メインウィンドウ\n右クリック: ポップアップメニュー"_s,
                             m_popupMenu4);
        m_trayShown = true;
    }
    hide();
}

void MainWindow::RestoreFromTray()
{
    if (m_trayShown) {
        m_services.tray.hide();
        m_trayShown = false;
    }
    if (isMinimized())
        showNormal();
    else
        show();
    raise();
    activateWindow();
}

void MainWindow::ViewTaskTray1Execute()
{
    m_views->closeAll();
    HideToTray();
}

void MainWindow::comeForward()
{
    RestoreFromTray();
}

void MainWindow::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        QTimer::singleShot(0, this, &MainWindow::runPendingLaunchAction);
}

void MainWindow::runPendingLaunchAction()
{
    const int action = m_pendingLaunchAction;
    if (action == 2)
        return;
    m_pendingLaunchAction = -1;
    if (action == 0)
        close();
    else if (action == 1)
        HideToTray();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    m_views->closeAll();
    if (m_trayShown) {
        m_services.tray.hide();
        m_trayShown = false;
    }
    event->accept();
    QMainWindow::closeEvent(event);
    emit closed();
}

// --- Hosts of the other windows ---------------------------------------------------------------

void MainWindow::activateMainWindow()
{
    activateWindow();
    raise();
    if (m_pnlJobData->isVisible()) {
        if (QAbstractButton *b = m_checkGroup->checkedButton())
            b->setFocus();
        else
            m_rgCheck->setFocus();
    }
}

int MainWindow::shownDataNo() const
{
    return dataNo();
}

void MainWindow::setShownCheck(int check)
{
    if (QAbstractButton *b = m_checkGroup->button(check))
        b->setChecked(true);
}

void MainWindow::setAppendEnabled(bool enabled)
{
    DataAppend1->setEnabled(enabled);
}

void MainWindow::setUpdateEnabled(bool enabled)
{
    DataUpdate1->setEnabled(enabled);
}

void MainWindow::showMonthHeader(MonthKind kind)
{
    setCaptionForMonth(m_session.monthNumber(kind));
    setCountStatus(m_session.count(kind));
}

bool MainWindow::isLaunchEnabled(Partner partner) const
{
    return partner == Partner::Pellmark ? OptionPellBoot1->isEnabled() : OptionTrevBoot1->isEnabled();
}

void MainWindow::launch(Partner partner)
{
    if (partner == Partner::Pellmark)
        launchPartner(m_session.config().pellPath, u"Pellmark.exe"_s, u"Pellmark"_s);
    else
        launchPartner(m_session.config().trevPath, u"Trevant.exe"_s, u"Trevant"_s);
}

void MainWindow::launchPartner(const QString &path, const QString &expectedName, const QString &displayName)
{
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists()) {
        inform(displayName + u" が存在しません."_s);
        return;
    }
    if (info.fileName().compare(expectedName, Qt::CaseInsensitive) != 0) {
        inform(displayName + u" 以外が設定されています."_s);
        return;
    }
    m_services.launcher.startDetached(info.absoluteFilePath(), QDir::currentPath());
}

// Hints of the views' controls show in this window's status bar, as the design has one hint line.
void MainWindow::showHint(const QString &text)
{
    statusBar()->showMessage(text);
}

QString MainWindow::shownTitle() const
{
    return m_cmbTitle->currentText();
}

void MainWindow::setShownTitle(const QString &title)
{
    m_cmbTitle->setEditText(title);
}

void MainWindow::closeModelessViews()
{
    m_views->closeAll();
}
