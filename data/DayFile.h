#pragma once

#include "data/PadFields.h"

#include <QByteArray>
#include <QString>

#include <array>

// The day file of the daily planner (".dtf", 10728 bytes): the schedule pads of one day, the
// coloured bars beside the time axis and a two-part diary. Colours are 0x00BBGGRR.

// The period of one pad in a drag column: 16 bytes.
struct ScheduleBar
{
    static constexpr int Size = 16;

    QString side; // "L", "R", or empty when unused
    qint32 startRow = -1;
    qint32 endRow = -1; // not drawn
    qint32 barColor = 0;

    bool inUse() const { return startRow != -1; }
    // An unused entry; "変更" leaves white in the colour, which means nothing.
    static ScheduleBar unused(qint32 color = 0) { return {QString(), -1, -1, color}; }

    static ScheduleBar fromBytes(const QByteArray &image, int offset);
    void writeInto(QByteArray &image, int offset) const; // fields holding their value keep their bytes
    bool operator==(const ScheduleBar &) const = default;
};

// One schedule pad: 396 bytes, the pad fields with a "completed" byte after the texts.
struct SchedulePadRecord : PadFields
{
    static constexpr int Size = 396;

    bool completed = false;

    static SchedulePadRecord fromBytes(const QByteArray &image, int offset);
    void writeInto(QByteArray &image, int offset) const; // fields holding their value keep their bytes
    bool operator==(const SchedulePadRecord &) const = default;
};

// The diary of the day: 576 bytes.
struct DiaryRecord
{
    static constexpr int Size = 576;
    static constexpr int TitleCapacity = 31;
    static constexpr int TextCapacity = 255;

    QString title1;
    QString text1;
    QString title2;
    QString text2;

    static DiaryRecord fromBytes(const QByteArray &image, int offset);
    void writeInto(QByteArray &image, int offset) const; // fields holding their value keep their bytes
    bool operator==(const DiaryRecord &) const = default;
};

constexpr int PadSlots = 24;
using ScheduleBars = std::array<ScheduleBar, PadSlots>;
using SchedulePads = std::array<SchedulePadRecord, PadSlots>;

// Index of the last bar in use plus one, 0 when none is: not a count, gaps before it count too.
int lastUsedBar(const ScheduleBars &bars);

struct DayFile
{
    static constexpr int Size = 10728;
    static constexpr int SourcePathCapacity = 255;

    // Kept as stored: only its file name is ever shown, and a save must not alter it.
    QByteArray sourcePath;
    double createdOn = 0.0;
    ScheduleBars bars{};
    SchedulePads pads{};
    DiaryRecord diary;

    // A shorter image is read over a cleared day, so nothing of an earlier day survives in it.
    static DayFile fromBytes(const QByteArray &image);
    QByteArray toBytes() const;
    // Writes over the day in `image` (grown to Size bytes when shorter): what holds its value keeps
    // its bytes.
    void writeInto(QByteArray &image) const;
    bool operator==(const DayFile &) const = default;

    // The text after the last "/" or "\" of the source path.
    QString shownFileName() const;
    // The name the planner shows for this day read from or saved to `filePath`: the stored one,
    // unless the stored path filled its whole field (a deep folder cut it, and what is left may be
    // a piece of a folder) or is empty; then the file's own name.
    QString nameToShow(const QString &filePath) const;
    void setSourcePath(const QString &path);
};
