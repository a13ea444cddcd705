#include "dailyplan/PlanAreaWidget.h"

#include "dailyplan/DayPaneWidget.h"
#include "dailyplan/DragColumnWidget.h"
#include "dailyplan/PlanLayout.h"
#include "dailyplan/SchedulePad.h"
#include "dailyplan/TimeScaleWidget.h"
#include "data/DayPlan.h"
#include "data/SjisCodec.h"
#include "platform/Hints.h"
#include "widgets/BoxPictureStyle.h"
#include "widgets/ColorFrame.h"
#include "widgets/FixedColours.h"

#include <QApplication>
#include <QChildEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

QString firstUseHintText()
{
    return u"　\r\n　左の白いドラッグ・エリア上で, \r\n　\r\n　およその開始時刻から終了時刻までドラッグしてください. \r\n　\r\n　(本メッセージは,左クリックで消えます.) \r\n　"_s;
}

} // namespace

PlanAreaWidget::PlanAreaWidget(SchedulePadHost &host, DayPlan &day, QWidget *parent)
    : QScrollArea(parent), m_host(host), m_day(day)
{
    setObjectName(u"planArea"_s);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // A bar as tall as the window: the style's gradients cost more than painting the pads.
    verticalScrollBar()->setStyle(BoxPictureStyle::instance());
    setWidgetResizable(false);
    buildPlan();
    buildFirstUseHint();
    connect(qApp, &QApplication::focusChanged, this, &PlanAreaWidget::markFocusedPad);

    m_dragPause.setSingleShot(true);
    m_dragPause.setInterval(PauseMs);
    connect(&m_dragPause, &QTimer::timeout, this, [this] {
        // A button released during the pause has ended the drag.
        if (m_dragHeld)
            m_dragActive = true;
    });
}

PlanAreaWidget::~PlanAreaWidget()
{
    // The pads go before this part of the object: their focus must not call back into it.
    disconnect(qApp, nullptr, this, nullptr);
    destroyPads();
}

void PlanAreaWidget::buildPlan()
{
    using namespace PlanLayout;
    auto *holder = new QWidget; // the plan with a margin either side
    holder->setObjectName(u"planHolder"_s);
    holder->setFixedSize(PlanWidth + 12, 2904);
    m_plan = new ColorFrame(Qt::white, holder);
    m_plan->setObjectName(u"plan"_s);
    m_plan->setGeometry(6, 0, PlanWidth, PlanHeight);

    auto *left = new DayPaneWidget(TimeAxis::leftPaneBands(), m_plan);
    left->setObjectName(u"leftPane"_s);
    left->setGeometry(1, 1, PaneWidth, TimeAxis::Rows + 2);
    auto *right = new DayPaneWidget(TimeAxis::rightPaneBands(), m_plan);
    right->setObjectName(u"rightPane"_s);
    right->setGeometry(1 + PaneWidth + TimeStripWidth, 1, PaneWidth, TimeAxis::Rows + 2);

    auto *timeStrip = new ColorFrame(TimeScaleWidget::background(), m_plan);
    timeStrip->setObjectName(u"timeStrip"_s);
    timeStrip->setGeometry(1 + PaneWidth, 1, TimeStripWidth, TimeAxis::Rows + 2);
    auto *leftHolder = new QWidget(timeStrip);
    leftHolder->setObjectName(u"leftColumnHolder"_s);
    leftHolder->setGeometry(1, 1, 12, TimeAxis::Rows);
    m_leftColumn = new DragColumnWidget(DragColumnWidget::Side::Left, leftHolder);
    m_leftColumn->setObjectName(u"leftDragColumn"_s);
    m_leftColumn->setGeometry(0, 0, 12, TimeAxis::Rows);
    auto *scale = new TimeScaleWidget(timeStrip);
    scale->setObjectName(u"timeScale"_s);
    scale->move(13, 1);
    auto *rightHolder = new QWidget(timeStrip);
    rightHolder->setObjectName(u"rightColumnHolder"_s);
    rightHolder->setGeometry(34, 1, 13, TimeAxis::Rows);
    m_rightColumn = new DragColumnWidget(DragColumnWidget::Side::Right, rightHolder);
    m_rightColumn->setObjectName(u"rightDragColumn"_s);
    m_rightColumn->setGeometry(0, 0, 13, TimeAxis::Rows);
    for (DragColumnWidget *column : {m_leftColumn, m_rightColumn}) {
        Hints::set(
            column,
            u"ドラッグ・エリア|およその開始時刻から終了時刻までドラッグすると,スケジュール・パッドを作成します"_s);
        connect(column, &DragColumnWidget::pressed, this, &PlanAreaWidget::dragPress);
        connect(column, &DragColumnWidget::moved, this, &PlanAreaWidget::dragMove);
        connect(column, &DragColumnWidget::released, this, &PlanAreaWidget::dragRelease);
    }
    Hints::set(scale, u"時刻|時刻の目盛りです (5分ごと)"_s);
    setWidget(holder);
}

void PlanAreaWidget::buildFirstUseHint()
{
    m_firstUseHint = new ColorFrame(QColor(255, 251, 240), m_plan);
    m_firstUseHint->setObjectName(u"firstUseHint"_s);
    m_firstUseHint->setFrameShape(QFrame::Box);
    m_firstUseHintLabel = new QLabel(m_firstUseHint);
    m_firstUseHintLabel->setObjectName(u"firstUseHintLabel"_s);
    FixedColours::setText(m_firstUseHintLabel);
    m_firstUseHintLabel->move(1, 1);
    m_firstUseHint->installEventFilter(this);
    m_firstUseHintLabel->installEventFilter(this);
    m_firstUseHint->hide();
}

void PlanAreaWidget::showFirstUseHint()
{
    m_firstUseHintLabel->setText(Sjis::fromCrLf(firstUseHintText()));
    // Within the right pane, whatever the face's widths: a line too long wraps.
    m_firstUseHintLabel->setWordWrap(true);
    m_firstUseHintLabel->resize(PlanLayout::PadWidth,
                                m_firstUseHintLabel->heightForWidth(PlanLayout::PadWidth));
    m_firstUseHint->resize(m_firstUseHintLabel->width() + 2, m_firstUseHintLabel->height() + 2);
    m_firstUseHint->move(PlanLayout::RightPaneX, 303);
    m_firstUseHint->raise();
    m_firstUseHint->show();
}

void PlanAreaWidget::takeWheelOf(QWidget *window)
{
    m_wheelWindow = window;
    watchWheel(window);
}

void PlanAreaWidget::watchWheel(QObject *object)
{
    // Boxes made later, a pad's on its first touch, are watched as they come.
    object->installEventFilter(this);
    for (QObject *child : object->children()) {
        if (child->isWidgetType())
            watchWheel(child);
    }
}

bool PlanAreaWidget::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::ChildAdded:
        if (QObject *child = static_cast<QChildEvent *>(event)->child(); child->isWidgetType())
            watchWheel(child);
        break;
    case QEvent::Wheel:
        if (static_cast<QWidget *>(watched)->window() != m_wheelWindow)
            break;
        m_wheelRemainder += static_cast<QWheelEvent *>(event)->angleDelta().y();
        scrollBy(-(m_wheelRemainder / 120) * RowsPerNotch);
        m_wheelRemainder %= 120;
        return true;
    case QEvent::MouseButtonPress:
        if ((watched == m_firstUseHint || watched == m_firstUseHintLabel) &&
            static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
            m_firstUseHint->hide();
            return true;
        }
        break;
    default:
        break;
    }
    return QScrollArea::eventFilter(watched, event);
}

int PlanAreaWidget::scrollPosition() const
{
    return verticalScrollBar()->value();
}

void PlanAreaWidget::setScrollPosition(int rows)
{
    verticalScrollBar()->setValue(rows);
}

void PlanAreaWidget::scrollBy(int rows)
{
    setScrollPosition(scrollPosition() + rows);
}

void PlanAreaWidget::setBars(const ScheduleBars &bars)
{
    m_leftColumn->setBars(bars);
    m_rightColumn->setBars(bars);
}

SchedulePad *PlanAreaWidget::createPad(int slot)
{
    // The slot decides the number: a damaged PadNo must not send a pad's edits to another record.
    auto *pad = new SchedulePad(slot + 1, m_host, m_plan);
    connect(pad, &SchedulePad::memoRequested, this, &PlanAreaWidget::padMemoRequested);
    m_pads[size_t(slot)] = pad;
    return pad;
}

void PlanAreaWidget::showPadsFromRecords()
{
    const int maxLeft = m_plan->width() - PlanLayout::PadWidth;
    const int maxTop = m_plan->height() - PlanLayout::PadHeight;
    for (int k = 0; k < PadSlots; ++k) {
        const SchedulePadRecord &record = m_day.pad(k);
        if (!record.hasTimes())
            continue;
        SchedulePad *pad = createPad(k);
        pad->setFromRecord(record);
        pad->setKept(true);
        pad->move(qBound(0, int(record.padLeft), maxLeft), qBound(0, int(record.padTop), maxTop));
        pad->show();
    }
}

void PlanAreaWidget::setPadColorsFromRecords()
{
    for (int k = 0; k < PadSlots; ++k) {
        if (m_pads[size_t(k)] && m_day.pad(k).hasTimes())
            m_pads[size_t(k)]->setColorValue(m_day.pad(k).barColor);
    }
}

void PlanAreaWidget::destroyPads()
{
    for (SchedulePad *&pad : m_pads) {
        delete pad;
        pad = nullptr;
    }
}

void PlanAreaWidget::focusPadNumber(int number)
{
    if (number > 0 && number <= PadSlots && m_pads[size_t(number - 1)])
        m_pads[size_t(number - 1)]->focusPad();
}

bool PlanAreaWidget::hasUnkeptPad() const
{
    return std::any_of(m_pads.begin(), m_pads.end(), [](const SchedulePad *p) { return p && !p->isKept(); });
}

void PlanAreaWidget::keepUnkeptPads()
{
    for (SchedulePad *pad : m_pads) {
        if (pad && !pad->isKept())
            pad->keepPad();
    }
}

void PlanAreaWidget::markFocusedPad(QWidget *old, QWidget *now)
{
    if (SchedulePad *pad = moveMark<SchedulePad>(old, now, m_plan))
        m_day.selectPad(pad->number() - 1);
}

void PlanAreaWidget::dragPress(DragColumnWidget *, Qt::MouseButton button, int y)
{
    if (button != Qt::LeftButton)
        return;
    m_dragStartRow = y;
    m_dragArmed = true;
    m_dragActive = true;
    m_dragHeld = true;
}

void PlanAreaWidget::dragMove(DragColumnWidget *, int y)
{
    if (!m_dragActive)
        return;
    m_dragEndRow = y;
    const int top = scrollPosition();
    const int bottom = top + viewport()->height();
    if (bottom - y < AutoScrollMargin) {
        scrollBy(AutoScrollStep);
        pauseDrag();
    }
    if (y - top < AutoScrollMargin) {
        scrollBy(-AutoScrollStep);
        pauseDrag();
    }
}

void PlanAreaWidget::pauseDrag()
{
    // Moves that arrive during the pause neither record a row nor scroll again; the event loop
    // keeps running meanwhile.
    m_dragActive = false;
    m_dragPause.start();
}

void PlanAreaWidget::dragRelease(DragColumnWidget *column, Qt::MouseButton button, int y)
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
    m_dragStartRow = std::max(m_dragStartRow, 0);
    m_dragEndRow = std::min(m_dragEndRow, int(TimeAxis::LastRow));

    const auto free = std::find(m_pads.begin(), m_pads.end(), nullptr);
    m_dragArmed = false;
    if (free != m_pads.end()) {
        SchedulePad *pad = createPad(int(free - m_pads.begin()));
        pad->setTimes(TimeAxis::rowToTime(m_dragStartRow), TimeAxis::rowToTime(m_dragEndRow));
        pad->setKept(false);
        const int left = column == m_leftColumn ? PlanLayout::LeftPaneX : PlanLayout::RightPaneX;
        pad->move(left, PlanLayout::placement().padTopFor(m_dragStartRow));
        pad->show();
        pad->focusPad();
        // A drag that scrolled ends far from its start, where the pad goes: the view follows the pad.
        ensureWidgetVisible(pad, 0, 10);
    }
    m_host.playShutter();
}
