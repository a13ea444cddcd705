#include "data/WindowPlacement.h"

#include <QTest>

using namespace Qt::StringLiterals;
using WindowPlacement::Request;

Q_DECLARE_METATYPE(WindowPlacement::Request)

class TestWindowPlacement : public QObject
{
    Q_OBJECT
private slots:
    void innerGeometry_data();
    void innerGeometry();
};

// Each row: what a window asks for, the available area and the inner geometry it gets, in an
// openbox frame (2 pixels, a title bar of 22); the panel at the top is 30 high.
void TestWindowPlacement::innerGeometry_data()
{
    QTest::addColumn<Request>("request");
    QTest::addColumn<QRect>("available");
    QTest::addColumn<QRect>("inner");
    const QRect underPanel(0, 30, 1280, 994);
    QTest::newRow("top left: title bar below the panel")
        << Request{{0, 0}, {420, 600}} << underPanel << QRect(2, 52, 420, 600);
    QTest::newRow("full width, frame and all")
        << Request{{0, 0}, {800, 600}, true} << underPanel << QRect(2, 52, 1276, 600);
    QTest::newRow("narrow screen: not below the least")
        << Request{{0, 0}, {800, 600}, true} << QRect(0, 0, 800, 600) << QRect(2, 22, 800, 600);
    QTest::newRow("past the right edge")
        << Request{{1000, 0}, {560, 300}} << underPanel << QRect(718, 52, 560, 300);
    QTest::newRow("right edge given")
        << Request{{980, 300}, {600, 300}, false, false, true} << underPanel << QRect(378, 352, 600, 300);
    QTest::newRow("taller than the screen: title bar stays")
        << Request{{0, 50}, {400, 2000}} << underPanel << QRect(2, 52, 400, 2000);
    QTest::newRow("second screen, panel at the left")
        << Request{{10, 50}, {695, 550}} << QRect(1320, 0, 1240, 1024) << QRect(1332, 72, 695, 550);
}

void TestWindowPlacement::innerGeometry()
{
    QFETCH(Request, request);
    QFETCH(QRect, available);
    QFETCH(QRect, inner);
    QCOMPARE(WindowPlacement::innerGeometry(request, QMargins(2, 22, 2, 2), available), inner);
}

QTEST_GUILESS_MAIN(TestWindowPlacement)
#include "tst_windowplacement.moc"
