#include "platform/Dialogs.h"
#include "platform/QtTranslations.h"
#include "support/TestFolder.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QMessageBox>
#include <QTest>
#include <QTreeView>

using namespace Qt::StringLiterals;

class TestQtTranslations : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void questionBox_standardButtonsReadJapanese_data();
    void questionBox_standardButtonsReadJapanese();
    void openFileDialog_filterMatchesAnyLetterCase();
    void openFileDialog_columnsFitTheirText();
};

void TestQtTranslations::initTestCase()
{
    QVERIFY(QtTranslations::installJapanese(*qApp));
}

void TestQtTranslations::questionBox_standardButtonsReadJapanese_data()
{
    QTest::addColumn<QMessageBox::StandardButton>("button");
    QTest::addColumn<QString>("text");
    QTest::newRow("yes") << QMessageBox::Yes << u"はい"_s;
    QTest::newRow("no") << QMessageBox::No << u"いいえ"_s;
    QTest::newRow("cancel") << QMessageBox::Cancel << u"キャンセル"_s;
}

void TestQtTranslations::questionBox_standardButtonsReadJapanese()
{
    QFETCH(QMessageBox::StandardButton, button);
    QFETCH(QString, text);
    QMessageBox box(QMessageBox::Question, u"確認"_s, u"よろしいですか?"_s,
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    QString shown = box.button(button)->text();
    // The mnemonic as Qt's Japanese translation writes it: "はい(&Y)".
    shown.remove(QRegularExpression(u"\\(&.\\)$"_s));
    QCOMPARE(shown, text);
}

void TestQtTranslations::openFileDialog_filterMatchesAnyLetterCase()
{
    TestFolder folder;
    for (const QString &name :
         {u"Y2005125.dtf"_s, u"Y2005126.DTF"_s, u"Y2005127.Dtf"_s, u"Routines.rdf"_s, u"Y2005128.dtf.txt"_s})
        folder.write(name, "x");
    const auto dialog = QtDialogs::makeOpenFileDialog(nullptr, u"過去のスケジュール"_s, folder.path(),
                                                      u"Dawnpadファイル (*.dtf)"_s);
    QCOMPARE(dialog->nameFilters(), QStringList{u"Dawnpadファイル (*.dtf)"_s});
    auto *model = dialog->findChild<QFileSystemModel *>();
    QVERIFY(model);
    QVERIFY(!model->nameFilterDisables()); // files the filter refuses are left out, not greyed
    const QModelIndex root = model->index(folder.path());
    QTRY_COMPARE(model->rowCount(root), 3);
    QTest::qWait(200); // the folder is read in batches: nothing more comes
    QCOMPARE(model->rowCount(root), 3);
}

void TestQtTranslations::openFileDialog_columnsFitTheirText()
{
    TestFolder folder;
    folder.write(u"Y2005125.dtf"_s, "x");
    const auto dialog = QtDialogs::makeOpenFileDialog(nullptr, u"過去のスケジュール"_s, folder.path(),
                                                      u"Dawnpadファイル (*.dtf)"_s);
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
    auto *view = dialog->findChild<QTreeView *>(u"treeView"_s);
    QVERIFY(view);
    QTRY_VERIFY(view->model()->rowCount(view->rootIndex()) == 1);
    QHeaderView *header = view->header();
    for (int c = 0; c < header->count(); ++c) {
        if (header->isSectionHidden(c))
            continue;
        const int need =
            qMax(header->sectionSizeHint(c), static_cast<QAbstractItemView *>(view)->sizeHintForColumn(c));
        QVERIFY2(header->sectionSize(c) >= need, qPrintable(QString::number(c)));
    }
}

QTEST_MAIN(TestQtTranslations)
#include "tst_qttranslations.moc"
