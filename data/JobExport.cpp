#include "data/JobExport.h"

#include "data/BarChart.h"
#include "data/DaySerial.h"
#include "data/JobSearch.h"

#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace JobExport {

QString monthText(int year, int month)
{
    return QString::number(year).rightJustified(4, u'0') + u'-' +
           QString::number(month).rightJustified(2, u'0');
}

QDate date(double serial)
{
    return DaySerial::toDate(BarChart::clampSerial(serial));
}

QString isoDate(double serial)
{
    return date(serial).toString(Qt::ISODate);
}

QString bareTitle(const QString &title)
{
    return title.mid(JobSearch::titleSearchStart(title));
}

QString stateText(qint32 check)
{
    const bool known = check == JobRecord::Done || check == JobRecord::InProgress;
    return JobSearch::stateText(known ? check : JobRecord::NotDone);
}

QString plainLines(const QString &text)
{
    static const QRegularExpression lineBreak(u"\r\n|\r"_s);
    QString out = text;
    return out.replace(lineBreak, u"\n"_s);
}

QStringList csvHeader()
{
    return {u"月"_s,     u"データNo."_s, u"入力日/更新日"_s, u"タイトル"_s, u"STEP"_s,       u"開始日"_s,
            u"終了日"_s, u"状態"_s,      u"顧客"_s,          u"Job No."_s,  u"仕事の種類"_s, u"内容"_s};
}

QStringList csvFields(const ExportMonth &month, int slot)
{
    const JobRecord &job = month.jobs[size_t(slot)];
    return {monthText(month.year, month.month),
            QString::number(slot + 1),
            isoDate(job.entryDate),
            bareTitle(job.title),
            BarChart::isStepManaged(job.title) ? u"はい"_s : u"いいえ"_s,
            isoDate(job.startDate),
            isoDate(job.endDate),
            stateText(job.check),
            job.customer,
            job.jobNo,
            job.jobType,
            plainLines(job.comments)};
}

QString uid(const ExportMonth &month, int slot)
{
    return month.fileName().left(8) + u'-' + QString::number(slot + 1).rightJustified(2, u'0') + u"@wrenly"_s;
}

} // namespace JobExport
