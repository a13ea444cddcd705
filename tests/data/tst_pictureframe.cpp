#include "data/PictureFrame.h"

#include <QTest>

class TestPictureFrame : public QObject
{
    Q_OBJECT
private slots:
    void storedFrame_opensAsSizeAndOffsets_data();
    void storedFrame_opensAsSizeAndOffsets();
    void step_keepsWithinLimits_data();
    void step_keepsWithinLimits();
    void storedGeometry_keptToPanel_data();
    void storedGeometry_keptToPanel();
};

void TestPictureFrame::storedFrame_opensAsSizeAndOffsets_data()
{
    QTest::addColumn<int>("top");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("sizeIndex");
    QTest::addColumn<int>("vertical");
    QTest::addColumn<int>("horizontal");
    QTest::newRow("default 180 at 10, 10") << 10 << 180 << 10 << 0 << 0 << 0;
    QTest::newRow("150 at 20, 30") << 20 << 150 << 30 << 1 << 5 << 5;
    QTest::newRow("60 moved up and left") << 100 << 60 << 40 << 4 << -30 << -30;
    QTest::newRow("height of no size") << 20 << 100 << 30 << 0 << 0 << 0;
}

void TestPictureFrame::storedFrame_opensAsSizeAndOffsets()
{
    QFETCH(int, top);
    QFETCH(int, height);
    QFETCH(int, left);
    QFETCH(int, sizeIndex);
    QFETCH(int, vertical);
    QFETCH(int, horizontal);
    const PictureFrame::Placement p = PictureFrame::of(top, height, left);
    QCOMPARE(QList<int>({p.sizeIndex, p.vertical, p.horizontal}),
             QList<int>({sizeIndex, vertical, horizontal}));
    // Placed again, a frame of one of the sizes comes back where it was stored.
    if (PictureFrame::side(sizeIndex) == height)
        QCOMPARE(PictureFrame::frame(p.sizeIndex, p.vertical, p.horizontal),
                 QRect(left, top, height, height));
}

void TestPictureFrame::step_keepsWithinLimits_data()
{
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("direction");
    QTest::addColumn<int>("after");
    QTest::newRow("up from odd") << 5 << 1 << 7;
    QTest::newRow("down") << 0 << -1 << -2;
    QTest::newRow("at the top") << 60 << 1 << 60;
    QTest::newRow("one below the top") << 59 << 1 << 60;
    QTest::newRow("at the bottom") << -60 << -1 << -60;
}

void TestPictureFrame::step_keepsWithinLimits()
{
    QFETCH(int, offset);
    QFETCH(int, direction);
    QFETCH(int, after);
    QCOMPARE(PictureFrame::stepped(offset, direction), after);
}

void TestPictureFrame::storedGeometry_keptToPanel_data()
{
    QTest::addColumn<QRect>("stored");
    QTest::addColumn<QRect>("shown");
    QTest::newRow("inside") << QRect(10, 20, 180, 150) << QRect(10, 20, 180, 150);
    QTest::newRow("at the limits") << QRect(-200, 200, 400, 0) << QRect(-200, 200, 400, 0);
    QTest::newRow("far off and huge") << QRect(-100000, 100000, 100000, 100000) << QRect(-200, 200, 400, 400);
    QTest::newRow("negative width") << QRect(0, 0, -5, 0) << QRect(0, 0, 0, 0);
}

void TestPictureFrame::storedGeometry_keptToPanel()
{
    QFETCH(QRect, stored);
    QFETCH(QRect, shown);
    QCOMPARE(PictureFrame::shown(stored.x(), stored.y(), stored.width(), stored.height()), shown);
}

QTEST_APPLESS_MAIN(TestPictureFrame)
#include "tst_pictureframe.moc"
