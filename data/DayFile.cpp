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

// Within a pad record: the pad fields, with the "completed" byte between the texts and the colour.
constexpr PadFields::Base PadBase{0, 112};
constexpr int OffPadCompleted = 108;

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
    r.readFields(image, PadBase.at(offset));
    r.completed = Fields::readFlag(image, offset + OffPadCompleted);
    return r;
}

void SchedulePadRecord::writeInto(QByteArray &image, int offset) const
{
    writeFields(image, PadBase.at(offset));
    Fields::updateFlag(image, offset + OffPadCompleted, completed);
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
