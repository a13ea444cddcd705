#include "data/StepFile.h"
#include "step/StepChartPrinter.h"
#include "step/StepPlannerWindow.h"
#include "support/Fakes.h"
#include "support/OutputReaders.h"
#include "support/StepBytes.h"
#include "support/TestFolder.h"

#include <QAction>
#include <QPrinter>
#include <QTest>

using namespace Qt::StringLiterals;

class TestStepChartPrinter : public QObject
{
    Q_OBJECT
private slots:
    void printMenu_data();
    void printMenu();
};

void TestStepChartPrinter::printMenu_data()
{
    QTest::addColumn<QPageLayout::Orientation>("orientation");
    QTest::addColumn<bool>("oneWide");
    QTest::addColumn<int>("pages");
    // 92 days of 13 pixels and the row names at screen size are some 14 inches wide: two pages
    // across A4 in landscape, three in portrait.
    QTest::newRow("landscape, at screen size") << QPageLayout::Landscape << false << 2;
    QTest::newRow("portrait, at screen size") << QPageLayout::Portrait << false << 3;
    QTest::newRow("landscape, one page wide") << QPageLayout::Landscape << true << 1;
}

// The chart menu's print item, printed to PDF as the preview would without a printer.
void TestStepChartPrinter::printMenu()
{
    QFETCH(QPageLayout::Orientation, orientation);
    QFETCH(bool, oneWide);
    QFETCH(int, pages);
    TestFolder folder;
    FakeServices fakes;
    StepPlannerWindow w(folder.path(), fakes.services);
    JobRecord job;
    job.title = u"見積書作成"_s;
    job.startDate = serial(2005, 7, 18);
    job.endDate = serial(2005, 8, 4);
    w.sizeChart(StepMonths::around(2005, 7));
    w.showStepFile(folder.file(u"x.vxs"_s), StepFile::newFor(job, 2005, 7, serial(2005, 7, 1), u"/p"_s));
    w.findChild<QAction *>(u"printAction"_s)->trigger();
    QCOMPARE(fakes.dialogs.previews.size(), 1);
    QVERIFY(!fakes.dialogs.previews.first().optionText.isEmpty());

    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(folder.file(u"chart.pdf"_s));
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(orientation);
    fakes.dialogs.previews.first().paint(printer, oneWide);
    const QByteArray pdf = folder.read(u"chart.pdf"_s);
    QVERIFY(pdf.startsWith("%PDF") && pdf.size() > 10000);
    QCOMPARE(pdfPageCount(pdf), pages);
}

QTEST_MAIN(TestStepChartPrinter)
#include "tst_stepchartprinter.moc"
