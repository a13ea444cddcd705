#include "data/Csv.h"

#include "data/SjisCodec.h"

using namespace Qt::StringLiterals;

namespace Csv {

QString field(const QString &text)
{
    const bool quoted =
        text.contains(u',') || text.contains(u'"') || text.contains(u'\n') || text.contains(u'\r');
    if (!quoted)
        return text;
    QString doubled = text;
    doubled.replace(u"\""_s, u"\"\""_s);
    return u'"' + doubled + u'"';
}

QString record(const QStringList &fields)
{
    QString line;
    for (qsizetype i = 0; i < fields.size(); ++i) {
        if (i > 0)
            line += u',';
        line += field(fields[i]);
    }
    return line + u"\r\n"_s;
}

QByteArray start(Encoding encoding)
{
    return encoding == Encoding::Utf8WithBom ? QByteArray("\xEF\xBB\xBF") : QByteArray();
}

QByteArray encode(const QString &text, Encoding encoding)
{
    return encoding == Encoding::Utf8WithBom ? text.toUtf8() : Sjis::encode(text);
}

} // namespace Csv
