#include "data/DayFile.h"

#include "data/ByteFields.h"
#include "data/SjisCodec.h"

#include <cstring>

using namespace Qt::StringLiterals;

namespace {

// Offsets within a bar.
enum : int {
    OffBarSide = 0,
    OffBarStartRow = 4,
    OffBarEndRow = 8,
    OffBarColor = 12,
};

// Offsets within a pad record.
enum : int {
    OffPadNo = 0,
    OffPadLeft = 4,
    OffPadTop = 8,
    OffPadKeyword = 12,
    OffPadContent = 44,
    OffPadCompleted = 108,
    OffPadColor = 112,
    OffPadStartHour = 116,
    OffPadStartMinute = 120,
    OffPadStartPm = 124,
    OffPadEndHour = 128,
    OffPadEndMinute = 132,
    OffPadEndPm = 136,
    OffPadMemo = 137,
};

// Offsets within the diary.
enum : int {
    OffTitle1 = 0,
    OffText1 = 32,
    OffTitle2 = 288,
    OffText2 = 320,
};

// Offsets within the file.
enum : int {
    OffSourcePath = 0,
    OffCreatedOn = 256,
    OffBars = 264,
    OffPads = 648,
    OffDiary = 10152,
};

} // namespace

ScheduleBar ScheduleBar::fromBytes(const QByteArray &image, int offset)
{
    ScheduleBar b;
    b.side = Fields::readString(image, offset + OffBarSide, 1);
    b.startRow = Fields::readI32(image, offset + OffBarStartRow);
    b.endRow = Fields::readI32(image, offset + OffBarEndRow);
    b.barColor = Fields::readI32(image, offset + OffBarColor);
    return b;
}

void ScheduleBar::writeInto(QByteArray &image, int offset) const
{
    Fields::updateString(image, offset + OffBarSide, 1, side);
    Fields::updateI32(image, offset + OffBarStartRow, startRow);
    Fields::updateI32(image, offset + OffBarEndRow, endRow);
    Fields::updateI32(image, offset + OffBarColor, barColor);
}

SchedulePadRecord SchedulePadRecord::fromBytes(const QByteArray &image, int offset)
{
    SchedulePadRecord r;
    r.padNo = Fields::readI32(image, offset + OffPadNo);
    r.padLeft = Fields::readI32(image, offset + OffPadLeft);
    r.padTop = Fields::readI32(image, offset + OffPadTop);
    r.keyword = Fields::readString(image, offset + OffPadKeyword, KeywordCapacity);
    r.content = Fields::readString(image, offset + OffPadContent, ContentCapacity);
    r.completed = Fields::readFlag(image, offset + OffPadCompleted);
    r.barColor = Fields::readI32(image, offset + OffPadColor);
    r.startHour = Fields::readI32(image, offset + OffPadStartHour);
    r.startMinute = Fields::readI32(image, offset + OffPadStartMinute);
    r.startPM = Fields::readFlag(image, offset + OffPadStartPm);
    r.endHour = Fields::readI32(image, offset + OffPadEndHour);
    r.endMinute = Fields::readI32(image, offset + OffPadEndMinute);
    r.endPM = Fields::readFlag(image, offset + OffPadEndPm);
    r.memo = Fields::readString(image, offset + OffPadMemo, MemoCapacity);
    return r;
}

void SchedulePadRecord::writeInto(QByteArray &image, int offset) const
{
    Fields::updateI32(image, offset + OffPadNo, padNo);
    Fields::updateI32(image, offset + OffPadLeft, padLeft);
    Fields::updateI32(image, offset + OffPadTop, padTop);
    Fields::updateString(image, offset + OffPadKeyword, KeywordCapacity, keyword);
    Fields::updateString(image, offset + OffPadContent, ContentCapacity, content);
    Fields::updateFlag(image, offset + OffPadCompleted, completed);
    Fields::updateI32(image, offset + OffPadColor, barColor);
    Fields::updateI32(image, offset + OffPadStartHour, startHour);
    Fields::updateI32(image, offset + OffPadStartMinute, startMinute);
    Fields::updateFlag(image, offset + OffPadStartPm, startPM);
    Fields::updateI32(image, offset + OffPadEndHour, endHour);
    Fields::updateI32(image, offset + OffPadEndMinute, endMinute);
    Fields::updateFlag(image, offset + OffPadEndPm, endPM);
    Fields::updateString(image, offset + OffPadMemo, MemoCapacity, memo);
}

DiaryRecord DiaryRecord::fromBytes(const QByteArray &image, int offset)
{
    return {Fields::readString(image, offset + OffTitle1, TitleCapacity),
            Fields::readString(image, offset + OffText1, TextCapacity),
            Fields::readString(image, offset + OffTitle2, TitleCapacity),
            Fields::readString(image, offset + OffText2, TextCapacity)};
}

void DiaryRecord::writeInto(QByteArray &image, int offset) const
{
    Fields::updateString(image, offset + OffTitle1, TitleCapacity, title1);
    Fields::updateString(image, offset + OffText1, TextCapacity, text1);
    Fields::updateString(image, offset + OffTitle2, TitleCapacity, title2);
    Fields::updateString(image, offset + OffText2, TextCapacity, text2);
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
    d.sourcePath = Fields::readStringBytes(full, OffSourcePath, SourcePathCapacity);
    d.createdOn = Fields::readF64(full, OffCreatedOn);
    for (int k = 0; k < PadSlots; ++k) {
        d.bars[k] = ScheduleBar::fromBytes(full, OffBars + k * ScheduleBar::Size);
        d.pads[k] = SchedulePadRecord::fromBytes(full, OffPads + k * SchedulePadRecord::Size);
    }
    d.diary = DiaryRecord::fromBytes(full, OffDiary);
    return d;
}

QByteArray DayFile::toBytes() const
{
    QByteArray image(Size, '\0');
    writeInto(image);
    return image;
}

void DayFile::writeInto(QByteArray &image) const
{
    if (image.size() < Size)
        image.append(QByteArray(Size - image.size(), '\0'));
    // Stored as kept, without a round trip through text.
    const QByteArray path = sourcePath.left(SourcePathCapacity);
    if (Fields::readStringBytes(image, OffSourcePath, SourcePathCapacity) != path) {
        image[OffSourcePath] = char(path.size());
        std::memcpy(image.data() + OffSourcePath + 1, path.constData(), size_t(path.size()));
        std::memset(image.data() + OffSourcePath + 1 + path.size(), 0,
                    size_t(SourcePathCapacity - path.size()));
    }
    Fields::updateF64(image, OffCreatedOn, createdOn);
    for (int k = 0; k < PadSlots; ++k) {
        bars[k].writeInto(image, OffBars + k * ScheduleBar::Size);
        pads[k].writeInto(image, OffPads + k * SchedulePadRecord::Size);
    }
    diary.writeInto(image, OffDiary);
}

QString DayFile::nameToShow(const QString &filePath) const
{
    if (sourcePath.isEmpty() || sourcePath.size() >= SourcePathCapacity) {
        const qsizetype cut = qMax(filePath.lastIndexOf(u'/'), filePath.lastIndexOf(u'\\'));
        return filePath.mid(cut + 1);
    }
    return shownFileName();
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
