#pragma once

#include "data/PadFields.h"

#include <QByteArray>
#include <QString>

#include <array>

// "Routines.rdf" (3200 bytes): eight routines, pads that recur on chosen weekdays, kept packed
// from record 0. A record is the pad fields without the "completed" byte of a schedule pad, so
// from the colour on every offset is 4 lower; the number is 0 in an empty record and the left
// edge 4 in the left pane, 351 in the right.
struct RoutineRecord : PadFields
{
    static constexpr int Size = 400;

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
