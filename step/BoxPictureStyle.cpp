#include "step/BoxPictureStyle.h"

#include <QApplication>
#include <QHash>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOption>

BoxPictureStyle::BoxPictureStyle() : QProxyStyle(QStyleFactory::create(QApplication::style()->name()))
{
    setParent(qApp);
}

size_t qHash(const BoxPictureStyle::PictureKey &key, size_t seed)
{
    return qHashMulti(seed, key.element, key.size, key.state, key.palette, key.lineWidth, key.ratio,
                      int(key.direction));
}

BoxPictureStyle *BoxPictureStyle::instance()
{
    static BoxPictureStyle *style = new BoxPictureStyle;
    return style;
}

void BoxPictureStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                                    const QWidget *widget) const
{
    const auto *frame = qstyleoption_cast<const QStyleOptionFrame *>(option);
    const bool kept = (element == PE_PanelLineEdit && frame) || element == PE_IndicatorRadioButton;
    if (!kept || option->rect.isEmpty()) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    const qreal ratio = painter->device()->devicePixelRatioF();
    const PictureKey key{int(element),
                         option->rect.size(),
                         uint(option->state),
                         option->palette.cacheKey(),
                         frame ? frame->lineWidth : 0,
                         ratio,
                         option->direction};
    QPixmap picture = m_pictures.value(key);
    if (picture.isNull()) {
        picture = QPixmap(option->rect.size() * ratio);
        picture.setDevicePixelRatio(ratio);
        picture.fill(option->palette.color(QPalette::Window));
        QPainter p(&picture);
        if (frame) {
            QStyleOptionFrame moved = *frame;
            moved.rect.moveTopLeft(QPoint(0, 0));
            QProxyStyle::drawPrimitive(element, &moved, &p, widget);
        } else {
            QStyleOption moved = *option;
            moved.rect.moveTopLeft(QPoint(0, 0));
            QProxyStyle::drawPrimitive(element, &moved, &p, widget);
        }
        p.end();
        // A few sizes in a few states; a palette changed many times must not pile them up.
        if (m_pictures.size() >= MaxPictures)
            m_pictures.clear();
        m_pictures.insert(key, picture);
    }
    painter->drawPixmap(option->rect.topLeft(), picture);
}
