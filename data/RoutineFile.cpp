#include "data/RoutineFile.h"

#include "data/ByteFields.h"

#include <cstring>

RoutineRecord RoutineRecord::fromBytes(const QByteArray &image, int offset)
{
    RoutineRecord r;
    r.padNo = Fields::readI32(image, offset);
    r.originX = Fields::readI32(image, offset + 4);
    r.padTop = Fields::readI32(image, offset + 8);
    r.keyword = Fields::readString(image, offset + 12, KeywordCapacity);
    r.content = Fields::readString(image, offset + 44, ContentCapacity);
    r.barColor = Fields::readI32(image, offset + 108);
    r.startHour = Fields::readI32(image, offset + 112);
    r.startMinute = Fields::readI32(image, offset + 116);
    r.startPM = Fields::readFlag(image, offset + 120);
    r.endHour = Fields::readI32(image, offset + 124);
    r.endMinute = Fields::readI32(image, offset + 128);
    r.endPM = Fields::readFlag(image, offset + 132);
    r.memo = Fields::readString(image, offset + 133, MemoCapacity);
    r.showFlag = Fields::readFlag(image, offset + 389);
    for (int d = 0; d < 7; ++d)
        r.weekdays[d] = Fields::readFlag(image, offset + 390 + d);
    return r;
}

void RoutineRecord::toBytes(QByteArray &image, int offset) const
{
    std::memset(image.data() + offset, 0, Size); // padding
    Fields::writeI32(image, offset, padNo);
    Fields::writeI32(image, offset + 4, originX);
    Fields::writeI32(image, offset + 8, padTop);
    Fields::writeString(image, offset + 12, KeywordCapacity, keyword);
    Fields::writeString(image, offset + 44, ContentCapacity, content);
    Fields::writeI32(image, offset + 108, barColor);
    Fields::writeI32(image, offset + 112, startHour);
    Fields::writeI32(image, offset + 116, startMinute);
    Fields::writeFlag(image, offset + 120, startPM);
    Fields::writeI32(image, offset + 124, endHour);
    Fields::writeI32(image, offset + 128, endMinute);
    Fields::writeFlag(image, offset + 132, endPM);
    Fields::writeString(image, offset + 133, MemoCapacity, memo);
    Fields::writeFlag(image, offset + 389, showFlag);
    for (int d = 0; d < 7; ++d)
        Fields::writeFlag(image, offset + 390 + d, weekdays[d]);
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
    for (int k = 0; k < RecordCount; ++k)
        routines[k].toBytes(image, k * RoutineRecord::Size);
    return image;
}

int countRoutines(const Routines &routines)
{
    int n = 0;
    for (const RoutineRecord &r : routines)
        n += r.isUsed() ? 1 : 0;
    return n;
}

} // namespace RoutineFile
