#include "widgets/JobRowWidget.h"

#include "data/BarChart.h"
#include "data/DateText.h"
#include "data/DaySerial.h"
#include "data/JobRecord.h"
#include "platform/TextFit.h"

#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMouseEvent>

using namespace Qt::StringLiterals;

JobRowWidget::JobRowWidget(MonthKind kind, int monthNumber, int dataNo, const JobRecord &job, QWidget *parent)
    : QFrame(parent), m_kind(kind), m_dataNo(dataNo)
{
    setFixedSize(RowWidth, RowHeight);
    setFocusPolicy(Qt::NoFocus);
    setAutoFillBackground(true);
    setBackground(palette().color(QPalette::Base));
    addBox(5, 65, QString::number(monthNumber) + u"月 No."_s + QString::number(dataNo))
        ->setObjectName(u"edtDataNo"_s);
    addBox(75, 85, DateText::monthDayPadded(DaySerial::toDate(BarChart::clampSerial(job.startDate))))
        ->setObjectName(u"edtStart"_s);
    addBox(165, 85, DateText::monthDayPadded(DaySerial::toDate(BarChart::clampSerial(job.endDate))))
        ->setObjectName(u"edtEnd"_s);
    addBox(255, 255, job.title)->setObjectName(u"edtTitle"_s);
}

void JobRowWidget::setBackground(const QColor &color)
{
    QPalette p = palette();
    p.setColor(QPalette::Window, color);
    setPalette(p);
}

QLineEdit *JobRowWidget::addBox(int left, int width, const QString &text)
{
    auto *box = new QLineEdit(text, this);
    box->setGeometry(left, 5, width, 20);
    box->setReadOnly(true);
    box->setFocusPolicy(Qt::NoFocus);
    box->setAttribute(Qt::WA_InputMethodEnabled, false);
    box->setCursor(Qt::ArrowCursor);
    box->setCursorPosition(0);
    box->setTextMargins(1, 0, 1, 0);
    // 10 points; a longer number or date ("12月 No.60") steps down so it is never cut
    // off. A long title keeps its size and scrolls like any text box.
    box->setFont(TextFit::fittingFont(box->font(), 10, text, width, width < 100 ? 7 : 10));
    box->installEventFilter(this);
    return box;
}

void JobRowWidget::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        emit leftClicked(this);
    else if (event->button() == Qt::RightButton)
        emit rightClicked(this, event->globalPosition().toPoint());
    event->accept();
}

void JobRowWidget::contextMenuEvent(QContextMenuEvent *event)
{
    // The right press has already been reported; letting the event climb would offer a second menu.
    event->accept();
}

bool JobRowWidget::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        auto *me = static_cast<QMouseEvent *>(event);
        if (me->button() == Qt::LeftButton)
            emit leftClicked(this);
        else if (me->button() == Qt::RightButton)
            emit rightClicked(this, me->globalPosition().toPoint());
        return true;
    }
    if (event->type() == QEvent::MouseButtonDblClick || event->type() == QEvent::ContextMenu)
        return true;
    return QFrame::eventFilter(watched, event);
}
