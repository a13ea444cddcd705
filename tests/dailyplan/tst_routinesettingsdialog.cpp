#include "dailyplan/PadMemoDialog.h"
#include "dailyplan/RoutineSettingsDialog.h"
#include "support/PlannerFixture.h"
#include "widgets/SjisTextEdit.h"

#include <QtEndian>

using namespace Qt::StringLiterals;

namespace {

// A routine record built from the file layout, independently of the code under test.
QByteArray routineBytes(int number, const QByteArray &keyword, int originX, int start, const QByteArray &memo)
{
    QByteArray b(400, '\0');
    const auto i32 = [&b](int at, qint32 v) { qToLittleEndian(v, b.data() + at); };
    const auto str = [&b](int at, const QByteArray &s) {
        b[at] = char(s.size());
        b.replace(at + 1, s.size(), s);
    };
    i32(0, number);
    i32(4, originX);
    i32(8, start * 120 - 6 * 120 + 1); // the top of the pad it was registered from
    str(12, keyword);
    str(44, keyword + " \x82\xcc\x90\xe0\x96\xbe"); // " の説明"
    i32(108, 0x10 * (keyword.toInt()));
    i32(112, start);
    i32(116, 0);
    i32(124, start + 1);
    i32(128, 0);
    str(133, memo);
    b[389] = 1;
    for (int d = 0; d < 7; ++d)
        b[390 + d] = 1;
    return b;
}

QByteArray emptyRoutineBytes()
{
    QByteArray b(400, '\0');
    for (int at : {112, 116, 124, 128})
        qToLittleEndian(qint32(-1), b.data() + at);
    return b;
}

struct Settings
{
    Planner p;
    std::unique_ptr<RoutineSettingsDialog> dialog;
    QList<int> reported;

    explicit Settings(int routines)
    {
        QList<RoutineRecord> saved;
        for (int n = 1; n <= routines; ++n)
            saved << routineRecord(n, QString::number(n), 7 + n, 8 + n);
        p.writeRoutines(saved);
    }
    bool open()
    {
        if (!p.open())
            return false;
        dialog = std::make_unique<RoutineSettingsDialog>(p.routines(), p.lists(), p.fakes.services,
                                                         p.dir.file(u"Routines.rdf"_s), p.window.get());
        dialog->reportCount = [this](int count) { reported << count; };
        dialog->show();
        return QTest::qWaitForWindowActive(dialog.get());
    }
    RoutineEditor *editor(int number) const
    {
        RoutineEditor *e = dialog->editor(number - 1);
        if (e)
            e->makeEditable();
        return e;
    }
    QList<RoutineEditor *> editors() const
    {
        QList<RoutineEditor *> out;
        for (int k = 0; k < RoutineFile::RecordCount; ++k) {
            if (dialog->editor(k))
                out << dialog->editor(k);
        }
        return out;
    }
};

} // namespace

class TestRoutineSettingsDialog : public QObject
{
    Q_OBJECT
private slots:
    void open_showsEachRoutineAndReportsTheCount();
    void remove_packsThenCloseOrSave_data();
    void remove_packsThenCloseOrSave();
    void remove_cancel_keepsAll();
    void editorKeep_thenSave_writesPaneAndDays();
    void memo_ofRoutinePad2_goesToRoutine2();
};

void TestRoutineSettingsDialog::open_showsEachRoutineAndReportsTheCount()
{
    Settings s(2);
    QVERIFY(s.open());
    QCOMPARE(s.editors().size(), 2);
    QCOMPARE(s.reported, QList<int>{2});
    QCOMPARE(s.dialog->pos(), QPoint(10, 50));
    QTRY_VERIFY(s.dialog->editor(1)->isMarked()); // the last routine has the focus
    QCOMPARE(s.p.routines().selected(), 1);
    RoutineEditor *e = s.editor(2);
    QCOMPARE(child<QLineEdit>(e, u"padNumberEdit")->text(), u"2"_s);
    QCOMPARE(child<QComboBox>(e, u"keywordComboBox")->currentText(), u"2"_s);
    QCOMPARE(child<QComboBox>(e, u"startHourComboBox")->currentText(), u"9"_s);
    QCOMPARE(child<QComboBox>(e, u"paneComboBox")->currentText(), u"左"_s);
    QVERIFY(child<QCheckBox>(e, u"shownCheckBox")->isChecked());
    QVERIFY(child<QCheckBox>(e, u"weekdayCheckBox3")->isChecked());
    QCOMPARE(e->pos(), QPoint(1, 61));
}

void TestRoutineSettingsDialog::remove_packsThenCloseOrSave_data()
{
    QTest::addColumn<QString>("then");
    QTest::addColumn<bool>("vanished"); // the routine file is gone before "保存"
    QTest::addColumn<int>("working");   // routines in memory afterwards
    QTest::addColumn<bool>("written");
    QTest::newRow("閉じる brings all three back") << u"閉じる"_s << false << 3 << false;
    QTest::newRow("the close box keeps the removal in memory") << u"box"_s << false << 2 << false;
    QTest::newRow("保存 keeps two") << u"保存"_s << false << 2 << true;
    QTest::newRow("保存 writes a vanished file anew") << u"保存"_s << true << 2 << true;
}

void TestRoutineSettingsDialog::remove_packsThenCloseOrSave()
{
    QFETCH(QString, then);
    QFETCH(bool, vanished);
    QFETCH(int, working);
    QFETCH(bool, written);
    Settings s(3);
    QVERIFY(s.open());
    const QByteArray before = s.p.dir.read(u"Routines.rdf"_s);
    s.editor(1)->focusEditor();
    QTRY_COMPARE(s.p.routines().selected(), 0);
    s.p.fakes.dialogs.answers.push_back(Dialogs::Answer::Ok);
    child<QPushButton>(s.dialog.get(), u"removeButton")->click();
    QCOMPARE(s.p.fakes.dialogs.lastText(),
             u"ルーチン・パッドNo. 1を削除します.\r\n\r\n処理を続行しますか？"_s);
    QCOMPARE(s.p.fakes.dialogs.shown.last().at, std::optional<QPoint>(QPoint(150, 250)));
    QCOMPARE(s.editors().size(), 2);
    QCOMPARE(child<QLineEdit>(s.editor(1), u"padNumberEdit")->text(), u"1"_s);
    QCOMPARE(child<QComboBox>(s.editor(1), u"keywordComboBox")->currentText(), u"2"_s);
    QCOMPARE(s.editor(2)->pos(), QPoint(1, 61));
    QVERIFY(!child<QWidget>(s.dialog.get(), u"busyCover")->isVisible());
    QCOMPARE(s.reported, QList<int>{3}); // a removal alone does not tell the planner

    if (vanished)
        QVERIFY(QFile::remove(s.p.dir.file(u"Routines.rdf"_s)));
    if (then == u"閉じる"_s)
        child<QPushButton>(s.dialog.get(), u"closeButton")->click();
    else if (then == u"box"_s)
        s.dialog->close();
    else
        child<QPushButton>(s.dialog.get(), u"saveButton")->click();

    QCOMPARE(RoutineFile::countRoutines(s.p.routines().routines()), working);
    if (!written) {
        QVERIFY(!s.dialog->isVisible());
        QCOMPARE(s.p.dir.read(u"Routines.rdf"_s), before);
        return;
    }
    QVERIFY(s.dialog->isVisible()); // "保存" leaves the window open
    QCOMPARE(s.reported, (QList<int>{3, 2}));
    const QByteArray expected = routineBytes(1, "2", 4, 9, "memo 2") + routineBytes(2, "3", 4, 10, "memo 3") +
                                emptyRoutineBytes().repeated(6);
    QCOMPARE(s.p.dir.read(u"Routines.rdf"_s), expected);
    VERIFY_NO_UNEXPECTED_BOXES(s.p.fakes.dialogs);
}

void TestRoutineSettingsDialog::remove_cancel_keepsAll()
{
    Settings s(2);
    QVERIFY(s.open());
    s.editor(1)->focusEditor();
    QTRY_COMPARE(s.p.routines().selected(), 0);
    s.p.fakes.dialogs.answers.push_back(Dialogs::Answer::Cancel);
    child<QPushButton>(s.dialog.get(), u"removeButton")->click();
    QCOMPARE(s.editors().size(), 2);
    QCOMPARE(RoutineFile::countRoutines(s.p.routines().routines()), 2);
    QTRY_VERIFY(s.editor(1)->isMarked());
}

void TestRoutineSettingsDialog::editorKeep_thenSave_writesPaneAndDays()
{
    Settings s(1);
    QVERIFY(s.open());
    RoutineEditor *e = s.editor(1);
    child<QComboBox>(e, u"paneComboBox")->setCurrentIndex(1);
    child<QCheckBox>(e, u"weekdayCheckBox0")->setChecked(false);
    child<QCheckBox>(e, u"shownCheckBox")->setChecked(false);
    child<QComboBox>(e, u"keywordComboBox")->setEditText(u"朝礼"_s);
    child<QPushButton>(s.dialog.get(), u"saveButton")->click();
    QCOMPARE(s.p.dir.read(u"Routines.rdf"_s).mid(4, 4),
             QByteArray("\x04\0\0\0", 4)); // boxes alone change nothing
    child<QPushButton>(e, u"keepButton")->click();
    child<QPushButton>(s.dialog.get(), u"saveButton")->click();
    const QByteArray file = s.p.dir.read(u"Routines.rdf"_s);
    QCOMPARE(qFromLittleEndian<qint32>(file.constData() + 4), 351);
    QCOMPARE(file.mid(12, 5), QByteArray("\x04\x92\xa9\x97\xe7")); // "朝礼"
    QCOMPARE(file.mid(389, 8), QByteArray("\0\0\1\1\1\1\1\1", 8)); // hidden, not on Sundays
    QCOMPARE(file.mid(133, 7), QByteArray("\x06memo 1"));          // the memo is not the editor's
}

void TestRoutineSettingsDialog::memo_ofRoutinePad2_goesToRoutine2()
{
    Settings s(2);
    QVERIFY(s.open());
    QString caption;
    s.dialog->runDialog = [&caption](QDialog &d) {
        caption = d.windowTitle();
        QCOMPARE(child<QLineEdit>(&d, u"numberEdit")->text(), u"2"_s);
        auto *memo = child<SjisTextEdit>(&d, u"memoEdit");
        QCOMPARE(memo->toPlainText(), u"memo 2"_s);
        memo->setPlainText(u"一行目\n二行目"_s);
        child<QPushButton>(&d, u"saveButton")->click();
    };
    emit s.editor(2)->memoRequested(2);
    QCOMPARE(caption, u"ルーチン・パッドのメモ"_s);
    QCOMPARE(s.p.routines().routines()[1].memo, u"一行目\r\n二行目"_s);
    QCOMPARE(s.p.routines().routines()[0].memo, u"memo 1"_s);
    QCOMPARE(s.p.routines().saved()[1].memo, u"memo 2"_s); // reaches the file with "保存"
}

QTEST_MAIN(TestRoutineSettingsDialog)
#include "tst_routinesettingsdialog.moc"
