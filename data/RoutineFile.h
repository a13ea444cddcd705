#pragma once

#include <QByteArray>
#include <QString>

#include <array>

// "Routines.rdf" (3200 bytes): eight routines, pads that recur on chosen weekdays, kept packed
// from record 0. Unlike the schedule pad record there is no "completed" byte, so from the colour
// on every offset is 4 lower.
struct RoutineRecord
{
    static constexpr int Size = 400;
    static constexpr int KeywordCapacity = 31;
    static constexpr int ContentCapacity = 63;
    static constexpr int MemoCapacity = 255;

    qint32 padNo = 0;   // 0: empty record
    qint32 originX = 0; // 4 left pane, 351 right pane
    qint32 padTop = 0;
    QString keyword;
    QString content;
    qint32 barColor = 0;
    qint32 startHour = -1;
    qint32 startMinute = -1;
    bool startPM = false;
    qint32 endHour = -1;
    qint32 endMinute = -1;
    bool endPM = false;
    QString memo;
    bool showFlag = false;
    std::array<bool, 7> weekdays{}; // Sunday first

    bool isUsed() const { return padNo != 0; }

    static RoutineRecord fromBytes(const QByteArray &image, int offset);
    void writeInto(QByteArray &image, int offset) const; // fields holding their value keep their bytes
    bool operator==(const RoutineRecord &) const = default;
};

namespace RoutineFile {

constexpr int RecordCount = 8;
constexpr int Size = RecordCount * RoutineRecord::Size;

using Routines = std::array<RoutineRecord, RecordCount>;

// A shorter image is read over empty records.
Routines fromBytes(const QByteArray &image);
QByteArray toBytes(const Routines &routines);
// Writes over the routines in `image` (grown to Size bytes when shorter); untouched fields keep their
// bytes.
void writeInto(QByteArray &image, const Routines &routines);

// The records whose number is not 0.
int countRoutines(const Routines &routines);

} // namespace RoutineFile
