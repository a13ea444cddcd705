#pragma once

#include <QWidget>

// The time scale (pbxTime): one mark every five minutes and the hours.
class TimeScaleWidget final : public QWidget
{
    Q_OBJECT
public:
    explicit TimeScaleWidget(QWidget *parent = nullptr);
    static QColor background();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    // The whole scale never changes: drawn once per run, then copied.
    static QImage image(qreal pixelRatio = 1.0);
};
