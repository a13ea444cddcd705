#include "data/ByteFields.h"

#include "data/SjisCodec.h"

#include <QtEndian>

#include <bit>
#include <cstring>

namespace Fields {

qint32 readI32(const QByteArray &image, int offset)
{
    Q_ASSERT(offset >= 0 && offset + 4 <= image.size());
    return qFromLittleEndian<qint32>(image.constData() + offset);
}

double readF64(const QByteArray &image, int offset)
{
    Q_ASSERT(offset >= 0 && offset + 8 <= image.size());
    return std::bit_cast<double>(qFromLittleEndian<quint64>(image.constData() + offset));
}

bool readFlag(const QByteArray &image, int offset)
{
    Q_ASSERT(offset >= 0 && offset < image.size());
    return image[offset] != 0;
}

QByteArray readStringBytes(const QByteArray &image, int offset, int capacity)
{
    Q_ASSERT(offset >= 0 && offset + capacity + 1 <= image.size());
    const int length = qMin(int(static_cast<unsigned char>(image[offset])), capacity);
    return image.mid(offset + 1, length);
}

QString readString(const QByteArray &image, int offset, int capacity)
{
    return Sjis::decode(readStringBytes(image, offset, capacity));
}

void writeI32(QByteArray &image, int offset, qint32 value)
{
    Q_ASSERT(offset >= 0 && offset + 4 <= image.size());
    qToLittleEndian<qint32>(value, image.data() + offset);
}

void writeF64(QByteArray &image, int offset, double value)
{
    Q_ASSERT(offset >= 0 && offset + 8 <= image.size());
    qToLittleEndian<quint64>(std::bit_cast<quint64>(value), image.data() + offset);
}

void writeFlag(QByteArray &image, int offset, bool value)
{
    Q_ASSERT(offset >= 0 && offset < image.size());
    image[offset] = value ? 1 : 0;
}

void writeString(QByteArray &image, int offset, int capacity, const QString &text)
{
    Q_ASSERT(capacity <= 255);
    Q_ASSERT(offset >= 0 && offset + capacity + 1 <= image.size());
    const QByteArray bytes = Sjis::encodeForField(text, capacity);
    char *p = image.data() + offset;
    p[0] = char(bytes.size());
    std::memcpy(p + 1, bytes.constData(), size_t(bytes.size()));
    std::memset(p + 1 + bytes.size(), 0, size_t(capacity - bytes.size()));
}

void updateI32(QByteArray &image, int offset, qint32 value)
{
    if (readI32(image, offset) != value)
        writeI32(image, offset, value);
}

void updateF64(QByteArray &image, int offset, double value)
{
    // Bits, not values: a NaN is kept as it was stored, and 0.0 and -0.0 stay apart.
    if (std::bit_cast<quint64>(readF64(image, offset)) != std::bit_cast<quint64>(value))
        writeF64(image, offset, value);
}

void updateFlag(QByteArray &image, int offset, bool value)
{
    if (readFlag(image, offset) != value)
        writeFlag(image, offset, value);
}

void updateString(QByteArray &image, int offset, int capacity, const QString &text)
{
    if (readString(image, offset, capacity) != text)
        writeString(image, offset, capacity, text);
}

} // namespace Fields
