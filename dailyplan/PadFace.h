#pragma once

#include <QString>

class QPainter;
class QStyleOptionFrame;
class QWidget;

// What a schedule pad shows while it is only painted: the texts of its boxes and its marks.
struct PadFace
{
    QString startHour = QStringLiteral("0");
    int startMinute = 0;
    bool startPm = false;
    QString endHour = QStringLiteral("0");
    int endMinute = 0;
    bool endPm = false;
    QString keyword;
    QString description;
    bool completed = false;
    qint32 color = 0;
    bool kept = false;
    bool marked = false;

    // Paints `pad` (number `number`) as its boxes and buttons will show it, in its `frame`: the
    // picture every pad shares, then what this face puts in it.
    void paint(QPainter &painter, const QWidget *pad, const QStyleOptionFrame &frame, int number) const;
};
