#include "dailyplan/ListSettingsDialog.h"
#include "support/PlannerFixture.h"

#include <QListWidget>
#include <QTabWidget>

using namespace Qt::StringLiterals;

namespace {

// Opens "リスト項目を設定" from the planner's action and hands the dialog, shown, to `use`.
void withListDialog(Planner &p, const std::function<void(ListSettingsDialog &)> &use)
{
    int runs = 0;
    p.window->runDialog = [&](QDialog &d) {
        ++runs;
        auto *lists = qobject_cast<ListSettingsDialog *>(&d);
        QVERIFY(lists);
        d.show();
        use(*lists);
        d.reject();
    };
    p.window->listSettingsAction()->trigger();
    QCOMPARE(runs, 1);
}

QStringList itemsOf(QListWidget *list)
{
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out << list->item(i)->text();
    return out;
}

} // namespace

class TestListSettingsDialog : public QObject
{
    Q_OBJECT
private slots:
    void append_stopsAtTheListsLimit_data();
    void append_stopsAtTheListsLimit();
    void inputBoxes_refuseBeyondTheirBytes_data();
    void inputBoxes_refuseBeyondTheirBytes();
    void save_padsOfferTheSavedList_data();
    void save_padsOfferTheSavedList();
};

void TestListSettingsDialog::append_stopsAtTheListsLimit_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("list");
    QTest::addColumn<int>("limit");
    QTest::newRow("keywords") << 0 << u"keywordEdit"_s << u"keywordList"_s << 24;
    QTest::newRow("descriptions") << 1 << u"descriptionEdit"_s << u"descriptionList"_s << 24;
    QTest::newRow("first titles") << 2 << u"title1Edit"_s << u"title1List"_s << 12;
    QTest::newRow("second titles") << 3 << u"title2Edit"_s << u"title2List"_s << 12;
}

void TestListSettingsDialog::append_stopsAtTheListsLimit()
{
    QFETCH(int, tab);
    QFETCH(QString, input);
    QFETCH(QString, list);
    QFETCH(int, limit);
    Planner p;
    QVERIFY(p.open());
    withListDialog(p, [&](ListSettingsDialog &d) {
        QCOMPARE(d.pos(), QPoint(100, 50));
        child<QTabWidget>(&d, u"tabWidget")->setCurrentIndex(tab);
        auto *box = child<QLineEdit>(&d, input);
        auto *items = child<QListWidget>(&d, list);
        QCOMPARE(items->currentRow(), items->count() - 1); // entering a tab selects its last item
        box->setText(u"同じ"_s);
        const char16_t *lists[] = {u"Keyword", u"Description", u"Title1", u"Title2"};
        auto *append = child<QPushButton>(&d, u"append"_s + QString::fromUtf16(lists[tab]) + u"Button"_s);
        for (int i = 0; i < limit + 2; ++i)
            append->click();
        QCOMPARE(items->count(), limit);
        QCOMPARE(items->currentRow(), limit - 1);
        QCOMPARE(box->text(), u"同じ"_s);
    });
}

void TestListSettingsDialog::inputBoxes_refuseBeyondTheirBytes_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");
    const QString a40 = QString(40, u'a');
    QTest::newRow("keyword: 31 bytes") << u"keywordEdit"_s << a40 << QString(31, u'a');
    QTest::newRow("keyword: a double-byte character is not halved")
        << u"keywordEdit"_s << u"a"_s + QString(20, u'あ') << u"a"_s + QString(15, u'あ');
    QTest::newRow("description: 63 bytes") << u"descriptionEdit"_s << a40 + a40 << QString(63, u'a');
    QTest::newRow("title: 31 bytes") << u"title2Edit"_s << QString(16, u'日') << QString(15, u'日');
}

void TestListSettingsDialog::inputBoxes_refuseBeyondTheirBytes()
{
    QFETCH(QString, input);
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    Planner p;
    QVERIFY(p.open());
    withListDialog(p, [&](ListSettingsDialog &d) {
        auto *box = child<QLineEdit>(&d, input);
        typeChars(box, typed);
        QCOMPARE(box->text(), kept);
    });
}

void TestListSettingsDialog::save_padsOfferTheSavedList_data()
{
    QTest::addColumn<bool>("deleteOnly");
    QTest::addColumn<QStringList>("offered");
    QTest::addColumn<QByteArrayList>("stored"); // the keyword list's first two entries in the file
    QTest::newRow("the only item deleted: an empty list")
        << true << QStringList{} << QByteArrayList{QByteArray(), QByteArray()};
    QTest::newRow("one appended") << false << QStringList{u"キーワード"_s, u"会議"_s}
                                  << QByteArrayList{"\x83\x4c\x81\x5b\x83\x8f\x81\x5b\x83\x68",
                                                    "\x89\xef\x8b\x63"};
}

void TestListSettingsDialog::save_padsOfferTheSavedList()
{
    QFETCH(bool, deleteOnly);
    QFETCH(QStringList, offered);
    QFETCH(QByteArrayList, stored);
    Planner p;
    QVERIFY(p.open());
    const QByteArray before = p.dir.read(u"LEntries.lef"_s);
    withListDialog(p, [&](ListSettingsDialog &d) {
        if (deleteOnly) {
            child<QPushButton>(&d, u"removeKeywordButton"_s)->click();
            QCOMPARE(child<QListWidget>(&d, u"keywordList")->count(), 0);
        } else {
            child<QLineEdit>(&d, u"keywordEdit")->setText(u"会議"_s);
            child<QPushButton>(&d, u"appendKeywordButton"_s)->click();
        }
        child<QPushButton>(&d, u"saveButton"_s)->click();
        QVERIFY(d.isVisible()); // saving leaves the dialog open
        QCOMPARE(itemsOf(child<QListWidget>(&d, u"keywordList")), offered);
    });
    const QByteArray file = p.dir.read(u"LEntries.lef"_s);
    QCOMPARE(file.size(), 3072);
    for (int i = 0; i < 2; ++i)
        QCOMPARE(file.mid(32 * i + 1, file.at(32 * i)), stored[i]);
    QCOMPARE(file.mid(768), before.mid(768)); // the other lists as they were

    p.drag(false, 300, 400);
    auto *keywords = child<QComboBox>(p.pad(1), u"keywordComboBox");
    keywords->showPopup();
    QStringList shown;
    for (int i = 0; i < keywords->count(); ++i)
        shown << keywords->itemText(i);
    keywords->hidePopup();
    QCOMPARE(shown, offered);
}

QTEST_MAIN(TestListSettingsDialog)
#include "tst_listsettingsdialog.moc"
