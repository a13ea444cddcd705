#include "support/MainWindowFixture.h"

#include "data/ByteFields.h"
#include "views/ToDoListWindow.h"
#include "widgets/JobRowWidget.h"
#include "widgets/RangeCalendarWidget.h"
#include "widgets/SjisTextEdit.h"
#include "widgets/UpDownWidget.h"

#include <QFile>

#include <limits>

using namespace Qt::StringLiterals;

namespace {

const QString May = u"Y2005MAY.vxf"_s;
const QString April = u"Y2005APR.vxf"_s;

QList<JobRecord> jobs(int count, const QString &prefix)
{
    QList<JobRecord> list;
    for (int i = 1; i <= count; ++i)
        list << MainWindowFixture::job(i, prefix + QString::number(i), {2005, 5, i}, {2005, 5, i + 1});
    return list;
}

QByteArray slotBytes(const QByteArray &file, int slot)
{
    return file.mid(slot * JobRecord::Size, JobRecord::Size);
}

} // namespace

// Records land where the user means them, and what the user did not change keeps its bytes.
class TestMainSafety : public QObject
{
    Q_OBJECT
private slots:
    void createWhileLastMonthShown_storesRecordOneOfThisMonth();
    void damagedDataNo_theSlotIsTheRecord();
    void withoutShutter_numberAndContentsStayTogether();
    void untouchedFieldsAndRecords_keepTheirBytes();
    void boxes_refuseWhatTheirFieldsCannotHold();
    void title_showsTheStoredTextAfterASave();
    void fileChangedByAnotherProgram_isNotOverwritten();
};

void TestMainSafety::createWhileLastMonthShown_storesRecordOneOfThisMonth()
{
    MainWindowFixture f;
    f.writeMonth(April, {MainWindowFixture::job(1, u"四月1"_s, {2005, 4, 1}, {2005, 4, 2}),
                         MainWindowFixture::job(2, u"四月2"_s, {2005, 4, 20}, {2005, 5, 20})});
    const QByteArray april = f.folder.read(April);
    f.start();
    // A click on last month's row of the to-do list shows its record 2.
    f.window->views().openToDoList(false);
    QTest::mouseClick(f.window->views().listWindow()->rowWidgets().at(0), Qt::LeftButton);
    QCOMPARE(f.dataNo(), u"2"_s);
    QCOMPARE(f.window->shownMonth(), MonthKind::Previous);
    f.trigger("createMonthFileAction");

    const MonthFile::Jobs may = f.readMonth(May);
    QCOMPARE(may[0].title, u"四月2"_s);
    QCOMPARE(may[0].dataNo, 1);
    QCOMPARE(f.folder.read(April), april);
    QCOMPARE(f.window->shownMonth(), MonthKind::Current);
    QCOMPARE(f.dataNo(), u"1"_s);
    QCOMPARE(f.window->windowTitle(), u"Wrenly ●5月のデータ"_s);

    // The next update goes to this month's record 1, never to last month's.
    f.setTitle(u"五月"_s);
    f.trigger("updateAction");
    QCOMPARE(f.readMonth(May)[0].title, u"五月"_s);
    QCOMPARE(f.folder.read(April), april);
}

void TestMainSafety::damagedDataNo_theSlotIsTheRecord()
{
    MainWindowFixture f;
    QList<JobRecord> list = jobs(3, u"仕事"_s);
    list[1].dataNo = 3; // slot 1 claims to be record 3
    f.writeMonth(May, list);
    const QByteArray before = f.folder.read(May);
    f.start();
    f.find<UpDownWidget>("dataNoUpDown")->requestStep(-1);
    QCOMPARE(f.dataNo(), u"2"_s);
    QCOMPARE(f.title(), u"仕事2"_s);
    f.setTitle(u"仕事2改"_s);
    f.trigger("updateAction");

    const QByteArray after = f.folder.read(May);
    const MonthFile::Jobs stored = MonthFile::fromBytes(after);
    QCOMPARE(stored[1].title, u"仕事2改"_s);
    QCOMPARE(stored[1].dataNo, 2);
    QCOMPARE(slotBytes(after, 2), slotBytes(before, 2));
}

void TestMainSafety::withoutShutter_numberAndContentsStayTogether()
{
    MainWindowFixture f(QDate(2005, 5, 16), false);
    f.writeMonth(May, jobs(3, u"仕事"_s));
    f.writeMonth(April, jobs(1, u"四月"_s));
    const QByteArray before = f.folder.read(May);
    f.start();
    // Nothing could be shown: a blank entry of the next record, not record 1's number.
    QCOMPARE(f.dataNo(), u"4"_s);
    QCOMPARE(f.title(), QString());

    f.find<UpDownWidget>("dataNoUpDown")->requestStep(-1);
    QCOMPARE(f.dataNo(), u"4"_s);
    f.trigger("switchMonthAction");
    QCOMPARE(f.window->shownMonth(), MonthKind::Current);
    QCOMPARE(f.window->windowTitle(), u"Wrenly ●5月のデータ"_s);

    f.setTitle(u"新しい仕事"_s);
    f.trigger("updateAction");
    const QByteArray after = f.folder.read(May);
    QCOMPARE(after.left(3 * JobRecord::Size), before.left(3 * JobRecord::Size));
    QCOMPARE(MonthFile::fromBytes(after)[3].title, u"新しい仕事"_s);
    QCOMPARE(f.fakes.sound.played.size(), 0);
    QVERIFY(f.fakes.dialogs.texts().contains(
        u"[Wrenly] インストールフォルダー内に\r\n\r\nサウンドファイル [Shutter.wav] が存在しません"_s));
}

void TestMainSafety::untouchedFieldsAndRecords_keepTheirBytes()
{
    MainWindowFixture f;
    f.writeMonth(May, jobs(2, u"仕事"_s));
    QByteArray file = f.folder.read(May);
    // Slot 0: a vendor code in the title, a half character at the end of the comments, bytes after
    // the texts and in the fillers, a time of day in the entry date, a check value of its own.
    const QByteArray title = "\x87\x90"
                             "ABC";
    file[16] = char(title.size());
    file.replace(17, title.size(), title);
    file.replace(17 + title.size(), 4, "junk");
    const QByteArray comments = "memo\x88";
    file[96] = char(comments.size());
    file.replace(97, comments.size(), comments);
    file.replace(4, 4, "\x01\x02\x03\x04");
    Fields::writeF64(file, 8, Fields::readF64(file, 8) + 0.25);
    Fields::writeF64(file, 88, std::numeric_limits<double>::quiet_NaN()); // an end without a day
    Fields::writeI32(file, 448, 7);
    // Slot 1 is damaged the same way and never touched.
    file.replace(JobRecord::Size + 4, 4, "\x05\x06\x07\x08");
    f.folder.write(May, file);
    f.start();

    f.find<UpDownWidget>("dataNoUpDown")->requestStep(-1); // record 1
    QCOMPARE(f.find<QDateEdit>("endDateEdit")->text(), u"未設定"_s);
    QVERIFY(!f.find<RangeCalendarWidget>("calendar")->selectionStart().isValid());
    f.find<QLineEdit>("jobNoEdit")->setText(u"B-7"_s);
    f.trigger("updateAction");

    const QByteArray after = f.folder.read(May);
    QByteArray expected = file;
    Fields::writeString(expected, 384, JobRecord::ShortCapacity, u"B-7"_s);
    QCOMPARE(after, expected);
    // A day picked in the unset box is stored as that day.
    QTest::keyClick(f.find<QDateEdit>("endDateEdit"), Qt::Key_Up);
    f.trigger("updateAction");
    QVERIFY(DaySerial::toDate(Fields::readF64(f.folder.read(May), 88)) >= QDate(2000, 1, 1));
}

void TestMainSafety::boxes_refuseWhatTheirFieldsCannotHold()
{
    MainWindowFixture f;
    f.writeMonth(May, jobs(1, u"仕事"_s));
    f.start();
    QStatusBar *status = f.window->statusBar();

    QLineEdit *jobNo = f.find<QLineEdit>("jobNoEdit");
    jobNo->clear();
    jobNo->insert(QString(15, QChar(0x65E5))); // 30 bytes
    jobNo->insert(u"日"_s);                    // 32: refused
    QCOMPARE(jobNo->text(), QString(15, QChar(0x65E5)));
    QCOMPARE(status->currentMessage(), u"これ以上入力できません.(最大文字数: 半角31文字)"_s);
    jobNo->insert(u"A"_s);
    QCOMPARE(jobNo->text().size(), 16);
    QLineEdit *customer = f.find<QComboBox>("customerBox")->lineEdit();
    customer->insert(u"😀"_s);
    QCOMPARE(customer->text(), QString());
    QCOMPARE(status->currentMessage(), u"この文字は保存できないため入力できません."_s);

    // Line breaks are stored as CR LF and count two bytes.
    auto *comments = f.find<SjisTextEdit>("commentsEdit");
    comments->setPlainText(QString(252, u'x'));
    comments->textCursor().insertText(u"\n"_s); // 254
    QCOMPARE(comments->toPlainText().size(), 253);
    QTextCursor end = comments->textCursor();
    end.movePosition(QTextCursor::End);
    end.insertText(u"\n"_s); // 256: refused
    QCOMPARE(comments->toPlainText().size(), 253);
    end.insertText(u"y"_s); // 255
    QCOMPARE(comments->toPlainText().size(), 254);
}

void TestMainSafety::title_showsTheStoredTextAfterASave()
{
    MainWindowFixture f;
    f.writeMonth(May, jobs(1, u"仕事"_s));
    f.start();
    f.setTitle(QString(40, QChar(0x65E5))); // 80 bytes
    f.trigger("updateAction");
    QCOMPARE(f.title(), QString(31, QChar(0x65E5)));
    QCOMPARE(f.readMonth(May)[0].title, f.title());
}

void TestMainSafety::fileChangedByAnotherProgram_isNotOverwritten()
{
    MainWindowFixture f;
    f.writeMonth(May, jobs(2, u"仕事"_s));
    f.start();
    f.setTitle(u"手元の変更"_s);
    f.writeMonth(May, jobs(3, u"よそ"_s)); // a second Wrenly or a sync tool
    const QByteArray theirs = f.folder.read(May);
    f.fakes.dialogs.clear();
    f.trigger("updateAction");

    QCOMPARE(f.folder.read(May), theirs);
    QCOMPARE(f.fakes.dialogs.count(FakeDialogs::Kind::Error), 1);
    QVERIFY(f.fakes.dialogs.lastText().contains(u"ほかのプログラムによって変更されています"_s));
    QCOMPARE(f.title(), u"手元の変更"_s);
    QCOMPARE(f.countStatus(), u"データ総数: 3"_s);

    // Saved again, the typed record goes over what is now on disk.
    f.trigger("updateAction");
    QCOMPARE(f.readMonth(May)[1].title, u"手元の変更"_s);
    QCOMPARE(f.readMonth(May)[2].title, u"よそ3"_s);
}

QTEST_MAIN(TestMainSafety)
#include "tst_mainsafety.moc"
