#include "data/SjisCodec.h"

#include <iconv.h>

#include <cerrno>
#include <mutex>

namespace {

// iconv descriptors are not thread-safe; all file work happens on the GUI thread, but tests and
// tools may convert from elsewhere, so the pair is guarded.
class Converter
{
public:
    Converter(const char *to, const char *from) : m_cd(iconv_open(to, from)) {}
    ~Converter()
    {
        if (m_cd != reinterpret_cast<iconv_t>(-1))
            iconv_close(m_cd);
    }
    Converter(const Converter &) = delete;
    Converter &operator=(const Converter &) = delete;

    bool isValid() const { return m_cd != reinterpret_cast<iconv_t>(-1); }

    // Converts as much as possible; returns false on an invalid or incomplete sequence at *consumed.
    bool convert(const char *in, size_t inLen, QByteArray &out, size_t *consumed)
    {
        std::lock_guard lock(m_mutex);
        iconv(m_cd, nullptr, nullptr, nullptr, nullptr);
        char *src = const_cast<char *>(in);
        size_t srcLeft = inLen;
        bool ok = true;
        while (srcLeft > 0) {
            char buffer[512];
            char *dst = buffer;
            size_t dstLeft = sizeof buffer;
            const size_t r = iconv(m_cd, &src, &srcLeft, &dst, &dstLeft);
            out.append(buffer, int(dst - buffer));
            if (r == size_t(-1)) {
                if (errno == E2BIG)
                    continue;
                ok = false;
                break;
            }
        }
        *consumed = inLen - srcLeft;
        return ok;
    }

private:
    iconv_t m_cd;
    std::mutex m_mutex;
};

Converter &encoder()
{
    static Converter c("CP932", "UTF-8");
    return c;
}

Converter &decoder()
{
    static Converter c("UTF-8", "CP932");
    return c;
}

QString normalizeForCp932(const QString &text)
{
    QString s = text;
    for (QChar &c : s) {
        switch (c.unicode()) {
        case 0x301C:
            c = QChar(0xFF5E);
            break; // WAVE DASH -> FULLWIDTH TILDE
        case 0x2212:
            c = QChar(0xFF0D);
            break; // MINUS SIGN -> FULLWIDTH HYPHEN-MINUS
        case 0x2016:
            c = QChar(0x2225);
            break; // DOUBLE VERTICAL LINE -> PARALLEL TO
        case 0x2014:
            c = QChar(0x2015);
            break; // EM DASH -> HORIZONTAL BAR
        case 0x00A2:
            c = QChar(0xFFE0);
            break; // CENT SIGN -> FULLWIDTH CENT SIGN
        case 0x00A3:
            c = QChar(0xFFE1);
            break; // POUND SIGN -> FULLWIDTH POUND SIGN
        case 0x00AC:
            c = QChar(0xFFE2);
            break; // NOT SIGN -> FULLWIDTH NOT SIGN
        default:
            break;
        }
    }
    return s;
}

int utf8SequenceLength(unsigned char lead)
{
    if (lead < 0x80)
        return 1;
    if ((lead & 0xE0) == 0xC0)
        return 2;
    if ((lead & 0xF0) == 0xE0)
        return 3;
    if ((lead & 0xF8) == 0xF0)
        return 4;
    return 1;
}

} // namespace

namespace Sjis {

QByteArray encode(const QString &text)
{
    if (text.isEmpty())
        return {};
    const QByteArray utf8 = normalizeForCp932(text).toUtf8();
    QByteArray out;
    out.reserve(utf8.size());
    Converter &c = encoder();
    if (!c.isValid())
        return utf8; // no CP932 on this system: keep ASCII intact at least
    size_t pos = 0;
    const size_t len = size_t(utf8.size());
    while (pos < len) {
        size_t consumed = 0;
        if (c.convert(utf8.constData() + pos, len - pos, out, &consumed))
            break;
        pos += consumed;
        out.append('?');
        pos += size_t(utf8SequenceLength(static_cast<unsigned char>(utf8[qsizetype(pos)])));
    }
    return out;
}

QString decode(const QByteArray &bytes)
{
    if (bytes.isEmpty())
        return {};
    Converter &c = decoder();
    if (!c.isValid())
        return QString::fromLatin1(bytes);
    QByteArray utf8;
    utf8.reserve(bytes.size() * 3 / 2);
    size_t pos = 0;
    const size_t len = size_t(bytes.size());
    while (pos < len) {
        size_t consumed = 0;
        if (c.convert(bytes.constData() + pos, len - pos, utf8, &consumed))
            break;
        pos += consumed;
        utf8.append("\xEF\xBF\xBD"); // U+FFFD
        pos += 1;
    }
    return QString::fromUtf8(utf8);
}

QByteArray cutAtCharBoundary(const QByteArray &bytes, int capacity)
{
    if (capacity <= 0)
        return {};
    if (bytes.size() <= capacity)
        return bytes;
    int end = 0;
    int i = 0;
    while (i < bytes.size()) {
        const int step = isLeadByte(static_cast<unsigned char>(bytes[i])) ? 2 : 1;
        if (i + step > capacity)
            break;
        i += step;
        end = i;
    }
    return bytes.left(end);
}

QByteArray encodeForField(const QString &text, int capacity)
{
    return cutAtCharBoundary(encode(text), capacity);
}

QString fitToField(const QString &text, int capacity)
{
    return decode(encodeForField(text, capacity));
}

QString toCrLf(const QString &text)
{
    QString s = text;
    s.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    s.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return s;
}

QString fromCrLf(const QString &text)
{
    QString s = text;
    s.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return s;
}

} // namespace Sjis
