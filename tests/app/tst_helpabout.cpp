#include "support/MainWindowFixture.h"

#include "app/AboutDialog.h"
#include "app/HelpBrowser.h"
#include "app/HelpWindow.h"

#include <QTextBrowser>
#include <QTextDocument>
#include <QTreeWidget>
#include <sys/stat.h>

using namespace Qt::StringLiterals;

class TestHelpAbout : public QObject
{
    Q_OBJECT
private slots:
    void help_showsContentsOfShippedPages();
    void help_contentsFollowLinksAndHeadings();
    void help_linksLoadOnlyFilesOfTheHelp_data();
    void help_linksLoadOnlyFilesOfTheHelp();
    void help_missingPages_saysSoInJapanese();
    void help_fromModalPlanner_belongsToIt();
    void about_showsBuildVersion();
};

void TestHelpAbout::help_showsContentsOfShippedPages()
{
    MainWindowFixture f;
    f.start();
    f.window->setHelpFolder(qEnvironmentVariable("WRENLY_TEST_ASSETS") + u"/help"_s);
    QCOMPARE(f.action("helpAction")->shortcut(), QKeySequence(Qt::Key_F1));
    f.trigger("helpAction");
    HelpWindow *help = f.window->helpWindow();
    QVERIFY(help && help->isVisible());
    auto *contents = child<QTreeWidget>(help, "contentsTree");
    QStringList titles;
    for (int i = 0; i < contents->topLevelItemCount(); ++i) {
        titles << contents->topLevelItem(i)->text(0);
        QVERIFY2(i == 0 || contents->topLevelItem(i)->childCount() > 0, qPrintable(titles.constLast()));
    }
    QCOMPARE(titles, QStringList({u"Wrenly ヘルプ 目次"_s, u"仕事を記録する"_s, u"To-Do リストとバーグラフ"_s,
                                  u"ステップ別管理 (STEP by STEP)"_s, u"デイリープラン作成 (Aubrel)"_s,
                                  u"ユーザー設定とパートナーソフト"_s, u"ファイルと保存場所"_s}));
    QVERIFY(child<QTextBrowser>(help, "helpBrowser")->toPlainText().contains(u"Wrenly ヘルプ"_s));
    // Once open, the same window comes forward again.
    f.trigger("helpAction");
    QCOMPARE(f.window->helpWindow(), help);
}

void TestHelpAbout::help_contentsFollowLinksAndHeadings()
{
    TestFolder pages;
    pages.write(u"index.html"_s, "<title>Top</title><a href=\"b.html\">b</a> <a href=\"a.html#x\">a</a>"
                                 "<a href=\"b.html\">again</a><a href=\"gone.html\">gone</a>");
    pages.write(u"a.html"_s, "<title>A page</title><h2 id=\"one\">First <b>part</b></h2><h2>no id</h2>");
    pages.write(u"b.html"_s, "<title>B page</title>");
    HelpWindow help(pages.path());
    auto *contents = child<QTreeWidget>(help, "contentsTree");
    QCOMPARE(contents->topLevelItemCount(), 3); // index, b, a: in link order, once each, none missing
    QCOMPARE(contents->topLevelItem(1)->text(0), u"B page"_s);
    QTreeWidgetItem *a = contents->topLevelItem(2);
    QCOMPARE(a->text(0), u"A page"_s);
    QCOMPARE(a->childCount(), 1);
    QCOMPARE(a->child(0)->text(0), u"First part"_s);
    emit contents->itemClicked(a->child(0), 0);
    QCOMPARE(help.source().fileName(), u"a.html"_s);
    QCOMPARE(help.source().fragment(), u"one"_s);
    help.showPage(u"gone.html"_s); // a missing page says which, not a blank pane
    QVERIFY(child<QTextBrowser>(help, "helpBrowser")->toPlainText().contains(u"「gone.html」"_s));
}

void TestHelpAbout::help_linksLoadOnlyFilesOfTheHelp_data()
{
    QTest::addColumn<QString>("href"); // "@" is the test folder, which holds the help and a secret
    QTest::addColumn<QString>("shown");
    QTest::newRow("page") << u"b.html"_s << u"b.html"_s;
    QTest::newRow("file outside") << u"file://@/secret.html"_s << u"index.html"_s;
    QTest::newRow("up and out") << u"../secret.html"_s << u"index.html"_s;
    QTest::newRow("link leading out") << u"out.html"_s << u"index.html"_s;
    QTest::newRow("FIFO: never waited on") << u"pipe.html"_s << u"index.html"_s;
    QTest::newRow("device") << u"file:///dev/zero"_s << u"index.html"_s;
    QTest::newRow("web page: the desktop's browser") << u"https://example.org/a"_s << u"index.html"_s;
    QTest::newRow("mail") << u"mailto:someone@example.org"_s << u"index.html"_s;
}

void TestHelpAbout::help_linksLoadOnlyFilesOfTheHelp()
{
    QFETCH(QString, href);
    QFETCH(QString, shown);
    TestFolder base;
    QVERIFY(QDir(base.path()).mkdir(u"help"_s));
    base.write(u"help/index.html"_s, "<title>Top</title>");
    base.write(u"help/b.html"_s, "<title>B</title>");
    base.write(u"secret.html"_s, "secret");
    QVERIFY(QFile::link(base.file(u"secret.html"_s), base.file(u"help/out.html"_s)));
    QVERIFY(::mkfifo(QFile::encodeName(base.file(u"help/pipe.html"_s)).constData(), 0600) == 0);
    HelpWindow help(base.file(u"help"_s));
    auto *browser = child<HelpBrowser>(help, "helpBrowser");
    QList<QUrl> opened;
    browser->openExternal = [&opened](const QUrl &url) { return opened << url, true; };

    const QUrl link(href.replace(u'@', base.path()));
    emit browser->anchorClicked(link);
    QCOMPARE(help.source().fileName(), shown);
    QCOMPARE(opened, link.scheme() == u"https" ? QList<QUrl>{link} : QList<QUrl>());
    QCOMPARE(browser->loadResource(QTextDocument::HtmlResource, link).isNull(), shown == u"index.html");
}

void TestHelpAbout::help_missingPages_saysSoInJapanese()
{
    MainWindowFixture f;
    f.start();
    TestFolder empty;
    f.window->setHelpFolder(empty.path());
    f.fakes.dialogs.clear();
    f.trigger("helpAction");
    QVERIFY(!f.window->helpWindow());
    QCOMPARE(f.fakes.dialogs.shown.size(), 1);
    QCOMPARE(f.fakes.dialogs.shown.first().caption, u"ファイルが存在しません"_s);
    QCOMPARE(f.fakes.dialogs.lastText(),
             u"[Wrenly] ヘルプのページが見つかりません.\r\n\r\n"_s + empty.file(u"index.html"_s));
}

// A modal planner blocks every window but its own children, so the help it opens must be one.
void TestHelpAbout::help_fromModalPlanner_belongsToIt()
{
    MainWindowFixture f;
    f.start();
    f.window->setHelpFolder(qEnvironmentVariable("WRENLY_TEST_ASSETS") + u"/help"_s);
    f.trigger("helpAction");
    QCOMPARE(f.window->helpWindow()->parentWidget(), f.window.get());
    QDialog planner(f.window.get());
    planner.setModal(true);
    planner.show();
    QCOMPARE(QApplication::activeModalWidget(), &planner);
    f.window->showHelpContents();
    QCOMPARE(f.window->helpWindow()->parentWidget(), &planner);
    QVERIFY(f.window->helpWindow()->isVisible());
}

void TestHelpAbout::about_showsBuildVersion()
{
    MainWindowFixture f;
    f.start();
    QString version;
    QString caption;
    f.window->showAboutModal = [&](AboutDialog &d) {
        caption = d.windowTitle();
        version = child<QLabel>(d, "versionLabel")->text();
    };
    f.trigger("aboutAction");
    QCOMPARE(caption, u"バージョン情報"_s);
    QCOMPARE(version, u"Version "_s + QStringLiteral(WRENLY_VERSION));
    QCOMPARE(QStringLiteral(WRENLY_VERSION), u"2.90"_s);
}

QTEST_MAIN(TestHelpAbout)
#include "tst_helpabout.moc"
