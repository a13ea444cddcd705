#include "widgets/JobRowWidget.h"

#include "data/DateText.h"
#include "data/DaySerial.h"
#include "data/JobRecord.h"
#include "platform/TextFit.h"
#include "widgets/ShapedText.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QHash>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmapCache>
#include <QStyle>
#include <QStyleOptionFrame>

using namespace Qt::StringLiterals;

namespace {

constexpr int BoxTop = 5;
constexpr int BoxHeight = 20;
constexpr int TextMargin = 3;

// The same numbers and dates recur in every row and every opening: fit each once.
QFont fittedFont(const QFont &base, const QString &text, int width)
{
    static QFont cachedFor;
    static QHash<QString, QFont> cache;
    if (!(base == cachedFor) || cache.size() > 4096) {
        cache.clear();
        cachedFor = base;
    }
    const QString key = QString::number(width) + u'|' + text;
    const auto found = cache.constFind(key);
    if (found != cache.constEnd())
        return *found;
    // 10 points; a longer number or date ("12月 No.60") steps down so it is never cut off. A long
    // title keeps its size and is cut at the box's edge like any text box.
    const QFont font = TextFit::fittingFont(base, 10, text, width, width < 100 ? 7 : 10);
    cache.insert(key, font);
    return font;
}

// Fusion strokes a box's rounded frame with antialiasing, the dearest part of painting a row: each
// empty box is drawn once for its size and background and copied from then on.
QPixmap emptyBox(const QStyleOptionFrame &frame, const QColor &background, QWidget *row)
{
    const qreal ratio = row->devicePixelRatioF();
    const QString key =
        QString::asprintf("wrenly-jobrow-box-%d-%d-%x-%g-%x-%llx", frame.rect.width(), frame.rect.height(),
                          background.rgba(), ratio, uint(frame.state), qulonglong(frame.palette.cacheKey()));
    QPixmap box;
    if (QPixmapCache::find(key, &box))
        return box;
    box = QPixmap(frame.rect.size() * ratio);
    box.setDevicePixelRatio(ratio);
    box.fill(background);
    QPainter p(&box);
    QStyleOptionFrame at = frame;
    at.rect.moveTo(0, 0);
    row->style()->drawPrimitive(QStyle::PE_PanelLineEdit, &at, &p, row);
    p.end();
    QPixmapCache::insert(key, box);
    return box;
}

} // namespace

JobRowWidget::JobRowWidget(MonthKind kind, int monthNumber, int dataNo, const JobRecord &job, QWidget *parent)
    : QFrame(parent), m_kind(kind), m_dataNo(dataNo)
{
    setFixedSize(RowWidth, RowHeight);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setBox(Box::DataNo, 5, 65, QString::number(monthNumber) + u"月 No."_s + QString::number(dataNo));
    setBox(Box::Start, 75, 85, DateText::monthDayPadded(DaySerial::dayOf(job.startDate)));
    setBox(Box::End, 165, 85, DateText::monthDayPadded(DaySerial::dayOf(job.endDate)));
    setBox(Box::Title, 255, 255, job.title);
}

void JobRowWidget::setBox(Box box, int left, int width, const QString &text)
{
    // The font is fitted when the row first paints: most rows of a long list are never seen.
    m_boxes[size_t(box)] = {QRect(left, BoxTop, width, BoxHeight), text, {}, false};
}

// Kept as a colour of the row's own, not a palette: a palette per row would give every row and
// every opening their own entries in the style's pixmap cache.
void JobRowWidget::setBackground(const QColor &color)
{
    m_background = color;
    update();
}

void JobRowWidget::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QColor background = m_background.isValid() ? m_background : palette().color(QPalette::Base);
    p.fillRect(rect(), background);
    QStyleOptionFrame frame;
    frame.initFrom(this);
    // The application's palette, not the list's: one set of cached frame pictures for every row.
    frame.palette = QApplication::palette();
    frame.lineWidth = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &frame, this);
    frame.midLineWidth = 0;
    frame.state |= QStyle::State_Sunken | QStyle::State_ReadOnly;
    frame.state &= ~(QStyle::State_HasFocus | QStyle::State_MouseOver);
    for (Painted &box : m_boxes) {
        if (!box.fitted) {
            box.font = fittedFont(font(), box.text, box.rect.width());
            box.fitted = true;
        }
        frame.rect = box.rect;
        p.drawPixmap(box.rect.topLeft(), emptyBox(frame, background, this));
        const QRect text =
            box.rect.adjusted(frame.lineWidth + TextMargin, 0, -frame.lineWidth - TextMargin, 0);
        p.save();
        p.setClipRect(text);
        p.setFont(box.font);
        p.setPen(palette().color(QPalette::Text));
        // Where drawText() with AlignVCenter puts a single line.
        const qreal lineHeight = QFontMetricsF(box.font).height();
        p.drawStaticText(QPointF(text.left(), text.top() + (text.height() - lineHeight) / 2),
                         ShapedText::of(box.font, box.text).text);
        p.restore();
    }
}

void JobRowWidget::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        emit leftClicked(this);
    else if (event->button() == Qt::RightButton)
        emit rightClicked(this, event->globalPosition().toPoint());
    event->accept();
}

void JobRowWidget::mouseDoubleClickEvent(QMouseEvent *event)
{
    event->accept();
}

void JobRowWidget::contextMenuEvent(QContextMenuEvent *event)
{
    // The right press has already been reported; letting the event climb would offer a second menu.
    event->accept();
}
