#include "step/BoxPictureStyle.h"

#include <QApplication>
#include <QPainter>
#include <QPixmapCache>
#include <QStyleFactory>
#include <QStyleOption>

using namespace Qt::StringLiterals;

BoxPictureStyle::BoxPictureStyle() : QProxyStyle(QStyleFactory::create(QApplication::style()->name()))
{
    setParent(qApp);
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
    const QString key = u"wrenly-box-%1-%2x%3-%4-%5-%6-%7-%8"_s.arg(int(element))
                            .arg(option->rect.width())
                            .arg(option->rect.height())
                            .arg(uint(option->state))
                            .arg(option->palette.cacheKey())
                            .arg(frame ? frame->lineWidth : 0)
                            .arg(ratio)
                            .arg(int(option->direction));
    QPixmap picture;
    if (!QPixmapCache::find(key, &picture)) {
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
        QPixmapCache::insert(key, picture);
    }
    painter->drawPixmap(option->rect.topLeft(), picture);
}
