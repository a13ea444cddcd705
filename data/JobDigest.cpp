#include "data/JobDigest.h"

#include "data/DaySerial.h"
#include "data/SafeFile.h"

#include <array>

using namespace Qt::StringLiterals;

namespace {

enum Kind { EndsToday, Overdue, StartsToday, KindCount };

MonthFile::Jobs readMonth(const QString &folder, const QDate &month)
{
    QByteArray bytes;
    const QString path = folder + u'/' + MonthFile::fileName(month.year(), month.month());
    if (!SafeFile::read(path, &bytes, MonthFile::Size))
        return {};
    return MonthFile::fromBytes(bytes);
}

} // namespace

JobDigest JobDigest::of(const MonthFile::Jobs &current, const MonthFile::Jobs &previous, const QDate &today)
{
    // Titles gathered by kind, so that they come in the order of the summary line.
    std::array<QStringList, KindCount> titles;
    for (const MonthFile::Jobs *jobs : {&current, &previous}) {
        const int used = MonthFile::countUsedRecords(*jobs);
        for (int slot = 0; slot < used; ++slot) {
            const JobRecord &job = (*jobs)[size_t(slot)];
            if (job.check == JobRecord::Done)
                continue;
            const QDate end = DaySerial::toDate(job.endDate);
            if (end == today)
                titles[EndsToday] << job.title;
            else if (end < today)
                titles[Overdue] << job.title;
            else if (DaySerial::toDate(job.startDate) == today)
                titles[StartsToday] << job.title;
        }
    }
    JobDigest digest;
    digest.endsToday = int(titles[EndsToday].size());
    digest.overdue = int(titles[Overdue].size());
    digest.startsToday = int(titles[StartsToday].size());
    for (const QStringList &kind : titles)
        digest.titles += kind;
    return digest;
}

JobDigest JobDigest::read(const QString &folder, const QDate &today)
{
    const QDate month(today.year(), today.month(), 1);
    return of(readMonth(folder, month), readMonth(folder, month.addMonths(-1)), today);
}

QString JobDigest::summary() const
{
    return u"本日終了予定: %1 件 / 期限切れ: %2 件 / 本日開始: %3 件"_s.arg(endsToday).arg(overdue).arg(
        startsToday);
}

QString JobDigest::body(int shown) const
{
    QStringList lines = titles.mid(0, shown);
    if (titles.size() > shown)
        lines << u"ほか %1 件"_s.arg(titles.size() - shown);
    return lines.join(u'\n');
}
