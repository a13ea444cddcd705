#include "data/DailyPlanPaths.h"
#include "data/DayFile.h"
#include "data/SjisCodec.h"
#include "data/StepFile.h"
#include "export/Exporter.h"
#include "support/OutputReaders.h"
#include "support/StepBytes.h"
#include "support/TestFolder.h"

#include <QDir>
#include <QMap>
#include <QTest>

#include <libical/ical.h>

#include <ctime>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

JobRecord job(const QString &title, double start, double end, int check)
{
    JobRecord j;
    j.title = title;
    j.entryDate = serial(2024, 3, 1);
    j.startDate = start;
    j.endDate = end;
    j.check = check;
    return j;
}

// March 2024 with three jobs, no April, May under a lower-case name; a step plan for the first job
// of March; the daily plan of 1 May.
void writeData(const TestFolder &folder)
{
    MonthFile::Jobs march{};
    march[0] = job(u"[STEP]設計, 第1版"_s, serial(2024, 3, 5), serial(2024, 3, 12), JobRecord::InProgress);
    march[0].comments = u"一行目\r\n\"二\"行目; 以上"_s;
    march[0].customer = u"山田商店"_s;
    march[0].jobNo = u"J-1"_s;
    march[0].jobType = u"設計,製図"_s;
    march[1] = job(u"見積"_s, serial(2024, 3, 20), serial(2024, 3, 20), JobRecord::Done);
    march[2] = job(u"不明"_s, serial(2024, 3, 25), serial(2024, 3, 22), 7);
    folder.write(u"Y2024MAR.vxf"_s, MonthFile::toBytes(march));
    MonthFile::Jobs may{};
    may[0] = job(u"五月"_s, serial(2024, 5, 1), serial(2024, 5, 2), JobRecord::NotDone);
    folder.write(u"y2024may.vxf"_s, MonthFile::toBytes(may));

    StepFile step = StepFile::newFor(march[0], 2024, 3, serial(2024, 3, 1), u"/p"_s);
    step.groups[0].revStart[0] = serial(2024, 3, 6);
    step.groups[0].revEnd[0] = serial(2024, 3, 14);
    step.groups[2].groupTitle = u"製図"_s;
    step.groups[2].actualStart = serial(2024, 3, 8);
    step.groups[2].actualEnd = serial(2024, 3, 9);
    step.groups[2].actualMemo = u"早めに"_s;
    QDir(folder.path()).mkdir(StepFile::folderName());
    folder.write(StepFile::folderName() + u"/Y2024MAR1.vxs"_s, step.toBytes());

    DayFile day;
    SchedulePadRecord &meeting = day.pads[0];
    meeting.keyword = u"会議"_s;
    meeting.content = u"定例"_s;
    meeting.memo = u"資料\r\n持参"_s;
    meeting.barColor = 0x0000FF; // red, as 0x00BBGGRR
    meeting.startHour = 9, meeting.startMinute = 0, meeting.endHour = 10, meeting.endMinute = 30;
    SchedulePadRecord &night = day.pads[3];
    night.content = u"夜勤"_s;
    night.barColor = 0x00FFFFFF;
    night.startHour = 1, night.startMinute = 30, night.endHour = 1, night.endMinute = 0;
    day.diary.title1 = u"今日の反省"_s;
    day.diary.text1 = u"よく働いた"_s;
    QDir().mkpath(DailyPlanPaths::monthFolder(folder.path(), QDate(2024, 5, 1)));
    folder.write(DailyPlanPaths::dayFile(folder.path(), QDate(2024, 5, 1)).mid(folder.path().size() + 1),
                 day.toBytes());
}

ExportRequest request(const QString &folder, ExportRequest::Format format)
{
    ExportRequest r;
    r.format = format;
    r.folder = folder;
    r.months = std::pair(YearMonth{2024, 3}, YearMonth{2024, 5});
    r.stamp = QDateTime(QDate(2024, 6, 1), QTime(12, 0), Qt::UTC);
    if (format == ExportRequest::Format::ICalendar)
        r.days = std::pair(QDate(2024, 5, 1), QDate(2024, 5, 2));
    return r;
}

using Calendar = std::unique_ptr<icalcomponent, void (*)(icalcomponent *)>;

Calendar parse(const QByteArray &text)
{
    return Calendar(icalparser_parse_string(text.constData()), icalcomponent_free);
}

// The entries of a calendar by their UIDs.
QMap<QString, icalcomponent *> entries(icalcomponent *calendar)
{
    QMap<QString, icalcomponent *> out;
    for (icalcomponent *c = icalcomponent_get_first_component(calendar, ICAL_ANY_COMPONENT); c;
         c = icalcomponent_get_next_component(calendar, ICAL_ANY_COMPONENT))
        out.insert(QString::fromUtf8(icalcomponent_get_uid(c)), c);
    return out;
}

// The values of a property as libical reads them back, " | " between several: texts unescaped,
// anything else in its iCalendar form.
QString valueOf(icalcomponent *c, const QByteArray &name)
{
    const bool x = name.startsWith("X-");
    QStringList values;
    for (icalproperty *p = icalcomponent_get_first_property(c, ICAL_ANY_PROPERTY); p;
         p = icalcomponent_get_next_property(c, ICAL_ANY_PROPERTY)) {
        if (x ? name != icalproperty_get_x_name(p) : name != icalproperty_get_property_name(p))
            continue;
        const icalvalue *v = icalproperty_get_value(p);
        if (icalvalue_isa(v) == ICAL_TEXT_VALUE) {
            values << QString::fromUtf8(icalvalue_get_text(v));
        } else if (icalvalue_isa(v) == ICAL_X_VALUE) {
            values << QString::fromUtf8(icalvalue_get_x(v));
        } else {
            char *s = icalvalue_as_ical_string_r(v);
            values << QString::fromUtf8(s);
            icalmemory_free_buffer(s);
        }
    }
    return values.isEmpty() ? u"(none)"_s : values.join(u" | "_s);
}

} // namespace

class ExporterTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void csv_rangeWithMissingMonth();
    void ics_parsesBack_data();
    void ics_parsesBack();
    void ics_uidsStayAcrossExports();
    void damagedStepFile_stopsTheExport();

private:
    TestFolder m_folder;
    QByteArray m_ics;
};

void ExporterTest::initTestCase()
{
    // Pad times are local: a zone of fixed offset that needs no time-zone database.
    qputenv("TZ", "JST-9");
    tzset();
    writeData(m_folder);
    Exporter exporter(request(m_folder.path(), ExportRequest::Format::ICalendar));
    QVERIFY(exporter.run());
    m_ics = exporter.bytes();
}

void ExporterTest::csv_rangeWithMissingMonth()
{
    for (const Csv::Encoding encoding : {Csv::Encoding::Utf8WithBom, Csv::Encoding::ShiftJis}) {
        ExportRequest r = request(m_folder.path(), ExportRequest::Format::Csv);
        r.encoding = encoding;
        Exporter exporter(r);
        QVERIFY(exporter.run());
        QCOMPARE(exporter.missingMonths(), (QList<YearMonth>{YearMonth{2024, 4}}));
        const QByteArray bytes = exporter.bytes();
        const QString text =
            encoding == Csv::Encoding::ShiftJis ? Sjis::decode(bytes) : QString::fromUtf8(bytes.mid(3));
        const std::optional<QList<QStringList>> rows = readCsv(text);
        QVERIFY(rows);
        QCOMPARE(rows->size(), 5);
        QCOMPARE(rows->at(1), (QStringList{u"2024-03"_s, u"1"_s, u"2024-03-01"_s, u"設計, 第1版"_s, u"はい"_s,
                                           u"2024-03-05"_s, u"2024-03-12"_s, u"遂行中"_s, u"山田商店"_s,
                                           u"J-1"_s, u"設計,製図"_s, u"一行目\n\"二\"行目; 以上"_s}));
        QCOMPARE(rows->at(2).mid(3, 5),
                 (QStringList{u"見積"_s, u"いいえ"_s, u"2024-03-20"_s, u"2024-03-20"_s, u"完了"_s}));
        QCOMPARE(rows->at(3).at(7), u"未完"_s); // a state the program does not know
        QCOMPARE(rows->at(4).mid(0, 4), (QStringList{u"2024-05"_s, u"1"_s, u"2024-03-01"_s, u"五月"_s}));
    }
}

void ExporterTest::ics_parsesBack_data()
{
    QTest::addColumn<QString>("uid");
    QTest::addColumn<QByteArray>("property");
    QTest::addColumn<QString>("value");
    const QString job = u"Y2024MAR-01@wrenly"_s;
    QTest::newRow("job title") << job << QByteArray("SUMMARY") << u"設計, 第1版"_s;
    QTest::newRow("job comments and more")
        << job << QByteArray("DESCRIPTION") << u"一行目\n\"二\"行目; 以上\n\n顧客: 山田商店\nJob No.: J-1"_s;
    QTest::newRow("job start") << job << QByteArray("DTSTART") << u"20240305"_s;
    QTest::newRow("job due") << job << QByteArray("DUE") << u"20240312"_s;
    QTest::newRow("job in progress") << job << QByteArray("STATUS") << u"IN-PROCESS"_s;
    QTest::newRow("job percent") << job << QByteArray("PERCENT-COMPLETE") << u"50"_s;
    QTest::newRow("job type, a list at its commas") << job << QByteArray("CATEGORIES") << u"設計 | 製図"_s;
    QTest::newRow("customer") << job << QByteArray("X-WRENLY-CUSTOMER") << u"山田商店"_s;
    QTest::newRow("job number") << job << QByteArray("X-WRENLY-JOBNO") << u"J-1"_s;
    QTest::newRow("stamp") << job << QByteArray("DTSTAMP") << u"20240601T120000Z"_s;
    QTest::newRow("done") << u"Y2024MAR-02@wrenly"_s << QByteArray("STATUS") << u"COMPLETED"_s;
    QTest::newRow("unknown state") << u"Y2024MAR-03@wrenly"_s << QByteArray("STATUS") << u"NEEDS-ACTION"_s;
    QTest::newRow("end before start: due at start")
        << u"Y2024MAR-03@wrenly"_s << QByteArray("DUE") << u"20240325"_s;

    const QString plan = u"Y2024MAR-01-step0-plan@wrenly"_s;
    QTest::newRow("plan: under its job") << plan << QByteArray("RELATED-TO") << job;
    QTest::newRow("plan: the job's period") << plan << QByteArray("DTSTART") << u"20240305"_s;
    QTest::newRow("plan: end exclusive") << plan << QByteArray("DTEND") << u"20240313"_s;
    QTest::newRow("plan: name") << plan << QByteArray("SUMMARY") << u"設計, 第1版: 全体日程 (当初)"_s;
    const QString revised = u"Y2024MAR-01-step0-revised@wrenly"_s;
    QTest::newRow("revision") << revised << QByteArray("DTEND") << u"20240315"_s;
    const QString actual = u"Y2024MAR-01-step2-actual@wrenly"_s;
    QTest::newRow("actual: name") << actual << QByteArray("SUMMARY")
                                  << u"設計, 第1版: ステップ 2 製図 (実績)"_s;
    QTest::newRow("actual: memo") << actual << QByteArray("DESCRIPTION") << u"早めに"_s;

    const QString pad = u"2024-05-01-pad01@wrenly"_s;
    QTest::newRow("pad keyword") << pad << QByteArray("SUMMARY") << u"会議"_s;
    QTest::newRow("pad text and memo") << pad << QByteArray("DESCRIPTION") << u"定例\n\n資料\n持参"_s;
    QTest::newRow("pad start, UTC") << pad << QByteArray("DTSTART") << u"20240501T000000Z"_s;
    QTest::newRow("pad end, UTC") << pad << QByteArray("DTEND") << u"20240501T013000Z"_s;
    QTest::newRow("pad colour") << pad << QByteArray("COLOR") << u"red"_s;
    const QString night = u"2024-05-01-pad04@wrenly"_s;
    QTest::newRow("night pad: next morning") << night << QByteArray("DTSTART") << u"20240501T163000Z"_s;
    QTest::newRow("night pad: end before start") << night << QByteArray("DTEND") << u"(none)"_s;
    QTest::newRow("night pad: colour") << night << QByteArray("COLOR") << u"white"_s;
    const QString diary = u"2024-05-01-diary@wrenly"_s;
    QTest::newRow("diary day") << diary << QByteArray("DTSTART") << u"20240501"_s;
    QTest::newRow("diary text") << diary << QByteArray("DESCRIPTION") << u"今日の反省\nよく働いた"_s;
}

// The file as a calendar program reads it: libical's parser gives back every property.
void ExporterTest::ics_parsesBack()
{
    QFETCH(QString, uid);
    QFETCH(QByteArray, property);
    QFETCH(QString, value);
    const Calendar calendar = parse(m_ics);
    QVERIFY(calendar);
    QCOMPARE(icalcomponent_count_errors(calendar.get()), 0);
    icalcomponent *found = entries(calendar.get()).value(uid);
    QVERIFY2(found, qPrintable(uid));
    QCOMPARE(valueOf(found, property), value);
}

void ExporterTest::ics_uidsStayAcrossExports()
{
    ExportRequest later = request(m_folder.path(), ExportRequest::Format::ICalendar);
    later.stamp = later.stamp.addDays(30);
    Exporter exporter(later);
    QVERIFY(exporter.run());
    const Calendar first = parse(m_ics);
    const Calendar second = parse(exporter.bytes());
    const QMap<QString, icalcomponent *> ids = entries(first.get());
    QCOMPARE(entries(second.get()).keys(), ids.keys());
    // Unique within a file.
    QCOMPARE(ids.size(), icalcomponent_count_components(first.get(), ICAL_ANY_COMPONENT));
    QCOMPARE(icalcomponent_count_components(first.get(), ICAL_VTODO_COMPONENT), 4);
    QCOMPARE(icalcomponent_count_components(first.get(), ICAL_VJOURNAL_COMPONENT), 1);
    QCOMPARE(valueOf(entries(second.get()).first(), "DTSTAMP"), u"20240701T120000Z"_s);
}

void ExporterTest::damagedStepFile_stopsTheExport()
{
    TestFolder folder;
    writeData(folder);
    folder.write(StepFile::folderName() + u"/Y2024MAR2.vxs"_s, QByteArray(StepFile::Size, '\xFF'));
    Exporter exporter(request(folder.path(), ExportRequest::Format::ICalendar));
    QVERIFY(!exporter.run());
    QVERIFY(!exporter.failure());
    QVERIFY(!exporter.failure().error.isEmpty());
    QCOMPARE(exporter.failedPath(), folder.file(StepFile::folderName() + u"/Y2024MAR2.vxs"_s));
}

QTEST_GUILESS_MAIN(ExporterTest)
#include "tst_exporter.moc"
