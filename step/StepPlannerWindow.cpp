#include "step/StepPlannerWindow.h"

#include "data/DateText.h"
#include "data/DaySerial.h"
#include "data/SjisCodec.h"
#include "platform/Dialogs.h"
#include "platform/HintPanel.h"
#include "platform/Hints.h"
#include "platform/Services.h"
#include "platform/Shutter.h"
#include "platform/SoundPlayer.h"
#include "platform/WindowPlacer.h"
#include "step/JobCommentsPopup.h"
#include "step/StepChartPainter.h"
#include "step/StepChartPrinter.h"
#include "step/StepMessages.h"
#include "step/StepNotebookWidget.h"
#include "step/StepPictureWidget.h"
#include "step/StepStripWidget.h"
#include "widgets/FixedColours.h"
#include "widgets/InstantMnemonics.h"
#include "widgets/SjisLimitValidator.h"

#include <QButtonGroup>
#include <QContextMenuEvent>
#include <QDateEdit>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QTimer>
#include <QVBoxLayout>
#include <QWheelEvent>

using namespace Qt::StringLiterals;
using StepChart::BarPixels;

namespace {

constexpr int WindowHeight = 600;
constexpr int MinimumWidth = 800;
constexpr int ChartHeight = StepChart::FirstRowTop + StepChart::RowCount * StepChart::RowHeight + 1;
constexpr int FrameLeft = 4;
constexpr int CaptionWidth = 162;
constexpr int RadioColumnWidth = 94;
constexpr int WheelStep = 20;

const QString stripHint =
    u"|開始日から終了日までドラッグして,期間を設定します. 設定前に,右のオプションボタンを選択してください."_s;
const QString surfaceHint = u"|右クリックすると,ポップアップメニューが表示されます."_s;

QString rowName(int row)
{
    return row == 0 ? u"全体日程"_s : u"ステップ %1"_s.arg(row);
}

// The notebook names the row without the space of the row captions.
QString notebookRowName(int row)
{
    return row == 0 ? u"全体日程"_s : u"ステップ%1"_s.arg(row);
}

QString kindName(StepKind kind)
{
    switch (kind) {
    case StepKind::Initial:
        return u"当初計画"_s;
    case StepKind::Revised:
        return u"修正計画"_s;
    case StepKind::Actual:
        break;
    }
    return u"実績"_s;
}

// Object name digit: 0 for the overall row, 1..5 for the steps.
QString named(const char16_t *prefix, int row)
{
    return QString::fromUtf16(prefix) + QString::number(row);
}

void fillBackground(QWidget *w, const QColor &colour)
{
    FixedColours::setBackground(w, QPalette::Window, colour);
    w->setAutoFillBackground(true);
}

// Dates out of any calendar (a damaged file) show as the unset day instead.
QDate pickerDate(double serial)
{
    if (!(serial > -657434.0 && serial < 2958466.0))
        serial = StepFile::UnsetDate;
    return DaySerial::toDate(serial);
}

QDateEdit *datePicker(const QString &name, QWidget *parent)
{
    auto *d = new QDateEdit(parent);
    d->setObjectName(name);
    d->setDisplayFormat(DateText::longDateFormat());
    d->setMinimumDate(QDate(100, 1, 1));
    d->setReadOnly(true);
    d->setButtonSymbols(QAbstractSpinBox::NoButtons);
    d->setFocusPolicy(Qt::NoFocus);
    return d;
}

QLineEdit *readOnlyBox(const QString &name, QWidget *parent)
{
    auto *e = new QLineEdit(parent);
    e->setObjectName(name);
    e->setReadOnly(true);
    return e;
}

} // namespace

StepPlannerWindow::StepPlannerWindow(const QString &exeDir, Services &services, QWidget *parent)
    : QDialog(parent), m_exeDir(exeDir), m_services(services)
{
    setObjectName(u"frmStep"_s);
    setWindowTitle(u"ステップ別管理 ～ STEP by STEP"_s);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
                   Qt::WindowCloseButtonHint);
    // Only the width can change.
    setMinimumWidth(MinimumWidth);
    setFixedHeight(WindowHeight);

    m_memoPanel = new QFrame(this);
    m_memoPanel->setObjectName(u"pnlMemo"_s);
    m_memoPanel->setFixedWidth(200);
    m_memoPanel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    m_memoPanel->hide();
    // The notebook inside is made when it first opens.
    auto *memoBox = new QVBoxLayout(m_memoPanel);
    memoBox->setContentsMargins(1, 1, 1, 1);

    auto *top = new QHBoxLayout;
    top->setSpacing(6);
    top->addWidget(buildBasicData(), 1);
    top->addWidget(buildPeriod());
    top->addWidget(buildNote());

    auto *body = new QHBoxLayout;
    body->setSpacing(0);
    body->addWidget(buildCaptions());
    body->addWidget(buildChart(), 1);
    body->addWidget(buildRadioColumn());

    m_saveButton = new QPushButton(u"保存して閉じる(&S)"_s, this);
    m_saveButton->setObjectName(u"btnStepSave"_s);
    m_saveButton->setAutoDefault(false);
    connect(m_saveButton, &QPushButton::clicked, this, &StepPlannerWindow::saveAndClose);
    m_closeButton = new QPushButton(u"閉じる(&C)"_s, this);
    m_closeButton->setObjectName(u"btnStepClose"_s);
    m_closeButton->setAutoDefault(false);
    connect(m_closeButton, &QPushButton::clicked, this, &QDialog::reject);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_saveButton);
    buttons->addWidget(m_closeButton);

    auto *mainBody = new QVBoxLayout;
    mainBody->setContentsMargins(4, 4, 4, 0);
    mainBody->setSpacing(4);
    mainBody->addLayout(top);
    mainBody->addLayout(body);
    mainBody->addLayout(buttons);
    mainBody->addStretch();

    auto *columns = new QHBoxLayout;
    columns->setContentsMargins(0, 0, 0, 0);
    columns->setSpacing(0);
    columns->addWidget(m_memoPanel);
    columns->addLayout(mainBody, 1);

    m_statusBar = new QStatusBar(this);
    m_statusBar->setObjectName(u"StatusBar1"_s);
    m_statusBar->setSizeGripEnabled(false);
    auto *lastPanel = new QLabel(m_statusBar);
    lastPanel->setObjectName(u"StatusPanel1"_s);
    lastPanel->setFixedWidth(80);
    m_statusBar->addPermanentWidget(lastPanel);
    HintPanel *hintPanel = HintPanel::addTo(m_statusBar, u"StatusPanel0"_s);
    for (QLabel *panel : {static_cast<QLabel *>(hintPanel), lastPanel})
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);

    auto *root = new QVBoxLayout(this);
    root->setContentsMargins(0, 0, 0, 0);
    root->setSpacing(0);
    root->addLayout(columns, 1);
    root->addWidget(m_statusBar);

    buildChartMenu();
    resize(MinimumWidth, WindowHeight);
    InstantMnemonics::apply(this);
}

StepPlannerWindow::~StepPlannerWindow() = default;

QWidget *StepPlannerWindow::buildBasicData()
{
    auto *panel = new QFrame(this);
    panel->setObjectName(u"pnlBasicData"_s);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    m_basicDataPanel = panel;
    m_dataNoBox = readOnlyBox(u"edtStepDataNo"_s, panel);
    m_titleBox = readOnlyBox(u"edtStepTitle"_s, panel);
    m_customerBox = readOnlyBox(u"edtStepCustomer"_s, panel);
    m_jobNoBox = readOnlyBox(u"edtStepJobNo"_s, panel);
    m_jobTypeBox = readOnlyBox(u"edtStepJobType"_s, panel);
    // A click on any of them shows the job's comments.
    for (QLineEdit *box : {m_dataNoBox, m_titleBox, m_customerBox, m_jobNoBox, m_jobTypeBox})
        box->installEventFilter(this);
    m_dataNoBox->setMinimumWidth(80);
    m_customerBox->setMinimumWidth(80);
    m_jobNoBox->setMinimumWidth(60);
    m_jobTypeBox->setMinimumWidth(70);

    auto *grid = new QGridLayout(panel);
    grid->setContentsMargins(4, 2, 4, 2);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(2);
    const auto label = [panel](const QString &text) { return new QLabel(text, panel); };
    grid->addWidget(label(u"データNo.："_s), 0, 0);
    grid->addWidget(m_dataNoBox, 0, 1);
    grid->addWidget(label(u"タイトル："_s), 0, 2);
    grid->addWidget(m_titleBox, 0, 3, 1, 3);
    grid->addWidget(label(u"顧客："_s), 1, 0);
    grid->addWidget(m_customerBox, 1, 1);
    grid->addWidget(label(u"Job No.："_s), 1, 2);
    grid->addWidget(m_jobNoBox, 1, 3);
    grid->addWidget(label(u"仕事の種類："_s), 1, 4);
    grid->addWidget(m_jobTypeBox, 1, 5);
    grid->setColumnStretch(1, 2);
    grid->setColumnStretch(3, 2);
    grid->setColumnStretch(5, 2);
    return panel;
}

QWidget *StepPlannerWindow::buildPeriod()
{
    auto *panel = new QFrame(this);
    panel->setObjectName(u"pnlPeriod"_s);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    m_periodStartEdit = datePicker(u"dtpStartDate"_s, panel);
    m_periodEndEdit = datePicker(u"dtpEndDate"_s, panel);
    m_periodStartEdit->installEventFilter(this);
    m_periodEndEdit->installEventFilter(this);
    auto *grid = new QGridLayout(panel);
    grid->setContentsMargins(4, 2, 4, 2);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(2);
    grid->addWidget(new QLabel(u"設定期間(開始/終了)"_s, panel), 0, 0, 1, 2);
    grid->addWidget(m_periodStartEdit, 1, 0);
    grid->addWidget(m_periodEndEdit, 1, 1);
    return panel;
}

QWidget *StepPlannerWindow::buildNote()
{
    auto *panel = new QFrame(this);
    panel->setObjectName(u"pnlNote"_s);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_noteLabel = new QLabel(panel);
    m_noteLabel->setObjectName(u"lblNote"_s);
    QFont small = m_noteLabel->font();
    small.setPixelSize(11);
    m_noteLabel->setFont(small);
    auto *box = new QVBoxLayout(panel);
    box->setContentsMargins(4, 1, 4, 1);
    box->addWidget(m_noteLabel);
    return panel;
}

// Row names, title boxes, memo buttons and strip labels, each block level with its chart row.
QWidget *StepPlannerWindow::buildCaptions()
{
    auto *column = new QWidget(this);
    column->setObjectName(u"pnlCaptions"_s);
    column->setFixedWidth(CaptionWidth);
    for (int r = 0; r < RowCount; ++r) {
        const int top = StepChart::rowTop(r);
        auto *name = new QLabel(rowName(r), column);
        QFont underlined = name->font();
        underlined.setUnderline(true);
        name->setFont(underlined);
        name->setGeometry(4, top + 4, 72, 16);

        Row &row = m_rows[r];
        row.memoButton = new QPushButton(u"メモ"_s, column);
        row.memoButton->setObjectName(named(u"btnMemo", r));
        row.memoButton->setAutoDefault(false);
        row.memoButton->setGeometry(78, top + 1, 44, 21);
        connect(row.memoButton, &QPushButton::clicked, this, [this, r] { toggleNotebook(r); });

        row.titleBox = new QLineEdit(column);
        row.titleBox->setObjectName(r == 0 ? u"edtOverall"_s : named(u"edtStep", r));
        row.titleBox->setGeometry(4, top + 24, 118, 22);
        auto *validator = new SjisLimitValidator(StepGroup::TitleCapacity, row.titleBox);
        row.titleBox->setValidator(validator);
        connect(row.titleBox, &QLineEdit::inputRejected, this,
                [this, validator] { m_statusBar->showMessage(validator->lastHint(), 4000); });

        const QString strips[3] = {u"当初"_s, u"修正"_s, u"実績"_s};
        for (int k = 0; k < 3; ++k) {
            auto *label = new QLabel(strips[k], column);
            label->setGeometry(128, top + StepChart::StripTops[k], 32, StepChart::StripHeight);
            label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        }
    }
    return column;
}

QWidget *StepPlannerWindow::buildChart()
{
    m_chartScroll = new QScrollArea(this);
    m_chartScroll->setObjectName(u"ScrollBox1"_s);
    m_chartScroll->setFrameShape(QFrame::NoFrame);
    m_chartScroll->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_chartScroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_chartScroll->horizontalScrollBar()->setTracking(true);
    m_chartScroll->setFixedHeight(ChartHeight + m_chartScroll->horizontalScrollBar()->sizeHint().height());
    m_chartScroll->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_chartScroll->viewport()->installEventFilter(this);
    m_chartScroll->horizontalScrollBar()->installEventFilter(this);

    m_chartBase = new QWidget;
    m_chartBase->setObjectName(u"pnlBase"_s);
    m_chartFrame = new QFrame(m_chartBase);
    m_chartFrame->setObjectName(u"pnlFrame"_s);
    m_chartFrame->setFrameStyle(QFrame::Panel | QFrame::Sunken);

    m_headerPanel = new QFrame(m_chartFrame);
    m_headerPanel->setObjectName(u"pnlHeader"_s);
    m_headerPanel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    fillBackground(m_headerPanel, StepColours::skyBlue);
    m_headerPicture = new StepPictureWidget(m_headerPanel);
    m_headerPicture->setObjectName(u"PaintBoxHeader"_s);

    const QString stripNames[3] = {u"Top"_s, u"Mid"_s, u"Btm"_s};
    for (int r = 0; r < RowCount; ++r) {
        Row &row = m_rows[r];
        row.panel = new QFrame(m_chartFrame);
        row.panel->setObjectName(r == 0 ? u"pnlOverall"_s : named(u"pnlStep", r));
        row.panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
        fillBackground(row.panel, StepColours::skyBlue);
        row.grid = new StepPictureWidget(row.panel);
        row.grid->setObjectName(named(u"PaintBox", r));
        Hints::set(row.grid, surfaceHint);
        row.grid->installEventFilter(this);
        row.panel->installEventFilter(this);
        for (int k = 0; k < 3; ++k) {
            auto *panel = new QFrame(row.panel);
            panel->setObjectName(u"pnl"_s + stripNames[k] + u"Bar"_s + QString::number(r));
            panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
            fillBackground(panel, StepColours::stripBackground[k]);
            panel->installEventFilter(this);
            auto *strip = new StepStripWidget(StepColours::stripBackground[k], StepColours::bar(r, k), panel);
            strip->setObjectName(u"PaintBox"_s + stripNames[k] + QString::number(r));
            Hints::set(strip, stripHint);
            strip->installEventFilter(this);
            row.stripPanel[k] = panel;
            row.strip[k] = strip;
        }
    }

    m_separatorPanel = new QFrame(m_chartFrame);
    m_separatorPanel->setObjectName(u"pnlFloatSeparator"_s);
    fillBackground(m_separatorPanel, StepColours::separator);
    m_separatorPicture = new StepPictureWidget(m_separatorPanel);
    m_separatorPicture->setObjectName(u"pbxFloatSeparator"_s);
    m_separatorPanel->hide();

    m_chartScroll->setWidget(m_chartBase);
    return m_chartScroll;
}

// One radio button per strip, then the row's restore and lock buttons.
QWidget *StepPlannerWindow::buildRadioColumn()
{
    auto *column = new QWidget(this);
    column->setObjectName(u"pnlRadio"_s);
    column->setFixedWidth(RadioColumnWidth);
    m_radioGroup = new QButtonGroup(this);
    m_radioGroup->setExclusive(true);
    const QString radioNames[3] = {u"rbTop"_s, u"rbMid"_s, u"rbBtm"_s};
    for (int r = 0; r < RowCount; ++r) {
        const int top = StepChart::rowTop(r);
        Row &row = m_rows[r];
        for (int k = 0; k < 3; ++k) {
            auto *radio = new QRadioButton(column);
            radio->setObjectName(radioNames[k] + QString::number(r));
            radio->setGeometry(3, top + StepChart::StripTops[k] - 1, 18, 16);
            m_radioGroup->addButton(radio, r * 3 + k);
            row.radio[k] = radio;
        }
        row.restoreButton = new QPushButton(u"元に戻す"_s, column);
        row.restoreButton->setObjectName(named(u"btnRestore", r));
        row.restoreButton->setAutoDefault(false);
        row.restoreButton->setGeometry(24, top + 6, 66, 24);
        connect(row.restoreButton, &QPushButton::clicked, this, [this, r] { restoreRow(r); });
        row.lockButton = new QPushButton(u"ロック"_s, column);
        row.lockButton->setObjectName(named(u"btnLock", r));
        row.lockButton->setAutoDefault(false);
        row.lockButton->setGeometry(24, top + 35, 66, 24);
        connect(row.lockButton, &QPushButton::clicked, this, [this, r] { lockRow(r); });
    }
    connect(m_radioGroup, &QButtonGroup::idClicked, this, &StepPlannerWindow::showChosenPeriod);
    // The overall initial plan comes from the job and is never edited here.
    radioOf(0, Kind::Initial)->hide();
    radioOf(0, Kind::Initial)->setEnabled(false);
    return column;
}

void StepPlannerWindow::buildChartMenu()
{
    m_chartMenu = new QMenu(this);
    m_chartMenu->setObjectName(u"PopupMenu1"_s);
    m_clearBarAction = m_chartMenu->addAction(u"バーをクリア(&C)"_s);
    m_clearBarAction->setObjectName(u"pmiClear"_s);
    connect(m_clearBarAction, &QAction::triggered, this, &StepPlannerWindow::clearBar);
    m_chartMenu->addSeparator();
    m_separatorAction = m_chartMenu->addAction(u"フローティング・セパレータを表示(&D)"_s);
    m_separatorAction->setObjectName(u"pmiShowSeparator"_s);
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
    m_helpAction = help->addAction(u"目次(&C)..."_s);
    m_helpAction->setObjectName(u"HContentsStep"_s);
    connect(m_helpAction, &QAction::triggered, this, [this] {
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
    m_months = months;
    const StepChart::Sizes s = StepChart::sizes(months.dayCount());

    m_headerPanel->setGeometry(1, StepChart::HeaderTop, s.row, StepChart::HeaderHeight);
    m_headerPicture->setGeometry(1, 1, s.row - 2, StepChart::HeaderPaintHeight);
    m_headerPicture->setPicture(
        StepChartPainter::header(months, m_headerPicture->size(), devicePixelRatioF()));

    // All six rows show the same grid.
    const QImage grid =
        StepChartPainter::grid(months, QSize(s.row - 2, StepChart::RowHeight - 2), devicePixelRatioF());
    for (int r = 0; r < RowCount; ++r) {
        Row &row = m_rows[r];
        row.panel->setGeometry(1, StepChart::rowTop(r), s.row, StepChart::RowHeight);
        row.grid->setGeometry(1, 1, s.row - 2, StepChart::RowHeight - 2);
        row.grid->setPicture(grid);
        for (int k = 0; k < 3; ++k) {
            row.stripPanel[k]->setGeometry(1, StepChart::StripTops[k], s.strip, StepChart::StripHeight);
            row.strip[k]->setGeometry(1, 1, s.strip - 2, StepChart::StripPaintHeight);
        }
    }

    m_separatorPanel->setGeometry(1, m_separatorPanel->y(), s.separator, StepChart::SeparatorHeight);
    m_separatorPicture->setGeometry(1, 0, s.separator - 1, StepChart::SeparatorHeight);
    m_separatorPicture->setPicture(
        StepChartPainter::separator(months, m_separatorPicture->size(), devicePixelRatioF()));
    m_separatorPanel->raise();

    m_chartFrame->setGeometry(FrameLeft, 0, s.frame, ChartHeight);
    m_chartBase->resize(s.scrollRange, ChartHeight);
}

void StepPlannerWindow::showStepFile(const QString &path, const StepFile &step,
                                     std::optional<SafeFile::Snapshot> snapshot)
{
    if (!(step.months == m_months))
        sizeChart(step.months);
    m_stepFilePath = path;
    m_loadedStep = step;
    m_workingStep = step;
    m_snapshot = std::move(snapshot);

    m_dataNoBox->setText(QString::number(step.months.baseMonth) + u"月 No."_s + QString::number(step.dataNo));
    const auto fill = [](QLineEdit *box, const QString &text) {
        box->setText(text);
        box->setCursorPosition(0); // a long text shows its start
    };
    fill(m_titleBox, step.title);
    fill(m_customerBox, step.customer);
    fill(m_jobNoBox, step.jobNo);
    fill(m_jobTypeBox, step.jobType);
    for (int r = 0; r < RowCount; ++r) {
        m_rows[r].titleBox->setText(step.groups[r].groupTitle);
        m_rows[r].titleBox->setCursorPosition(0);
        for (int k = 0; k < 3; ++k)
            setBar(r, Kind(k), std::nullopt);
    }

    const StepGroup &overall = step.groups[0];
    setBar(0, Kind::Initial, StepChart::barSpanPixels(m_months, overall.planStart, overall.planEnd));
    m_periodStartEdit->setDate(pickerDate(overall.planStart));
    m_periodEndEdit->setDate(pickerDate(overall.planEnd));

    for (int r = 0; r < RowCount; ++r) {
        const StepGroup &g = step.groups[r];
        const int c = g.revisionCount();
        m_revisionCount[r] = c;
        // The strip shows the current revision, the last one stored.
        if (c > 0)
            setBar(r, Kind::Revised, StepChart::barSpanPixels(m_months, g.revStart[c - 1], g.revEnd[c - 1]));
        if (r > 0)
            drawPeriod(r, Kind::Initial, g.period(Kind::Initial, c));
        drawPeriod(r, Kind::Actual, g.period(Kind::Actual, c));
    }

    Shutter::playIfPresent(m_exeDir, m_services);
}

void StepPlannerWindow::setBar(int row, Kind kind, std::optional<BarPixels> pixels)
{
    m_rows[row].strip[int(kind)]->setBar(pixels.value_or(BarPixels{}));
}

// An unset period leaves the strip empty, though its day is one of the chart's in early 2005.
void StepPlannerWindow::drawPeriod(int row, Kind kind, const StepPeriod &period)
{
    if (StepGroup::isUnset(period.start))
        setBar(row, kind, std::nullopt);
    else
        setBar(row, kind, StepChart::barSpanPixels(m_months, period.start, period.end));
}

BarPixels StepPlannerWindow::barPixels(int row, Kind kind) const
{
    return m_rows[row].strip[int(kind)]->bar();
}

void StepPlannerWindow::scrollToPlanEnd()
{
    const int right = barPixels(0, Kind::Initial).right;
    m_chartScroll->horizontalScrollBar()->setValue(
        StepChart::planEndScroll(right, m_chartScroll->viewport()->width()));
}

void StepPlannerWindow::showHintsInStatusBar()
{
    Hints::routeTo(this, m_statusBar);
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
    m_memoPanel->hide();
    m_noteLabel->setText(u"本ウィンドウは\n幅方向にのみ\n伸縮可能です.\n(800pixel以上)"_s);
    if (layout())
        layout()->activate();
    scrollToPlanEnd();
}

void StepPlannerWindow::scrollChart(int dx)
{
    QScrollBar *bar = m_chartScroll->horizontalScrollBar();
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

int StepPlannerWindow::rowOf(const QObject *object) const
{
    for (int r = 0; r < RowCount; ++r) {
        const Row &row = m_rows[r];
        if (object == row.panel || object == row.grid)
            return r;
        for (int k = 0; k < 3; ++k) {
            if (object == row.stripPanel[k] || object == row.strip[k])
                return r;
        }
    }
    return -1;
}

bool StepPlannerWindow::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::Wheel:
        if (watched == m_chartScroll->viewport() || watched == m_chartScroll->horizontalScrollBar() ||
            watched == m_periodStartEdit || watched == m_periodEndEdit) {
            wheelTurned(static_cast<QWheelEvent *>(event)->angleDelta().y());
            return true;
        }
        break;
    case QEvent::ContextMenu:
        if (rowOf(watched) >= 0) {
            showChartMenu(static_cast<QWidget *>(watched),
                          static_cast<QContextMenuEvent *>(event)->globalPos());
            return true;
        }
        break;
    case QEvent::MouseButtonPress: {
        // Only the left button drags: a right press opens the chart menu and sets nothing.
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() != Qt::LeftButton)
            break;
        if (rowOf(watched) >= 0)
            moveSeparatorToRow(rowOf(watched));
        if (const auto strip = stripOf(watched))
            beginDrag(strip->first, strip->second, mouse->position().toPoint().x());
        break;
    }
    case QEvent::MouseMove:
        if (m_drag && stripOf(watched) == std::pair(m_drag->row, m_drag->kind))
            dragTo(static_cast<QMouseEvent *>(event)->position().toPoint().x());
        break;
    case QEvent::MouseButtonRelease: {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() != Qt::LeftButton)
            break;
        if (m_drag && stripOf(watched) == std::pair(m_drag->row, m_drag->kind))
            endDrag(mouse->position().toPoint().x());
        else if (watched == m_dataNoBox || watched == m_titleBox || watched == m_customerBox ||
                 watched == m_jobNoBox || watched == m_jobTypeBox)
            showComments();
        break;
    }
    default:
        break;
    }
    return QDialog::eventFilter(watched, event);
}

std::optional<std::pair<int, StepPlannerWindow::Kind>> StepPlannerWindow::stripOf(const QObject *object) const
{
    for (int r = 0; r < RowCount; ++r) {
        for (int k = 0; k < 3; ++k) {
            if (object == m_rows[r].strip[k])
                return std::pair(r, Kind(k));
        }
    }
    return std::nullopt;
}

std::optional<std::pair<int, StepPlannerWindow::Kind>> StepPlannerWindow::chosenStrip() const
{
    const int id = m_radioGroup->checkedId();
    if (id < 0)
        return std::nullopt;
    return std::pair(id / 3, Kind(id % 3));
}

void StepPlannerWindow::deselectRadios(int row)
{
    // An exclusive group keeps one button checked; it lets go only while not exclusive.
    m_radioGroup->setExclusive(false);
    for (int r = 0; r < RowCount; ++r) {
        if (row < 0 || r == row) {
            for (QRadioButton *radio : m_rows[r].radio)
                radio->setChecked(false);
        }
    }
    m_radioGroup->setExclusive(true);
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
    m_periodStartEdit->setDate(pickerDate(period.start));
    m_periodEndEdit->setDate(pickerDate(period.end));
    return true;
}

void StepPlannerWindow::showChosenPeriod(int radioId)
{
    const int row = radioId / 3;
    showPeriod(m_workingStep.groups[row].period(Kind(radioId % 3), m_revisionCount[row]));
}

// The pickers wear the colour of the bar being dragged; an invalid colour gives them theirs back.
void StepPlannerWindow::tintPeriodPickers(const QColor &colour)
{
    for (QDateEdit *picker : {m_periodStartEdit, m_periodEndEdit}) {
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

void StepPlannerWindow::beginDrag(int row, Kind kind, int x)
{
    if (!radioOf(row, kind)->isChecked())
        return;
    tintPeriodPickers(StepColours::bar(row, int(kind)));
    m_drag = Drag{row, kind, x, barPixels(row, kind)};
    setBar(row, kind, BarPixels{x, x});
}

void StepPlannerWindow::dragTo(int x)
{
    if (!m_drag || !radioOf(m_drag->row, m_drag->kind)->isChecked())
        return;
    if (m_dragPause && m_dragPause->isActive())
        return;
    if (scrollAtEdge(x)) {
        if (!m_dragPause) {
            m_dragPause = new QTimer(this);
            m_dragPause->setSingleShot(true);
            m_dragPause->setInterval(DragScrollPauseMs);
        }
        m_dragPause->start();
    }
    setBar(m_drag->row, m_drag->kind, BarPixels{qMin(m_drag->left, x), qMax(m_drag->left, x)});
}

bool StepPlannerWindow::scrollAtEdge(int x)
{
    QScrollBar *bar = m_chartScroll->horizontalScrollBar();
    const int before = bar->value();
    const int pointer = m_rows[m_drag->row].strip[int(m_drag->kind)]->mapTo(m_chartBase, QPoint(x, 0)).x();
    const int view = m_chartScroll->viewport()->width();
    if (before + view - (pointer + StepChart::DayWidth) < DragScrollMargin)
        scrollChart(DragScrollStep);
    if (pointer + StepChart::DayWidth - bar->value() < DragScrollMargin)
        scrollChart(-DragScrollStep);
    return bar->value() != before;
}

void StepPlannerWindow::endDrag(int x)
{
    const Drag drag = *m_drag;
    m_drag.reset();
    if (m_dragPause)
        m_dragPause->stop();
    tintPeriodPickers(QColor());
    StepGroup &group = m_workingStep.groups[drag.row];
    const int count = m_revisionCount[drag.row];
    std::optional<StepChart::DaySpan> span;
    if (radioOf(drag.row, drag.kind)->isChecked())
        span = StepChart::datesAtPixels(m_months, drag.left, x);
    const StepPeriod period =
        span ? StepPeriod{DaySerial::fromDate(span->firstDate), DaySerial::fromDate(span->lastDate)}
             : StepPeriod{};
    // Not stored: the strip shows again what it showed before.
    if (!span || !showPeriod(period)) {
        setBar(drag.row, drag.kind, drag.shown);
        return;
    }
    group.setPeriod(drag.kind, count, period);
    setBar(drag.row, drag.kind,
           BarPixels{StepChart::DayWidth * (span->first - 1), StepChart::DayWidth * span->last});
}

void StepPlannerWindow::restoreRow(int row)
{
    const auto chosen = chosenStrip();
    if (!chosen || chosen->first != row)
        return;
    const Kind kind = chosen->second;
    const std::optional<StepPeriod> restored =
        m_workingStep.groups[row].restorePeriod(kind, m_revisionCount[row], m_loadedStep.groups[row]);
    if (!restored)
        return;
    drawPeriod(row, kind, *restored);
    showPeriod(*restored);
}

void StepPlannerWindow::lockRow(int row)
{
    deselectRadios(row);
}

// By the strip the chart menu was opened on, whatever radio button is chosen.
void StepPlannerWindow::clearBar()
{
    if (isNotebookOpen())
        return;
    const auto strip = stripOf(m_menuOrigin);
    if (!strip || !m_workingStep.clearPeriod(strip->first, strip->second, m_revisionCount[strip->first]))
        return;
    setBar(strip->first, strip->second, std::nullopt);
}

void StepPlannerWindow::setEditingLocked(bool locked)
{
    for (int r = 0; r < RowCount; ++r) {
        Row &row = m_rows[r];
        for (int k = 0; k < 3; ++k)
            row.radio[k]->setEnabled(!locked && !(r == 0 && Kind(k) == Kind::Initial));
        row.restoreButton->setEnabled(!locked);
        row.lockButton->setEnabled(!locked);
    }
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
    const std::optional<Kind> kind = StepNotes::kindServed(row, chosenStrip());
    if (!kind)
        return;
    if (!m_notebook) {
        m_notebook = new StepNotebookWidget(m_memoPanel);
        m_memoPanel->layout()->addWidget(m_notebook);
        connect(m_notebook, &StepNotebookWidget::historyChosen, this, &StepPlannerWindow::previewRevision);
        connect(m_notebook, &StepNotebookWidget::refused, this,
                [this](const QString &hint) { m_statusBar->showMessage(hint, 4000); });
    }
    m_notebook->showNotes(
        notebookRowName(row), kindName(*kind),
        StepNotes::of(m_loadedStep.groups[row], m_workingStep.groups[row], *kind, m_revisionCount[row]));
    deselectRadios(-1);
    m_notebookRow = row;
    m_notebookKind = *kind;
    m_historyPreview = false;
    m_memoPanel->show();
    m_rows[row].memoButton->setText(u"メモ閉"_s);
    setEditingLocked(true);
    if (layout())
        layout()->activate();
    scrollToPlanEnd();
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
        drawPeriod(row, Kind::Revised, shown);
        showPeriod(shown);
    }
    m_historyPreview = false;
    m_notebookRow = -1;
    m_memoPanel->hide();
    m_rows[row].memoButton->setText(u"メモ"_s);
    setEditingLocked(false);
    if (layout())
        layout()->activate();
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
    drawPeriod(row, Kind::Revised, shown);
    showPeriod(shown);
    m_notebook->showPage(entry);
    m_historyPreview = true;
}

void StepPlannerWindow::showComments()
{
    auto *popup = new JobCommentsPopup(m_workingStep.comments, this);
    // Just under the job's title, below the basic data.
    popup->move(m_titleBox->mapToGlobal(QPoint(3, 0)).x(), mapToGlobal(QPoint(0, 0)).y() + 77);
    popup->open();
}

void StepPlannerWindow::showChartMenu(QWidget *origin, const QPoint &globalPos)
{
    m_menuOrigin = origin;
    m_menuRow = rowOf(origin);
    m_chartMenu->popup(globalPos);
}

void StepPlannerWindow::toggleSeparator()
{
    if (m_separatorPanel->isVisibleTo(this)) {
        m_separatorPanel->hide();
        m_separatorAction->setChecked(false);
        return;
    }
    // The separator reads the days over a step row; the overall row sits right under the header.
    if (m_menuRow < 1) {
        m_separatorAction->setChecked(false);
        return;
    }
    m_separatorPanel->move(1, StepChart::separatorTop(m_menuRow));
    m_separatorPanel->show();
    m_separatorPanel->raise();
    m_separatorAction->setChecked(true);
}

void StepPlannerWindow::moveSeparatorToRow(int row)
{
    if (row >= 1 && m_separatorPanel->isVisibleTo(this))
        m_separatorPanel->move(1, StepChart::separatorTop(row));
}

void StepPlannerWindow::saveAndClose()
{
    // What the open notebook shows reaches the working copy only when it closes.
    if (isNotebookOpen() &&
        m_services.dialogs.askYesNo(this, StepMessages::notebookOpenOnSave(),
                                    frameGeometry().topLeft() + QPoint(300, 300)) != Dialogs::Answer::Yes)
        return;
    // The working copy holds the titles as the file will: cut to their capacity. A title left as it
    // was keeps its stored text, and with it its bytes.
    for (int r = 0; r < RowCount; ++r) {
        const QString text = m_rows[r].titleBox->text();
        if (text != m_loadedStep.groups[r].groupTitle)
            m_workingStep.groups[r].groupTitle = Sjis::fitToField(text, StepGroup::TitleCapacity);
    }
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
