#pragma once

#include <QImage>
#include <QWidget>

// A surface that shows a precomputed picture (header, row grid, separator).
class StepPictureWidget final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(StepPictureWidget)
public:
    explicit StepPictureWidget(QWidget *parent = nullptr);
    void setPicture(const QImage &picture);
    const QImage &picture() const { return m_picture; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage m_picture;
};
