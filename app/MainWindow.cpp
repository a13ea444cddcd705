#include "app/MainWindow.h"

#include "app/AboutDialog.h"
#include "app/Artwork.h"
#include "app/HelpWindow.h"
#include "app/ProgramFolder.h"
#include "backup/BackupLauncher.h"
#include "dailyplan/DailyPlanLauncher.h"
#include "data/DateText.h"
#include "data/DaySerial.h"
#include "data/EntryRules.h"
#include "data/PartnerPrograms.h"
#include "data/Pending.h"
#include "data/ReminderSettings.h"
#include "data/SjisCodec.h"
#include "platform/Autostart.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/HintPanel.h"
#include "platform/Hints.h"
#include "platform/Picture.h"
#include "platform/ProcessLauncher.h"
#include "platform/Services.h"
#include "platform/Shutter.h"
#include "platform/TrayIcon.h"
#include "platform/WindowPlacer.h"
#include "step/StepLauncher.h"
#include "views/ExportRunner.h"
#include "views/MonthPrinter.h"
#include "widgets/FixedColours.h"
#include "widgets/PictureWidget.h"
#include "widgets/PopupDateEdit.h"
#include "widgets/PopupWidth.h"
#include "widgets/RangeCalendarWidget.h"
#include "widgets/SjisLimitValidator.h"
#include "widgets/SjisTextEdit.h"
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

constexpr int RefusalHintMs = 4000;

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

PopupDateEdit *datePicker(QWidget *parent, const QString &name, int x, int y, int w, int h)
{
    auto *d = new PopupDateEdit(parent);
    d->setObjectName(name);
    d->setGeometry(x, y, w, h);
    d->setDisplayFormat(DateText::longDateFormat());
    d->setMinimumDate(MinimumDate);
    d->setLocale(QLocale(QLocale::Japanese, QLocale::Japan));
    return d;
}

void fillListBox(QComboBox *box, const std::array<QString, Config::ListSize> &entries)
{
    const QString typed = box->currentText();
    box->clear();
    for (const QString &entry : entries) {
        if (!entry.isEmpty())
            box->addItem(entry);
    }
    box->setCurrentIndex(-1);
    box->setEditText(typed);
    PopupWidth::fit(box);
}

// What starts this Wrenly at log-in: the program, and the data folder when a start without
// arguments would not find it by itself (--home or WRENLY_HOME).
QStringList autostartCommand(const QString &dataFolder)
{
    QStringList command{QCoreApplication::applicationFilePath()};
    const QString found =
        ProgramFolder::choose({}, QCoreApplication::applicationDirPath(), ProgramFolder::userDataHome());
    if (QDir::cleanPath(dataFolder) != found)
        command << u"--home"_s << QDir::cleanPath(dataFolder);
    return command;
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
    m_exportRunner = std::make_unique<ExportRunner>(m_session, m_services, *this);
    m_backupLauncher = std::make_unique<BackupLauncher>(m_session, m_services, *this);
    m_autostart = std::make_unique<Autostart>(Autostart::userFolder(), autostartCommand(m_session.exeDir()),
                                              QCoreApplication::applicationDirPath());
    m_autostart->setStartsInTray(ReminderSettings::read(m_session.settingsPath()).startInTray);
    m_helpFolder = ProgramFolder::runtimeFolder(QCoreApplication::applicationDirPath()) + u"/help"_s;
    showSetupModal = [](SetupDialog &dialog) { dialog.exec(); };
    showAboutModal = [](AboutDialog &dialog) { dialog.exec(); };

    buildActions();
    buildMenus();
    buildControls();
    setFixedSize(sizeHint());
    startUp();
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
    make(m_createFileAction, "FileSave1", u"ファイルを作成して保存(&S)"_s);
    make(m_viewerOutAction, "FileViewerOut1", u"データビューアに出力(&V)..."_s);
    make(m_textOutAction, "FileTextOut1", u"テキストファイルに出力(&T)"_s);
    make(m_pastDataAction, "FilePastDataOut1", u"過去のデータを出力(&P)..."_s);
    make(m_exportCsvAction, "exportCsvAction", u"CSV ファイル(&C)..."_s);
    make(m_exportICalendarAction, "exportICalendarAction", u"iCalendar ファイル(&I)..."_s);
    make(m_printAction, "printAction", u"印刷(&P)..."_s, QKeySequence::Print);
    make(m_exitAction, "FileExit1", u"終了(&X)"_s);
    make(m_toDoListAction, "ViewToDoList1", u"To-Do リストを表示(&T)..."_s, QKeySequence(Qt::Key_F6));
    make(m_graphAction, "ViewGraph1", u"バーグラフを表示(&G)..."_s, QKeySequence(Qt::Key_F3));
    make(m_findJobAction, "findJobAction", u"ジョブを検索(&F)..."_s, QKeySequence(Qt::CTRL | Qt::Key_F));
    make(m_jobPanelAction, "ViewPanel1", u"[仕事の説明]パネルを表示/非表示(&P)"_s, QKeySequence(Qt::Key_F7));
    make(m_trayAction, "ViewTaskTray1", u"タスクトレイに格納(&H)"_s);
    make(m_showWindowAction, "ViewFormShow1", u"メインウィンドウを表示(&S)"_s);
    make(m_switchMonthAction, "DataChange1", u"表示データを切り換え(&C)"_s, QKeySequence(Qt::Key_F2));
    make(m_appendAction, "DataAppend1", u"データを新規追加(&A)"_s);
    make(m_updateAction, "DataUpdate1", u"データを更新(&U)"_s);
    make(m_newEntryAction, "DataNewEntry1", u"新規データ入力画面を表示(&N)"_s);
    make(m_stepAction, "OptionStepBoot1", u"STEPbySTEP を起動(&K)"_s);
    make(m_stepFromFileAction, "OptionStepBootFromFile1", u"ファイルを選択して起動(&F)"_s);
    make(m_dailyPlanAction, "OptionAubrelBoot1", u"Aubrel を起動(&A)"_s);
    const char *partnerNames[] = {"OptionPellBoot1", "OptionTrevBoot1", "OptionDossBoot1"};
    for (Partner partner : {Partner::Pellmark, Partner::Trevant, Partner::Dossaro})
        make(m_partnerActions[size_t(partner)], partnerNames[int(partner)],
             PartnerPrograms::of(partner).caption());
    make(m_setupAction, "OptionSetup1", u"ユーザー設定(&U)..."_s);
    make(m_helpAction, "HelpContents1", u"目次(&C)..."_s, QKeySequence(Qt::Key_F1));
    make(m_aboutAction, "HelpAbout1", u"バージョン情報(&A)..."_s);

    connect(m_createFileAction, &QAction::triggered, this, &MainWindow::createMonthFile);
    connect(m_viewerOutAction, &QAction::triggered, this, [this] { m_views->showDataViewer(); });
    connect(m_textOutAction, &QAction::triggered, this, [this] { m_views->writeTextFile(); });
    connect(m_pastDataAction, &QAction::triggered, this, [this] { m_views->openPastData(); });
    connect(m_exportCsvAction, &QAction::triggered, this,
            [this] { m_exportRunner->start(ExportRequest::Format::Csv); });
    connect(m_exportICalendarAction, &QAction::triggered, this,
            [this] { m_exportRunner->start(ExportRequest::Format::ICalendar); });
    connect(m_printAction, &QAction::triggered, this, [this] {
        m_services.dialogs.previewPrint(this,
                                        MonthPrinter::document(MonthPrinter::of(m_session, m_shownMonth)));
    });
    connect(m_exitAction, &QAction::triggered, this, &QWidget::close);
    connect(m_toDoListAction, &QAction::triggered, this, [this] { m_views->openToDoList(false); });
    connect(m_graphAction, &QAction::triggered, this, [this] { m_views->openGraph(); });
    connect(m_findJobAction, &QAction::triggered, this, [this] { m_views->openJobSearch(); });
    connect(m_jobPanelAction, &QAction::triggered, this, [this] {
        m_jobPanel->setVisible(m_jobPanel->isHidden());
        if (m_jobPanel->isHidden())
            loadPicture();
    });
    connect(m_trayAction, &QAction::triggered, this, &MainWindow::moveToTray);
    connect(m_showWindowAction, &QAction::triggered, this, &MainWindow::restoreFromTray);
    connect(m_switchMonthAction, &QAction::triggered, this, &MainWindow::switchShownMonth);
    connect(m_appendAction, &QAction::triggered, this, &MainWindow::appendRecord);
    connect(m_updateAction, &QAction::triggered, this, &MainWindow::updateRecord);
    connect(m_newEntryAction, &QAction::triggered, this, &MainWindow::startNewRecord);
    connect(m_stepAction, &QAction::triggered, this, [this] { m_stepLauncher->openForShownJob(); });
    connect(m_stepFromFileAction, &QAction::triggered, this, [this] { m_stepLauncher->openFromFile(); });
    connect(m_dailyPlanAction, &QAction::triggered, this, [this] { m_dailyPlanLauncher->open(); });
    for (Partner partner : {Partner::Pellmark, Partner::Trevant, Partner::Dossaro})
        connect(m_partnerActions[size_t(partner)], &QAction::triggered, this,
                [this, partner] { launch(partner); });
    connect(m_setupAction, &QAction::triggered, this, &MainWindow::openSetup);
    connect(m_helpAction, &QAction::triggered, this, &MainWindow::showHelpContents);
    connect(m_aboutAction, &QAction::triggered, this, &MainWindow::showAbout);
}

void MainWindow::buildMenus()
{
    QMenuBar *bar = menuBar();
    QMenu *file = bar->addMenu(u"ファイル(&F)"_s);
    file->setObjectName(u"miFile"_s);
    file->addAction(m_createFileAction);
    m_dataOutMenu = file->addMenu(u"データ出力(&D)"_s);
    m_dataOutMenu->setObjectName(u"miDataOut"_s);
    m_dataOutMenu->addAction(m_viewerOutAction);
    m_dataOutMenu->addAction(m_textOutAction);
    file->addAction(m_pastDataAction);
    QMenu *exportMenu = file->addMenu(u"エクスポート(&E)"_s);
    exportMenu->setObjectName(u"exportMenu"_s);
    exportMenu->addActions({m_exportCsvAction, m_exportICalendarAction});
    file->addAction(m_printAction);
    file->addSeparator();
    m_backupLauncher->addActionsTo(file);
    file->addSeparator();
    file->addAction(m_exitAction);

    QMenu *view = bar->addMenu(u"表示(&V)"_s);
    view->setObjectName(u"miView"_s);
    view->addAction(m_toDoListAction);
    view->addAction(m_graphAction);
    view->addAction(m_findJobAction);
    view->addSeparator();
    view->addAction(m_jobPanelAction);
    view->addSeparator();
    view->addAction(m_trayAction);

    QMenu *data = bar->addMenu(u"データ操作(&D)"_s);
    data->setObjectName(u"miData"_s);
    data->addAction(m_switchMonthAction);
    data->addSeparator();
    data->addAction(m_appendAction);
    data->addAction(m_updateAction);
    data->addSeparator();
    data->addAction(m_newEntryAction);

    QMenu *option = bar->addMenu(u"オプション(&O)"_s);
    option->setObjectName(u"miOption"_s);
    QMenu *step = option->addMenu(u"ステップ別管理(&S)"_s);
    step->addAction(m_stepAction);
    step->addAction(m_stepFromFileAction);
    QMenu *daily = option->addMenu(u"デイリープラン作成(&P)"_s);
    daily->addAction(m_dailyPlanAction);
    option->addSeparator();
    for (QAction *partner : m_partnerActions)
        option->addAction(partner);
    option->addSeparator();
    option->addAction(m_setupAction);

    QMenu *help = bar->addMenu(u"ヘルプ(&H)"_s);
    help->setObjectName(u"miHelp"_s);
    help->addAction(m_helpAction);
    help->addSeparator();
    help->addAction(m_aboutAction);
}

// The pop-up menus are made when first asked for: the first screen shows neither.
QMenu *MainWindow::dataMenu()
{
    if (m_dataMenu)
        return m_dataMenu;
    m_dataMenu = new QMenu(this);
    m_dataMenu->setObjectName(u"PopupMenu1"_s);
    m_dataMenu->addAction(m_createFileAction);
    m_dataMenu->addSeparator();
    m_dataMenu->addAction(m_switchMonthAction);
    m_dataMenu->addSeparator();
    m_dataMenu->addAction(m_appendAction);
    m_dataMenu->addAction(m_updateAction);
    m_dataMenu->addSeparator();
    m_dataMenu->addAction(m_jobPanelAction);
    m_dataMenu->addAction(m_trayAction);

    return m_dataMenu;
}

QMenu *MainWindow::trayMenu()
{
    if (m_trayMenu)
        return m_trayMenu;
    m_trayMenu = new QMenu(this);
    m_trayMenu->setObjectName(u"PopupMenu4"_s);
    for (QAction *partner : m_partnerActions)
        m_trayMenu->addAction(partner);
    m_trayMenu->addSeparator();
    m_trayMenu->addAction(m_showWindowAction);
    return m_trayMenu;
}

void MainWindow::buildControls()
{
    auto *body = new QWidget(this);
    body->setObjectName(u"pnlBody"_s);
    body->setFixedSize(ClientWidth, BodyHeight);
    body->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(body, &QWidget::customContextMenuRequested, this,
            [this, body](const QPoint &pos) { dataMenu()->exec(body->mapToGlobal(pos)); });
    setCentralWidget(body);

    label(body, u"入力日/更新日："_s, 15, 8, u"|入力または更新した日付を選択します."_s);
    m_entryDateEdit = datePicker(body, u"dtpEntry"_s, 15, 25, 180, 21);
    Hints::set(m_entryDateEdit, u"|入力または更新した日付を選択します."_s);

    label(body, u"タイトル："_s, 15, 58, u"|仕事のタイトルを入力します.(最大文字数: 半角63文字)"_s);
    m_titleBox = new QComboBox(body);
    m_titleBox->setObjectName(u"cmbTitle"_s);
    m_titleBox->setGeometry(15, 75, 180, 21);
    m_titleBox->setEditable(true);
    m_titleBox->setInsertPolicy(QComboBox::NoInsert);
    m_titleBox->addItems({u"仮データ"_s, u"日記"_s});
    m_titleBox->setCurrentIndex(-1);
    Hints::set(m_titleBox, u"|タイトルを入力または選択します.(最大文字数: 半角63文字)"_s);

    label(body, u"内容："_s, 15, 103, u"|仕事の内容を入力します.(最大文字数: 半角255文字)"_s);
    m_commentsEdit = new SjisTextEdit(JobRecord::CommentsCapacity, body);
    m_commentsEdit->setObjectName(u"memComments"_s);
    m_commentsEdit->setGeometry(15, 120, 180, 140);
    m_commentsEdit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_commentsEdit->setTabChangesFocus(true);
    connect(m_commentsEdit, &SjisTextEdit::refused, this, &MainWindow::showRefusal);
    Hints::set(m_commentsEdit, u"|仕事の内容を入力します.(最大文字数: 半角255文字)"_s);

    label(body, u"データNo."_s, 215, 8, u"|データ番号を選択します."_s);
    m_dataNoEdit = new QLineEdit(body);
    m_dataNoEdit->setObjectName(u"edtDataNo"_s);
    m_dataNoEdit->setGeometry(215, 23, 25, 24);
    m_dataNoEdit->setReadOnly(true);
    m_dataNoEdit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Hints::set(m_dataNoEdit, u"|データ番号を選択します.その番号に該当するデータが表示されます."_s);
    m_dataNoUpDown = new UpDownWidget(body);
    m_dataNoUpDown->setObjectName(u"updDataNo"_s);
    m_dataNoUpDown->setGeometry(240, 23, 16, 24);
    m_dataNoUpDown->setRange(1, MonthFile::RecordCount);
    Hints::set(m_dataNoUpDown, u"|データ番号を選択します."_s);
    connect(m_dataNoUpDown, &UpDownWidget::aboutToStep, this, &MainWindow::vetoDataNoStep);
    connect(m_dataNoUpDown, &UpDownWidget::stepped, this, &MainWindow::showDataNo);

    m_newEntryButton = new QPushButton(u" ▲ "_s, body);
    m_newEntryButton->setObjectName(u"btnNewEntry"_s);
    m_newEntryButton->setGeometry(257, 23, 22, 24);
    Hints::set(m_newEntryButton, u"データ新規入力|新しいデータを入力する画面を表示します."_s);
    connect(m_newEntryButton, &QPushButton::clicked, this, &MainWindow::startNewRecord);

    m_indicatorBacking = new QFrame(body);
    m_indicatorBacking->setObjectName(u"pnlToDoBack"_s);
    m_indicatorBacking->setGeometry(280, 14, 124, 40);
    m_indicatorBacking->setAutoFillBackground(true);
    m_toDoButton = new QPushButton(body);
    m_toDoButton->setObjectName(u"BitBtnToDo"_s);
    m_toDoButton->setGeometry(287, 20, 110, 28);
    m_toDoButton->setIconSize(QSize(100, 20));
    FixedColours::setLight(m_toDoButton);                         // the indicator's caption is drawn dark
    m_toDoButton->setStatusTip(u"[To-Do リスト]を表示します."_s); // no tool tip on this button
    connect(m_toDoButton, &QPushButton::clicked, this, [this] { m_views->openToDoList(true); });

    m_picturePanel = new QFrame(body);
    m_picturePanel->setObjectName(u"pnlPicture"_s);
    m_picturePanel->setGeometry(205, 65, 200, 200);
    m_picturePanel->setFrameShape(QFrame::StyledPanel);
    m_picturePanel->setFrameShadow(QFrame::Sunken);
    m_picture = new PictureWidget(m_picturePanel);
    m_picture->setObjectName(u"imgMain"_s);
    m_picture->setGeometry(10, 10, 180, 180);

    m_jobPanel = new QGroupBox(u" 仕事の説明 "_s, body);
    m_jobPanel->setObjectName(u"pnlJobData"_s);
    m_jobPanel->setGeometry(205, 65, 200, 200);
    m_jobPanel->setAutoFillBackground(true);
    label(m_jobPanel, u"客先："_s, 10, 20, u"|客先の名称を入力または選択します.(最大文字数: 半角31文字)"_s);
    m_customerBox = new QComboBox(m_jobPanel);
    m_customerBox->setObjectName(u"cmbCustomer"_s);
    m_customerBox->setGeometry(10, 36, 180, 22);
    m_customerBox->setEditable(true);
    m_customerBox->setInsertPolicy(QComboBox::NoInsert);
    limitToField(m_customerBox->lineEdit(), JobRecord::ShortCapacity);
    Hints::set(m_customerBox, u"|客先の名称を入力または選択します.(最大文字数: 半角31文字)"_s);
    label(m_jobPanel, u"受注No./発注No.："_s, 10, 62,
          u"|受注No.または発注No.を入力します.(最大文字数: 半角31文字)"_s);
    m_jobNoEdit = new QLineEdit(m_jobPanel);
    m_jobNoEdit->setObjectName(u"edtJobNo"_s);
    m_jobNoEdit->setGeometry(10, 78, 180, 22);
    limitToField(m_jobNoEdit, JobRecord::ShortCapacity);
    Hints::set(m_jobNoEdit, u"|受注No.または発注No.を入力します.(最大文字数: 半角31文字)"_s);
    label(m_jobPanel, u"仕事の種類："_s, 10, 104,
          u"|仕事の種類を入力または選択します.(最大文字数: 半角31文字)"_s);
    m_jobTypeBox = new QComboBox(m_jobPanel);
    m_jobTypeBox->setObjectName(u"cmbJobType"_s);
    m_jobTypeBox->setGeometry(10, 120, 180, 22);
    m_jobTypeBox->setEditable(true);
    m_jobTypeBox->setInsertPolicy(QComboBox::NoInsert);
    limitToField(m_jobTypeBox->lineEdit(), JobRecord::ShortCapacity);
    Hints::set(m_jobTypeBox, u"|仕事の種類を入力または選択します.(最大文字数: 半角31文字)"_s);

    m_checkGroupBox = new QGroupBox(u" チェック： "_s, m_jobPanel);
    m_checkGroupBox->setObjectName(u"rgCheck"_s);
    m_checkGroupBox->setGeometry(6, 148, 188, 46);
    m_checkGroupBox->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_checkGroupBox, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &pos) { dataMenu()->exec(m_checkGroupBox->mapToGlobal(pos)); });
    Hints::set(m_checkGroupBox, u"|当該仕事の未完/完了/遂行中を選択します."_s);
    m_checkButtons = new QButtonGroup(m_checkGroupBox);
    const QString checkNames[] = {u"未完"_s, u"完了"_s, u"遂行中"_s};
    for (int i = 0; i < 3; ++i) {
        auto *rb = new QRadioButton(checkNames[i], m_checkGroupBox);
        rb->setObjectName(u"rbCheck"_s + QString::number(i));
        rb->setGeometry(6 + i * 60, 20, 60, 20);
        Hints::set(rb, u"|当該仕事の未完/完了/遂行中を選択します."_s);
        m_checkButtons->addButton(rb, i);
    }

    m_dailyPlanButton = new QPushButton(Artwork::dailyPlanGlyph(), u"Aubrel"_s, body);
    m_dailyPlanButton->setObjectName(u"BitBtnAubrel"_s);
    m_dailyPlanButton->setGeometry(15, 268, 110, 28);
    Hints::set(m_dailyPlanButton, u"Aubrel|デイリープラン作成[Aubrel]ウィンドウを表示します."_s);
    connect(m_dailyPlanButton, &QPushButton::clicked, this, [this] { m_dailyPlanLauncher->open(); });
    m_stepButton = new QPushButton(Artwork::stepGlyph(), u"STEP by STEP"_s, body);
    m_stepButton->setObjectName(u"BitBtnStep"_s);
    m_stepButton->setGeometry(137, 268, 136, 28);
    Hints::set(m_stepButton, u"STEP by STEP|ステップ別管理[STEP by STEP]ウィンドウを表示します."_s);
    connect(m_stepButton, &QPushButton::clicked, this, [this] { m_stepLauncher->openForShownJob(); });
    m_graphButton = new QPushButton(Artwork::graphGlyph(), u"バーグラフ"_s, body);
    m_graphButton->setObjectName(u"BitBtnGraph"_s);
    m_graphButton->setGeometry(285, 268, 110, 28);
    Hints::set(m_graphButton, u"バーグラフ|[バーグラフ]を表示します."_s);
    connect(m_graphButton, &QPushButton::clicked, this, [this] { m_views->openGraph(); });

    m_datePanel = new QFrame(body);
    m_datePanel->setObjectName(u"Panel2"_s);
    m_datePanel->setGeometry(5, 300, 400, 220);
    m_datePanel->setFrameShape(QFrame::StyledPanel);
    label(m_datePanel, u"開始日："_s, 10, 3, u"|仕事の開始(予定)日を選択します."_s);
    m_startDateEdit = datePicker(m_datePanel, u"dtpStart"_s, 10, 20, 180, 24);
    Hints::set(m_startDateEdit, u"|仕事の開始(予定)日を選択します."_s);
    label(m_datePanel, u"終了日："_s, 210, 3, u"|仕事の終了(予定)日を選択します."_s);
    m_endDateEdit = datePicker(m_datePanel, u"dtpEnd"_s, 210, 20, 180, 24);
    Hints::set(m_endDateEdit, u"|仕事の終了(予定)日を選択します."_s);
    m_calendar = new RangeCalendarWidget(m_datePanel);
    m_calendar->setObjectName(u"MonthCalendar1"_s);
    m_calendar->setGeometry(18, 52, 365, 160);
    m_calendar->setMinimumDate(MinimumDate);
    Hints::set(m_calendar, u"|仕事の開始日から終了日までドラッグして選択できます."_s);

    // The date rules run when a drop-down calendar closes and when a typed date is finished.
    auto watchPicker = [this](PopupDateEdit *picker, void (MainWindow::*rule)()) {
        connect(picker, &PopupDateEdit::calendarClicked, this,
                [this, rule] { QTimer::singleShot(0, this, rule); });
        connect(picker, &QDateEdit::editingFinished, this, [this, rule] {
            if (!m_applyingDates)
                (this->*rule)();
        });
    };
    watchPicker(m_startDateEdit, &MainWindow::applyStartDateRule);
    watchPicker(m_endDateEdit, &MainWindow::applyEndDateRule);
    connect(m_calendar, &RangeCalendarWidget::rangeSelected, this, &MainWindow::applyCalendarRange);

    m_countLabel = new QLabel(this);
    m_countLabel->setObjectName(u"StatusPanel1"_s);
    m_countLabel->setMinimumWidth(95);
    statusBar()->setObjectName(u"StatusBar1"_s);
    statusBar()->addPermanentWidget(m_countLabel);
    HintPanel::addTo(statusBar(), u"StatusPanel0"_s);
    statusBar()->setSizeGripEnabled(false);
}

// --- Start-up ---------------------------------------------------------------------------------

void MainWindow::startUp()
{
    m_pendingLaunchAction.reset();
    m_firstIdleDone = false;
    readConfiguration();
    const Config &config = m_session.config();
    refillCustomers();
    refillJobTypes();
    m_jobPanel->setVisible(config.showJobPanel);
    // The picture lies under the job panel: it is read when it first shows.
    if (!config.showJobPanel)
        loadPicture();

    m_session.startDay(m_services.clock.today());
    m_calendar->setToday(m_session.today());
    loadMonths();
    updateToDoIndicator();
}

void MainWindow::readConfiguration()
{
    FileOperation failed = FileOperation::Read;
    const SafeFile::Result r = m_session.loadConfig(&failed);
    if (!r)
        m_services.dialogs.fileError(this, failed, m_session.configPath(), r.error);
    followPartnerPaths();
}

void MainWindow::followPartnerPaths()
{
    for (Partner partner : {Partner::Pellmark, Partner::Trevant, Partner::Dossaro})
        m_partnerActions[size_t(partner)]->setEnabled(
            !PartnerPrograms::of(partner).pathIn(m_session.config()).isEmpty());
}

// The boxes offer the list's entries; what is typed in them stays.
void MainWindow::refillCustomers()
{
    fillListBox(m_customerBox, m_session.config().customerList);
}

void MainWindow::refillJobTypes()
{
    fillListBox(m_jobTypeBox, m_session.config().jobTypeList);
}

void MainWindow::showConfiguredPicture(const QImage &image)
{
    const Config &config = m_session.config();
    const int panel = m_picturePanel->width();
    m_picture->setGeometry(
        qBound(-panel, config.pictureLeft, panel), qBound(-panel, config.pictureTop, panel),
        qBound(0, config.pictureWidth, 2 * panel), qBound(0, config.pictureHeight, 2 * panel));
    if (!image.isNull())
        m_picture->setImage(image);
    m_picture->setModes(config.pictureCenter, config.pictureProportional, config.pictureStretch);
    // Nothing left to read when the job panel gives way to the picture.
    m_pictureLoaded = true;
}

void MainWindow::loadPicture()
{
    if (m_pictureLoaded)
        return;
    m_pictureLoaded = true;
    const Config &config = m_session.config();
    if (config.picturePath.isEmpty() || !QFileInfo::exists(config.picturePath))
        return;
    // Numbers from the file are kept to what the panel can show, so the geometry cannot overflow.
    const int panel = m_picturePanel->width();
    m_picture->setGeometry(
        qBound(-panel, config.pictureLeft, panel), qBound(-panel, config.pictureTop, panel),
        qBound(0, config.pictureWidth, 2 * panel), qBound(0, config.pictureHeight, 2 * panel));
    QString why;
    const QImage image = Picture::load(config.picturePath, &why);
    if (image.isNull()) {
        m_services.dialogs.fileError(this, FileOperation::Read, config.picturePath, why);
        return;
    }
    m_picture->setImage(image);
    m_picture->setModes(config.pictureCenter, config.pictureProportional, config.pictureStretch);
}

void MainWindow::loadMonths()
{
    bool previousOk = false;
    if (m_session.fileExists(MonthKind::Previous)) {
        const SafeFile::Result r = m_session.load(MonthKind::Previous);
        if (r)
            previousOk = true;
        else
            m_services.dialogs.fileError(this, FileOperation::Read,
                                         m_session.pathOf(m_session.previousFileName()), r.error);
    }
    m_switchMonthAction->setEnabled(previousOk);

    if (m_session.fileExists(MonthKind::Current)) {
        const SafeFile::Result r = m_session.load(MonthKind::Current);
        if (!r) {
            // Never write over a file we could not read: editing stays off for this run.
            m_services.dialogs.fileError(this, FileOperation::Read,
                                         m_session.pathOf(m_session.currentFileName()), r.error);
            clearEntry();
            setDataNo(1);
            for (QAction *a : {m_createFileAction, m_appendAction, m_updateAction, m_newEntryAction})
                a->setEnabled(false);
            m_dataOutMenu->menuAction()->setEnabled(false);
            m_dataNoUpDown->setEnabled(false);
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
    const int count = m_session.count(MonthKind::Current);
    if (!showRecord(MonthKind::Current, count)) {
        // Without the sound no record is shown: offer the blank entry of the next record, so the
        // number on screen never belongs to other contents.
        clearEntry();
        setDataNo(qMin(count + 1, MonthFile::RecordCount));
    }
    setCaptionForMonth(m_session.thisMonth());
    setCountStatus(m_session.count(MonthKind::Current));
    m_createFileAction->setEnabled(false);
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
    clearEntry();
    for (QAction *a : {m_appendAction, m_updateAction, m_newEntryAction})
        a->setEnabled(false);
    m_dataOutMenu->menuAction()->setEnabled(false);
    m_dataNoUpDown->setEnabled(false);
    m_newEntryButton->setEnabled(false);
    m_createFileAction->setEnabled(true);
    setCaptionForMonth(m_session.thisMonth(), true);
    setCountStatus(0);
}

void MainWindow::applyActionsForCurrentMonth()
{
    for (QAction *a : {m_appendAction, m_updateAction, m_newEntryAction})
        a->setEnabled(true);
    m_dataOutMenu->menuAction()->setEnabled(true);
    m_dataNoUpDown->setEnabled(true);
    m_newEntryButton->setEnabled(true);
}

void MainWindow::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    WindowPlacer::place(this, {QPoint(0, 0), size()});
    statusBar()->clearMessage();
    setCountStatus(m_session.count(MonthKind::Current));
    if (!m_firstIdleDone && m_blinkStep < 0)
        QTimer::singleShot(0, this, &MainWindow::startFirstIdle);
}

// --- To-do indicator and first idle -----------------------------------------------------------

void MainWindow::updateToDoIndicator()
{
    m_indicator = Pending::indicatorFor(m_session);
    m_toDoButton->setIcon(QIcon(Artwork::indicatorGlyph(m_indicator)));
    // After the first-idle blink the backing rests in button face; only the glyph follows changes.
    if (m_firstIdleDone || m_blinkStep >= 0)
        return;
    const QColor back = Artwork::indicatorColor(m_indicator);
    QPalette p = m_indicatorBacking->palette();
    p.setColor(QPalette::Window, back.isValid() ? back : palette().color(QPalette::Button));
    m_indicatorBacking->setPalette(p);
}

bool MainWindow::isBlinking() const
{
    return m_blinkStep >= 0;
}

// Four blinks of 400 ms off and 200 ms on, then the indicator rests in button face. Timers keep
// the window responsive meanwhile.
void MainWindow::startFirstIdle()
{
    if (m_firstIdleDone || m_blinkStep >= 0)
        return;
    m_rememberedColor = m_indicatorBacking->palette().color(QPalette::Window);
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
    QPalette p = m_indicatorBacking->palette();
    ++m_blinkStep;
    if (m_blinkStep < 8) {
        // Odd steps: off after 400 ms; even steps: the colour again after 200 ms.
        const bool off = m_blinkStep % 2 == 1;
        p.setColor(QPalette::Window, off ? face : m_rememberedColor);
        m_indicatorBacking->setPalette(p);
        m_indicatorBacking->repaint();
        m_blinkTimer->start(off ? 200 : 400);
        return;
    }
    p.setColor(QPalette::Window, face);
    m_indicatorBacking->setPalette(p);
    m_blinkStep = -1;
    m_firstIdleDone = true;
    if (m_session.config().showToDoAtStart)
        m_views->openToDoList(false);
    emit firstIdleDone();
}

// --- Record display ---------------------------------------------------------------------------

void MainWindow::setDataNo(int n)
{
    m_dataNoUpDown->setPosition(n);
    m_dataNoEdit->setText(QString::number(m_dataNoUpDown->position()));
}

int MainWindow::dataNo() const
{
    return m_dataNoUpDown->position();
}

bool MainWindow::showRecord(MonthKind kind, int n)
{
    if (n < 1) {
        // A month file without records: offer the blank entry of record 1.
        setDataNo(1);
        clearEntry();
        return true;
    }
    if (!Shutter::play(m_session.exeDir(), m_services, this))
        return false;
    const int slot = qMin(n, MonthFile::RecordCount) - 1;
    fillEntry(m_session.job(kind, slot), slot);
    return true;
}

void MainWindow::fillEntry(const JobRecord &r, int slot)
{
    const QSignalBlocker b1(m_startDateEdit);
    const QSignalBlocker b2(m_endDateEdit);
    // The slot is the record's identity; a damaged data number in the file changes nothing.
    setDataNo(slot + 1);
    m_entryDateEdit->setDateOrUnset(DaySerial::dayOf(r.entryDate));
    m_titleBox->setEditText(r.title);
    m_titleBox->lineEdit()->setCursorPosition(0);
    m_startDateEdit->setDateOrUnset(DaySerial::dayOf(r.startDate));
    m_endDateEdit->setDateOrUnset(DaySerial::dayOf(r.endDate));
    m_commentsEdit->setAcceptedText(Sjis::fromCrLf(r.comments));
    m_customerBox->setEditText(r.customer);
    m_customerBox->lineEdit()->setCursorPosition(0);
    m_jobNoEdit->setText(r.jobNo);
    m_jobNoEdit->setCursorPosition(0);
    m_jobTypeBox->setEditText(r.jobType);
    m_jobTypeBox->lineEdit()->setCursorPosition(0);
    if (QAbstractButton *b = m_checkButtons->button(r.check))
        b->setChecked(true);
    else {
        // A value the group does not know: show none chosen, keep the value until edited.
        m_checkButtons->setExclusive(false);
        for (QAbstractButton *rb : m_checkButtons->buttons())
            rb->setChecked(false);
        m_checkButtons->setExclusive(true);
    }
    m_calendar->setSelection(DaySerial::dayOf(r.startDate), DaySerial::dayOf(r.endDate));
    m_lastRuledStart = m_startDateEdit->date();
    m_lastRuledEnd = m_endDateEdit->date();
    rememberEntry(r);
}

void MainWindow::clearEntry()
{
    const QDate today = m_session.today();
    const QSignalBlocker b1(m_startDateEdit);
    const QSignalBlocker b2(m_endDateEdit);
    m_entryDateEdit->setDate(today);
    m_titleBox->setEditText(QString());
    m_startDateEdit->setDate(today);
    m_endDateEdit->setDate(today);
    m_commentsEdit->setAcceptedText(QString());
    m_customerBox->setEditText(QString());
    m_jobNoEdit->clear();
    m_jobTypeBox->setEditText(QString());
    m_checkButtons->button(0)->setChecked(true);
    m_calendar->setSelection(m_startDateEdit->date(), m_endDateEdit->date());
    m_lastRuledStart = today;
    m_lastRuledEnd = today;
    JobRecord blank;
    blank.entryDate = blank.startDate = blank.endDate = m_session.todaySerial();
    rememberEntry(blank);
}

void MainWindow::rememberEntry(const JobRecord &record)
{
    m_entry.record = record;
    m_entry.entryDate = m_entryDateEdit->date();
    m_entry.startDate = m_startDateEdit->date();
    m_entry.endDate = m_endDateEdit->date();
    m_entry.comments = m_commentsEdit->toPlainText();
}

JobRecord MainWindow::recordFromEntry() const
{
    // What the user did not change keeps the value it was shown with, and so its bytes in the file
    // (a time of day in a date, a vendor code in a text, a check value the buttons do not know).
    JobRecord r = m_entry.record;
    r.dataNo = dataNo();
    if (m_entryDateEdit->date() != m_entry.entryDate)
        r.entryDate = DaySerial::fromDate(m_entryDateEdit->date());
    if (m_startDateEdit->date() != m_entry.startDate)
        r.startDate = DaySerial::fromDate(m_startDateEdit->date());
    if (m_endDateEdit->date() != m_entry.endDate)
        r.endDate = DaySerial::fromDate(m_endDateEdit->date());
    const auto changed = [](QString *field, const QString &text, int capacity) {
        if (text != *field)
            *field = Sjis::fitToField(text, capacity);
    };
    changed(&r.title, m_titleBox->currentText(), JobRecord::TitleCapacity);
    if (m_commentsEdit->toPlainText() != m_entry.comments)
        r.comments =
            Sjis::fitToField(Sjis::toCrLf(m_commentsEdit->toPlainText()), JobRecord::CommentsCapacity);
    changed(&r.customer, m_customerBox->currentText(), JobRecord::ShortCapacity);
    changed(&r.jobNo, m_jobNoEdit->text(), JobRecord::ShortCapacity);
    changed(&r.jobType, m_jobTypeBox->currentText(), JobRecord::ShortCapacity);
    if (m_checkButtons->checkedId() >= 0)
        r.check = m_checkButtons->checkedId();
    return r;
}

void MainWindow::limitToField(QLineEdit *edit, int capacity)
{
    auto *validator = new SjisLimitValidator(capacity, edit);
    edit->setValidator(validator);
    connect(edit, &QLineEdit::inputRejected, this, [this, validator] { showRefusal(validator->lastHint()); });
}

void MainWindow::showRefusal(const QString &hint)
{
    statusBar()->showMessage(hint, RefusalHintMs);
}

// --- Date rules -------------------------------------------------------------------------------

void MainWindow::setDates(const QDate &start, const QDate &end)
{
    m_applyingDates = true;
    m_startDateEdit->setDate(start);
    m_endDateEdit->setDate(end);
    m_calendar->setSelection(start, end);
    m_lastRuledStart = start;
    m_lastRuledEnd = end;
    m_applyingDates = false;
}

void MainWindow::resetDatesToToday()
{
    setDates(m_session.today(), m_session.today());
}

void MainWindow::applyStartDateRule()
{
    const QDate start = m_startDateEdit->date();
    if (start == m_lastRuledStart && m_endDateEdit->date() == m_lastRuledEnd)
        return;
    if (EntryRules::isStartMonthAllowed(start.month(), m_session.thisMonth()))
        setDates(start, start);
    else
        resetDatesToToday();
}

void MainWindow::applyEndDateRule()
{
    const QDate start = m_startDateEdit->date();
    const QDate end = m_endDateEdit->date();
    if (start == m_lastRuledStart && end == m_lastRuledEnd)
        return;
    if (EntryRules::isEndAllowed(start, end, m_session.thisMonth()))
        setDates(start, end);
    else
        resetDatesToToday();
}

void MainWindow::applyCalendarRange()
{
    const QDate start = m_calendar->selectionStart();
    const QDate end = m_calendar->selectionEnd();
    if (EntryRules::isCalendarRangeAllowed(start, end, m_session.thisMonth()))
        setDates(start, end);
    else
        resetDatesToToday();
}

// --- Data number up-down ----------------------------------------------------------------------

void MainWindow::vetoDataNoStep(int direction, bool *allow)
{
    m_numberBeforeStep = m_dataNoUpDown->position();
    if (direction < 0)
        return;
    const int position = m_dataNoUpDown->position();
    switch (m_shownMonth) {
    case MonthKind::Current: {
        const int count = m_session.count(MonthKind::Current);
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

void MainWindow::showDataNo(int position)
{
    m_dataNoEdit->setText(QString::number(position));
    bool shown = true;
    if (m_shownMonth == MonthKind::Previous) {
        shown = showRecord(MonthKind::Previous, position);
    } else if (m_shownMonth == MonthKind::Current) {
        if (m_session.job(MonthKind::Current, position - 1).isUsed())
            shown = showRecord(MonthKind::Current, position);
        else
            clearEntry();
    }
    // A record that could not be shown leaves the number with the contents still on screen.
    if (!shown)
        setDataNo(m_numberBeforeStep);
    m_titleBox->setFocus();
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

void MainWindow::setCaptionForMonth(int month, bool fileMissing)
{
    setWindowTitle(u"Wrenly ●"_s + QString::number(month) +
                   (fileMissing ? u"月のデータファイル未作成"_s : u"月のデータ"_s));
}

void MainWindow::setCountStatus(int count)
{
    m_countLabel->setText(u"データ総数: "_s + QString::number(count));
}

void MainWindow::createMonthFile()
{
    if (!m_createFileAction->isEnabled())
        return;
    runDataCommand(MonthEditor::Command::Create);
}

void MainWindow::appendRecord()
{
    runDataCommand(MonthEditor::Command::Append);
}

void MainWindow::updateRecord()
{
    runDataCommand(MonthEditor::Command::Update);
}

void MainWindow::runDataCommand(MonthEditor::Command command)
{
    const JobRecord record = recordFromEntry();
    if (const std::optional<MonthEditor::Outcome> refused = m_editor.refusal(command, m_shownMonth, record)) {
        reportOutcome(command, *refused);
        return;
    }
    const ViewManager::Remembered views = m_views->closeForChange();
    const int slot = command == MonthEditor::Command::Create ? 0 : m_dataNoUpDown->position() - 1;
    reportOutcome(command, m_editor.run(command, m_shownMonth, slot, record));
    m_views->reopen(views);
}

void MainWindow::reportOutcome(MonthEditor::Command command, const MonthEditor::Outcome &outcome)
{
    using Kind = MonthEditor::Outcome::Kind;
    const QString fileName = m_session.fileName(outcome.month);
    switch (outcome.kind) {
    case Kind::TitleMissing:
        inform(TitleMissingText);
        return;
    case Kind::PreviousMonthRefused:
        inform(u"前月のデータファイル: "_s + fileName + u" に"_s + u"\r\n"_s +
               u"データを追加することはできません."_s);
        return;
    case Kind::NothingShown:
        return;
    case Kind::WriteFailed:
        m_services.dialogs.fileError(
            this, command == MonthEditor::Command::Create ? FileOperation::Create : FileOperation::Write,
            m_session.pathOf(fileName), outcome.error);
        return;
    case Kind::ChangedOnDisk:
        m_services.dialogs.changedOnDisk(this, m_session.pathOf(fileName));
        reloadMonth(outcome.month);
        return;
    case Kind::Created:
    case Kind::Appended:
    case Kind::Updated:
        showStored(outcome.month, outcome.slot);
        break;
    }
    switch (outcome.kind) {
    case Kind::Created:
        setCountStatus(m_session.count(MonthKind::Current));
        m_createFileAction->setEnabled(false);
        applyActionsForCurrentMonth();
        setCaptionForMonth(m_session.thisMonth());
        updateToDoIndicator();
        inform(u"データファイル: "_s + fileName + u" を作成して保存しました."_s);
        return;
    case Kind::Appended:
        setCountStatus(m_session.count(MonthKind::Current));
        updateToDoIndicator();
        inform(u"データファイル: "_s + fileName + u" にデータを追加しました."_s);
        return;
    case Kind::Updated:
        updateToDoIndicator();
        inform(u"データファイル: "_s + fileName + u" のデータを更新しました."_s);
        return;
    default:
        return;
    }
}

// Reads a month again after another program changed its file. The entry keeps what the user typed.
void MainWindow::reloadMonth(MonthKind month)
{
    const SafeFile::Result r = m_session.load(month);
    if (!r) {
        m_services.dialogs.fileError(this, FileOperation::Read, m_session.pathOf(m_session.fileName(month)),
                                     r.error);
        return;
    }
    const int count = m_session.count(month);
    if (month == MonthKind::Current && m_createFileAction->isEnabled()) {
        // This month's file appeared meanwhile: the typed record becomes its next new entry.
        m_createFileAction->setEnabled(false);
        applyActionsForCurrentMonth();
        m_shownMonth = MonthKind::Current;
        setCaptionForMonth(m_session.thisMonth());
        setDataNo(qMin(count + 1, MonthFile::RecordCount));
    }
    if (month == m_shownMonth)
        setCountStatus(count);
    updateToDoIndicator();
}

// Files were put back from a backup: everything shown is read again, as at start-up.
void MainWindow::reloadAfterRestore()
{
    const ViewManager::Remembered views = m_views->closeForChange();
    readConfiguration();
    refillCustomers();
    refillJobTypes();
    m_shownMonth = MonthKind::Current;
    loadMonths();
    updateToDoIndicator();
    m_views->reopen(views);
}

// After a save the entry shows the record as stored (texts cut to their fields, data number of the
// slot) and goes on editing the month it was written to.
void MainWindow::showStored(MonthKind month, int slot)
{
    m_shownMonth = month;
    fillEntry(m_session.job(month, slot), slot);
}

void MainWindow::startNewRecord()
{
    if (m_shownMonth == MonthKind::Previous)
        return;
    if (!m_newEntryAction->isEnabled())
        return;
    const int count = m_session.count(MonthKind::Current);
    if (count >= MonthFile::RecordCount) {
        inform(u"今月のデータは既に "_s + QString::number(MonthFile::RecordCount) +
               u" 件入力されています."_s + u"\r\n"_s + u"これ以上新しいデータを追加することはできません."_s);
        return;
    }
    setDataNo(count + 1);
    clearEntry();
    m_titleBox->setFocus();
}

void MainWindow::switchShownMonth()
{
    if (!m_switchMonthAction->isEnabled())
        return;
    const ViewManager::Remembered views = m_views->closeForChange();
    activateWindow();
    // A record that cannot be shown (no sound file) leaves the window in the month it was in.
    if (m_shownMonth == MonthKind::Current) {
        const int count = m_session.count(MonthKind::Previous);
        if (showRecord(MonthKind::Previous, count)) {
            m_dataNoUpDown->setEnabled(true);
            m_newEntryButton->setEnabled(false);
            m_newEntryAction->setEnabled(false);
            m_dataOutMenu->menuAction()->setEnabled(true);
            m_createFileAction->setEnabled(false);
            m_updateAction->setEnabled(true);
            m_appendAction->setEnabled(false);
            m_shownMonth = MonthKind::Previous;
            setCaptionForMonth(m_session.prevMonth());
            setCountStatus(count);
        }
    } else if (m_session.fileExists(MonthKind::Current)) {
        const int count = m_session.count(MonthKind::Current);
        if (showRecord(MonthKind::Current, count)) {
            m_shownMonth = MonthKind::Current;
            applyActionsForCurrentMonth();
            setCaptionForMonth(m_session.thisMonth());
            setCountStatus(count);
        }
    } else {
        m_shownMonth = MonthKind::Current;
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

void MainWindow::hideToTray()
{
    if (!m_services.tray.isAvailable()) {
        // Without a notification area a hidden window could not be brought back.
        showMinimized();
        return;
    }
    if (!m_trayShown) {
        m_services.tray.show(Artwork::applicationIcon(),
                             u"左クリック: メインウィンドウ\n右クリック: ポップアップメニュー"_s, trayMenu());
        m_trayShown = true;
    }
    hide();
}

void MainWindow::restoreFromTray()
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

void MainWindow::moveToTray()
{
    m_views->closeAll();
    m_views->closeJobSearch();
    hideToTray();
}

void MainWindow::comeForward()
{
    restoreFromTray();
}

void MainWindow::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        QTimer::singleShot(0, this, &MainWindow::runPendingLaunchAction);
}

void MainWindow::runPendingLaunchAction()
{
    if (!m_pendingLaunchAction || *m_pendingLaunchAction == AfterLaunch::StayShown)
        return;
    const AfterLaunch action = *m_pendingLaunchAction;
    m_pendingLaunchAction.reset();
    if (action == AfterLaunch::Exit)
        close();
    else
        hideToTray();
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
    if (m_jobPanel->isVisible()) {
        if (QAbstractButton *b = m_checkButtons->checkedButton())
            b->setFocus();
        else
            m_checkGroupBox->setFocus();
    }
}

int MainWindow::shownDataNo() const
{
    return dataNo();
}

void MainWindow::setShownCheck(int check)
{
    if (QAbstractButton *b = m_checkButtons->button(check))
        b->setChecked(true);
}

void MainWindow::setAppendEnabled(bool enabled)
{
    m_appendAction->setEnabled(enabled);
}

void MainWindow::setUpdateEnabled(bool enabled)
{
    m_updateAction->setEnabled(enabled);
}

void MainWindow::showMonthHeader(MonthKind kind)
{
    setCaptionForMonth(m_session.monthNumber(kind));
    setCountStatus(m_session.count(kind));
}

void MainWindow::showPastMonthHeader(int year, int month)
{
    setWindowTitle(u"Wrenly ●"_s + QString::number(year) + u"年 "_s + QString::number(month) +
                   u"月のデータ"_s);
    setCountStatus(m_session.count(MonthKind::Past));
}

void MainWindow::returnToMonth(MonthKind kind)
{
    m_shownMonth = kind;
    // This month's file is still to be made: the window goes back to offering just that.
    if (kind == MonthKind::Current && m_createFileAction->isEnabled()) {
        enterNoFileState();
        return;
    }
    const int count = m_session.count(kind);
    // Without the sound the record still comes back: a past record must never stay on screen
    // under this month's caption, where an update would store it.
    if (!showRecord(kind, count)) {
        if (count < 1) {
            setDataNo(1);
            clearEntry();
        } else {
            fillEntry(m_session.job(kind, count - 1), count - 1);
        }
    }
    showMonthHeader(kind);
}

bool MainWindow::isLaunchEnabled(Partner partner) const
{
    return m_partnerActions[size_t(partner)]->isEnabled();
}

void MainWindow::launch(Partner partner)
{
    const PartnerProgram &program = PartnerPrograms::of(partner);
    const QString path = program.pathIn(m_session.config());
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists()) {
        inform(program.displayName() + u" が存在しません."_s);
        return;
    }
    if (!PartnerPrograms::isExpectedFile(program, info.fileName())) {
        inform(program.displayName() + u" 以外が設定されています."_s);
        return;
    }
    QString why = PartnerPrograms::whyNotStartable(info.absoluteFilePath());
    if (why.isEmpty() && !m_services.launcher.startDetached(info.absoluteFilePath(), QDir::currentPath()))
        why = u"起動に失敗しました"_s;
    if (!why.isEmpty())
        inform(PartnerPrograms::notStartedText(program, info.absoluteFilePath(), why));
}

// Hints of the views' controls show in this window's status bar: the program has one hint line.
void MainWindow::showHint(const QString &text)
{
    statusBar()->showMessage(text);
}

QString MainWindow::shownTitle() const
{
    return m_titleBox->currentText();
}

void MainWindow::setShownTitle(const QString &title)
{
    m_titleBox->setEditText(title);
    m_titleBox->lineEdit()->setCursorPosition(0);
}

void MainWindow::closeModelessViews()
{
    m_views->closeAll();
}

// --- Setup, help and about ---------------------------------------------------------------------

void MainWindow::openSetup()
{
    SetupDialog dialog(m_session, m_services, *this, *m_autostart, this);
    showSetupModal(dialog);
    if (dialog.result() == QDialog::Accepted)
        emit setupSaved();
}

void MainWindow::openDailyPlan()
{
    m_dailyPlanLauncher->open();
}

void MainWindow::showAbout()
{
    AboutDialog dialog(this);
    showAboutModal(dialog);
}

void MainWindow::showHelp(const QString &page)
{
    if (!HelpWindow::hasPages(m_helpFolder)) {
        m_services.dialogs.informCaptioned(
            this, u"ファイルが存在しません"_s,
            u"[Wrenly] ヘルプのページが見つかりません."_s + u"\r\n\r\n"_s +
                QDir::toNativeSeparators(QDir(m_helpFolder).filePath(HelpWindow::indexName())));
        return;
    }
    // A modal planner blocks every other window but its own children: the help then belongs to it.
    QWidget *owner = QApplication::activeModalWidget();
    if (!owner)
        owner = this;
    if (m_helpWindow && m_helpWindow->parentWidget() != owner)
        delete m_helpWindow;
    if (!m_helpWindow)
        m_helpWindow = new HelpWindow(m_helpFolder, owner);
    if (!page.isEmpty())
        m_helpWindow->showPage(page);
    m_helpWindow->show();
    m_helpWindow->raise();
    m_helpWindow->activateWindow();
}
