#include "step/StepPlannerWindow.h"

#include "data/DateText.h"
#include "data/DaySerial.h"
#include "data/SjisCodec.h"
#include "platform/Dialogs.h"
#include "platform/Hints.h"
#include "platform/Services.h"
#include "platform/Shutter.h"
#include "platform/SoundPlayer.h"
#include "step/StepChartPainter.h"
#include "step/StepMessages.h"
#include "step/StepPictureWidget.h"
#include "step/StepStripWidget.h"

#include <QButtonGroup>
#include <QContextMenuEvent>
#include <QDateEdit>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
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

// Object name digit: 0 for the overall row, 1..5 for the steps.
QString named(const char16_t *prefix, int row)
{
    return QString::fromUtf16(prefix) + QString::number(row);
}

void paint(QWidget *w, const QColor &colour)
{
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, colour);
    w->setPalette(pal);
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

    m_pnlMemo = new QFrame(this);
    m_pnlMemo->setObjectName(u"pnlMemo"_s);
    m_pnlMemo->setFixedWidth(200);
    m_pnlMemo->setFrameStyle(QFrame::Panel | QFrame::Raised);
    m_pnlMemo->hide();

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

    m_btnStepSave = new QPushButton(u"保存して閉じる(&S)"_s, this);
    m_btnStepSave->setObjectName(u"btnStepSave"_s);
    m_btnStepSave->setAutoDefault(false);
    connect(m_btnStepSave, &QPushButton::clicked, this, &StepPlannerWindow::btnStepSaveClick);
    m_btnStepClose = new QPushButton(u"閉じる(&C)"_s, this);
    m_btnStepClose->setObjectName(u"btnStepClose"_s);
    m_btnStepClose->setAutoDefault(false);
    connect(m_btnStepClose, &QPushButton::clicked, this, &StepPlannerWindow::btnStepCloseClick);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_btnStepSave);
    buttons->addWidget(m_btnStepClose);

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
    columns->addWidget(m_pnlMemo);
    columns->addLayout(mainBody, 1);

    m_statusBar1 = new QStatusBar(this);
    m_statusBar1->setObjectName(u"StatusBar1"_s);
    m_statusBar1->setSizeGripEnabled(false);
    for (int width : {500, 80}) {
        auto *panel = new QLabel(m_statusBar1);
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panel->setFixedWidth(width);
        m_statusBar1->addWidget(panel);
    }

    auto *root = new QVBoxLayout(this);
    root->setContentsMargins(0, 0, 0, 0);
    root->setSpacing(0);
    root->addLayout(columns, 1);
    root->addWidget(m_statusBar1);

    buildPopup();
    resize(MinimumWidth, WindowHeight);
}

StepPlannerWindow::~StepPlannerWindow() = default;

QWidget *StepPlannerWindow::buildBasicData()
{
    auto *panel = new QFrame(this);
    panel->setObjectName(u"pnlBasicData"_s);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    m_edtStepDataNo = readOnlyBox(u"edtStepDataNo"_s, panel);
    m_edtStepTitle = readOnlyBox(u"edtStepTitle"_s, panel);
    m_edtStepCustomer = readOnlyBox(u"edtStepCustomer"_s, panel);
    m_edtStepJobNo = readOnlyBox(u"edtStepJobNo"_s, panel);
    m_edtStepJobType = readOnlyBox(u"edtStepJobType"_s, panel);
    m_edtStepDataNo->setMinimumWidth(80);
    m_edtStepCustomer->setMinimumWidth(80);
    m_edtStepJobNo->setMinimumWidth(60);
    m_edtStepJobType->setMinimumWidth(70);

    auto *grid = new QGridLayout(panel);
    grid->setContentsMargins(4, 2, 4, 2);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(2);
    const auto label = [panel](const QString &text) { return new QLabel(text, panel); };
    grid->addWidget(label(u"データNo.："_s), 0, 0);
    grid->addWidget(m_edtStepDataNo, 0, 1);
    grid->addWidget(label(u"タイトル："_s), 0, 2);
    grid->addWidget(m_edtStepTitle, 0, 3, 1, 3);
    grid->addWidget(label(u"顧客："_s), 1, 0);
    grid->addWidget(m_edtStepCustomer, 1, 1);
    grid->addWidget(label(u"Job No.："_s), 1, 2);
    grid->addWidget(m_edtStepJobNo, 1, 3);
    grid->addWidget(label(u"仕事の種類："_s), 1, 4);
    grid->addWidget(m_edtStepJobType, 1, 5);
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
    m_dtpStartDate = datePicker(u"dtpStartDate"_s, panel);
    m_dtpEndDate = datePicker(u"dtpEndDate"_s, panel);
    m_dtpStartDate->installEventFilter(this);
    m_dtpEndDate->installEventFilter(this);
    auto *grid = new QGridLayout(panel);
    grid->setContentsMargins(4, 2, 4, 2);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(2);
    grid->addWidget(new QLabel(u"設定期間(開始/終了)"_s, panel), 0, 0, 1, 2);
    grid->addWidget(m_dtpStartDate, 1, 0);
    grid->addWidget(m_dtpEndDate, 1, 1);
    return panel;
}

QWidget *StepPlannerWindow::buildNote()
{
    auto *panel = new QFrame(this);
    panel->setObjectName(u"pnlNote"_s);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_lblNote = new QLabel(panel);
    m_lblNote->setObjectName(u"lblNote"_s);
    QFont small = m_lblNote->font();
    small.setPixelSize(11);
    m_lblNote->setFont(small);
    auto *box = new QVBoxLayout(panel);
    box->setContentsMargins(4, 1, 4, 1);
    box->addWidget(m_lblNote);
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
        row.memo = new QPushButton(u"メモ"_s, column);
        row.memo->setObjectName(named(u"btnMemo", r));
        row.memo->setAutoDefault(false);
        row.memo->setGeometry(78, top + 1, 44, 21);

        row.title = new QLineEdit(column);
        row.title->setObjectName(r == 0 ? u"edtOverall"_s : named(u"edtStep", r));
        row.title->setGeometry(4, top + 24, 118, 22);

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
    m_scrollBox1 = new QScrollArea(this);
    m_scrollBox1->setObjectName(u"ScrollBox1"_s);
    m_scrollBox1->setFrameShape(QFrame::NoFrame);
    m_scrollBox1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_scrollBox1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_scrollBox1->horizontalScrollBar()->setTracking(true);
    m_scrollBox1->setFixedHeight(ChartHeight + m_scrollBox1->horizontalScrollBar()->sizeHint().height());
    m_scrollBox1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_scrollBox1->viewport()->installEventFilter(this);
    m_scrollBox1->horizontalScrollBar()->installEventFilter(this);

    m_pnlBase = new QWidget;
    m_pnlBase->setObjectName(u"pnlBase"_s);
    m_pnlFrame = new QFrame(m_pnlBase);
    m_pnlFrame->setObjectName(u"pnlFrame"_s);
    m_pnlFrame->setFrameStyle(QFrame::Panel | QFrame::Sunken);

    m_pnlHeader = new QFrame(m_pnlFrame);
    m_pnlHeader->setObjectName(u"pnlHeader"_s);
    m_pnlHeader->setFrameStyle(QFrame::Panel | QFrame::Raised);
    paint(m_pnlHeader, StepColours::skyBlue);
    m_paintBoxHeader = new StepPictureWidget(m_pnlHeader);
    m_paintBoxHeader->setObjectName(u"PaintBoxHeader"_s);

    const QString stripNames[3] = {u"Top"_s, u"Mid"_s, u"Btm"_s};
    for (int r = 0; r < RowCount; ++r) {
        Row &row = m_rows[r];
        row.panel = new QFrame(m_pnlFrame);
        row.panel->setObjectName(r == 0 ? u"pnlOverall"_s : named(u"pnlStep", r));
        row.panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
        paint(row.panel, StepColours::skyBlue);
        row.grid = new StepPictureWidget(row.panel);
        row.grid->setObjectName(named(u"PaintBox", r));
        Hints::set(row.grid, surfaceHint);
        row.grid->installEventFilter(this);
        row.panel->installEventFilter(this);
        for (int k = 0; k < 3; ++k) {
            auto *panel = new QFrame(row.panel);
            panel->setObjectName(u"pnl"_s + stripNames[k] + u"Bar"_s + QString::number(r));
            panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
            paint(panel, StepColours::stripBackground[k]);
            panel->installEventFilter(this);
            auto *strip = new StepStripWidget(StepColours::stripBackground[k], StepColours::bar(r, k), panel);
            strip->setObjectName(u"PaintBox"_s + stripNames[k] + QString::number(r));
            Hints::set(strip, stripHint);
            strip->installEventFilter(this);
            row.stripPanel[k] = panel;
            row.strip[k] = strip;
        }
    }

    m_pnlFloatSeparator = new QFrame(m_pnlFrame);
    m_pnlFloatSeparator->setObjectName(u"pnlFloatSeparator"_s);
    paint(m_pnlFloatSeparator, StepColours::separator);
    m_pbxFloatSeparator = new StepPictureWidget(m_pnlFloatSeparator);
    m_pbxFloatSeparator->setObjectName(u"pbxFloatSeparator"_s);
    m_pnlFloatSeparator->hide();

    m_scrollBox1->setWidget(m_pnlBase);
    return m_scrollBox1;
}

// One radio button per strip, then the row's restore and lock buttons.
QWidget *StepPlannerWindow::buildRadioColumn()
{
    auto *column = new QWidget(this);
    column->setObjectName(u"pnlRadio"_s);
    column->setFixedWidth(RadioColumnWidth);
    m_radioGroup = new QButtonGroup(this);
    m_radioGroup->setExclusive(true);
    const QString kinds[3] = {u"rbTop"_s, u"rbMid"_s, u"rbBtm"_s};
    for (int r = 0; r < RowCount; ++r) {
        const int top = StepChart::rowTop(r);
        Row &row = m_rows[r];
        for (int k = 0; k < 3; ++k) {
            auto *rb = new QRadioButton(column);
            rb->setObjectName(kinds[k] + QString::number(r));
            rb->setGeometry(3, top + StepChart::StripTops[k] - 1, 18, 16);
            m_radioGroup->addButton(rb, r * 3 + k);
            row.radio[k] = rb;
        }
        row.restore = new QPushButton(u"元に戻す"_s, column);
        row.restore->setObjectName(named(u"btnRestore", r));
        row.restore->setAutoDefault(false);
        row.restore->setGeometry(24, top + 6, 66, 24);
        row.lock = new QPushButton(u"ロック"_s, column);
        row.lock->setObjectName(named(u"btnLock", r));
        row.lock->setAutoDefault(false);
        row.lock->setGeometry(24, top + 35, 66, 24);
    }
    // The overall initial plan comes from the job and is never edited here.
    m_rows[0].radio[Initial]->hide();
    m_rows[0].radio[Initial]->setEnabled(false);
    return column;
}

void StepPlannerWindow::buildPopup()
{
    m_popupMenu1 = new QMenu(this);
    m_popupMenu1->setObjectName(u"PopupMenu1"_s);
    m_pmiClear = m_popupMenu1->addAction(u"バーをクリア(&C)"_s);
    m_pmiClear->setObjectName(u"pmiClear"_s);
    m_popupMenu1->addSeparator();
    m_pmiShowSeparator = m_popupMenu1->addAction(u"フローティング・セパレータを表示(&D)"_s);
    m_pmiShowSeparator->setObjectName(u"pmiShowSeparator"_s);
    m_pmiShowSeparator->setCheckable(true);
    connect(m_pmiShowSeparator, &QAction::triggered, this, &StepPlannerWindow::pmiShowSeparatorClick);
    m_popupMenu1->addSeparator();
    QMenu *help = m_popupMenu1->addMenu(u"ヘルプ(&H)"_s);
    m_hContentsStep = help->addAction(u"目次(&C)..."_s);
    m_hContentsStep->setObjectName(u"HContentsStep"_s);
    connect(m_hContentsStep, &QAction::triggered, this, [this] {
        if (m_help)
            m_help();
    });
}

void StepPlannerWindow::SizeChart(const StepMonths &months)
{
    m_months = months;
    const StepChart::Sizes s = StepChart::sizes(months.dayCount());

    m_pnlHeader->setGeometry(1, StepChart::HeaderTop, s.row, StepChart::HeaderHeight);
    m_paintBoxHeader->setGeometry(1, 1, s.row - 2, StepChart::HeaderPaintHeight);
    m_paintBoxHeader->setPicture(StepChartPainter::header(months, m_paintBoxHeader->size()));

    // All six rows show the same grid.
    const QImage grid = StepChartPainter::grid(months, QSize(s.row - 2, StepChart::RowHeight - 2));
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

    m_pnlFloatSeparator->setGeometry(1, m_pnlFloatSeparator->y(), s.separator, StepChart::SeparatorHeight);
    m_pbxFloatSeparator->setGeometry(1, 0, s.separator - 1, StepChart::SeparatorHeight);
    m_pbxFloatSeparator->setPicture(StepChartPainter::separator(months, m_pbxFloatSeparator->size()));
    m_pnlFloatSeparator->raise();

    m_pnlFrame->setGeometry(FrameLeft, 0, s.frame, ChartHeight);
    m_pnlBase->resize(s.scrollRange, ChartHeight);
}

void StepPlannerWindow::FillStepWindow(const QString &path, const StepFile &image)
{
    if (!(image.months == m_months))
        SizeChart(image.months);
    m_stepFilePath = path;
    m_loadedStep = image;
    m_workingStep = image;

    m_edtStepDataNo->setText(QString::number(image.months.baseMonth) + u"月 No."_s +
                             QString::number(image.dataNo));
    m_edtStepTitle->setText(image.title);
    m_edtStepCustomer->setText(image.customer);
    m_edtStepJobNo->setText(image.jobNo);
    m_edtStepJobType->setText(image.jobType);
    for (int r = 0; r < RowCount; ++r) {
        m_rows[r].title->setText(image.groups[r].groupTitle);
        for (int k = 0; k < 3; ++k)
            setBar(r, Kind(k), std::nullopt);
    }

    const StepGroup &overall = image.groups[0];
    setBar(0, Initial, StepChart::DateToPixels(m_months, overall.planStart, overall.planEnd));
    m_dtpStartDate->setDate(pickerDate(overall.planStart));
    m_dtpEndDate->setDate(pickerDate(overall.planEnd));

    for (int r = 0; r < RowCount; ++r) {
        const StepGroup &g = image.groups[r];
        const int c = g.RevisionCount();
        m_revisionCount[r] = c;
        // The strip shows the current revision, the last one stored.
        if (c > 0)
            setBar(r, Revised, StepChart::DateToPixels(m_months, g.revStart[c - 1], g.revEnd[c - 1]));
        if (!StepGroup::isUnset(g.actualStart))
            setBar(r, Actual, StepChart::DateToPixels(m_months, g.actualStart, g.actualEnd));
        if (r > 0 && !StepGroup::isUnset(g.planStart))
            setBar(r, Initial, StepChart::DateToPixels(m_months, g.planStart, g.planEnd));
    }

    Shutter::playIfPresent(m_exeDir, m_services);
}

void StepPlannerWindow::setBar(int row, Kind kind, std::optional<BarPixels> pixels)
{
    m_rows[row].strip[kind]->setBar(pixels.value_or(BarPixels{}));
}

BarPixels StepPlannerWindow::barPixels(int row, Kind kind) const
{
    return m_rows[row].strip[kind]->bar();
}

void StepPlannerWindow::ScrollToPlanEnd()
{
    const int right = m_rows[0].strip[Initial]->bar().right;
    m_scrollBox1->horizontalScrollBar()->setValue(
        StepChart::planEndScroll(right, m_scrollBox1->viewport()->width()));
}

void StepPlannerWindow::showHintsInStatusBar()
{
    Hints::routeTo(this, m_statusBar1);
}

void StepPlannerWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!m_placed) {
        m_placed = true;
        FormShow();
    }
}

void StepPlannerWindow::FormShow()
{
    const QScreen *screen = parentWidget() ? parentWidget()->screen() : this->screen();
    if (screen) {
        const QRect area = screen->availableGeometry();
        move(area.topLeft());
        resize(qMax(MinimumWidth, area.width()), WindowHeight);
    }
    m_pnlMemo->hide();
    m_lblNote->setText(u"本ウィンドウは\n幅方向にのみ\n伸縮可能です.\n(800pixel以上)"_s);
    if (layout())
        layout()->activate();
    ScrollToPlanEnd();
}

void StepPlannerWindow::scrollChart(int dx)
{
    QScrollBar *bar = m_scrollBox1->horizontalScrollBar();
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
        if (watched == m_scrollBox1->viewport() || watched == m_scrollBox1->horizontalScrollBar() ||
            watched == m_dtpStartDate || watched == m_dtpEndDate) {
            wheelTurned(static_cast<QWheelEvent *>(event)->angleDelta().y());
            return true;
        }
        break;
    case QEvent::ContextMenu:
        if (rowOf(watched) >= 0) {
            PopupMenu1Popup(static_cast<QWidget *>(watched),
                            static_cast<QContextMenuEvent *>(event)->globalPos());
            return true;
        }
        break;
    case QEvent::MouseButtonPress:
        if (static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton && rowOf(watched) >= 0)
            surfaceMouseDown(rowOf(watched));
        break;
    default:
        break;
    }
    return QDialog::eventFilter(watched, event);
}

void StepPlannerWindow::PopupMenu1Popup(QWidget *origin, const QPoint &globalPos)
{
    m_popupOrigin = origin;
    m_popupRow = rowOf(origin);
    m_popupMenu1->popup(globalPos);
}

void StepPlannerWindow::pmiShowSeparatorClick()
{
    if (m_pnlFloatSeparator->isVisibleTo(this)) {
        m_pnlFloatSeparator->hide();
        m_pmiShowSeparator->setChecked(false);
        return;
    }
    // The separator reads the days over a step row; the overall row sits right under the header.
    if (m_popupRow < 1) {
        m_pmiShowSeparator->setChecked(false);
        return;
    }
    m_pnlFloatSeparator->move(1, StepChart::separatorTop(m_popupRow));
    m_pnlFloatSeparator->show();
    m_pnlFloatSeparator->raise();
    m_pmiShowSeparator->setChecked(true);
}

void StepPlannerWindow::surfaceMouseDown(int row)
{
    if (row >= 1 && m_pnlFloatSeparator->isVisibleTo(this))
        m_pnlFloatSeparator->move(1, StepChart::separatorTop(row));
}

void StepPlannerWindow::btnStepSaveClick()
{
    if (!QFileInfo::exists(m_stepFilePath)) {
        m_services.dialogs.error(this, StepMessages::fileMissing(m_stepFilePath));
        return;
    }
    // The image holds the titles as the file will: cut to their capacity.
    for (int r = 0; r < RowCount; ++r)
        m_workingStep.groups[r].groupTitle =
            Sjis::decode(Sjis::encodeForField(m_rows[r].title->text(), StepGroup::TitleCapacity));
    const SafeFile::Result result = StepFile::WriteStepFile(m_stepFilePath, m_workingStep);
    if (!result) {
        m_services.dialogs.fileError(this, FileOperation::Write, m_stepFilePath, result.error,
                                     StepMessages::fileSubject());
        return;
    }
    m_loadedStep = m_workingStep;
    accept();
}

void StepPlannerWindow::btnStepCloseClick()
{
    reject();
}
