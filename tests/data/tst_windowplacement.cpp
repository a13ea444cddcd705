#include "data/WindowPlacement.h"

#include <QTest>

Q_DECLARE_METATYPE(WindowPlacement::Request)

using namespace Qt::StringLiterals;
using WindowPlacement::Request;

class TestWindowPlacement : public QObject
{
    Q_OBJECT
private slots:
    void innerGeometry_data();
    void innerGeometry();
};

// Each row: what a window asks for, its frame, the available area and the inner geometry it gets.
// The frames are openbox's (2 pixels, a title bar of 22); the panel at the top is 30 high.
void TestWindowPlacement::innerGeometry_data()
{
    QTest::addColumn<Request>("request");
    QTest::addColumn<QMargins>("frame");
    QTest::addColumn<QRect>("available");
    QTest::addColumn<QRect>("inner");
    const QMargins openbox(2, 22, 2, 2);
    const QRect underPanel(0, 30, 1280, 994);
    QTest::newRow("top left: the title bar below the panel")
        << Request{{0, 0}, {420, 600}} << openbox << underPanel << QRect(2, 52, 420, 600);
    QTest::newRow("no frame, no panel: as asked")
        << Request{{420, 0}, {560, 300}} << QMargins() << QRect(0, 0, 1280, 1024) << QRect(420, 0, 560, 300);
    QTest::newRow("full width: frame and all on the screen")
        << Request{{0, 0}, {800, 600}, true} << openbox << underPanel << QRect(2, 52, 1276, 600);
    QTest::newRow("full height") << Request{{0, 0}, {800, 600}, false, true} << openbox << underPanel
                                 << QRect(2, 52, 800, 970);
    QTest::newRow("full width on a narrow screen: not below its least")
        << Request{{0, 0}, {800, 600}, true} << openbox << QRect(0, 0, 800, 600) << QRect(2, 22, 800, 600);
    QTest::newRow("past the right edge: pulled back")
        << Request{{1000, 0}, {560, 300}} << openbox << underPanel << QRect(718, 52, 560, 300);
    QTest::newRow("right edge given") << Request{{980, 300}, {600, 300}, false, false, true} << openbox
                                      << underPanel << QRect(378, 352, 600, 300);
    QTest::newRow("past the bottom: pulled up")
        << Request{{10, 900}, {400, 300}} << openbox << underPanel << QRect(12, 722, 400, 300);
    QTest::newRow("taller than the screen: the title bar stays")
        << Request{{0, 50}, {400, 2000}} << openbox << underPanel << QRect(2, 52, 400, 2000);
    QTest::newRow("wider than the screen: the left edge stays")
        << Request{{100, 0}, {1400, 300}} << openbox << underPanel << QRect(2, 52, 1400, 300);
    QTest::newRow("a panel at the left, a second screen")
        << Request{{10, 50}, {695, 550}} << openbox << QRect(1320, 0, 1240, 1024)
        << QRect(1332, 72, 695, 550);
}

void TestWindowPlacement::innerGeometry()
{
    QFETCH(Request, request);
    QFETCH(QMargins, frame);
    QFETCH(QRect, available);
    QFETCH(QRect, inner);
    QCOMPARE(WindowPlacement::innerGeometry(request, frame, available), inner);
}

QTEST_GUILESS_MAIN(TestWindowPlacement)
#include "tst_windowplacement.moc"
