#include "data/RoutineFile.h"

#include "data/ByteFields.h"

#include <cstring>

namespace {

// Within a record: the pad fields without a gap, then the shown flag and the weekdays.
constexpr PadFields::Base RecordBase{0, 108};
constexpr int OffShowFlag = 389;
constexpr int OffWeekdays = 390; // Sunday first, one byte each

} // namespace

RoutineRecord RoutineRecord::fromBytes(const QByteArray &image, int offset)
{
    RoutineRecord r;
    r.readFields(image, RecordBase.at(offset));
    r.showFlag = Fields::readFlag(image, offset + OffShowFlag);
    for (int d = 0; d < 7; ++d)
        r.weekdays[d] = Fields::readFlag(image, offset + OffWeekdays + d);
    return r;
}

void RoutineRecord::writeInto(QByteArray &image, int offset) const
{
    writeFields(image, RecordBase.at(offset));
    Fields::updateFlag(image, offset + OffShowFlag, showFlag);
    for (int d = 0; d < 7; ++d)
        Fields::updateFlag(image, offset + OffWeekdays + d, weekdays[d]);
}

namespace RoutineFile {

Routines fromBytes(const QByteArray &image)
{
    QByteArray full = toBytes(Routines{});
    std::memcpy(full.data(), image.constData(), size_t(qMin(image.size(), qsizetype(Size))));
    Routines routines;
    for (int k = 0; k < RecordCount; ++k)
        routines[k] = RoutineRecord::fromBytes(full, k * RoutineRecord::Size);
    return routines;
}

QByteArray toBytes(const Routines &routines)
{
    QByteArray image(Size, '\0');
    writeInto(image, routines);
    return image;
}

void writeInto(QByteArray &image, const Routines &routines)
{
    if (image.size() < Size)
        image.append(QByteArray(Size - image.size(), '\0'));
    for (int k = 0; k < RecordCount; ++k)
        routines[k].writeInto(image, k * RoutineRecord::Size);
}

int countRoutines(const Routines &routines)
{
    int n = 0;
    for (const RoutineRecord &r : routines)
        n += r.isUsed() ? 1 : 0;
    return n;
}

} // namespace RoutineFile
