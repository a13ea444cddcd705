#include "dailyplan/DailyPlannerWindow.h"

#include "dailyplan/DayPaneWidget.h"
#include "dailyplan/DiaryDialog.h"
#include "dailyplan/DragColumnWidget.h"
#include "dailyplan/ListSettingsDialog.h"
#include "dailyplan/PadMemoDialog.h"
#include "dailyplan/PlannerData.h"
#include "dailyplan/RoutineSettingsDialog.h"
#include "dailyplan/TimeScaleWidget.h"
#include "data/DailyPlanPaths.h"
#include "data/DateText.h"
#include "data/DaySerial.h"
#include "data/SjisCodec.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/HintPanel.h"
#include "platform/Hints.h"
#include "platform/Services.h"
#include "platform/Shutter.h"
#include "platform/TextFit.h"
#include "platform/WindowPlacer.h"
#include "widgets/ColorFrame.h"
#include "widgets/FixedColours.h"
#include "widgets/InstantMnemonics.h"
#include "widgets/JobRowWidget.h"

#include <QAction>
#include <QApplication>
#include <QDateEdit>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

const QString unsavedText = u"未作成"_s;
const QColor skyBlue(166, 202, 240);

QString resizeNote()
{
    return u"本ウィンドウは高さ方向にのみ伸縮可能です.(最小高さ: 600ピクセル)"_s;
}

QString firstUseHintText()
{
    return u"　\r\n　左の白いドラッグ・エリア上で, \r\n　\r\n　およその開始時刻から終了時刻までドラッグしてください. \r\n　\r\n　(本メッセージは,左クリックで消えます.) \r\n　"_s;
}

void setBackground(QWidget *w, const QColor &color)
{
    FixedColours::setBackground(w, QPalette::Window, color);
    w->setAutoFillBackground(true);
}

QLabel *label(const QString &text, QWidget *parent, int x, int y)
{
    auto *l = new QLabel(text, parent);
    l->move(x, y);
    l->adjustSize();
    return l;
}

} // namespace

DailyPlannerWindow::DailyPlannerWindow(Session &session, Services &services, PlannerData &data,
                                       QWidget *parent)
    : QDialog(parent), m_session(session), m_services(services), m_data(data), m_day(data.day)
{
    setObjectName(u"frmAubrel"_s);
    setWindowTitle(u"デイリープラン作成 ～ Aubrel"_s);
    runDialog = [](QDialog &dialog) { dialog.exec(); };
    setFixedWidth(FixedWidth);
    setMinimumHeight(MinimumHeight);
    resize(FixedWidth, 700);

    m_statusBar = new QStatusBar(this);
    m_statusBar->setObjectName(u"StatusBar1"_s);
    m_statusBar->setSizeGripEnabled(false);
    m_padCountPanel = new QLabel(m_statusBar);
    m_padCountPanel->setMinimumWidth(110);
    m_routineCountPanel = new QLabel(m_statusBar);
    m_routineCountPanel->setMinimumWidth(110);
    m_statusBar->addPermanentWidget(m_padCountPanel);
    m_statusBar->addPermanentWidget(m_routineCountPanel);
    HintPanel::addTo(m_statusBar, u"StatusPanel0"_s);
    showPadCount(0);
    setRoutineCount(0);

    buildActions();
    buildJobsPanel();
    buildCommandPanel();
    buildPlan();

    m_busyCover = new QLabel(u"処理中・・・"_s, this);
    m_busyCover->setObjectName(u"pnlCover"_s);
    m_busyCover->setAlignment(Qt::AlignCenter);
    setBackground(m_busyCover, skyBlue);
    QFont coverFont = m_busyCover->font();
    coverFont.setPixelSize(24);
    m_busyCover->setFont(coverFont);
    QPalette coverText = m_busyCover->palette();
    coverText.setColor(QPalette::WindowText, Qt::white);
    m_busyCover->setPalette(coverText);
    m_busyCover->hide();

    for (QPushButton *b : findChildren<QPushButton *>())
        b->setAutoDefault(false);

    Hints::routeTo(this, m_statusBar);
    connect(qApp, &QApplication::focusChanged, this, &DailyPlannerWindow::markFocusedPad);
    qApp->installEventFilter(this); // the wheel over any part of the window scrolls the plan

    m_dragPause.setSingleShot(true);
    m_dragPause.setInterval(PauseMs);
    connect(&m_dragPause, &QTimer::timeout, this, [this] {
        // A button released during the pause has ended the drag.
        if (m_dragHeld)
            m_dragActive = true;
    });
    layoutParts();
    InstantMnemonics::apply(this);
}

DailyPlannerWindow::~DailyPlannerWindow()
{
    // The children go after this part of the object: they must not call back into it.
    qApp->removeEventFilter(this);
    disconnect(qApp, nullptr, this, nullptr);
    destroyPads();
}

void DailyPlannerWindow::buildActions()
{
    struct Def
    {
        const char16_t *name;
        const char16_t *text;
        const char16_t *category;
    };
    static const Def defs[] = {
        {u"FileSave1", u"保存(&S)", u"ファイル"},
        {u"ScheduleToday1", u"今日のスケジュール(&T)", u"スケジュール"},
        {u"SchedulePast1", u"過去のスケジュール(&P)...", u"スケジュール"},
        {u"ScheduleDiary1", u"一日の終わりに(&D)...", u"スケジュール"},
        {u"ScheduleRemovePad1", u"スケジュール・パッドを削除(&R)", u"スケジュール"},
        {u"RoutineSet1", u"ルーチン設定(&S)...", u"ルーチン"},
        {u"RoutineRead1", u"ルーチン表示(&R)", u"ルーチン"},
        {u"RoutineEntry1", u"ルーチン仮登録(&E)", u"ルーチン"},
        {u"OptionSetList1", u"リスト項目を設定(&L)...", u"オプション"},
        {u"HContentsAubrel", u"目次(&C)...", u"ヘルプ"},
    };
    for (const Def &def : defs) {
        auto *command = new QAction(QString::fromUtf16(def.text), this);
        command->setObjectName(QString::fromUtf16(def.name));
        command->setProperty("category", QString::fromUtf16(def.category));
        addAction(command);
    }
    connect(action(u"FileSave1"_s), &QAction::triggered, this, &DailyPlannerWindow::saveDay);
    connect(action(u"ScheduleToday1"_s), &QAction::triggered, this, &DailyPlannerWindow::openToday);
    connect(action(u"SchedulePast1"_s), &QAction::triggered, this, &DailyPlannerWindow::openPastDay);
    connect(action(u"ScheduleRemovePad1"_s), &QAction::triggered, this,
            &DailyPlannerWindow::removeSelectedPad);
    connect(action(u"ScheduleDiary1"_s), &QAction::triggered, this, &DailyPlannerWindow::openDiary);
    connect(action(u"RoutineEntry1"_s), &QAction::triggered, this,
            &DailyPlannerWindow::registerSelectedPadAsRoutine);
    connect(action(u"RoutineSet1"_s), &QAction::triggered, this, &DailyPlannerWindow::openRoutineSettings);
    connect(action(u"RoutineRead1"_s), &QAction::triggered, this, &DailyPlannerWindow::showRoutines);
    connect(action(u"OptionSetList1"_s), &QAction::triggered, this, &DailyPlannerWindow::openListSettings);
    connect(this, &DailyPlannerWindow::padMemoRequested, this, &DailyPlannerWindow::openPadMemo);
    m_helpPageAction = new QAction(this);
    m_helpPageAction->setObjectName(u"helpPageAction"_s);
    m_helpPageAction->setShortcut(Qt::Key_F1);
    addAction(m_helpPageAction);
}

QAction *DailyPlannerWindow::action(const QString &name) const
{
    return findChild<QAction *>(name, Qt::FindDirectChildrenOnly);
}

QAction *DailyPlannerWindow::routineEntryAction()
{
    return action(u"RoutineEntry1"_s);
}

void DailyPlannerWindow::buildJobsPanel()
{
    m_jobsPanel = new ColorFrame(skyBlue, this);
    m_jobsPanel->setObjectName(u"pnlToDoList"_s);
    m_jobsPanel->setFrameShape(QFrame::Panel);
    m_jobsPanel->setFrameShadow(QFrame::Raised);

    QLabel *heading = label(u"遂行中ジョブ リスト"_s, m_jobsPanel, 8, 6);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    heading->adjustSize();
    m_jobCountLabel = label(QString(), m_jobsPanel, 220, 6);
    m_jobCountLabel->setObjectName(u"lblCount"_s);
    setInProgressCount(0);

    const int rowsX = 8;
    label(u"データNo"_s, m_jobsPanel, rowsX + 6, 28);
    label(u"開始日"_s, m_jobsPanel, rowsX + 76, 28);
    label(u"終了日"_s, m_jobsPanel, rowsX + 166, 28);
    label(u"タイトル"_s, m_jobsPanel, rowsX + 256, 28);
    // The panel is painted sky blue: its labels are black whatever the theme.
    for (QLabel *l : m_jobsPanel->findChildren<QLabel *>())
        FixedColours::setText(l);

    m_jobsScroll = new QScrollArea(m_jobsPanel);
    m_jobsScroll->setObjectName(u"sboxToDoItems"_s);
    m_jobsScroll->setGeometry(rowsX, 46, JobRowWidget::RowWidth + 22, 68);
    m_jobsScroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_jobsScroll->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_jobsScroll->setFocusPolicy(Qt::NoFocus);
    m_jobRows = new ColorFrame(skyBlue);
    m_jobRows->resize(JobRowWidget::RowWidth + 2, 0);
    m_jobsScroll->setWidget(m_jobRows);
    Hints::set(m_jobsScroll, u"遂行中ジョブ|今月と前月のジョブのうち,本日遂行中のものの一覧です"_s);
}

void DailyPlannerWindow::addJobInProgress(MonthKind kind, int monthNumber, int dataNo, const JobRecord &job)
{
    auto *row = new JobRowWidget(kind, monthNumber, dataNo, job, m_jobRows);
    row->setBackground(QColor(0, 255, 255));
    row->move(1, m_jobRowCount * JobRowWidget::RowHeight);
    ++m_jobRowCount;
    m_jobRows->resize(JobRowWidget::RowWidth + 2, m_jobRowCount * JobRowWidget::RowHeight);
    row->show();
}

void DailyPlannerWindow::setInProgressCount(int count)
{
    m_jobCountLabel->setText(u"現在遂行中の件数： "_s + QString::number(count));
    m_jobCountLabel->adjustSize();
}

void DailyPlannerWindow::setRoutineCount(int count)
{
    m_routineCountPanel->setText(u"ルーチン総数: "_s + QString::number(count));
}

void DailyPlannerWindow::showPadCount(int count)
{
    m_padCountPanel->setText(u"データ総数: "_s + QString::number(count));
}

void DailyPlannerWindow::buildCommandPanel()
{
    m_commandPanel = new QFrame(this);
    m_commandPanel->setObjectName(u"pnlControls"_s);
    m_commandPanel->setFrameShape(QFrame::Panel);
    m_commandPanel->setFrameShadow(QFrame::Raised);
    const int x = 5;
    const int w = 105;

    label(u"本日の日付："_s, m_commandPanel, x, 8);
    m_todayBox = new QDateEdit(m_commandPanel);
    m_todayBox->setObjectName(u"dtpToday"_s);
    m_todayBox->setGeometry(x, 26, w, 22);
    m_todayBox->setDisplayFormat(DateText::longDateFormat());
    m_todayBox->setReadOnly(true);
    m_todayBox->setButtonSymbols(QAbstractSpinBox::NoButtons);
    m_todayBox->setFocusPolicy(Qt::NoFocus);
    Hints::set(m_todayBox, u"本日の日付|本日の日付です"_s);

    label(u"只今の時刻："_s, m_commandPanel, x, 56);
    m_clockBox = new QLineEdit(m_commandPanel);
    m_clockBox->setObjectName(u"edtNow"_s);
    m_clockBox->setGeometry(x, 74, w, 22);
    m_clockBox->setReadOnly(true);
    m_clockBox->setTextMargins(0, 0, 0, 0);
    QFont clockFont = m_clockBox->font();
    clockFont.setPointSize(8);
    m_clockBox->setFont(clockFont);
    Hints::set(m_clockBox, u"只今の時刻|[更新]ボタンで最新の時刻を表示します"_s);
    auto *updateButton = new QPushButton(u"更新"_s, m_commandPanel);
    updateButton->setObjectName(u"btnUpdate"_s);
    updateButton->setGeometry(x + w - 50, 99, 50, 22);
    Hints::set(updateButton, u"更新|現在の時刻を表示します"_s);
    connect(updateButton, &QPushButton::clicked, this, &DailyPlannerWindow::updateClock);

    label(u"ファイル名："_s, m_commandPanel, x, 130);
    m_fileNameBox = new QLineEdit(m_commandPanel);
    m_fileNameBox->setObjectName(u"edtThisFile"_s);
    m_fileNameBox->setGeometry(x, 148, w, 22);
    m_fileNameBox->setReadOnly(true);
    Hints::set(m_fileNameBox, u"ファイル名|表示中のスケジュールのファイル名です"_s);

    label(u"ファイル作成日："_s, m_commandPanel, x, 178);
    m_createdOnEdit = new QDateEdit(m_commandPanel);
    m_createdOnEdit->setObjectName(u"dtpPrepDate"_s);
    m_createdOnEdit->setGeometry(x, 196, w, 22);
    m_createdOnEdit->setDisplayFormat(DateText::longDateFormat());
    m_createdOnEdit->setReadOnly(true);
    m_createdOnEdit->setButtonSymbols(QAbstractSpinBox::NoButtons);
    m_createdOnEdit->setFocusPolicy(Qt::NoFocus);
    Hints::set(m_createdOnEdit, u"ファイル作成日|表示中のスケジュールのファイルを作成した日付です"_s);

    struct Button
    {
        const char16_t *name;
        const char16_t *text;
        const char16_t *action;
        const char16_t *hint;
    };
    static const Button buttons[] = {
        {u"btnRemovePad", u"パッドを削除", u"ScheduleRemovePad1",
         u"パッドを削除|選択されている(◆)スケジュール・パッドを削除します"},
        {u"btnEnterRoutine", u"ルーチン仮登録", u"RoutineEntry1",
         u"ルーチン仮登録|選択されているスケジュール・パッドをルーチンとして仮登録します"},
        {u"btnSetRoutine", u"ルーチン設定...", u"RoutineSet1", u"ルーチン設定|ルーチンを設定・保存します"},
        {u"btnShowRoutine", u"ルーチン表示", u"RoutineRead1",
         u"ルーチン表示|本日の曜日のルーチンを表示します"},
        {u"btnDiary", u"一日の終わりに...", u"ScheduleDiary1", u"一日の終わりに|ダイアリーを記入します"},
    };
    int y = 236;
    for (const Button &def : buttons) {
        auto *button = new QPushButton(QString::fromUtf16(def.text), m_commandPanel);
        button->setObjectName(QString::fromUtf16(def.name));
        button->setGeometry(x, y, w, 28);
        Hints::set(button, QString::fromUtf16(def.hint));
        connect(button, &QPushButton::clicked, action(QString::fromUtf16(def.action)), &QAction::trigger);
        y += 32;
    }
    auto *saveButton = new QPushButton(action(u"FileSave1"_s)->text(), m_commandPanel);
    saveButton->setObjectName(u"btnSave"_s);
    saveButton->setGeometry(x, y + 6, w, 50);
    QFont big = saveButton->font();
    big.setPointSize(14);
    big.setBold(true);
    saveButton->setFont(big);
    Hints::set(saveButton, u"保存|表示中のスケジュールをファイルに保存します"_s);
    connect(saveButton, &QPushButton::clicked, action(u"FileSave1"_s), &QAction::trigger);
    y += 64;
    auto *closeButton = new QPushButton(u"閉じる(&C)"_s, m_commandPanel);
    closeButton->setObjectName(u"btnExit"_s);
    closeButton->setGeometry(x, y, w, 28);
    Hints::set(closeButton, u"閉じる|デイリープラン作成を終了します (保存していない変更は破棄されます)"_s);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::reject);

    m_commandPanel->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_commandPanel, &QWidget::customContextMenuRequested, this, [this](const QPoint &pos) {
        // Made on its first use: most openings of the planner never show it.
        if (!m_commandMenu) {
            m_commandMenu = new QMenu(this);
            m_commandMenu->addAction(action(u"SchedulePast1"_s));
            m_commandMenu->addAction(action(u"ScheduleToday1"_s));
            m_commandMenu->addSeparator();
            m_commandMenu->addAction(action(u"OptionSetList1"_s));
            m_commandMenu->addSeparator();
            QMenu *help = m_commandMenu->addMenu(u"ヘルプ(&H)"_s);
            help->addAction(action(u"HContentsAubrel"_s));
        }
        m_commandMenu->popup(m_commandPanel->mapToGlobal(pos));
    });
}

void DailyPlannerWindow::buildPlan()
{
    m_planScroll = new QScrollArea(this);
    m_planScroll->setObjectName(u"sboxMain"_s);
    m_planScroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_planScroll->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_planScroll->setWidgetResizable(false);

    const int planWidth = 1 + 300 + 48 + 300 + 1;
    m_planHolder = new QWidget;
    m_planHolder->setObjectName(u"pnlBase"_s);
    m_planHolder->setFixedSize(planWidth + 12, 2904);
    m_plan = new ColorFrame(Qt::white, m_planHolder);
    m_plan->setObjectName(u"pnlFrame"_s);
    m_plan->setGeometry(6, 0, planWidth, PlanLayout::PlanHeight);

    auto *left = new DayPaneWidget(TimeAxis::leftPaneBands(), m_plan);
    left->setObjectName(u"pbxFrameL"_s);
    left->setGeometry(1, 1, 300, 2882);
    auto *right = new DayPaneWidget(TimeAxis::rightPaneBands(), m_plan);
    right->setObjectName(u"pbxFrameR"_s);
    right->setGeometry(1 + 300 + 48, 1, 300, 2882);

    auto *timeStrip = new ColorFrame(QColor(112, 128, 144), m_plan);
    timeStrip->setObjectName(u"pnlTime"_s);
    timeStrip->setGeometry(301, 1, 48, 2882);
    auto *leftHolder = new QWidget(timeStrip);
    leftHolder->setObjectName(u"pnlTimeL"_s);
    leftHolder->setGeometry(1, 1, 12, TimeAxis::Rows);
    m_leftColumn = new DragColumnWidget(DragColumnWidget::Side::Left, leftHolder);
    m_leftColumn->setObjectName(u"pbxTimeL"_s);
    m_leftColumn->setGeometry(0, 0, 12, TimeAxis::Rows);
    auto *scale = new TimeScaleWidget(timeStrip);
    scale->setObjectName(u"pbxTime"_s);
    scale->move(13, 1);
    auto *rightHolder = new QWidget(timeStrip);
    rightHolder->setObjectName(u"pnlTimeR"_s);
    rightHolder->setGeometry(34, 1, 13, TimeAxis::Rows);
    m_rightColumn = new DragColumnWidget(DragColumnWidget::Side::Right, rightHolder);
    m_rightColumn->setObjectName(u"pbxTimeR"_s);
    m_rightColumn->setGeometry(0, 0, 13, TimeAxis::Rows);
    for (DragColumnWidget *column : {m_leftColumn, m_rightColumn}) {
        Hints::set(
            column,
            u"ドラッグ・エリア|およその開始時刻から終了時刻までドラッグすると,スケジュール・パッドを作成します"_s);
        connect(column, &DragColumnWidget::pressed, this, &DailyPlannerWindow::dragPress);
        connect(column, &DragColumnWidget::moved, this, &DailyPlannerWindow::dragMove);
        connect(column, &DragColumnWidget::released, this, &DailyPlannerWindow::dragRelease);
    }
    Hints::set(scale, u"時刻|時刻の目盛りです (5分ごと)"_s);

    m_firstUseHint = new ColorFrame(QColor(255, 251, 240), m_plan);
    m_firstUseHint->setObjectName(u"pnlIniHint"_s);
    m_firstUseHint->setFrameShape(QFrame::Box);
    auto *hintText = new QLabel(m_firstUseHint);
    hintText->setObjectName(u"lblIniHint"_s);
    FixedColours::setText(hintText);
    hintText->move(1, 1);
    m_firstUseHint->installEventFilter(this);
    hintText->installEventFilter(this);
    m_firstUseHint->hide();

    m_planScroll->setWidget(m_planHolder);
}

void DailyPlannerWindow::layoutParts()
{
    const int w = width();
    const int h = height();
    const int bar = m_statusBar->sizeHint().height();
    const int commands = 115;
    const int jobs = 120;
    m_statusBar->setGeometry(0, h - bar, w, bar);
    m_commandPanel->setGeometry(w - commands, 0, commands, h - bar);
    m_jobsPanel->setGeometry(0, 0, w - commands, jobs);
    m_planScroll->setGeometry(0, jobs, w - commands, h - jobs - bar);
    m_busyCover->setGeometry(m_planScroll->geometry().adjusted(-1, -1, 1, 1));
}

void DailyPlannerWindow::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    // Size hints bind only a window manager: without one the window keeps its rule itself.
    const QSize allowed(FixedWidth, qMax(MinimumHeight, height()));
    if (size() != allowed)
        resize(allowed);
    layoutParts();
}

void DailyPlannerWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    setPadColorsFromRecords();
    // The focused pad makes its boxes right after the window has first painted, not before.
    const int count = m_day.padCount();
    if (count > 0)
        QTimer::singleShot(0, this, [this, count] { focusPadNumber(count); });

    WindowPlacer::place(this, {QPoint(0, 0), QSize(FixedWidth, MinimumHeight), false, true});
    layoutParts();
    setScrollPosition(InitialScroll);
    m_statusBar->showMessage(resizeNote());
    if (m_fileNameBox->text() == unsavedText)
        showFirstUseHint();
}

void DailyPlannerWindow::showFirstUseHint()
{
    auto *hintText = m_firstUseHint->findChild<QLabel *>(u"lblIniHint"_s);
    hintText->setText(Sjis::fromCrLf(firstUseHintText()));
    // Within the right pane, whatever the face's widths: a line too long wraps.
    hintText->setWordWrap(true);
    hintText->resize(SchedulePad::Width, hintText->heightForWidth(SchedulePad::Width));
    m_firstUseHint->resize(hintText->width() + 2, hintText->height() + 2);
    m_firstUseHint->move(PlanLayout::RightPaneX, 303);
    m_firstUseHint->raise();
    m_firstUseHint->show();
}

void DailyPlannerWindow::keyPressEvent(QKeyEvent *event)
{
    // Esc must not drop a day's unsaved work: the planner closes with its button or close box.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool DailyPlannerWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Wheel && watched->isWidgetType() &&
        static_cast<QWidget *>(watched)->window() == this) {
        m_wheelRemainder += static_cast<QWheelEvent *>(event)->angleDelta().y();
        const int notches = m_wheelRemainder / 120;
        m_wheelRemainder -= notches * 120;
        scrollBy(-notches * RowsPerNotch);
        return true;
    }
    if (event->type() == QEvent::MouseButtonPress &&
        (watched == m_firstUseHint || watched->parent() == m_firstUseHint) &&
        static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        m_firstUseHint->hide();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

int DailyPlannerWindow::scrollPosition() const
{
    return m_planScroll->verticalScrollBar()->value();
}

void DailyPlannerWindow::setScrollPosition(int rows)
{
    m_planScroll->verticalScrollBar()->setValue(rows);
}

void DailyPlannerWindow::scrollBy(int rows)
{
    setScrollPosition(scrollPosition() + rows);
}

bool DailyPlannerWindow::hasUnsavedEdits() const
{
    // A new pad not yet kept counts too: closing would drop it.
    return m_day.hasUnsavedEdits() ||
           std::any_of(m_pads.begin(), m_pads.end(), [](const SchedulePad *p) { return p && !p->isKept(); });
}

void DailyPlannerWindow::reject()
{
    if (!hasUnsavedEdits()) {
        QDialog::reject();
        return;
    }
    switch (m_services.dialogs.askSaveChanges(this)) {
    case Dialogs::Answer::Yes:
        for (SchedulePad *pad : m_pads) {
            if (pad && !pad->isKept())
                pad->keepPad();
        }
        saveDay();
        // A pad whose times could not be kept, or a failed save, was shown: the planner stays.
        if (!hasUnsavedEdits())
            QDialog::reject();
        return;
    case Dialogs::Answer::No:
        QDialog::reject();
        return;
    default:
        return;
    }
}

void DailyPlannerWindow::done(int result)
{
    destroyPads();
    QDialog::done(result);
}

void DailyPlannerWindow::setToday(const QDate &date)
{
    m_todayBox->setDate(date);
}

QString DailyPlannerWindow::clockText(const QTime &time)
{
    // "AM/PM hh'時' mm'分' ss'秒'": twelve-hour clock, where 0 o'clock reads 12.
    const int h12 = time.hour() % 12 == 0 ? 12 : time.hour() % 12;
    auto two = [](int n) { return QString::number(n).rightJustified(2, u'0'); };
    return (time.hour() < 12 ? u"AM "_s : u"PM "_s) + two(h12) + u"時 "_s + two(time.minute()) + u"分 "_s +
           two(time.second()) + u"秒"_s;
}

void DailyPlannerWindow::updateClock()
{
    const QString text = clockText(m_services.clock.now().time());
    // The panel is narrow: step the font down until the whole time shows.
    m_clockBox->setFont(TextFit::fittingFont(m_clockBox->font(), 9, text, m_clockBox->width(), 6));
    m_clockBox->setText(text);
    m_clockBox->setCursorPosition(0);
}

void DailyPlannerWindow::showUnsaved(const QDate &createdOn)
{
    m_fileNameBox->setText(unsavedText);
    m_createdOnEdit->setDate(createdOn);
}

void DailyPlannerWindow::showFileOf(const DayFile &day, const QString &path)
{
    m_fileNameBox->setText(day.nameToShow(path));
    m_fileNameBox->setCursorPosition(0);
    m_createdOnEdit->setDate(DaySerial::toDate(day.createdOn));
}

DayPlan &DailyPlannerWindow::dayPlan()
{
    return m_day;
}

const ListBook &DailyPlannerWindow::lists()
{
    return m_data.lists;
}

Dialogs &DailyPlannerWindow::padDialogs()
{
    return m_services.dialogs;
}

void DailyPlannerWindow::playShutter()
{
    Shutter::play(m_session.exeDir(), m_services, this);
}

void DailyPlannerWindow::showCover()
{
    m_busyCover->setGeometry(m_planScroll->geometry().adjusted(-1, -1, 1, 1));
    m_busyCover->raise();
    m_busyCover->show();
    m_busyCover->repaint();
}

void DailyPlannerWindow::hideCover()
{
    m_busyCover->hide();
}

void DailyPlannerWindow::paintBars()
{
    m_leftColumn->setBars(m_day.bars());
    m_rightColumn->setBars(m_day.bars());
    // The count follows the pads on screen, saved or not.
    showPadCount(lastUsedBar(m_day.bars()));
}

SchedulePad *DailyPlannerWindow::createPad(int slot, const SchedulePadRecord &record)
{
    // The slot decides the number: a damaged PadNo must not send a pad's edits to another record.
    auto *pad = new SchedulePad(slot + 1, *this, m_plan);
    pad->setFromRecord(record);
    pad->setKept(true);
    const int maxLeft = m_plan->width() - SchedulePad::Width;
    const int maxTop = m_plan->height() - SchedulePad::Height;
    pad->move(qBound(0, int(record.padLeft), maxLeft), qBound(0, int(record.padTop), maxTop));
    connect(pad, &SchedulePad::memoRequested, this, &DailyPlannerWindow::padMemoRequested);
    m_pads[slot] = pad;
    pad->show();
    return pad;
}

SchedulePad *DailyPlannerWindow::createNewPad(int slot, int left, int startRow, int endRow)
{
    auto *pad = new SchedulePad(slot + 1, *this, m_plan);
    pad->setTimes(TimeAxis::rowToTime(startRow), TimeAxis::rowToTime(endRow));
    pad->setKept(false);
    pad->move(left, PlanLayout::placement().padTopFor(startRow));
    connect(pad, &SchedulePad::memoRequested, this, &DailyPlannerWindow::padMemoRequested);
    m_pads[slot] = pad;
    pad->show();
    pad->focusPad();
    return pad;
}

void DailyPlannerWindow::destroyPads()
{
    for (SchedulePad *&pad : m_pads) {
        delete pad;
        pad = nullptr;
    }
}

void DailyPlannerWindow::showPadsFromRecords()
{
    for (int k = 0; k < PadSlots; ++k) {
        if (m_day.pad(k).hasTimes())
            createPad(k, m_day.pad(k));
    }
}

void DailyPlannerWindow::setPadColorsFromRecords()
{
    for (int k = 0; k < PadSlots; ++k) {
        if (m_pads[k] && m_day.pad(k).hasTimes())
            m_pads[k]->setColorValue(m_day.pad(k).barColor);
    }
}

void DailyPlannerWindow::focusPadNumber(int number)
{
    if (number > 0 && number <= PadSlots && m_pads[number - 1])
        m_pads[number - 1]->focusPad();
}

SchedulePad *DailyPlannerWindow::padOf(QWidget *widget) const
{
    for (QWidget *w = widget; w; w = w->parentWidget()) {
        if (auto *pad = qobject_cast<SchedulePad *>(w))
            return pad->parentWidget() == m_plan ? pad : nullptr;
    }
    return nullptr;
}

void DailyPlannerWindow::markFocusedPad(QWidget *old, QWidget *now)
{
    // Boxes and other windows taking the focus leave the mark where it is.
    if (!now || now->window() != this)
        return;
    SchedulePad *was = padOf(old);
    SchedulePad *is = padOf(now);
    if (was && was != is)
        was->setMarked(false);
    if (is) {
        is->setMarked(true);
        m_day.selectPad(is->number() - 1);
    }
}

void DailyPlannerWindow::clearDay()
{
    destroyPads();
    m_day.clearDay();
    paintBars();
}

bool DailyPlannerWindow::loadDayFile(const QString &path)
{
    DayFile day;
    SafeFile::Snapshot snapshot;
    const SafeFile::Result r = DayPlan::read(path, &day, &snapshot);
    if (!r) {
        m_services.dialogs.fileError(this, FileOperation::Read, path, r.error);
        return false;
    }
    destroyPads();
    // The scratch day of the routines has no diary of its own and is never saved to.
    if (path == DailyPlanPaths::temporaryFile(m_session.exeDir())) {
        m_day.takeScratchDay(day);
    } else {
        m_day.takeDay(day, snapshot);
        showFileOf(day, path);
    }
    showPadsFromRecords();
    paintBars();
    showPadCount(m_day.padCount());
    return true;
}

void DailyPlannerWindow::saveDay()
{
    bool created = false;
    const SafeFile::Result r = m_day.save(DaySerial::fromDate(m_services.clock.today()), &created);
    if (r.changedOnDisk) {
        // The pads on screen stay as they are, to be saved again over what is now on disk.
        m_services.dialogs.changedOnDisk(this, m_day.currentFile());
        if (m_day.reread())
            showFileOf(m_day.image(), m_day.currentFile());
        return;
    }
    if (!r) {
        m_services.dialogs.fileError(this, FileOperation::Write, m_day.currentFile(), r.error);
        return;
    }
    if (created)
        showFileOf(m_day.image(), m_day.currentFile());
    const int count = m_day.padCount();
    showPadCount(count);
    focusPadNumber(count);
    playShutter();
}

void DailyPlannerWindow::openToday()
{
    const QString today = m_day.todayFile();
    if (m_day.currentFile() == today)
        return;
    if (QFileInfo::exists(today)) {
        showCover();
        if (!loadDayFile(today)) {
            hideCover();
            return;
        }
        m_day.setCurrentFile(today);
        setPadColorsFromRecords();
        focusPadNumber(m_day.padCount());
        hideCover();
        playShutter();
        return;
    }
    m_day.setCurrentFile(today);
    clearDay();
    showUnsaved(m_services.clock.today()); // the date a save would give the file
    showPadCount(0); // the cleared day has no pads; the count of the last day would be wrong
}

void DailyPlannerWindow::openPastDay()
{
    const QString path = m_services.dialogs.openFileName(this, u"過去のスケジュール"_s, m_day.monthFolder(),
                                                         u"Dawnpadファイル (*.dtf)"_s);
    if (path.isEmpty() || QDir::cleanPath(path) == QDir::cleanPath(m_day.todayFile()) ||
        !QFileInfo::exists(path))
        return;
    showCover();
    if (!loadDayFile(path)) {
        hideCover();
        return;
    }
    m_day.setCurrentFile(path);
    setPadColorsFromRecords();
    focusPadNumber(m_day.padCount());
    hideCover();
    playShutter();
}

void DailyPlannerWindow::removeSelectedPad()
{
    const int slot = m_day.selectedPad();
    if (slot < 0 || slot >= PadSlots || !m_pads[slot])
        return;
    SchedulePad *pad = m_pads[slot];
    pad->setMarked(true);
    const QString question = u"スケジュール・パッドNo. "_s + QString::number(slot + 1) + u"を削除します."_s +
                             u"\r\n\r\n"_s + u"処理を続行しますか？"_s;
    if (m_services.dialogs.askOkCancel(this, question, QPoint(180, 250)) != Dialogs::Answer::Ok) {
        pad->focusPad();
        return;
    }
    showCover();
    const int lastPad = m_day.removePad(slot);
    destroyPads();
    showPadsFromRecords();
    playShutter();
    paintBars();
    setPadColorsFromRecords();
    focusPadNumber(lastPad);
    hideCover();
}

void DailyPlannerWindow::dragPress(DragColumnWidget *, Qt::MouseButton button, int y)
{
    if (button != Qt::LeftButton)
        return;
    m_dragStartRow = y;
    m_dragArmed = true;
    m_dragActive = true;
    m_dragHeld = true;
}

void DailyPlannerWindow::dragMove(DragColumnWidget *, int y)
{
    if (!m_dragActive)
        return;
    m_dragEndRow = y;
    const int top = scrollPosition();
    const int bottom = top + m_planScroll->viewport()->height();
    if (bottom - y < AutoScrollMargin) {
        scrollBy(AutoScrollStep);
        pauseDrag();
    }
    if (y - top < AutoScrollMargin) {
        scrollBy(-AutoScrollStep);
        pauseDrag();
    }
}

void DailyPlannerWindow::pauseDrag()
{
    // Moves that arrive during the pause neither record a row nor scroll again; the event loop
    // keeps running meanwhile.
    m_dragActive = false;
    m_dragPause.start();
}

void DailyPlannerWindow::dragRelease(DragColumnWidget *column, Qt::MouseButton button, int y)
{
    if (button == Qt::LeftButton) {
        m_dragHeld = false;
        m_dragPause.stop();
    }
    m_dragActive = false;
    if (lastUsedBar(m_day.bars()) >= PadSlots || button != Qt::LeftButton || !m_dragArmed)
        return;
    m_dragEndRow = y;
    if (m_dragEndRow < m_dragStartRow)
        std::swap(m_dragStartRow, m_dragEndRow);
    if (m_dragStartRow < 0)
        m_dragStartRow = 0;
    if (m_dragEndRow >= TimeAxis::Rows)
        m_dragEndRow = TimeAxis::LastRow;

    int slot = 0;
    while (slot < PadSlots && m_pads[slot])
        ++slot;
    if (slot == PadSlots) {
        m_dragArmed = false;
        playShutter();
        return;
    }
    const int left = column == m_leftColumn ? PlanLayout::LeftPaneX : PlanLayout::RightPaneX;
    // A drag that scrolled ends far from its start, where the pad goes: the view follows the pad.
    m_planScroll->ensureWidgetVisible(createNewPad(slot, left, m_dragStartRow, m_dragEndRow), 0, 10);
    m_dragArmed = false;
    playShutter();
}

void DailyPlannerWindow::registerSelectedPadAsRoutine()
{
    const int slot = m_day.selectedPad();
    if (m_data.routines.count() >= RoutineFile::RecordCount || slot < 0 || slot >= PadSlots || !m_pads[slot])
        return;
    SchedulePad *pad = m_pads[slot];
    pad->setMarked(true);
    const QString question = u"スケジュール・パッドNo. "_s + QString::number(slot + 1) +
                             u"をルーチンとして仮登録します."_s + u"\r\n\r\n"_s + u"処理を続行しますか？"_s;
    if (m_services.dialogs.askOkCancel(this, question, QPoint(180, 250)) != Dialogs::Answer::Ok) {
        pad->focusPad();
        return;
    }
    // From the record as last kept, not from the boxes; it lives in memory until the settings save it.
    m_data.routines.registerPad(m_day.pad(slot));
    setRoutineCount(m_data.routines.count());
}

void DailyPlannerWindow::openRoutineSettings()
{
    RoutineSettingsDialog dialog(m_data.routines, m_data.lists, m_services,
                                 DailyPlanPaths::routineFile(m_session.exeDir()), this);
    dialog.reportCount = [this](int count) { setRoutineCount(count); };
    dialog.runDialog = runDialog;
    runDialog(dialog);
    // "閉じる" dropped what was not saved, a provisional routine too.
    setRoutineCount(m_data.routines.count());
}

void DailyPlannerWindow::showRoutines()
{
    if (RoutineFile::countRoutines(m_data.routines.saved()) == 0)
        return; // only saved routines are shown
    if (lastUsedBar(m_day.bars()) != 0) {
        const QString question =
            u"表示されているパッドを削除した後,ルーチンを表示します.\r\n\r\n処理を続行しますか？"_s;
        if (m_services.dialogs.askOkCancel(this, question, QPoint(150, 250)) != Dialogs::Answer::Ok)
            return;
    }
    showCover();
    // The routines of today's weekday, whichever day is shown; the day keeps its file name and date.
    const DayFile day = m_data.routines.dayOf(m_services.clock.today().dayOfWeek() % 7, m_day.image());
    const QString scratch = DailyPlanPaths::temporaryFile(m_session.exeDir());
    // Written before the shown day is cleared, so a failure leaves the day on screen.
    const SafeFile::Result r = DayPlan::writeScratchDay(scratch, day);
    if (!r) {
        hideCover();
        m_services.dialogs.fileError(this, FileOperation::Write, scratch, r.error);
        return;
    }
    const DiaryRecord diary = m_day.diary();
    m_day.setDiary({}); // the routines' day starts without a diary
    if (!loadDayFile(scratch)) {
        m_day.setDiary(diary);
        hideCover();
        return;
    }
    setPadColorsFromRecords();
    focusPadNumber(lastUsedBar(m_day.bars()));
    hideCover();
    playShutter();
}

void DailyPlannerWindow::openListSettings()
{
    ListSettingsDialog dialog(m_data.lists, m_services.dialogs, DailyPlanPaths::listFile(m_session.exeDir()),
                              this);
    runDialog(dialog);
}

void DailyPlannerWindow::openDiary()
{
    // A day without its file has no diary yet.
    if (m_dialogOpen || m_fileNameBox->text() == unsavedText)
        return;
    m_dialogOpen = true;
    DiaryDialog dialog(m_day, m_data.lists, this);
    runDialog(dialog);
    m_dialogOpen = false;
}

void DailyPlannerWindow::openPadMemo(int number)
{
    if (m_dialogOpen || number < 1 || number > PadSlots)
        return;
    m_dialogOpen = true;
    PadMemoDialog dialog(PadMemoDialog::Target::SchedulePad, number, m_day.pad(number - 1).memo, this);
    dialog.keepMemo = [this, number](const QString &memo) { m_day.setPadMemo(number - 1, memo); };
    runDialog(dialog);
    m_dialogOpen = false;
}
