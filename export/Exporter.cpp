#include "export/Exporter.h"

#include "data/DailyPlanPaths.h"
#include "data/DayFile.h"
#include "data/PastMonths.h"
#include "data/StepFile.h"
#include "export/IcsWriter.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

QString ExportRequest::defaultFileName() const
{
    QStringList ends; // the first and the last month or day
    if (shownMonth)
        ends << JobExport::monthText(shownMonth->year, shownMonth->month);
    else if (months)
        ends << months->first.text() << months->second.text();
    else if (days)
        ends << days->first.toString(Qt::ISODate) << days->second.toString(Qt::ISODate);
    ends.removeDuplicates();
    const QString extension = format == Format::Csv ? u".csv"_s : u".ics"_s;
    if (ends.isEmpty())
        return u"Wrenly"_s + extension;
    return u"Wrenly-"_s + ends.join(u'_') + extension;
}

Exporter::Exporter(const ExportRequest &request) : m_request(request)
{
    if (request.shownMonth)
        m_monthSteps = 1;
    else if (request.months)
        m_scan = MonthRange::scan(request.folder, request.months->first, request.months->second);
    m_monthSteps += int(m_scan.files.size());
    m_stepCount = m_monthSteps;

    if (request.format == ExportRequest::Format::Csv) {
        m_csv =
            Csv::start(request.encoding) + Csv::encode(Csv::record(JobExport::csvHeader()), request.encoding);
        return;
    }
    m_ics = std::make_unique<IcsWriter>(request.stamp);
    if (request.days && request.days->first <= request.days->second)
        m_stepCount += int(request.days->first.daysTo(request.days->second)) + 1;
    // One listing of the step folder instead of a look-up per job.
    const QStringList steps = QDir(request.folder + u'/' + StepFile::folderName())
                                  .entryList({StepFile::nameFilter()}, QDir::Files, QDir::Unsorted);
    m_stepFiles = QSet<QString>(steps.begin(), steps.end());
}

Exporter::~Exporter() = default;

bool Exporter::step()
{
    if (atEnd())
        return false;
    const int piece = m_done++;
    if (piece >= m_monthSteps) {
        addDay(m_request.days->first.addDays(piece - m_monthSteps));
    } else if (m_request.shownMonth) {
        addMonth(*m_request.shownMonth);
    } else {
        const MonthRange::Found &found = m_scan.files[piece];
        ExportMonth month{found.month.year, found.month.month};
        const SafeFile::Result r = PastMonths::read(found.path, &month.jobs);
        if (!r)
            return fail(found.path, r);
        month.count = MonthFile::countUsedRecords(month.jobs);
        addMonth(month);
    }
    return m_failure.ok;
}

bool Exporter::run()
{
    while (step()) {
    }
    return m_failure.ok;
}

void Exporter::addMonth(const ExportMonth &month)
{
    m_jobs += month.count;
    if (!m_ics) {
        QString rows;
        for (int slot = 0; slot < month.count; ++slot)
            rows += Csv::record(JobExport::csvFields(month, slot));
        m_csv += Csv::encode(rows, m_request.encoding);
        return;
    }
    for (int slot = 0; slot < month.count; ++slot) {
        m_ics->addJob(month, slot);
        const QString name = StepFile::fileName(month.fileName(), slot + 1);
        if (!m_stepFiles.contains(name))
            continue;
        const QString path = m_request.folder + u'/' + StepFile::folderName() + u'/' + name;
        StepFile step;
        const SafeFile::Result r = StepFile::read(path, &step);
        if (!r) {
            fail(path, r);
            return;
        }
        m_ics->addStepPlan(month, slot, step);
    }
}

void Exporter::addDay(const QDate &date)
{
    const QString path = DailyPlanPaths::dayFile(m_request.folder, date);
    if (!QFileInfo::exists(path))
        return;
    QByteArray bytes;
    const SafeFile::Result r = SafeFile::read(path, &bytes, DayFile::Size);
    if (!r) {
        fail(path, r);
        return;
    }
    m_ics->addDay(date, DayFile::fromBytes(bytes));
}

bool Exporter::fail(const QString &path, const SafeFile::Result &result)
{
    m_failure = result;
    m_failedPath = path;
    return false;
}

QByteArray Exporter::bytes() const
{
    if (m_ics)
        return m_ics->text();
    return m_csv;
}

QString Exporter::missingMonthsText() const
{
    constexpr qsizetype Named = 6;
    const QList<YearMonth> &missing = m_scan.missing;
    if (missing.isEmpty())
        return {};
    QStringList names;
    for (qsizetype i = 0; i < qMin(missing.size(), Named); ++i)
        names << missing[i].text();
    QString text = u"ファイルのない月は飛ばしました: "_s + names.join(u", "_s);
    if (missing.size() > Named)
        text += u" ほか %1 か月"_s.arg(missing.size() - Named);
    return text;
}

SafeFile::Result Exporter::write(const QString &path, const QByteArray &bytes)
{
    return SafeFile::write(path, bytes, SafeFile::Tail::Drop);
}
