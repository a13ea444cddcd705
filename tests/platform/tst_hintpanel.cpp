#include "platform/HintPanel.h"

#include <QLabel>
#include <QStatusBar>
#include <QTest>

using namespace Qt::StringLiterals;

class TestHintPanel : public QObject
{
    Q_OBJECT

private slots:
    void showMessage_fitsOrEndsWithEllipsis_data();
    void showMessage_fitsOrEndsWithEllipsis();
};

void TestHintPanel::showMessage_fitsOrEndsWithEllipsis_data()
{
    QTest::addColumn<QString>("hint");
    QTest::addColumn<bool>("whole");
    QTest::newRow("short") << u"入力または更新した日付を選択します."_s << true;
    QTest::newRow("long") << u"受注No.または発注No.を入力します.(最大文字数: 半角31文字)"_s << false;
    QTest::newRow("gone") << QString() << true;
}

void TestHintPanel::showMessage_fitsOrEndsWithEllipsis()
{
    QFETCH(QString, hint);
    QFETCH(bool, whole);
    QWidget window;
    window.resize(420, 30);
    auto *bar = new QStatusBar(&window);
    bar->setGeometry(0, 0, 420, 30);
    auto *count = new QLabel(u"データ総数: 3"_s, bar);
    count->setMinimumWidth(95);
    bar->addPermanentWidget(count);
    HintPanel *panel = HintPanel::addTo(bar, u"StatusPanel0"_s);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    bar->showMessage(u"前の長いヒントの文字列で,パネルの幅を超えるほどの長さがあります"_s);
    bar->showMessage(hint);
    QCOMPARE(panel->hint(), hint);
    QVERIFY(count->isVisible()); // a hint never hides the other panels
    QVERIFY(panel->geometry().right() < count->geometry().left());
    QVERIFY(panel->fontMetrics().horizontalAdvance(panel->text()) <= panel->contentsRect().width());
    if (whole) {
        QCOMPARE(panel->text(), hint);
        QCOMPARE(panel->toolTip(), QString());
    } else {
        QVERIFY(panel->text().endsWith(u'…'));
        QVERIFY(hint.startsWith(panel->text().chopped(1)));
        QCOMPARE(panel->toolTip(), hint);
    }
}

QTEST_MAIN(TestHintPanel)
#include "tst_hintpanel.moc"
