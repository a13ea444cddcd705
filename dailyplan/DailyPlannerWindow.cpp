#include "dailyplan/DailyPlannerWindow.h"
#include "ui_DailyPlannerWindow.h"

#include "dailyplan/DiaryDialog.h"
#include "dailyplan/JobsInProgressPanel.h"
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
#include "widgets/CaptionLabel.h"
#include "widgets/FixedColours.h"
#include "widgets/InstantMnemonics.h"

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

QString resizeNote()
{
    return u"本ウィンドウは高さ方向にのみ伸縮可能です.(最小高さ: 600ピクセル)"_s;
}

void setBackground(QWidget *w, const QColor &color)
{
    FixedColours::setBackground(w, QPalette::Window, color);
    w->setAutoFillBackground(true);
}

} // namespace

DailyPlannerWindow::DailyPlannerWindow(Session &session, Services &services, PlannerData &plannerData,
                                       QWidget *parent)
    : QDialog(parent), m_session(session), m_services(services), m_data(plannerData), m_day(plannerData.day),
      m_ui(std::make_unique<Ui::DailyPlannerWindow>())
{
    runDialog = [](QDialog &dialog) { dialog.exec(); };
    setFixedWidth(FixedWidth);
    setMinimumHeight(MinimumHeight);

    m_statusBar = new QStatusBar(this);
    m_statusBar->setObjectName(u"statusBar"_s);
    m_statusBar->setSizeGripEnabled(false);
    m_padCountPanel = new CaptionLabel(m_statusBar);
    m_padCountPanel->setMinimumWidth(110);
    m_routineCountPanel = new CaptionLabel(m_statusBar);
    m_routineCountPanel->setMinimumWidth(110);
    m_statusBar->addPermanentWidget(m_padCountPanel);
    m_statusBar->addPermanentWidget(m_routineCountPanel);
    HintPanel::addTo(m_statusBar, u"StatusPanel0"_s);
    showPadCount(0);
    setRoutineCount(0);

    m_jobs = std::make_unique<JobsInProgressPanel>(this);
    m_ui->setupUi(this);
    wireCommands();
    m_planArea = new PlanAreaWidget(*this, m_day, this);
    connect(m_planArea, &PlanAreaWidget::padMemoRequested, this, &DailyPlannerWindow::openPadMemo);

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

QAction *DailyPlannerWindow::saveDayAction() const
{
    return m_ui->saveDayAction;
}

QAction *DailyPlannerWindow::openTodayAction() const
{
    return m_ui->openTodayAction;
}

QAction *DailyPlannerWindow::openPastDayAction() const
{
    return m_ui->openPastDayAction;
}

QAction *DailyPlannerWindow::listSettingsAction() const
{
    return m_ui->listSettingsAction;
}

QAction *DailyPlannerWindow::helpContentsAction() const
{
    return m_ui->helpContentsAction;
}

QAction *DailyPlannerWindow::helpPageAction() const
{
    return m_ui->helpPageAction;
}

QAction *DailyPlannerWindow::routineEntryAction()
{
    return m_ui->registerRoutineAction;
}

void DailyPlannerWindow::wireCommands()
{
    const auto wire = [this](QAbstractButton *button, QAction *action) {
        connect(button, &QAbstractButton::clicked, action, &QAction::trigger);
    };
    wire(m_ui->removePadButton, m_ui->removePadAction);
    wire(m_ui->registerRoutineButton, m_ui->registerRoutineAction);
    wire(m_ui->routineSettingsButton, m_ui->routineSettingsAction);
    wire(m_ui->showRoutinesButton, m_ui->showRoutinesAction);
    wire(m_ui->diaryButton, m_ui->openDiaryAction);
    wire(m_ui->saveButton, m_ui->saveDayAction);
    connect(m_ui->closeButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_ui->updateClockButton, &QPushButton::clicked, this, &DailyPlannerWindow::updateClock);
    connect(m_ui->saveDayAction, &QAction::triggered, this, &DailyPlannerWindow::saveDay);
    connect(m_ui->openTodayAction, &QAction::triggered, this, &DailyPlannerWindow::openToday);
    connect(m_ui->openPastDayAction, &QAction::triggered, this, &DailyPlannerWindow::openPastDay);
    connect(m_ui->removePadAction, &QAction::triggered, this, &DailyPlannerWindow::removeSelectedPad);
    connect(m_ui->openDiaryAction, &QAction::triggered, this, &DailyPlannerWindow::openDiary);
    connect(m_ui->registerRoutineAction, &QAction::triggered, this,
            &DailyPlannerWindow::registerSelectedPadAsRoutine);
    connect(m_ui->routineSettingsAction, &QAction::triggered, this, &DailyPlannerWindow::openRoutineSettings);
    connect(m_ui->showRoutinesAction, &QAction::triggered, this, &DailyPlannerWindow::showRoutines);
    connect(m_ui->listSettingsAction, &QAction::triggered, this, &DailyPlannerWindow::openListSettings);

    m_ui->clockEdit->setTextMargins(0, 0, 0, 0);
    for (QLabel *l : m_ui->commandPanel->findChildren<QLabel *>())
        l->adjustSize();
    m_ui->commandPanel->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_ui->commandPanel, &QWidget::customContextMenuRequested, this,
            &DailyPlannerWindow::showCommandMenu);
    setCommandHints();
}

void DailyPlannerWindow::setCommandHints()
{
    const std::pair<QWidget *, const char16_t *> hints[] = {
        {m_ui->todayDateEdit, u"本日の日付|本日の日付です"},
        {m_ui->clockEdit, u"只今の時刻|[更新]ボタンで最新の時刻を表示します"},
        {m_ui->updateClockButton, u"更新|現在の時刻を表示します"},
        {m_ui->fileNameEdit, u"ファイル名|表示中のスケジュールのファイル名です"},
        {m_ui->createdOnDateEdit, u"ファイル作成日|表示中のスケジュールのファイルを作成した日付です"},
        {m_ui->removePadButton, u"パッドを削除|選択されている(◆)スケジュール・パッドを削除します"},
        {m_ui->registerRoutineButton,
         u"ルーチン仮登録|選択されているスケジュール・パッドをルーチンとして仮登録します"},
        {m_ui->routineSettingsButton, u"ルーチン設定|ルーチンを設定・保存します"},
        {m_ui->showRoutinesButton, u"ルーチン表示|本日の曜日のルーチンを表示します"},
        {m_ui->diaryButton, u"一日の終わりに|ダイアリーを記入します"},
        {m_ui->saveButton, u"保存|表示中のスケジュールをファイルに保存します"},
        {m_ui->closeButton,
         u"閉じる|デイリープラン作成を終了します (保存していない変更があれば保存するか確認します)"},
    };
    for (const auto &[widget, hint] : hints)
        Hints::set(widget, QString::fromUtf16(hint));
}

void DailyPlannerWindow::setRoutineCount(int count)
{
    m_routineCountPanel->setText(u"ルーチン総数: "_s + QString::number(count));
}

void DailyPlannerWindow::showPadCount(int count)
{
    m_padCountPanel->setText(u"データ総数: "_s + QString::number(count));
}

void DailyPlannerWindow::showCommandMenu(const QPoint &pos)
{
    // Made on its first use: most openings of the planner never show it.
    if (!m_commandMenu) {
        m_commandMenu = new QMenu(this);
        m_commandMenu->addAction(m_ui->openPastDayAction);
        m_commandMenu->addAction(m_ui->openTodayAction);
        m_commandMenu->addSeparator();
        m_commandMenu->addAction(m_ui->listSettingsAction);
        m_commandMenu->addSeparator();
        QMenu *help = m_commandMenu->addMenu(u"ヘルプ(&H)"_s);
        help->addAction(m_ui->helpContentsAction);
    }
    m_commandMenu->popup(m_ui->commandPanel->mapToGlobal(pos));
}

void DailyPlannerWindow::layoutParts()
{
    const int w = width();
    const int h = height();
    const int bar = m_statusBar->sizeHint().height();
    const int commands = 115;
    const int jobs = 120;
    m_statusBar->setGeometry(0, h - bar, w, bar);
    m_ui->commandPanel->setGeometry(w - commands, 0, commands, h - bar);
    m_jobs->frame()->setGeometry(0, 0, w - commands, jobs);
    m_planArea->setGeometry(0, jobs, w - commands, h - jobs - bar);
    if (m_busyCover)
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
    if (m_ui->fileNameEdit->text() == unsavedText)
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
    m_ui->todayDateEdit->setDate(date);
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
    m_ui->clockEdit->setFont(
        TextFit::fittingFont(m_ui->clockEdit->font(), 9, text, m_ui->clockEdit->width(), 6));
    m_ui->clockEdit->setText(text);
    m_ui->clockEdit->setCursorPosition(0);
}

void DailyPlannerWindow::showUnsaved(const QDate &createdOn)
{
    m_ui->fileNameEdit->setText(unsavedText);
    m_ui->createdOnDateEdit->setDate(createdOn);
}

void DailyPlannerWindow::showFileOf(const DayFile &day, const QString &path)
{
    m_ui->fileNameEdit->setText(day.nameToShow(path));
    m_ui->fileNameEdit->setCursorPosition(0);
    m_ui->createdOnDateEdit->setDate(DaySerial::toDate(day.createdOn));
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
    // Made on its first use: most openings of the planner never show it.
    if (!m_busyCover) {
        m_busyCover = new QLabel(u"処理中・・・"_s, this);
        m_busyCover->setObjectName(u"busyCover"_s);
        m_busyCover->setAlignment(Qt::AlignCenter);
        setBackground(m_busyCover, FixedColours::skyBlue());
        QFont coverFont = m_busyCover->font();
        coverFont.setPixelSize(24);
        m_busyCover->setFont(coverFont);
        QPalette coverText = m_busyCover->palette();
        coverText.setColor(QPalette::WindowText, Qt::white);
        m_busyCover->setPalette(coverText);
    }
    m_busyCover->setGeometry(m_planArea->geometry().adjusted(-1, -1, 1, 1));
    m_busyCover->raise();
    m_busyCover->show();
    m_busyCover->repaint();
}

void DailyPlannerWindow::hideCover()
{
    if (m_busyCover)
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
    if (m_dialogOpen || m_ui->fileNameEdit->text() == unsavedText)
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
