#include "data/MonthEditor.h"
#include "support/FileSizeLimit.h"
#include "support/TestFolder.h"

#include <QTest>

using namespace Qt::StringLiterals;
using Command = MonthEditor::Command;
using Kind = MonthEditor::Outcome::Kind;

Q_DECLARE_METATYPE(MonthKind)
Q_DECLARE_METATYPE(Command)
Q_DECLARE_METATYPE(Kind)

namespace {

JobRecord titled(const QString &title)
{
    JobRecord j;
    j.title = title;
    return j;
}

// Both months on disk, each with two used slots ("C1", "C2", "P1", "P2"), read by the session.
struct Months
{
    TestFolder folder;
    Session session{folder.path()};
    MonthEditor editor{session};

    Months()
    {
        session.startDay(QDate(2005, 5, 16));
        for (MonthKind kind : {MonthKind::Current, MonthKind::Previous}) {
            const QString mark = kind == MonthKind::Current ? u"C"_s : u"P"_s;
            MonthFile::Jobs jobs{};
            jobs[0] = titled(mark + u"1"_s);
            jobs[1] = titled(mark + u"2"_s);
            folder.write(session.fileName(kind), MonthFile::toBytes(jobs));
            QVERIFY(session.load(kind));
        }
    }

    QString titleOnDisk(MonthKind kind, int slot) const
    {
        return MonthFile::fromBytes(folder.read(session.fileName(kind)))[size_t(slot)].title;
    }
};

} // namespace

class TestMonthEditor : public QObject
{
    Q_OBJECT
private slots:
    void commands_data();
    void commands();
    void emptyTitle_isRefusedBeforeAnythingChanges();
    void create_replacesALongerFileWhole();
    void failedWrite_leavesMemoryAndFileAsTheyWere();
};

void TestMonthEditor::commands_data()
{
    QTest::addColumn<Command>("command");
    QTest::addColumn<MonthKind>("shown");
    QTest::addColumn<int>("slot");
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<MonthKind>("written");
    QTest::addColumn<int>("currentCount");

    const auto C = MonthKind::Current;
    const auto P = MonthKind::Previous;
    QTest::newRow("append into the next slot") << Command::Append << C << 2 << Kind::Appended << C << 3;
    QTest::newRow("append at a used slot updates") << Command::Append << C << 1 << Kind::Updated << C << 2;
    QTest::newRow("append with last month shown is refused")
        << Command::Append << P << 2 << Kind::PreviousMonthRefused << P << 2;
    QTest::newRow("update a used slot of this month") << Command::Update << C << 0 << Kind::Updated << C << 2;
    QTest::newRow("update a used slot of last month") << Command::Update << P << 1 << Kind::Updated << P << 2;
    QTest::newRow("update an empty slot appends") << Command::Update << C << 2 << Kind::Appended << C << 3;
    QTest::newRow("update an empty slot of last month is refused")
        << Command::Update << P << 5 << Kind::PreviousMonthRefused << P << 2;
    QTest::newRow("nothing is written while a past month is shown")
        << Command::Update << MonthKind::Past << 0 << Kind::NothingShown << MonthKind::Past << 2;
    QTest::newRow("create writes record 1 of this month")
        << Command::Create << C << 7 << Kind::Created << C << 2;
}

void TestMonthEditor::commands()
{
    QFETCH(Command, command);
    QFETCH(MonthKind, shown);
    QFETCH(int, slot);
    QFETCH(Kind, kind);
    QFETCH(MonthKind, written);
    QFETCH(int, currentCount);

    Months m;
    const MonthEditor::Outcome outcome = m.editor.run(command, shown, slot, titled(u"新"_s));
    QCOMPARE(outcome.kind, kind);
    QCOMPARE(outcome.month, written);
    QCOMPARE(m.session.count(MonthKind::Current), currentCount);

    // What was written is in memory and on disk alike; the other month is untouched.
    const int target = command == Command::Create ? 0 : slot;
    if (outcome.wrote()) {
        QCOMPARE(m.session.job(written, target).title, u"新"_s);
        QCOMPARE(m.titleOnDisk(written, target), u"新"_s);
    }
    const MonthKind other = written == MonthKind::Previous ? MonthKind::Current : MonthKind::Previous;
    QCOMPARE(m.titleOnDisk(other, 0), other == MonthKind::Current ? u"C1"_s : u"P1"_s);
    if (!outcome.wrote()) {
        QCOMPARE(m.titleOnDisk(MonthKind::Current, 1), u"C2"_s);
        QCOMPARE(m.titleOnDisk(MonthKind::Previous, 1), u"P2"_s);
    }
}

void TestMonthEditor::emptyTitle_isRefusedBeforeAnythingChanges()
{
    Months m;
    for (Command command : {Command::Create, Command::Append, Command::Update}) {
        const auto refused = m.editor.refusal(command, MonthKind::Current, titled({}));
        QVERIFY(refused);
        QCOMPARE(refused->kind, Kind::TitleMissing);
        QCOMPARE(m.editor.run(command, MonthKind::Current, 0, titled({})).kind, Kind::TitleMissing);
    }
    QCOMPARE(m.titleOnDisk(MonthKind::Current, 0), u"C1"_s);
    QVERIFY(!m.editor.refusal(Command::Update, MonthKind::Previous, titled(u"x"_s)));
}

void TestMonthEditor::create_replacesALongerFileWhole()
{
    Months m;
    m.folder.write(m.session.currentFileName(), QByteArray(MonthFile::Size + 100, 'x'));
    QVERIFY(m.session.load(MonthKind::Current));
    QCOMPARE(m.editor.run(Command::Create, MonthKind::Current, 0, titled(u"新"_s)).kind, Kind::Created);
    QCOMPARE(m.folder.read(m.session.currentFileName()).size(), MonthFile::Size);
}

void TestMonthEditor::failedWrite_leavesMemoryAndFileAsTheyWere()
{
    Months m;
    const QByteArray before = m.folder.read(m.session.currentFileName());
    MonthEditor::Outcome outcome;
    {
        const FileSizeLimit full(1000);
        outcome = m.editor.run(Command::Append, MonthKind::Current, 2, titled(u"新"_s));
    }
    QCOMPARE(outcome.kind, Kind::WriteFailed);
    QCOMPARE(outcome.month, MonthKind::Current);
    QVERIFY(!outcome.error.isEmpty());
    QVERIFY(!m.session.job(MonthKind::Current, 2).isUsed());
    QCOMPARE(m.session.count(MonthKind::Current), 2);
    QCOMPARE(m.folder.read(m.session.currentFileName()), before);
}

QTEST_GUILESS_MAIN(TestMonthEditor)
#include "tst_montheditor.moc"
