#pragma once

#include <QHash>
#include <QPixmap>
#include <QProxyStyle>

class QWidget;

// The application's style, except that the panel of a line edit and the circle of a radio button
// are painted once for each size, state, palette and pixel ratio and then copied: the style strokes
// their round outlines with antialiasing, which costs more than all the rest of the control. For
// controls that stand on their window's own colour, into which the outlines blend.
class BoxPictureStyle final : public QProxyStyle
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(BoxPictureStyle)
public:
    // The one instance, made on first use and owned by the application.
    static BoxPictureStyle *instance();

    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
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
        bool operator==(const PictureKey &) const = default;
    };

private:
    static constexpr qsizetype MaxPictures = 64;

    BoxPictureStyle();

    mutable QHash<PictureKey, QPixmap> m_pictures;
};

size_t qHash(const BoxPictureStyle::PictureKey &key, size_t seed = 0);
