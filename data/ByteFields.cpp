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

} // namespace Fields
