#include "data/RoutineFile.h"

#include "data/ByteFields.h"

#include <cstring>

namespace {

// Offsets within a record: a pad record without the "completed" byte, then the weekdays.
enum : int {
    OffPadNo = 0,
    OffOriginX = 4,
    OffPadTop = 8,
    OffKeyword = 12,
    OffContent = 44,
    OffBarColor = 108,
    OffStartHour = 112,
    OffStartMinute = 116,
    OffStartPm = 120,
    OffEndHour = 124,
    OffEndMinute = 128,
    OffEndPm = 132,
    OffMemo = 133,
    OffShowFlag = 389,
    OffWeekdays = 390, // Sunday first, one byte each
};

} // namespace

RoutineRecord RoutineRecord::fromBytes(const QByteArray &image, int offset)
{
    RoutineRecord r;
    r.padNo = Fields::readI32(image, offset + OffPadNo);
    r.originX = Fields::readI32(image, offset + OffOriginX);
    r.padTop = Fields::readI32(image, offset + OffPadTop);
    r.keyword = Fields::readString(image, offset + OffKeyword, KeywordCapacity);
    r.content = Fields::readString(image, offset + OffContent, ContentCapacity);
    r.barColor = Fields::readI32(image, offset + OffBarColor);
    r.startHour = Fields::readI32(image, offset + OffStartHour);
    r.startMinute = Fields::readI32(image, offset + OffStartMinute);
    r.startPM = Fields::readFlag(image, offset + OffStartPm);
    r.endHour = Fields::readI32(image, offset + OffEndHour);
    r.endMinute = Fields::readI32(image, offset + OffEndMinute);
    r.endPM = Fields::readFlag(image, offset + OffEndPm);
    r.memo = Fields::readString(image, offset + OffMemo, MemoCapacity);
    r.showFlag = Fields::readFlag(image, offset + OffShowFlag);
    for (int d = 0; d < 7; ++d)
        r.weekdays[d] = Fields::readFlag(image, offset + OffWeekdays + d);
    return r;
}

void RoutineRecord::writeInto(QByteArray &image, int offset) const
{
    Fields::updateI32(image, offset + OffPadNo, padNo);
    Fields::updateI32(image, offset + OffOriginX, originX);
    Fields::updateI32(image, offset + OffPadTop, padTop);
    Fields::updateString(image, offset + OffKeyword, KeywordCapacity, keyword);
    Fields::updateString(image, offset + OffContent, ContentCapacity, content);
    Fields::updateI32(image, offset + OffBarColor, barColor);
    Fields::updateI32(image, offset + OffStartHour, startHour);
    Fields::updateI32(image, offset + OffStartMinute, startMinute);
    Fields::updateFlag(image, offset + OffStartPm, startPM);
    Fields::updateI32(image, offset + OffEndHour, endHour);
    Fields::updateI32(image, offset + OffEndMinute, endMinute);
    Fields::updateFlag(image, offset + OffEndPm, endPM);
    Fields::updateString(image, offset + OffMemo, MemoCapacity, memo);
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
