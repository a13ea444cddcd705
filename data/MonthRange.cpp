#include "data/MonthRange.h"

#include "data/JobRecord.h"
#include "data/PastMonths.h"

#include <QDir>
#include <QHash>
#include <QRegularExpression>

using namespace Qt::StringLiterals;

std::optional<YearMonth> YearMonth::fromText(const QString &text)
{
    static const QRegularExpression form(u"^(\\d{4})-(\\d{2})$"_s);
    const QRegularExpressionMatch m = form.match(text);
    if (!m.hasMatch())
        return std::nullopt;
    const YearMonth ym{m.captured(1).toInt(), m.captured(2).toInt()};
    if (ym.year < 1 || ym.month < 1 || ym.month > 12)
        return std::nullopt;
    return ym;
}

QString YearMonth::text() const
{
    return QString::number(year).rightJustified(4, u'0') + u'-' +
           QString::number(month).rightJustified(2, u'0');
}

namespace MonthRange {

Scan scan(const QString &folder, YearMonth from, YearMonth to)
{
    // One listing of the folder, not a look-up per month: a range may span centuries.
    QHash<int, QString> byMonth;
    const QStringList names = QDir(folder).entryList({u"*.vxf"_s}, QDir::Files, QDir::Unsorted);
    for (const QString &name : names) {
        const PastMonths::MonthOfName m = PastMonths::monthOf(name);
        if (name.size() != MonthFile::fileName(2000, 1).size() || !m.hasYear || m.month == 0)
            continue;
        const int key = m.year * 12 + m.month - 1;
        if (!byMonth.contains(key) || name == MonthFile::fileName(m.year, m.month))
            byMonth.insert(key, name);
    }
    Scan scan;
    for (YearMonth ym = from; ym <= to; ym = ym.next()) {
        const auto it = byMonth.constFind(ym.year * 12 + ym.month - 1);
        if (it == byMonth.constEnd())
            scan.missing << ym;
        else
            scan.files << Found{ym, folder + u'/' + *it};
    }
    return scan;
}

} // namespace MonthRange
