#include "dailyplan/DailyPlannerWindow.h"

#include "dailyplan/DiaryDialog.h"
#include "dailyplan/ListSettingsDialog.h"
#include "dailyplan/PadMemoDialog.h"
#include "dailyplan/PlanAreaWidget.h"
#include "dailyplan/PlannerData.h"
#include "dailyplan/RoutineSettingsDialog.h"
#include "data/DailyPlanPaths.h"
#include "data/DateText.h"
#include "data/DaySerial.h"
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
#include <QDateEdit>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScrollArea>
#include <QStatusBar>

using namespace Qt::StringLiterals;

namespace {

const QString unsavedText = u"未作成"_s;
const QColor skyBlue(166, 202, 240);

QString resizeNote()
{
    return u"本ウィンドウは高さ方向にのみ伸縮可能です.(最小高さ: 600ピクセル)"_s;
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
    m_planArea = new PlanAreaWidget(*this, m_day, this);
    connect(m_planArea, &PlanAreaWidget::padMemoRequested, this, &DailyPlannerWindow::openPadMemo);

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
    layoutParts();
    InstantMnemonics::apply(this);
    m_planArea->takeWheelOf(this);
}

DailyPlannerWindow::~DailyPlannerWindow()
{
    // The children go after this part of the object: the pads must not call back into it.
    m_planArea->destroyPads();
}

QAction *DailyPlannerWindow::addCommand(const QString &name, const QString &text)
{
    auto *command = new QAction(text, this);
    command->setObjectName(name);
    addAction(command);
    return command;
}

void DailyPlannerWindow::buildActions()
{
    m_saveDayAction = addCommand(u"saveDayAction"_s, u"保存(&S)"_s);
    m_openTodayAction = addCommand(u"openTodayAction"_s, u"今日のスケジュール(&T)"_s);
    m_openPastDayAction = addCommand(u"openPastDayAction"_s, u"過去のスケジュール(&P)..."_s);
    m_openDiaryAction = addCommand(u"openDiaryAction"_s, u"一日の終わりに(&D)..."_s);
    m_removePadAction = addCommand(u"removePadAction"_s, u"スケジュール・パッドを削除(&R)"_s);
    m_routineSettingsAction = addCommand(u"routineSettingsAction"_s, u"ルーチン設定(&S)..."_s);
    m_showRoutinesAction = addCommand(u"showRoutinesAction"_s, u"ルーチン表示(&R)"_s);
    m_registerRoutineAction = addCommand(u"registerRoutineAction"_s, u"ルーチン仮登録(&E)"_s);
    m_listSettingsAction = addCommand(u"listSettingsAction"_s, u"リスト項目を設定(&L)..."_s);
    m_helpContentsAction = addCommand(u"helpContentsAction"_s, u"目次(&C)..."_s);
    m_helpPageAction = addCommand(u"helpPageAction"_s, QString());
    m_helpPageAction->setShortcut(Qt::Key_F1);
    connect(m_saveDayAction, &QAction::triggered, this, &DailyPlannerWindow::saveDay);
    connect(m_openTodayAction, &QAction::triggered, this, &DailyPlannerWindow::openToday);
    connect(m_openPastDayAction, &QAction::triggered, this, &DailyPlannerWindow::openPastDay);
    connect(m_removePadAction, &QAction::triggered, this, &DailyPlannerWindow::removeSelectedPad);
    connect(m_openDiaryAction, &QAction::triggered, this, &DailyPlannerWindow::openDiary);
    connect(m_registerRoutineAction, &QAction::triggered, this,
            &DailyPlannerWindow::registerSelectedPadAsRoutine);
    connect(m_routineSettingsAction, &QAction::triggered, this, &DailyPlannerWindow::openRoutineSettings);
    connect(m_showRoutinesAction, &QAction::triggered, this, &DailyPlannerWindow::showRoutines);
    connect(m_listSettingsAction, &QAction::triggered, this, &DailyPlannerWindow::openListSettings);
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

    buildCommandButtons(x, w);
    m_commandPanel->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_commandPanel, &QWidget::customContextMenuRequested, this, &DailyPlannerWindow::showCommandMenu);
}

void DailyPlannerWindow::buildCommandButtons(int x, int w)
{
    struct Button
    {
        const char16_t *name;
        const char16_t *text;
        QAction *action;
        const char16_t *hint;
    };
    const Button buttons[] = {
        {u"btnRemovePad", u"パッドを削除", m_removePadAction,
         u"パッドを削除|選択されている(◆)スケジュール・パッドを削除します"},
        {u"btnEnterRoutine", u"ルーチン仮登録", m_registerRoutineAction,
         u"ルーチン仮登録|選択されているスケジュール・パッドをルーチンとして仮登録します"},
        {u"btnSetRoutine", u"ルーチン設定...", m_routineSettingsAction,
         u"ルーチン設定|ルーチンを設定・保存します"},
        {u"btnShowRoutine", u"ルーチン表示", m_showRoutinesAction,
         u"ルーチン表示|本日の曜日のルーチンを表示します"},
        {u"btnDiary", u"一日の終わりに...", m_openDiaryAction, u"一日の終わりに|ダイアリーを記入します"},
    };
    int y = 236;
    for (const Button &def : buttons) {
        auto *button = new QPushButton(QString::fromUtf16(def.text), m_commandPanel);
        button->setObjectName(QString::fromUtf16(def.name));
        button->setGeometry(x, y, w, 28);
        Hints::set(button, QString::fromUtf16(def.hint));
        connect(button, &QPushButton::clicked, def.action, &QAction::trigger);
        y += 32;
    }
    auto *saveButton = new QPushButton(m_saveDayAction->text(), m_commandPanel);
    saveButton->setObjectName(u"btnSave"_s);
    saveButton->setGeometry(x, y + 6, w, 50);
    QFont big = saveButton->font();
    big.setPointSize(14);
    big.setBold(true);
    saveButton->setFont(big);
    Hints::set(saveButton, u"保存|表示中のスケジュールをファイルに保存します"_s);
    connect(saveButton, &QPushButton::clicked, m_saveDayAction, &QAction::trigger);
    y += 64;
    auto *closeButton = new QPushButton(u"閉じる(&C)"_s, m_commandPanel);
    closeButton->setObjectName(u"btnExit"_s);
    closeButton->setGeometry(x, y, w, 28);
    Hints::set(closeButton,
               u"閉じる|デイリープラン作成を終了します (保存していない変更があれば保存するか確認します)"_s);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::reject);
}

void DailyPlannerWindow::showCommandMenu(const QPoint &pos)
{
    // Made on its first use: most openings of the planner never show it.
    if (!m_commandMenu) {
        m_commandMenu = new QMenu(this);
        m_commandMenu->addAction(m_openPastDayAction);
        m_commandMenu->addAction(m_openTodayAction);
        m_commandMenu->addSeparator();
        m_commandMenu->addAction(m_listSettingsAction);
        m_commandMenu->addSeparator();
        QMenu *help = m_commandMenu->addMenu(u"ヘルプ(&H)"_s);
        help->addAction(m_helpContentsAction);
    }
    m_commandMenu->popup(m_commandPanel->mapToGlobal(pos));
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
    m_planArea->setGeometry(0, jobs, w - commands, h - jobs - bar);
    m_busyCover->setGeometry(m_planArea->geometry().adjusted(-1, -1, 1, 1));
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
    m_planArea->setPadColorsFromRecords();
    // The focused pad makes its boxes right after the window has first painted, not before.
    const int count = m_day.padCount();
    if (count > 0)
        QTimer::singleShot(0, this, [this, count] { m_planArea->focusPadNumber(count); });

    WindowPlacer::place(this, {QPoint(0, 0), QSize(FixedWidth, MinimumHeight), false, true});
    layoutParts();
    m_planArea->setScrollPosition(PlanAreaWidget::InitialScroll);
    m_statusBar->showMessage(resizeNote());
    if (m_fileNameBox->text() == unsavedText)
        m_planArea->showFirstUseHint();
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

bool DailyPlannerWindow::hasUnsavedEdits() const
{
    // A new pad not yet kept counts too: closing would drop it.
    return m_day.hasUnsavedEdits() || m_planArea->hasUnkeptPad();
}

void DailyPlannerWindow::reject()
{
    if (!hasUnsavedEdits()) {
        QDialog::reject();
        return;
    }
    switch (m_services.dialogs.askSaveChanges(this)) {
    case Dialogs::Answer::Yes:
        m_planArea->keepUnkeptPads();
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
    m_planArea->destroyPads();
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
    m_busyCover->setGeometry(m_planArea->geometry().adjusted(-1, -1, 1, 1));
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
    m_planArea->setBars(m_day.bars());
    // The count follows the pads on screen, saved or not.
    showPadCount(lastUsedBar(m_day.bars()));
}

void DailyPlannerWindow::clearDay()
{
    m_planArea->destroyPads();
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
    m_planArea->destroyPads();
    // The scratch day of the routines has no diary of its own and is never saved to.
    if (path == DailyPlanPaths::temporaryFile(m_session.exeDir())) {
        m_day.takeScratchDay(day);
    } else {
        m_day.takeDay(day, snapshot);
        showFileOf(day, path);
    }
    m_planArea->showPadsFromRecords();
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
    m_planArea->focusPadNumber(count);
    playShutter();
}

bool DailyPlannerWindow::showDayFile(const QString &path)
{
    showCover();
    const bool loaded = loadDayFile(path);
    if (loaded) {
        m_planArea->setPadColorsFromRecords();
        m_planArea->focusPadNumber(m_day.padCount());
    }
    hideCover();
    if (loaded)
        playShutter();
    return loaded;
}

void DailyPlannerWindow::openToday()
{
    const QString today = m_day.todayFile();
    if (m_day.currentFile() == today)
        return;
    if (QFileInfo::exists(today)) {
        if (showDayFile(today))
            m_day.setCurrentFile(today);
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
    if (showDayFile(path))
        m_day.setCurrentFile(path);
}

bool DailyPlannerWindow::askAboutPad(int slot, const QString &doing, const QPoint &where)
{
    SchedulePad *pad = m_planArea->pad(slot);
    pad->setMarked(true);
    const QString question = u"スケジュール・パッドNo. "_s + QString::number(slot + 1) + doing +
                             u"\r\n\r\n"_s + u"処理を続行しますか？"_s;
    if (m_services.dialogs.askOkCancel(this, question, where) == Dialogs::Answer::Ok)
        return true;
    pad->focusPad();
    return false;
}

void DailyPlannerWindow::removeSelectedPad()
{
    const int slot = m_day.selectedPad();
    if (slot < 0 || slot >= PadSlots || !m_planArea->pad(slot) ||
        !askAboutPad(slot, u"を削除します."_s, QPoint(180, 250)))
        return;
    showCover();
    const int lastPad = m_day.removePad(slot);
    m_planArea->destroyPads();
    m_planArea->showPadsFromRecords();
    playShutter();
    paintBars();
    m_planArea->setPadColorsFromRecords();
    m_planArea->focusPadNumber(lastPad);
    hideCover();
}

void DailyPlannerWindow::registerSelectedPadAsRoutine()
{
    const int slot = m_day.selectedPad();
    if (m_data.routines.count() >= RoutineFile::RecordCount || slot < 0 || slot >= PadSlots ||
        !m_planArea->pad(slot) || !askAboutPad(slot, u"をルーチンとして仮登録します."_s, QPoint(180, 250)))
        return;
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
    if (!showDayFile(scratch))
        m_day.setDiary(diary);
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
