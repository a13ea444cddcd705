#include "export/IcsWriter.h"

#include "data/TimeAxis.h"

#include <QColor>
#include <QList>
#include <QStringList>

#include <libical/ical.h>

#include <limits>

using namespace Qt::StringLiterals;

namespace {

icaltimetype dateValue(const QDate &date)
{
    icaltimetype t = icaltime_null_date();
    t.year = date.year();
    t.month = date.month();
    t.day = date.day();
    return t;
}

icaltimetype utcValue(const QDateTime &moment)
{
    return icaltime_from_timet_with_zone(time_t(moment.toSecsSinceEpoch()), 0,
                                         icaltimezone_get_utc_timezone());
}

void add(icalcomponent *entry, icalproperty *property)
{
    icalcomponent_add_property(entry, property);
}

void addText(icalcomponent *entry, icalproperty *(*make)(const char *), const QString &text)
{
    if (!text.isEmpty())
        add(entry, make(text.toUtf8().constData()));
}

void addX(icalcomponent *entry, const char *name, const QString &text)
{
    if (text.isEmpty())
        return;
    icalproperty *p = icalproperty_new_x(text.toUtf8().constData());
    icalproperty_set_x_name(p, name);
    add(entry, p);
}

QString jobDescription(const JobRecord &job)
{
    QStringList about;
    if (!job.customer.isEmpty())
        about << u"顧客: "_s + job.customer;
    if (!job.jobNo.isEmpty())
        about << u"Job No.: "_s + job.jobNo;
    const QString comments = JobExport::plainLines(job.comments);
    if (about.isEmpty())
        return comments;
    return comments.isEmpty() ? about.join(u'\n') : comments + u"\n\n"_s + about.join(u'\n');
}

QString groupName(int group, const QString &title)
{
    const QString name = group == 0 ? u"全体日程"_s : u"ステップ "_s + QString::number(group);
    return title.isEmpty() ? name : name + u' ' + title;
}

// The moment of a row of the daily plan's time axis, which runs from 6:00 to 6:00 of the next
// morning. Pads hold clock times: on a night the clocks change, 3:30 is still 3:30.
QDateTime momentOf(const QDate &date, int row)
{
    constexpr int MinutesPerDay = 24 * 60;
    const int minutes = 6 * 60 + row / TimeAxis::RowsPerMinute;
    return QDateTime(date.addDays(minutes / MinutesPerDay),
                     QTime(0, 0).addSecs(minutes % MinutesPerDay * 60));
}

} // namespace

IcsWriter::IcsWriter(const QDateTime &stamp) : m_stamp(stamp)
{
    m_calendar = icalcomponent_new(ICAL_VCALENDAR_COMPONENT);
    add(m_calendar, icalproperty_new_prodid("-//Wrenly//Wrenly//JA"));
    add(m_calendar, icalproperty_new_version("2.0"));
    add(m_calendar, icalproperty_new_calscale("GREGORIAN"));
}

IcsWriter::~IcsWriter()
{
    icalcomponent_free(m_calendar);
}

icalcomponent *IcsWriter::newEntry(int kind, const QString &uid)
{
    icalcomponent *entry = icalcomponent_new(icalcomponent_kind(kind));
    add(entry, icalproperty_new_uid(uid.toUtf8().constData()));
    add(entry, icalproperty_new_dtstamp(utcValue(m_stamp)));
    icalcomponent_add_component(m_calendar, entry);
    return entry;
}

void IcsWriter::addJob(const ExportMonth &month, int slot)
{
    const JobRecord &job = month.jobs[size_t(slot)];
    icalcomponent *todo = newEntry(ICAL_VTODO_COMPONENT, JobExport::uid(month, slot));
    addText(todo, icalproperty_new_summary, JobExport::bareTitle(job.title));
    addText(todo, icalproperty_new_description, jobDescription(job));
    const QDate start = JobExport::date(job.startDate);
    add(todo, icalproperty_new_dtstart(dateValue(start)));
    // DUE may not come before DTSTART; a broken record's end gives way.
    add(todo, icalproperty_new_due(dateValue(qMax(start, JobExport::date(job.endDate)))));
    switch (job.check) {
    case JobRecord::Done:
        add(todo, icalproperty_new_status(ICAL_STATUS_COMPLETED));
        add(todo, icalproperty_new_percentcomplete(100));
        break;
    case JobRecord::InProgress:
        add(todo, icalproperty_new_status(ICAL_STATUS_INPROCESS));
        add(todo, icalproperty_new_percentcomplete(50));
        break;
    default:
        add(todo, icalproperty_new_status(ICAL_STATUS_NEEDSACTION));
        add(todo, icalproperty_new_percentcomplete(0));
    }
    // A list in iCalendar: a job type "設計,製図" reads as two categories.
    addText(todo, icalproperty_new_categories, job.jobType);
    addX(todo, "X-WRENLY-CUSTOMER", job.customer);
    addX(todo, "X-WRENLY-JOBNO", job.jobNo);
    flush();
}

void IcsWriter::addStepPlan(const ExportMonth &month, int slot, const StepFile &step)
{
    const QString parent = JobExport::uid(month, slot);
    const QString title = JobExport::bareTitle(month.jobs[size_t(slot)].title);
    const QString base = parent.section(u'@', 0, 0);
    for (int g = 0; g < StepFile::GroupCount; ++g) {
        const StepGroup &group = step.groups[size_t(g)];
        const int revisions = group.revisionCount();
        struct Period
        {
            const char *key;
            QString caption;
            double start;
            double end;
            QString memo;
        };
        QList<Period> periods{{"plan", u"当初"_s, group.planStart, group.planEnd, group.planMemo},
                              {"actual", u"実績"_s, group.actualStart, group.actualEnd, group.actualMemo}};
        if (revisions > 0) {
            const size_t r = size_t(revisions - 1);
            periods.insert(1, {"revised", u"修正"_s, group.revStart[r], group.revEnd[r], group.revMemo[r]});
        }
        for (const Period &p : periods) {
            if (StepGroup::isUnset(p.start))
                continue;
            const QString uid =
                base + u"-step"_s + QString::number(g) + u'-' + QString::fromLatin1(p.key) + u"@wrenly"_s;
            icalcomponent *event = newEntry(ICAL_VEVENT_COMPONENT, uid);
            addText(event, icalproperty_new_summary,
                    title + u": "_s + groupName(g, group.groupTitle) + u" ("_s + p.caption + u')');
            addText(event, icalproperty_new_description, JobExport::plainLines(p.memo));
            const QDate start = JobExport::date(p.start);
            add(event, icalproperty_new_dtstart(dateValue(start)));
            // All-day events end on the day after their last.
            add(event, icalproperty_new_dtend(dateValue(qMax(start, JobExport::date(p.end)).addDays(1))));
            add(event, icalproperty_new_transp(ICAL_TRANSP_TRANSPARENT));
            add(event, icalproperty_new_relatedto(parent.toUtf8().constData()));
        }
    }
    flush();
}

void IcsWriter::addDay(const QDate &date, const DayFile &day)
{
    const QString base = date.toString(Qt::ISODate);
    for (int k = 0; k < PadSlots; ++k) {
        const SchedulePadRecord &pad = day.pads[size_t(k)];
        if (!pad.hasTimes())
            continue;
        const QString uid = base + u"-pad"_s + QString::number(k + 1).rightJustified(2, u'0') + u"@wrenly"_s;
        icalcomponent *event = newEntry(ICAL_VEVENT_COMPONENT, uid);
        // Without a keyword the description stands as the summary instead.
        addText(event, icalproperty_new_summary, pad.keyword.isEmpty() ? pad.content : pad.keyword);
        QString description = pad.keyword.isEmpty() ? QString() : pad.content;
        const QString memo = JobExport::plainLines(pad.memo);
        if (!memo.isEmpty())
            description += (description.isEmpty() ? QString() : u"\n\n"_s) + memo;
        addText(event, icalproperty_new_description, description);
        const int startRow = TimeAxis::timeToRow(pad.startHour, pad.startPM, pad.startMinute);
        add(event, icalproperty_new_dtstart(utcValue(momentOf(date, startRow))));
        if (pad.endHour >= 0 && pad.endMinute >= 0) {
            const int endRow = TimeAxis::timeToRow(pad.endHour, pad.endPM, pad.endMinute);
            if (endRow > startRow)
                add(event, icalproperty_new_dtend(utcValue(momentOf(date, endRow))));
        }
        const QString colour = colourName(pad.barColor);
        if (!colour.isEmpty())
            add(event, icalproperty_new_color(colour.toLatin1().constData()));
    }

    flush();
    const DiaryRecord &diary = day.diary;
    QStringList parts;
    for (const auto &[title, text] :
         {std::pair(diary.title1, diary.text1), std::pair(diary.title2, diary.text2)}) {
        const QString part = QStringList{title, JobExport::plainLines(text)}.join(u'\n').trimmed();
        if (!text.isEmpty())
            parts << part;
    }
    if (parts.isEmpty())
        return;
    icalcomponent *journal = newEntry(ICAL_VJOURNAL_COMPONENT, base + u"-diary@wrenly"_s);
    addText(journal, icalproperty_new_summary, u"日記"_s);
    addText(journal, icalproperty_new_description, parts.join(u"\n\n"_s));
    add(journal, icalproperty_new_dtstart(dateValue(date)));
    flush();
}

void IcsWriter::flush()
{
    while (icalcomponent *entry = icalcomponent_get_first_component(m_calendar, ICAL_ANY_COMPONENT)) {
        icalcomponent_remove_component(m_calendar, entry);
        char *text = icalcomponent_as_ical_string_r(entry);
        m_entries += text;
        icalmemory_free_buffer(text);
        icalcomponent_free(entry);
    }
}

QByteArray IcsWriter::text() const
{
    char *frame = icalcomponent_as_ical_string_r(m_calendar);
    QByteArray out(frame);
    icalmemory_free_buffer(frame);
    return out.insert(out.lastIndexOf("END:VCALENDAR"), m_entries);
}

QString IcsWriter::colourName(qint32 colour)
{
    if (quint32(colour) > 0xFFFFFFu)
        return {};
    const int r = colour & 0xFF;
    const int g = (colour >> 8) & 0xFF;
    const int b = (colour >> 16) & 0xFF;
    static const QList<std::pair<QString, QColor>> named = [] {
        QList<std::pair<QString, QColor>> out;
        for (const QString &name : QColor::colorNames())
            if (name != u"transparent"_s)
                out.append({name, QColor::fromString(name)});
        return out;
    }();
    QString best;
    int bestDistance = std::numeric_limits<int>::max();
    for (const auto &[name, c] : named) {
        // Weighted as the eye sees differences: green most, blue least.
        const int d = 3 * (c.red() - r) * (c.red() - r) + 4 * (c.green() - g) * (c.green() - g) +
                      2 * (c.blue() - b) * (c.blue() - b);
        if (d < bestDistance) {
            bestDistance = d;
            best = name;
        }
    }
    return best;
}
