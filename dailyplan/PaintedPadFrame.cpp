#include "dailyplan/PaintedPadFrame.h"

#include "platform/Hints.h"

#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QLabel>
#include <QMouseEvent>

using namespace Qt::StringLiterals;

PaintedPadFrame::PaintedPadFrame(QWidget *parent) : QFrame(parent)
{
    // Until it has boxes the pad itself takes the focus, to hand it on to its first box.
    setFocusPolicy(Qt::StrongFocus);
}

void PaintedPadFrame::makeEditable()
{
    if (m_editable)
        return;
    m_editable = true;
    buildEditors();
    setFocusPolicy(Qt::NoFocus);
    for (QWidget *child : findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (!child->isWindow()) // a pad's menu pops up only when asked
            child->show();
    }
    update();
}

QLabel *PaintedPadFrame::makeMarkLabel(const QRect &box)
{
    auto *mark = new QLabel(this);
    mark->setObjectName(u"markLabel"_s);
    mark->setGeometry(box);
    mark->setAlignment(Qt::AlignCenter);
    mark->setAutoFillBackground(true);
    mark->setFrameShape(QFrame::Panel);
    mark->setFrameShadow(QFrame::Sunken);
    QPalette white = mark->palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::WindowText, Qt::black);
    mark->setPalette(white);
    Hints::set(mark, u"メニュー|右クリックでメニューを表示します"_s);
    return mark;
}

void PaintedPadFrame::enterEvent(QEnterEvent *event)
{
    QFrame::enterEvent(event);
    makeEditable();
}

void PaintedPadFrame::mousePressEvent(QMouseEvent *event)
{
    if (m_editable) {
        QFrame::mousePressEvent(event);
        return;
    }
    makeEditable();
    if (QWidget *target = childAt(event->position().toPoint())) {
        QMouseEvent press(event->type(), target->mapFrom(this, event->position()), event->globalPosition(),
                          event->button(), event->buttons(), event->modifiers());
        QCoreApplication::sendEvent(target, &press);
    }
}

void PaintedPadFrame::contextMenuEvent(QContextMenuEvent *event)
{
    if (m_editable) {
        QFrame::contextMenuEvent(event);
        return;
    }
    // As for the press: the boxes answer with their own menus, the rest of the pad with its own.
    makeEditable();
    if (QWidget *target = childAt(event->pos())) {
        QContextMenuEvent menu(event->reason(), target->mapFrom(this, event->pos()), event->globalPos(),
                               event->modifiers());
        QCoreApplication::sendEvent(target, &menu);
    }
}

void PaintedPadFrame::focusInEvent(QFocusEvent *event)
{
    QFrame::focusInEvent(event);
    makeEditable();
    firstBox()->setFocus(event->reason());
}
