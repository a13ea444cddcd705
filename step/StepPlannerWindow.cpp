#include "step/StepPlannerWindow.h"

#include "data/DateText.h"
#include "data/SjisCodec.h"
#include "platform/Dialogs.h"
#include "platform/HintPanel.h"
#include "platform/Hints.h"
#include "platform/Services.h"
#include "platform/Shutter.h"
#include "platform/WindowPlacer.h"
#include "step/JobCommentsPopup.h"
#include "step/StepCaptionsWidget.h"
#include "step/StepChartPainter.h"
#include "step/StepChartPrinter.h"
#include "step/StepChartWidget.h"
#include "step/StepMessages.h"
#include "step/StepNames.h"
#include "step/StepNotebookWidget.h"
#include "step/StepRadiosWidget.h"
#include "widgets/BoxPictureStyle.h"
#include "widgets/InstantMnemonics.h"

#include "ui_StepPlannerWindow.h"

#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QRadioButton>
#include <QScrollBar>
#include <QWheelEvent>

using namespace Qt::StringLiterals;
using StepChart::BarPixels;

namespace {

constexpr int WindowHeight = 600;
constexpr int MinimumWidth = 800;
constexpr int WheelStep = 20;

} // namespace

StepPlannerWindow::StepPlannerWindow(const QString &exeDir, Services &services, QWidget *parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::StepPlannerWindow>()), m_exeDir(exeDir), m_services(services)
{
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
                   Qt::WindowCloseButtonHint);
    m_ui->setupUi(this);
    // The notebook inside is made when it first opens.
    m_ui->notebookPanel->hide();

    // A click on any of them shows the job's comments.
    for (QLineEdit *box :
         {m_ui->dataNoEdit, m_ui->jobTitleEdit, m_ui->customerEdit, m_ui->jobNoEdit, m_ui->jobTypeEdit})
        box->installEventFilter(this);
    useBoxPictures();
    for (QDateEdit *picker : {m_ui->periodStartEdit, m_ui->periodEndEdit}) {
        picker->setDisplayFormat(DateText::longDateFormat());
        picker->installEventFilter(this);
    }
    QFont small = m_ui->noteLabel->font();
    small.setPixelSize(11);
    m_ui->noteLabel->setFont(small);

    connect(m_ui->captionColumn, &StepCaptionsWidget::memoClicked, this, &StepPlannerWindow::toggleNotebook);
    connect(m_ui->captionColumn, &StepCaptionsWidget::refused, this,
            [this](const QString &hint) { m_ui->statusBar->showMessage(hint, 4000); });

    QScrollArea *scroll = m_ui->chartScrollArea;
    scroll->setFixedHeight(StepChartWidget::Height + scroll->horizontalScrollBar()->sizeHint().height());
    scroll->viewport()->installEventFilter(this);
    scroll->horizontalScrollBar()->installEventFilter(this);
    connect(m_ui->chartBase, &StepChartWidget::menuRequested, this, &StepPlannerWindow::showChartMenu);
    m_drag = new StepDragController(*m_ui->chartBase, *scroll, this);
    m_drag->setAccepts([this](int row, Kind kind) { return m_ui->radioColumn->isChosen(row, kind); });
    connect(m_drag, &StepDragController::started, this,
            [this](int row, Kind kind) { tintPeriodPickers(StepColours::bar(row, int(kind))); });
    connect(m_drag, &StepDragController::released, this, &StepPlannerWindow::dropBar);

    connect(m_ui->radioColumn, &StepRadiosWidget::stripChosen, this, &StepPlannerWindow::showChosenPeriod);
    connect(m_ui->radioColumn, &StepRadiosWidget::restoreClicked, this, &StepPlannerWindow::restoreRow);
    connect(m_ui->saveButton, &QPushButton::clicked, this, &StepPlannerWindow::saveAndClose);
    connect(m_ui->closeButton, &QPushButton::clicked, this, &QDialog::reject);

    buildStatusBar();
    buildChartMenu();
    InstantMnemonics::apply(this);
}

StepPlannerWindow::~StepPlannerWindow() = default;

// The job's and the rows' boxes, the radio buttons and the chart's scroll bar all stand on the
// window's own colour.
void StepPlannerWindow::useBoxPictures()
{
    for (int r = 0; r < RowCount; ++r) {
        for (int k = 0; k < 3; ++k)
            m_ui->radioColumn->radio(r, Kind(k))->setStyle(BoxPictureStyle::instance());
    }
    QList<QLineEdit *> boxes = {m_ui->dataNoEdit, m_ui->jobTitleEdit, m_ui->customerEdit, m_ui->jobNoEdit,
                                m_ui->jobTypeEdit};
    for (int r = 0; r < RowCount; ++r)
        boxes << m_ui->captionColumn->titleEdit(r);
    for (QLineEdit *box : std::as_const(boxes))
        box->setStyle(BoxPictureStyle::instance());
    m_ui->chartScrollArea->horizontalScrollBar()->setStyle(BoxPictureStyle::instance());
}

void StepPlannerWindow::buildStatusBar()
{
    QStatusBar *bar = m_ui->statusBar;
    auto *lastPanel = new QLabel(bar);
    lastPanel->setObjectName(u"spareStatusPanel"_s);
    lastPanel->setFixedWidth(80);
    bar->addPermanentWidget(lastPanel);
    HintPanel *hintPanel = HintPanel::addTo(bar, u"hintPanel"_s);
    for (QLabel *panel : {static_cast<QLabel *>(hintPanel), lastPanel})
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
}

void StepPlannerWindow::buildChartMenu()
{
    m_chartMenu = new QMenu(this);
    m_chartMenu->setObjectName(u"chartMenu"_s);
    m_clearBarAction = m_chartMenu->addAction(u"バーをクリア(&C)"_s);
    m_clearBarAction->setObjectName(u"clearBarAction"_s);
    connect(m_clearBarAction, &QAction::triggered, this, &StepPlannerWindow::clearBar);
    m_chartMenu->addSeparator();
    m_separatorAction = m_chartMenu->addAction(u"フローティング・セパレータを表示(&D)"_s);
    m_separatorAction->setObjectName(u"separatorAction"_s);
    m_separatorAction->setCheckable(true);
    connect(m_separatorAction, &QAction::triggered, this, &StepPlannerWindow::toggleSeparator);
    m_chartMenu->addSeparator();
    m_printAction = m_chartMenu->addAction(u"印刷(&P)..."_s);
    m_printAction->setObjectName(u"printAction"_s);
    connect(m_printAction, &QAction::triggered, this, [this] {
        m_services.dialogs.previewPrint(this, StepChartPrinter::document(StepChartPrinter::of(*this)));
    });
    m_chartMenu->addSeparator();
    QMenu *help = m_chartMenu->addMenu(u"ヘルプ(&H)"_s);
    m_helpContentsAction = help->addAction(u"目次(&C)..."_s);
    m_helpContentsAction->setObjectName(u"helpContentsAction"_s);
    connect(m_helpContentsAction, &QAction::triggered, this, [this] {
        if (m_help)
            m_help({});
    });
    // F1 opens the planner's own page.
    auto *helpPage = new QAction(this);
    helpPage->setObjectName(u"helpPageAction"_s);
    helpPage->setShortcut(Qt::Key_F1);
    addAction(helpPage);
    connect(helpPage, &QAction::triggered, this, [this] {
        if (m_help)
            m_help(u"step.html"_s);
    });
}

void StepPlannerWindow::sizeChart(const StepMonths &months)
{
    m_ui->chartBase->sizeChart(months);
}

const StepMonths &StepPlannerWindow::months() const
{
    return m_ui->chartBase->months();
}

void StepPlannerWindow::showStepFile(const QString &path, const StepFile &step,
                                     std::optional<SafeFile::Snapshot> snapshot)
{
    StepChartWidget *chart = m_ui->chartBase;
    if (!(step.months == chart->months()))
        chart->sizeChart(step.months);
    m_stepFilePath = path;
    m_loadedStep = step;
    m_workingStep = step;
    m_snapshot = std::move(snapshot);

    m_ui->dataNoEdit->setText(StepNames::dataNo(step));
    const auto fill = [](QLineEdit *box, const QString &text) {
        box->setText(text);
        box->setCursorPosition(0); // a long text shows its start
    };
    fill(m_ui->jobTitleEdit, step.title);
    fill(m_ui->customerEdit, step.customer);
    fill(m_ui->jobNoEdit, step.jobNo);
    fill(m_ui->jobTypeEdit, step.jobType);
    for (int r = 0; r < RowCount; ++r) {
        fill(m_ui->captionColumn->titleEdit(r), step.groups[r].groupTitle);
        for (int k = 0; k < 3; ++k)
            chart->setBar(r, Kind(k), std::nullopt);
    }

    const StepGroup &overall = step.groups[0];
    chart->setBar(0, Kind::Initial,
                  StepChart::barSpanPixels(chart->months(), overall.planStart, overall.planEnd));
    m_ui->periodStartEdit->setDate(StepGroup::shownDay(overall.planStart));
    m_ui->periodEndEdit->setDate(StepGroup::shownDay(overall.planEnd));

    for (int r = 0; r < RowCount; ++r) {
        const StepGroup &g = step.groups[r];
        const int c = g.revisionCount();
        m_revisionCount[r] = c;
        // The strip shows the current revision, the last one stored.
        if (c > 0)
            chart->setBar(r, Kind::Revised,
                          StepChart::barSpanPixels(chart->months(), g.revStart[c - 1], g.revEnd[c - 1]));
        if (r > 0)
            chart->drawPeriod(r, Kind::Initial, g.period(Kind::Initial, c));
        chart->drawPeriod(r, Kind::Actual, g.period(Kind::Actual, c));
    }

    Shutter::playIfPresent(m_exeDir, m_services);
}

BarPixels StepPlannerWindow::barPixels(int row, Kind kind) const
{
    return m_ui->chartBase->bar(row, kind);
}

void StepPlannerWindow::scrollToPlanEnd()
{
    // The view's width is the one the layout gives it now.
    if (layout())
        layout()->activate();
    const int right = barPixels(0, Kind::Initial).right;
    QScrollArea *scroll = m_ui->chartScrollArea;
    scroll->horizontalScrollBar()->setValue(StepChart::planEndScroll(right, scroll->viewport()->width()));
}

void StepPlannerWindow::showHintsInStatusBar()
{
    Hints::routeTo(this, m_ui->statusBar);
}

void StepPlannerWindow::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    // Size hints bind only a window manager: without one the window keeps its rule itself.
    const QSize allowed(qMax(MinimumWidth, width()), WindowHeight);
    if (size() != allowed)
        resize(allowed);
}

void StepPlannerWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!m_placed) {
        m_placed = true;
        placeOnScreen();
    }
}

void StepPlannerWindow::placeOnScreen()
{
    WindowPlacer::place(this, {QPoint(0, 0), QSize(MinimumWidth, WindowHeight), true});
    m_ui->notebookPanel->hide();
    m_ui->noteLabel->setText(u"本ウィンドウは\n幅方向にのみ\n伸縮可能です.\n(800pixel以上)"_s);
    scrollToPlanEnd();
}

void StepPlannerWindow::scrollChart(int dx)
{
    QScrollBar *bar = m_ui->chartScrollArea->horizontalScrollBar();
    bar->setValue(bar->value() + dx);
}

// Each notch of the wheel moves the chart 20 pixels: down to the right, up to the left.
void StepPlannerWindow::wheelTurned(int angleDelta)
{
    m_wheelRest += angleDelta;
    const int notches = m_wheelRest / 120;
    m_wheelRest -= notches * 120;
    if (notches != 0)
        scrollChart(-notches * WheelStep);
}

void StepPlannerWindow::wheelEvent(QWheelEvent *event)
{
    wheelTurned(event->angleDelta().y());
    event->accept();
}

bool StepPlannerWindow::eventFilter(QObject *watched, QEvent *event)
{
    QScrollArea *scroll = m_ui->chartScrollArea;
    if (event->type() == QEvent::Wheel &&
        (watched == scroll->viewport() || watched == scroll->horizontalScrollBar() ||
         watched == m_ui->periodStartEdit || watched == m_ui->periodEndEdit)) {
        wheelTurned(static_cast<QWheelEvent *>(event)->angleDelta().y());
        return true;
    }
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton &&
        (watched == m_ui->dataNoEdit || watched == m_ui->jobTitleEdit || watched == m_ui->customerEdit ||
         watched == m_ui->jobNoEdit || watched == m_ui->jobTypeEdit))
        showComments();
    return QDialog::eventFilter(watched, event);
}

void StepPlannerWindow::keyPressEvent(QKeyEvent *event)
{
    // Esc must not drop unsaved bars and memos: the window closes with its buttons or close box.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool StepPlannerWindow::showPeriod(const StepPeriod &period)
{
    if (!Shutter::play(m_exeDir, m_services, this))
        return false;
    m_ui->periodStartEdit->setDate(StepGroup::shownDay(period.start));
    m_ui->periodEndEdit->setDate(StepGroup::shownDay(period.end));
    return true;
}

void StepPlannerWindow::showChosenPeriod(int row, Kind kind)
{
    showPeriod(m_workingStep.groups[row].period(kind, m_revisionCount[row]));
}

// The pickers wear the colour of the bar being dragged; an invalid colour gives them theirs back.
void StepPlannerWindow::tintPeriodPickers(const QColor &colour)
{
    for (QDateEdit *picker : {m_ui->periodStartEdit, m_ui->periodEndEdit}) {
        if (!colour.isValid()) {
            picker->setPalette(QPalette());
            continue;
        }
        QPalette tinted = picker->palette();
        tinted.setColor(QPalette::Base, colour);
        tinted.setColor(QPalette::Text, qGray(colour.rgb()) < 128 ? Qt::white : Qt::black);
        picker->setPalette(tinted);
    }
}

void StepPlannerWindow::dropBar(const StepDragController::Drag &drag, int x, bool accepted)
{
    tintPeriodPickers(QColor());
    StepChartWidget *chart = m_ui->chartBase;
    std::optional<StepChart::DaySpan> span;
    if (accepted)
        span = StepChart::datesAtPixels(chart->months(), drag.left, x);
    // Not stored: the strip shows again what it showed before.
    if (!span || !showPeriod(StepPeriod::of(*span))) {
        chart->setBar(drag.row, drag.kind, drag.shown);
        return;
    }
    m_workingStep.groups[drag.row].setPeriod(drag.kind, m_revisionCount[drag.row], StepPeriod::of(*span));
    chart->setBar(drag.row, drag.kind, span->pixels());
}

void StepPlannerWindow::restoreRow(int row)
{
    const auto chosen = m_ui->radioColumn->chosenStrip();
    if (!chosen || chosen->first != row)
        return;
    const Kind kind = chosen->second;
    const std::optional<StepPeriod> restored =
        m_workingStep.groups[row].restorePeriod(kind, m_revisionCount[row], m_loadedStep.groups[row]);
    if (!restored)
        return;
    m_ui->chartBase->drawPeriod(row, kind, *restored);
    showPeriod(*restored);
}

// By the strip the chart menu was opened on, whatever radio button is chosen.
void StepPlannerWindow::clearBar()
{
    if (isNotebookOpen())
        return;
    const auto strip = m_ui->chartBase->stripOf(m_menuOrigin);
    if (!strip || !m_workingStep.clearPeriod(strip->first, strip->second, m_revisionCount[strip->first]))
        return;
    m_ui->chartBase->setBar(strip->first, strip->second, std::nullopt);
}

// While the notebook is open only the button that opened it acts.
void StepPlannerWindow::toggleNotebook(int row)
{
    if (!isNotebookOpen())
        openNotebook(row);
    else if (row == m_notebookRow)
        closeNotebook();
}

void StepPlannerWindow::openNotebook(int row)
{
    const std::optional<Kind> kind = StepNotes::kindServed(row, m_ui->radioColumn->chosenStrip());
    if (!kind)
        return;
    if (!m_notebook) {
        m_notebook = new StepNotebookWidget(m_ui->notebookPanel);
        m_ui->notebookPanelLayout->addWidget(m_notebook);
        connect(m_notebook, &StepNotebookWidget::historyChosen, this, &StepPlannerWindow::previewRevision);
        connect(m_notebook, &StepNotebookWidget::refused, this,
                [this](const QString &hint) { m_ui->statusBar->showMessage(hint, 4000); });
    }
    m_notebook->showNotes(
        StepNames::row(row, false), StepNames::plan(*kind),
        StepNotes::of(m_loadedStep.groups[row], m_workingStep.groups[row], *kind, m_revisionCount[row]));
    m_ui->radioColumn->deselect(-1);
    m_notebookRow = row;
    m_notebookKind = *kind;
    m_historyPreview = false;
    showNotebookPanel(row, true);
}

void StepPlannerWindow::closeNotebook()
{
    const int row = m_notebookRow;
    StepGroup &group = m_workingStep.groups[row];
    StepNotes::store(group, m_notebookKind, m_notebook->shownPages(), m_notebook->pages());
    // Strip and pickers show again the revision shown before the preview: the one dragged in this
    // opening, else the last one stored.
    if (m_historyPreview) {
        const StepPeriod shown = group.shownRevision(m_revisionCount[row]);
        m_ui->chartBase->drawPeriod(row, Kind::Revised, shown);
        showPeriod(shown);
    }
    m_historyPreview = false;
    m_notebookRow = -1;
    showNotebookPanel(row, false);
}

// While it is open nothing else on the chart is chosen, restored or locked; the chart narrows or
// widens and keeps the plan's end in view.
void StepPlannerWindow::showNotebookPanel(int row, bool shown)
{
    m_ui->notebookPanel->setVisible(shown);
    m_ui->captionColumn->memoButton(row)->setText(shown ? u"メモ閉"_s : u"メモ"_s);
    m_ui->radioColumn->setEditingLocked(shown);
    scrollToPlanEnd();
}

void StepPlannerWindow::previewRevision(int entry)
{
    if (!isNotebookOpen() || m_notebookKind != Kind::Revised)
        return;
    const int row = m_notebookRow;
    if (entry < 0 || entry >= m_revisionCount[row])
        return;
    const StepGroup &group = m_workingStep.groups[row];
    const StepPeriod shown{group.revStart[entry], group.revEnd[entry]};
    m_ui->chartBase->drawPeriod(row, Kind::Revised, shown);
    showPeriod(shown);
    m_notebook->showPage(entry);
    m_historyPreview = true;
}

void StepPlannerWindow::showComments()
{
    auto *popup = new JobCommentsPopup(m_workingStep.comments, this);
    // Just under the job's title, below the basic data.
    popup->move(m_ui->jobTitleEdit->mapToGlobal(QPoint(3, 0)).x(), mapToGlobal(QPoint(0, 0)).y() + 77);
    popup->open();
}

void StepPlannerWindow::showChartMenu(QWidget *origin, const QPoint &globalPos)
{
    m_menuOrigin = origin;
    m_menuRow = m_ui->chartBase->rowOf(origin);
    m_chartMenu->popup(globalPos);
}

// The separator reads the days over a step row; the overall row sits right under the header.
void StepPlannerWindow::toggleSeparator()
{
    StepChartWidget *chart = m_ui->chartBase;
    if (chart->isSeparatorShown())
        chart->hideSeparator();
    else if (m_menuRow >= 1)
        chart->showSeparatorAt(m_menuRow);
    m_separatorAction->setChecked(chart->isSeparatorShown());
}

// The working copy holds the titles as the file will: cut to their capacity. A title left as it
// was keeps its stored text, and with it its bytes.
StepFile StepPlannerWindow::withTypedTitles() const
{
    StepFile step = m_workingStep;
    for (int r = 0; r < RowCount; ++r) {
        const QString text = m_ui->captionColumn->titleEdit(r)->text();
        if (text != m_loadedStep.groups[r].groupTitle)
            step.groups[r].groupTitle = Sjis::fitToField(text, StepGroup::TitleCapacity);
    }
    return step;
}

void StepPlannerWindow::reject()
{
    // What a save would write, the open notebook's pages included, against what the file holds:
    // compared as bytes, so that a damaged date (NaN) counts as unchanged.
    StepFile pending = withTypedTitles();
    if (isNotebookOpen())
        StepNotes::store(pending.groups[m_notebookRow], m_notebookKind, m_notebook->shownPages(),
                         m_notebook->pages());
    if (pending.toBytes() == m_loadedStep.toBytes()) {
        QDialog::reject();
        return;
    }
    switch (m_services.dialogs.askSaveChanges(this)) {
    case Dialogs::Answer::Yes:
        if (isNotebookOpen())
            closeNotebook();
        saveAndClose(); // stays open when the save fails
        return;
    case Dialogs::Answer::No:
        QDialog::reject();
        return;
    default:
        return;
    }
}

void StepPlannerWindow::saveAndClose()
{
    // What the open notebook shows reaches the working copy only when it closes.
    if (isNotebookOpen() &&
        m_services.dialogs.askYesNo(this, StepMessages::notebookOpenOnSave(),
                                    frameGeometry().topLeft() + QPoint(300, 300)) != Dialogs::Answer::Yes)
        return;
    m_workingStep = withTypedTitles();
    const StepFile::SaveOutcome saved =
        StepFile::save(m_stepFilePath, m_workingStep, m_snapshot ? &*m_snapshot : nullptr);
    if (saved.result.changedOnDisk) {
        // Read again; the edits stay on screen and in the working copy, to be saved again.
        m_services.dialogs.changedOnDisk(this, m_stepFilePath, StepMessages::fileSubject());
        StepFile current;
        SafeFile::Snapshot snapshot;
        if (StepFile::read(m_stepFilePath, &current, &snapshot)) {
            m_loadedStep = current;
            m_snapshot = snapshot;
        }
        return;
    }
    if (!saved.result) {
        m_services.dialogs.fileError(this, FileOperation::Write, m_stepFilePath, saved.result.error,
                                     StepMessages::fileSubject());
        return;
    }
    if (saved.recreated)
        m_services.dialogs.inform(this, StepMessages::fileRecreated(m_stepFilePath));
    m_loadedStep = m_workingStep;
    if (!isNotebookOpen())
        accept();
}
