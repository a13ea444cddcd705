#include "support/MainWindowFixture.h"
#include "support/OutputReaders.h"

#include "views/ExportDialog.h"
#include "views/ExportRunner.h"

#include <QPrinter>
#include <QRadioButton>
#include <QSettings>
#include <QSignalSpy>

using namespace Qt::StringLiterals;

namespace {

QList<JobRecord> jobs(int count)
{
    QList<JobRecord> out;
    for (int n = 1; n <= count; ++n)
        out << MainWindowFixture::job(n, u"仕事"_s + QString::number(n), {2005, 5, 1 + n % 28},
                                      {2005, 5, 3 + n % 28});
    return out;
}

} // namespace

class TestMainExport : public QObject
{
    Q_OBJECT
private slots:
    void exportMenu_data();
    void exportMenu();
    void print_data();
    void print();
};

void TestMainExport::exportMenu_data()
{
    QTest::addColumn<QByteArray>("action");
    QTest::addColumn<bool>("range");     // April to May instead of the shown month
    QTest::addColumn<QString>("answer"); // the save dialog's, under the test folder
    QTest::addColumn<QString>("proposed");
    QTest::addColumn<QByteArray>("fileStart");
    QTest::addColumn<QString>("messageHas");
    const QByteArray bom("\xEF\xBB\xBF");
    QTest::newRow("CSV of the shown month") << QByteArray("exportCsvAction") << false << u"out/a.csv"_s
                                            << u"Wrenly-2005-05.csv"_s << bom << u"エクスポートしました"_s;
    QTest::newRow("calendar of a range, one month missing")
        << QByteArray("exportICalendarAction") << true << u"out/b.ics"_s << u"Wrenly-2005-04_2005-05.ics"_s
        << QByteArray("BEGIN:VCALENDAR") << u"飛ばしました: 2005-04"_s;
    QTest::newRow("no such folder") << QByteArray("exportCsvAction") << false << u"gone/a.csv"_s
                                    << u"Wrenly-2005-05.csv"_s << QByteArray() << u"作成できませんでした"_s;
}

// The menu item, the dialog, Qt's save dialog, the work and the message naming the file.
void TestMainExport::exportMenu()
{
    QFETCH(QByteArray, action);
    QFETCH(bool, range);
    QFETCH(QString, answer);
    QFETCH(QString, proposed);
    QFETCH(QByteArray, fileStart);
    QFETCH(QString, messageHas);
    MainWindowFixture f;
    f.writeMonth(u"Y2005MAY.vxf"_s, jobs(3));
    QDir(f.folder.path()).mkdir(u"out"_s);
    MainWindow &w = f.start();
    f.fakes.dialogs.clear();
    w.exportRunner().showDialogModal = [range](ExportDialog &dialog) {
        dialog.findChild<QRadioButton *>(u"monthRangeRadio"_s)->setChecked(range);
        dialog.findChild<QDateEdit *>(u"fromMonthEdit"_s)->setDate({2005, 4, 1});
        return int(QDialog::Accepted);
    };
    f.fakes.dialogs.fileNames.push_back(f.folder.file(answer));
    QSignalSpy finished(&w.exportRunner(), &ExportRunner::finished);

    f.trigger(action.constData());

    QCOMPARE(f.fakes.dialogs.count(FakeDialogs::Kind::SaveFile), 1);
    QVERIFY(f.fakes.dialogs.shown.first().text.endsWith(u'/' + proposed));
    QVERIFY(finished.wait(5000));
    QVERIFY2(f.fakes.dialogs.lastText().contains(messageHas), qPrintable(f.fakes.dialogs.lastText()));
    QVERIFY(f.folder.read(answer).startsWith(fileStart));
    if (!fileStart.isEmpty()) {
        // The next export starts in the folder used last.
        QCOMPARE(
            QSettings(w.session().settingsPath(), QSettings::IniFormat).value(u"Export/folder"_s).toString(),
            f.folder.file(u"out"_s));
        f.fakes.dialogs.fileNames.push_back(QString()); // cancelled: nothing more happens
        f.trigger(action.constData());
        QCOMPARE(f.fakes.dialogs.shown.last().text, f.folder.file(u"out/"_s + proposed));
        QCOMPARE(finished.size(), 1);
    }
    VERIFY_NO_UNEXPECTED_BOXES(f.fakes.dialogs);
}

void TestMainExport::print_data()
{
    QTest::addColumn<int>("records");
    QTest::addColumn<int>("minPages");
    QTest::addColumn<int>("maxPages");
    QTest::newRow("no records: an empty table and graph") << 0 << 2 << 2;
    QTest::newRow("three records: one page each") << 3 << 2 << 2;
    QTest::newRow("sixty records: the graph goes on") << 60 << 4 << 12;
}

// Printed to a PDF file, as the preview's print button does without a printer.
void TestMainExport::print()
{
    QFETCH(int, records);
    QFETCH(int, minPages);
    QFETCH(int, maxPages);
    MainWindowFixture f;
    f.writeMonth(u"Y2005MAY.vxf"_s, jobs(records));
    f.start();
    f.fakes.dialogs.clear();

    f.trigger("printAction");

    QCOMPARE(f.fakes.dialogs.previews.size(), 1);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(f.folder.file(u"month.pdf"_s));
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Landscape);
    f.fakes.dialogs.previews.first().paint(printer, false);
    const QByteArray pdf = f.folder.read(u"month.pdf"_s);
    QVERIFY(pdf.startsWith("%PDF"));
    const int pages = pdfPageCount(pdf);
    QVERIFY2(pages >= minPages && pages <= maxPages, QByteArray::number(pages).constData());
}

QTEST_MAIN(TestMainExport)
#include "tst_mainexport.moc"
