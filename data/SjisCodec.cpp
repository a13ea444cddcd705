#include "data/SjisCodec.h"

#include <QList>

#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <mutex>
#include <string>

namespace {

// glibc converts between CP932 and any other code in two steps through its internal UCS-4. When
// the second step rejects a character, the first step's whole buffer is converted again, so every
// character CP932 cannot hold cost thousands: a long line of them took minutes. WCHAR_T is that
// internal code itself, which leaves a single step whose failures cost nothing extra.
static_assert(sizeof(wchar_t) == 4, "UCS-4 wchar_t expected");
constexpr char Ucs4[] = "WCHAR_T";
constexpr size_t Ucs4Size = 4;

// iconv descriptors are not thread-safe; all file work happens on the GUI thread, but tests and
// tools may convert from elsewhere, so the pair is guarded.
class Converter
{
public:
    Converter(const char *to, const char *from) : m_cd(iconv_open(to, from)) {}
    ~Converter()
    {
        // iconv_open's failure value is a cast -1.
        if (m_cd != reinterpret_cast<iconv_t>(-1)) // NOLINT(performance-no-int-to-ptr)
            iconv_close(m_cd);
    }
    Converter(const Converter &) = delete;
    Converter &operator=(const Converter &) = delete;

    bool isValid() const
    {
        return m_cd != reinterpret_cast<iconv_t>(-1); // NOLINT(performance-no-int-to-ptr)
    }

    // Converts as much as possible; returns false on an invalid or incomplete sequence at *consumed.
    bool convert(const char *in, size_t inLen, QByteArray &out, size_t *consumed)
    {
        // iconv is handed a bounded piece at a time: AddressSanitizer checks all the input offered
        // on every call, which made long texts quadratic in the tests.
        constexpr size_t Piece = 1024;
        std::lock_guard lock(m_mutex);
        iconv(m_cd, nullptr, nullptr, nullptr, nullptr);
        char *src = const_cast<char *>(in);
        const char *const end = in + inLen;
        bool ok = true;
        while (src < end) {
            alignas(4) char buffer[4 * Piece];
            char *dst = buffer;
            size_t dstLeft = sizeof buffer;
            const size_t offered = std::min(Piece, size_t(end - src));
            size_t pieceLeft = offered;
            const size_t r = iconv(m_cd, &src, &pieceLeft, &dst, &dstLeft);
            out.append(buffer, qsizetype(dst - buffer));
            if (r == size_t(-1)) {
                // A character cut by the end of the piece continues in the next one.
                if (errno == E2BIG || (errno == EINVAL && src + pieceLeft < end))
                    continue;
                ok = false;
                break;
            }
        }
        *consumed = size_t(src - in);
        return ok;
    }

private:
    iconv_t m_cd;
    std::mutex m_mutex;
};

Converter &encoder()
{
    static Converter c("CP932", Ucs4);
    return c;
}

Converter &decoder()
{
    static Converter c(Ucs4, "CP932");
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

} // namespace

namespace Sjis {

QByteArray encode(const QString &text)
{
    if (text.isEmpty())
        return {};
    const QString normalized = normalizeForCp932(text);
    Converter &c = encoder();
    if (!c.isValid())
        return normalized.toUtf8(); // no CP932 on this system: keep ASCII intact at least
    const QList<uint> ucs4 = normalized.toUcs4();
    const char *in = reinterpret_cast<const char *>(ucs4.constData());
    const size_t len = size_t(ucs4.size()) * Ucs4Size;
    QByteArray out;
    out.reserve(ucs4.size() * 2);
    size_t pos = 0;
    while (pos < len) {
        size_t consumed = 0;
        if (c.convert(in + pos, len - pos, out, &consumed))
            break;
        out.append('?');
        pos += consumed + Ucs4Size;
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
    QByteArray ucs4;
    ucs4.reserve(bytes.size() * qsizetype(Ucs4Size));
    const char32_t replacement = 0xFFFD;
    size_t pos = 0;
    const size_t len = size_t(bytes.size());
    while (pos < len) {
        size_t consumed = 0;
        if (c.convert(bytes.constData() + pos, len - pos, ucs4, &consumed))
            break;
        ucs4.append(reinterpret_cast<const char *>(&replacement), qsizetype(Ucs4Size));
        pos += consumed + 1;
    }
    // Copied out rather than cast: QByteArray's buffer is not promised to be aligned for char32_t.
    std::u32string text(size_t(ucs4.size()) / Ucs4Size, U'\0');
    std::memcpy(text.data(), ucs4.constData(), text.size() * Ucs4Size);
    return QString::fromUcs4(text.data(), qsizetype(text.size()));
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
