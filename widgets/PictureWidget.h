#pragma once

#include <QImage>
#include <QWidget>

// A picture inside its frame, placed the way the configuration says: stretched to the frame
// (keeping its proportions when asked), shrunk proportionally when larger, centred or at the
// top-left corner.
class PictureWidget final : public QWidget
{
    Q_OBJECT
public:
    explicit PictureWidget(QWidget *parent = nullptr);

    void setImage(const QImage &image);
    const QImage &image() const { return m_image; }
    void setModes(bool center, bool proportional, bool stretch);
    bool center() const { return m_center; }
    bool proportional() const { return m_proportional; }
    bool stretch() const { return m_stretch; }

    // Where the picture is drawn inside a frame of `frame` size.
    static QRect placement(const QSize &picture, const QSize &frame, bool center, bool proportional,
                           bool stretch);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage m_image;
    bool m_center = true;
    bool m_proportional = true;
    bool m_stretch = false;
};
