#include "data/PadFields.h"

#include "data/ByteFields.h"

namespace {

// Offsets from the head base.
enum : int {
    OffPadNo = 0,
    OffPadLeft = 4,
    OffPadTop = 8,
    OffKeyword = 12,
    OffContent = 44,
};

// Offsets from the tail base.
enum : int {
    OffBarColor = 0,
    OffStartHour = 4,
    OffStartMinute = 8,
    OffStartPm = 12,
    OffEndHour = 16,
    OffEndMinute = 20,
    OffEndPm = 24,
    OffMemo = 25,
};

} // namespace

void PadFields::setStart(const TimeAxis::ClockTime &time)
{
    startHour = time.hour;
    startMinute = time.minute;
    startPM = time.pm;
}

void PadFields::setEnd(const TimeAxis::ClockTime &time)
{
    endHour = time.hour;
    endMinute = time.minute;
    endPM = time.pm;
}

void PadFields::clearTimes()
{
    setStart({-1, -1, false});
    setEnd({-1, -1, false});
}

void PadFields::readFields(const QByteArray &image, Base base)
{
    padNo = Fields::readI32(image, base.head + OffPadNo);
    padLeft = Fields::readI32(image, base.head + OffPadLeft);
    padTop = Fields::readI32(image, base.head + OffPadTop);
    keyword = Fields::readString(image, base.head + OffKeyword, KeywordCapacity);
    content = Fields::readString(image, base.head + OffContent, ContentCapacity);
    barColor = Fields::readI32(image, base.tail + OffBarColor);
    startHour = Fields::readI32(image, base.tail + OffStartHour);
    startMinute = Fields::readI32(image, base.tail + OffStartMinute);
    startPM = Fields::readFlag(image, base.tail + OffStartPm);
    endHour = Fields::readI32(image, base.tail + OffEndHour);
    endMinute = Fields::readI32(image, base.tail + OffEndMinute);
    endPM = Fields::readFlag(image, base.tail + OffEndPm);
    memo = Fields::readString(image, base.tail + OffMemo, MemoCapacity);
}

void PadFields::writeFields(QByteArray &image, Base base) const
{
    Fields::updateI32(image, base.head + OffPadNo, padNo);
    Fields::updateI32(image, base.head + OffPadLeft, padLeft);
    Fields::updateI32(image, base.head + OffPadTop, padTop);
    Fields::updateString(image, base.head + OffKeyword, KeywordCapacity, keyword);
    Fields::updateString(image, base.head + OffContent, ContentCapacity, content);
    Fields::updateI32(image, base.tail + OffBarColor, barColor);
    Fields::updateI32(image, base.tail + OffStartHour, startHour);
    Fields::updateI32(image, base.tail + OffStartMinute, startMinute);
    Fields::updateFlag(image, base.tail + OffStartPm, startPM);
    Fields::updateI32(image, base.tail + OffEndHour, endHour);
    Fields::updateI32(image, base.tail + OffEndMinute, endMinute);
    Fields::updateFlag(image, base.tail + OffEndPm, endPM);
    Fields::updateString(image, base.tail + OffMemo, MemoCapacity, memo);
}
