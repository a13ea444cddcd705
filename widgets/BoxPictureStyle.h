#pragma once

#include <QHash>
#include <QPixmap>
#include <QProxyStyle>

#include <functional>

class QWidget;

// The application's style, except that the panel of a line edit, the circle of a radio button and a
// whole scroll bar are painted once for each size, state, palette and pixel ratio (and a scroll bar's
// range and position) and then copied: the style strokes round outlines with antialiasing and fills
// a scroll bar's gradients line by line, which costs more than all the rest of a window's controls.
// For controls that stand on their window's own colour, into which the outlines blend.
class BoxPictureStyle final : public QProxyStyle
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(BoxPictureStyle)
public:
    // The one instance, made on first use and owned by the application.
    static BoxPictureStyle *instance();

    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex *option, QPainter *painter,
                            const QWidget *widget = nullptr) const override;

    struct PictureKey
    {
        int element = 0;
        QSize size;
        uint state = 0;
        qint64 palette = 0;
        int lineWidth = 0;
        qreal ratio = 1;
        Qt::LayoutDirection direction = Qt::LeftToRight;
        size_t detail = 0; // what else the picture shows: a scroll bar's range and position
        bool operator==(const PictureKey &) const = default;
    };

private:
    static constexpr qsizetype MaxPictures = 64;

    BoxPictureStyle();

    // The picture for `key`, painted by `paint` (at the origin) when there is none yet.
    QPixmap picture(const PictureKey &key, const QStyleOption &option,
                    const std::function<void(QPainter &)> &paint) const;

    mutable QHash<PictureKey, QPixmap> m_pictures;
};

size_t qHash(const BoxPictureStyle::PictureKey &key, size_t seed = 0);
