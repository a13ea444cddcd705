#include "widgets/BoxPictureStyle.h"

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
                      int(key.direction), key.detail);
}

BoxPictureStyle *BoxPictureStyle::instance()
{
    static BoxPictureStyle *style = new BoxPictureStyle;
    return style;
}

QPixmap BoxPictureStyle::picture(const PictureKey &key, const QStyleOption &option,
                                 const std::function<void(QPainter &)> &paint) const
{
    QPixmap picture = m_pictures.value(key);
    if (!picture.isNull())
        return picture;
    picture = QPixmap(option.rect.size() * key.ratio);
    picture.setDevicePixelRatio(key.ratio);
    picture.fill(option.palette.color(QPalette::Window));
    QPainter p(&picture);
    paint(p);
    p.end();
    // A few sizes in a few states; a palette changed many times must not pile them up.
    if (m_pictures.size() >= MaxPictures)
        m_pictures.clear();
    m_pictures.insert(key, picture);
    return picture;
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
    const QPixmap shown = picture(key, *option, [&](QPainter &p) {
        // The frame's own fields (its line width) go along with the moved rectangle.
        const auto drawMoved = [&](auto moved) {
            moved.rect.moveTopLeft(QPoint(0, 0));
            QProxyStyle::drawPrimitive(element, &moved, &p, widget);
        };
        if (frame)
            drawMoved(*frame);
        else
            drawMoved(*option);
    });
    painter->drawPixmap(option->rect.topLeft(), shown);
}

void BoxPictureStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex *option,
                                         QPainter *painter, const QWidget *widget) const
{
    const auto *bar = qstyleoption_cast<const QStyleOptionSlider *>(option);
    // A bar being dragged would only churn the pictures.
    if (control != CC_ScrollBar || !bar || option->rect.isEmpty() || (option->state & State_Sunken)) {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        return;
    }
    const PictureKey key{int(control) + 0x1000,
                         option->rect.size(),
                         uint(option->state),
                         option->palette.cacheKey(),
                         0,
                         painter->device()->devicePixelRatioF(),
                         option->direction,
                         qHashMulti(0, int(bar->orientation), bar->minimum, bar->maximum, bar->sliderPosition,
                                    bar->pageStep, bar->upsideDown, uint(bar->subControls),
                                    uint(bar->activeSubControls))};
    const QPixmap shown = picture(key, *option, [&](QPainter &p) {
        QStyleOptionSlider moved = *bar;
        moved.rect.moveTopLeft(QPoint(0, 0));
        QProxyStyle::drawComplexControl(control, &moved, &p, widget);
    });
    painter->drawPixmap(option->rect.topLeft(), shown);
}
