#include "data/DayFile.h"

#include "data/ByteFields.h"
#include "data/SjisCodec.h"

#include <cstring>

using namespace Qt::StringLiterals;

ScheduleBar ScheduleBar::fromBytes(const QByteArray &image, int offset)
{
    ScheduleBar b;
    b.side = Fields::readString(image, offset, 1);
    b.startRow = Fields::readI32(image, offset + 4);
    b.endRow = Fields::readI32(image, offset + 8);
    b.barColor = Fields::readI32(image, offset + 12);
    return b;
}

void ScheduleBar::toBytes(QByteArray &image, int offset) const
{
    Fields::writeString(image, offset, 1, side);
    image[offset + 2] = 0;
    image[offset + 3] = 0;
    Fields::writeI32(image, offset + 4, startRow);
    Fields::writeI32(image, offset + 8, endRow);
    Fields::writeI32(image, offset + 12, barColor);
}

SchedulePadRecord SchedulePadRecord::fromBytes(const QByteArray &image, int offset)
{
    SchedulePadRecord r;
    r.padNo = Fields::readI32(image, offset);
    r.padLeft = Fields::readI32(image, offset + 4);
    r.padTop = Fields::readI32(image, offset + 8);
    r.keyword = Fields::readString(image, offset + 12, KeywordCapacity);
    r.content = Fields::readString(image, offset + 44, ContentCapacity);
    r.completed = Fields::readFlag(image, offset + 108);
    r.barColor = Fields::readI32(image, offset + 112);
    r.startHour = Fields::readI32(image, offset + 116);
    r.startMinute = Fields::readI32(image, offset + 120);
    r.startPM = Fields::readFlag(image, offset + 124);
    r.endHour = Fields::readI32(image, offset + 128);
    r.endMinute = Fields::readI32(image, offset + 132);
    r.endPM = Fields::readFlag(image, offset + 136);
    r.memo = Fields::readString(image, offset + 137, MemoCapacity);
    return r;
}

void SchedulePadRecord::toBytes(QByteArray &image, int offset) const
{
    std::memset(image.data() + offset, 0, Size); // padding
    Fields::writeI32(image, offset, padNo);
    Fields::writeI32(image, offset + 4, padLeft);
    Fields::writeI32(image, offset + 8, padTop);
    Fields::writeString(image, offset + 12, KeywordCapacity, keyword);
    Fields::writeString(image, offset + 44, ContentCapacity, content);
    Fields::writeFlag(image, offset + 108, completed);
    Fields::writeI32(image, offset + 112, barColor);
    Fields::writeI32(image, offset + 116, startHour);
    Fields::writeI32(image, offset + 120, startMinute);
    Fields::writeFlag(image, offset + 124, startPM);
    Fields::writeI32(image, offset + 128, endHour);
    Fields::writeI32(image, offset + 132, endMinute);
    Fields::writeFlag(image, offset + 136, endPM);
    Fields::writeString(image, offset + 137, MemoCapacity, memo);
}

DiaryRecord DiaryRecord::fromBytes(const QByteArray &image, int offset)
{
    return {Fields::readString(image, offset, TitleCapacity),
            Fields::readString(image, offset + 32, TextCapacity),
            Fields::readString(image, offset + 288, TitleCapacity),
            Fields::readString(image, offset + 320, TextCapacity)};
}

void DiaryRecord::toBytes(QByteArray &image, int offset) const
{
    Fields::writeString(image, offset, TitleCapacity, title1);
    Fields::writeString(image, offset + 32, TextCapacity, text1);
    Fields::writeString(image, offset + 288, TitleCapacity, title2);
    Fields::writeString(image, offset + 320, TextCapacity, text2);
}

int lastUsedBar(const ScheduleBars &bars)
{
    for (int i = PadSlots - 1; i >= 0; --i) {
        if (bars[i].inUse())
            return i + 1;
    }
    return 0;
}

DayFile DayFile::fromBytes(const QByteArray &image)
{
    QByteArray full = DayFile().toBytes();
    std::memcpy(full.data(), image.constData(), size_t(qMin(image.size(), qsizetype(Size))));
    DayFile d;
    d.sourcePath = Fields::readStringBytes(full, 0, SourcePathCapacity);
    d.createdOn = Fields::readF64(full, CreatedOnOffset);
    for (int k = 0; k < PadSlots; ++k) {
        d.bars[k] = ScheduleBar::fromBytes(full, BarsOffset + k * ScheduleBar::Size);
        d.pads[k] = SchedulePadRecord::fromBytes(full, PadsOffset + k * SchedulePadRecord::Size);
    }
    d.diary = DiaryRecord::fromBytes(full, DiaryOffset);
    return d;
}

QByteArray DayFile::toBytes() const
{
    QByteArray image(Size, '\0');
    const QByteArray path = sourcePath.left(SourcePathCapacity);
    image[0] = char(path.size());
    std::memcpy(image.data() + 1, path.constData(), size_t(path.size()));
    Fields::writeF64(image, CreatedOnOffset, createdOn);
    for (int k = 0; k < PadSlots; ++k) {
        bars[k].toBytes(image, BarsOffset + k * ScheduleBar::Size);
        pads[k].toBytes(image, PadsOffset + k * SchedulePadRecord::Size);
    }
    diary.toBytes(image, DiaryOffset);
    return image;
}

QString DayFile::shownFileName() const
{
    const QString path = Sjis::decode(sourcePath);
    const qsizetype cut = qMax(path.lastIndexOf(u'/'), path.lastIndexOf(u'\\'));
    return path.mid(cut + 1);
}

void DayFile::setSourcePath(const QString &path)
{
    sourcePath = Sjis::encodeForField(path, SourcePathCapacity);
}
