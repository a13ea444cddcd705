// Every top-level window and dialog, opened offscreen with Qt's Japanese translations: its title is
// its own text, no label, button or box cuts its text at the window's font (which a theme's font
// does not replace), and boxes holding a long text show its start. Run with a dark
// palette (WRENLY_LOOK_DARK), text in the theme's colour stands out from what lies behind it.
// The captions seen on the way are what the help pages may name in 「…」 and [...].
// A new window is one more line in windows_data().
#include "app/AboutDialog.h"
#include "app/HelpWindow.h"
#include "app/MainWindow.h"
#include "app/SetupDialog.h"
#include "backup/BackupLauncher.h"
#include "dailyplan/DailyPlannerFirstUseDialog.h"
#include "dailyplan/DiaryDialog.h"
#include "dailyplan/ListSettingsDialog.h"
#include "dailyplan/PadMemoDialog.h"
#include "dailyplan/RoutineSettingsDialog.h"
#include "data/StepFile.h"
#include "platform/AppFont.h"
#include "platform/Dialogs.h"
#include "platform/QtTranslations.h"
#include "step/JobCommentsPopup.h"
#include "step/StepFileDialog.h"
#include "step/StepFirstUseDialog.h"
#include "step/StepPlannerWindow.h"
#include "support/MainWindowFixture.h"
#include "support/PlannerFixture.h"
#include "support/StepBytes.h"
#include "support/ViewFixture.h"
#include "views/BarGraphWindow.h"
#include "views/DataViewerWindow.h"
#include "views/JobSearchWindow.h"
#include "views/PastDataDialog.h"
#include "views/ToDoListWindow.h"
#include "views/ViewManager.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSet>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QStyleOptionFrame>
#include <QTabWidget>
#include <QTest>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

// Long texts that fill their fields (within the fields' byte capacities).
const QString longTitle = u"北斗総合商事向け新製品の市場調査報告書と販売計画書の作成"_s;
const QString longCustomer = u"北斗総合商事株式会社東京支店"_s;
const QString longStepTitle = u"市場調査報告書と販売計画書"_s;
const QString longKeyword = u"北斗総合商事との打ち合わせ"_s;
const QString longDescription = u"新製品の市場調査報告書と販売計画書の内容を確認する"_s;

// What a row may need; each part is made only when a row asks for it.
struct Stage
{
    std::optional<MainWindowFixture> main;
    std::optional<ViewFixture> views;
    std::optional<Planner> planner;
    FakeServices fakes;
    TestFolder folder;
    std::vector<std::unique_ptr<QWidget>> owned;
    std::unique_ptr<ViewManager> viewManager;
    // Looks at a window while it is open: rows whose dialog lives only inside a modal hook call it
    // there and return no window.
    std::function<void(QWidget *)> look;
    int looked = 0;

    template <typename T> T *own(T *w)
    {
        owned.emplace_back(w);
        return w;
    }
    ViewFixture &viewData()
    {
        if (!views) {
            views.emplace();
            views->put(MonthKind::Current, 0, views->day(-1), views->day(3), JobRecord::NotDone, longTitle)
                .customer = longCustomer;
            views->save(MonthKind::Current);
        }
        return *views;
    }
    Planner &openPlanner()
    {
        if (!planner) {
            planner.emplace();
            QTest::qVerify(planner->open(), "open", "", __FILE__, __LINE__);
        }
        return *planner;
    }
};

using Opener = std::function<QWidget *(Stage &)>;

QString withoutMnemonic(QString text)
{
    text.replace(u"&&"_s, u"\x01"_s);
    text.remove(u'&');
    text.replace(u'\x01', u'&');
    return text;
}

// Trailing spaces take no room on screen.
int widestLine(const QFontMetrics &fm, const QString &text)
{
    int widest = 0;
    for (QString line : text.split(u'\n')) {
        while (!line.isEmpty() && line.back().isSpace())
            line.chop(1);
        widest = qMax(widest, fm.horizontalAdvance(line));
    }
    return widest;
}

QString cut(const QWidget *w, const QString &text, int need, int room)
{
    return QString::fromLatin1(w->metaObject()->className()) + u" \""_s + w->objectName() + u"\" cuts \""_s +
           text + u"\" ("_s + QString::number(need) + u" > "_s + QString::number(room) + u" pixels)"_s;
}

QString where(const QWidget *w)
{
    return QString::fromLatin1(w->metaObject()->className()) + u" \""_s + w->objectName() + u"\""_s;
}

// Room for the text of a line edit, as QLineEdit::paintEvent lays it out.
int textRoom(const QLineEdit *e)
{
    QStyleOptionFrame opt;
    opt.initFrom(e);
    opt.rect = e->rect();
    opt.lineWidth = e->hasFrame() ? e->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &opt, e) : 0;
    const QRect r = e->style()->subElementRect(QStyle::SE_LineEditContents, &opt, e);
    const QMargins m = e->textMargins();
    return r.width() - m.left() - m.right() - 2 * 2; // QLineEdit keeps 2 pixels each side
}

bool insideSpinBox(const QWidget *w)
{
    return qobject_cast<const QAbstractSpinBox *>(w->parentWidget()) != nullptr;
}

// Labels, check boxes and group titles in the theme's text colour stand out from what lies behind
// them: a fixed background needs a fixed text colour.
QStringList unreadable(QWidget *window)
{
    QStringList found;
    const QImage shot = window->grab().toImage();
    const QColor ink = QApplication::palette().color(QPalette::WindowText);
    for (QWidget *w : window->findChildren<QWidget *>()) {
        const bool texty = qobject_cast<QLabel *>(w) || qobject_cast<QCheckBox *>(w) ||
                           qobject_cast<QRadioButton *>(w) || qobject_cast<QGroupBox *>(w);
        const QString text = w->property(qobject_cast<QGroupBox *>(w) ? "title" : "text").toString();
        if (!texty || text.isEmpty() || !w->isVisibleTo(window) ||
            w->palette().color(w->foregroundRole()) != ink)
            continue;
        const QColor back =
            shot.pixelColor(w->mapTo(window, QPoint(w->width() - 2, 1)) * shot.devicePixelRatio());
        if (qAbs(qGray(back.rgb()) - qGray(ink.rgb())) < 90)
            found << where(w) + u" has the theme's text colour on "_s + back.name();
    }
    return found;
}

// A caption as the help names it: without its mnemonic, its "(&X)" and its "...".
QString asNamed(const QString &text)
{
    static const QRegularExpression ending(u"(\\([A-Z]\\))?(\\.\\.\\.|…)?$"_s);
    return withoutMnemonic(text).trimmed().remove(ending).trimmed();
}

// Every caption of the windows looked at: titles, texts of labels, buttons, boxes and actions,
// titles of group boxes and menus, tabs and drop-down entries.
QSet<QString> &captionsSeen()
{
    static QSet<QString> seen;
    return seen;
}

void gatherCaptions(QWidget *window)
{
    QStringList texts{window->windowTitle()};
    for (QObject *o : window->findChildren<QObject *>()) {
        texts << o->property("text").toString().split(u'\n') << o->property("title").toString();
        if (auto *tabs = qobject_cast<QTabWidget *>(o))
            for (int i = 0; i < tabs->count(); ++i)
                texts << tabs->tabText(i);
        if (auto *box = qobject_cast<QComboBox *>(o))
            for (int i = 0; i < box->count(); ++i)
                texts << box->itemText(i);
    }
    for (const QString &t : std::as_const(texts))
        captionsSeen().insert(asNamed(t));
}

// Every text of `window` that its control cuts, and every overflowing box not showing its start.
QStringList faults(QWidget *window)
{
    QStringList found;
    const auto visible = [window](const QWidget *w) { return w->isVisibleTo(window) && w->width() > 0; };

    for (QLabel *l : window->findChildren<QLabel *>()) {
        if (!visible(l) || l->text().isEmpty() || l->wordWrap() || Qt::mightBeRichText(l->text()))
            continue;
        int indent = l->indent();
        if (indent < 0)
            indent = l->frameWidth() > 0 ? l->fontMetrics().horizontalAdvance(u'x') / 2 : 0;
        if (!(l->alignment() & (Qt::AlignLeft | Qt::AlignRight)))
            indent = 0;
        const int room = l->contentsRect().width() - 2 * l->margin() - indent;
        const QString text = l->buddy() ? withoutMnemonic(l->text()) : l->text();
        if (const int need = widestLine(l->fontMetrics(), text); need > room)
            found << cut(l, text, need, room);
    }

    for (QAbstractButton *b : window->findChildren<QAbstractButton *>()) {
        const QString text = withoutMnemonic(b->text());
        if (!visible(b) || text.isEmpty())
            continue;
        QStyleOptionButton opt;
        opt.initFrom(b);
        opt.text = b->text();
        opt.icon = b->icon();
        opt.iconSize = b->iconSize();
        QStyle::SubElement contents;
        if (qobject_cast<QPushButton *>(b))
            contents = QStyle::SE_PushButtonContents;
        else if (qobject_cast<QCheckBox *>(b))
            contents = QStyle::SE_CheckBoxContents;
        else if (qobject_cast<QRadioButton *>(b))
            contents = QStyle::SE_RadioButtonContents;
        else
            continue; // tool buttons show icons
        const int room = b->style()->subElementRect(contents, &opt, b).width();
        const int icon = b->icon().isNull() ? 0 : b->iconSize().width() + 4;
        if (const int need = widestLine(b->fontMetrics(), text) + icon; need > room)
            found << cut(b, text, need, room);
    }

    for (QComboBox *c : window->findChildren<QComboBox *>()) {
        if (!visible(c) || c->isEditable() || c->currentText().isEmpty())
            continue;
        QStyleOptionComboBox opt;
        opt.initFrom(c);
        opt.editable = false;
        opt.currentText = c->currentText();
        const int room =
            c->style()->subControlRect(QStyle::CC_ComboBox, &opt, QStyle::SC_ComboBoxEditField, c).width();
        if (const int need = c->fontMetrics().horizontalAdvance(c->currentText()); need > room)
            found << cut(c, c->currentText(), need, room);
    }

    for (QLineEdit *e : window->findChildren<QLineEdit *>()) {
        if (!visible(e) || e->displayText().isEmpty())
            continue;
        const int need = e->fontMetrics().horizontalAdvance(e->displayText());
        if (need <= textRoom(e))
            continue;
        // Dates and numbers are the program's own texts: they must fit. A user's long text may
        // overflow its box but must show its start.
        if (insideSpinBox(e))
            found << cut(e->parentWidget(), e->displayText(), need, textRoom(e));
        else if (e->cursorPosition() != 0 && !e->hasFocus())
            found << where(e) + u" shows the end of \""_s + e->text() + u"\""_s;
    }
    return found;
}

// The line edit of a box, combo boxes included.
QLineEdit *lineEditOf(QWidget *window, const QString &name)
{
    QWidget *w = window->findChild<QWidget *>(name);
    if (auto *combo = qobject_cast<QComboBox *>(w))
        return combo->lineEdit();
    return qobject_cast<QLineEdit *>(w);
}

} // namespace

Q_DECLARE_METATYPE(Opener)

class TestWindowLook : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void windows_data();
    void windows();
    void sizeRules_holdWithoutWindowManager_data();
    void sizeRules_holdWithoutWindowManager();
    void helpPages_nameOnlyCaptionsOfTheWindows();
};

void TestWindowLook::initTestCase()
{
    QVERIFY(QtTranslations::installJapanese(*qApp));
    // The face the program sets at start, which stays when a theme sets its own after the start.
    AppFont::hold(*qApp);
    QApplication::setFont(QFont(u"DejaVu Sans"_s, 12));
    QTRY_COMPARE(QApplication::font(), AppFont::layoutFont());
    if (qEnvironmentVariableIsSet("WRENLY_LOOK_DARK"))
        QApplication::setPalette(QPalette(QColor(53, 53, 53))); // Qt makes the text white
}

void TestWindowLook::windows_data()
{
    QTest::addColumn<Opener>("open");
    QTest::addColumn<QString>("title");
    // Boxes the row fills with a long text: each must overflow (or the row proves nothing).
    QTest::addColumn<QStringList>("longBoxes");

    QTest::newRow("MainWindow") << Opener([](Stage &s) -> QWidget * {
        s.main.emplace();
        JobRecord j = MainWindowFixture::job(1, longTitle, QDate(2005, 5, 10), QDate(2005, 5, 20));
        j.customer = longCustomer;
        s.main->writeMonth(u"Y2005MAY.vxf"_s, {j});
        return &s.main->start();
    }) << u"Wrenly ●5月のデータ"_s
                                << QStringList{u"titleBox"_s};
    QTest::newRow("ToDoListWindow") << Opener([](Stage &s) -> QWidget * {
        ViewFixture &v = s.viewData();
        return s.own(new ToDoListWindow(v.session, v.host));
    }) << u"To-Do リスト"_s << QStringList();
    QTest::newRow("BarGraphWindow") << Opener([](Stage &s) -> QWidget * {
        ViewFixture &v = s.viewData();
        return s.own(
            new BarGraphWindow(v.session, v.host, {&v.session.jobs(MonthKind::Current), 5, 2005, 1}));
    }) << u"バーグラフ"_s << QStringList();
    QTest::newRow("DataViewerWindow") << Opener([](Stage &s) -> QWidget * {
        ViewFixture &v = s.viewData();
        return s.own(new DataViewerWindow(v.host, u"データビューア"_s, {longTitle}));
    }) << u"データビューア"_s << QStringList();
    QTest::newRow("PastDataDialog") << Opener([](Stage &s) -> QWidget * {
        ViewFixture &v = s.viewData();
        s.viewManager = std::make_unique<ViewManager>(v.session, s.fakes.services, v.host);
        return s.own(new PastDataDialog(v.session, s.fakes.services, v.host, *s.viewManager));
    }) << u"過去のデータ出力"_s << QStringList();
    QTest::newRow("JobSearchWindow") << Opener([](Stage &s) -> QWidget * {
        auto *window = s.own(new JobSearchWindow(s.viewData().session));
        QTest::qVerify(QTest::qWaitFor([window] { return !window->isLoading(); }), "loaded", "", __FILE__,
                       __LINE__);
        return window;
    }) << u"ジョブ検索"_s << QStringList();
    QTest::newRow("StepPlannerWindow") << Opener([](Stage &s) -> QWidget * {
        s.folder.addShutter();
        JobRecord job = MainWindowFixture::job(7, longTitle, QDate(2005, 1, 18), QDate(2005, 2, 4));
        job.customer = longCustomer;
        StepFile f = StepFile::newFor(job, 2005, 1, serial(2005, 1, 20), u"/p"_s);
        f.groups[1].groupTitle = longStepTitle;
        auto *w = s.own(new StepPlannerWindow(s.folder.path(), s.fakes.services));
        w->showStepFile(s.folder.file(u"x.vxs"_s), f);
        return w;
    }) << u"ステップ別管理 ～ STEP by STEP"_s
                                       << QStringList{u"jobTitleEdit"_s, u"rowTitleEdit1"_s};
    QTest::newRow("StepFileDialog") << Opener([](Stage &s) -> QWidget * {
        return s.own(new StepFileDialog(s.folder.path()));
    }) << u"STEPデータファイルの選択"_s
                                    << QStringList();
    QTest::newRow("StepFirstUseDialog")
        << Opener([](Stage &s) -> QWidget * { return s.own(new StepFirstUseDialog); })
        << u"『ステップ別管理』機能を使用しますか？"_s << QStringList();
    QTest::newRow("JobCommentsPopup")
        << Opener([](Stage &s) -> QWidget * { return s.own(new JobCommentsPopup(longTitle)); })
        << u"基本データの[内容]"_s << QStringList();
    QTest::newRow("DailyPlannerWindow") << Opener([](Stage &s) -> QWidget * {
        Planner &p = s.openPlanner();
        p.drag(false, 300, 400);
        SchedulePadRecord r;
        r.keyword = longKeyword;
        r.content = longDescription;
        p.pad(1)->setFromRecord(r);
        return p.window.get();
    }) << u"デイリープラン作成 ～ Aubrel"_s
                                        << QStringList{u"keywordComboBox"_s, u"descriptionComboBox"_s};
    QTest::newRow("DailyPlannerFirstUseDialog")
        << Opener([](Stage &s) -> QWidget * { return s.own(new DailyPlannerFirstUseDialog); })
        << u"『デイリープラン作成』機能を使用しますか？"_s << QStringList();
    QTest::newRow("DiaryDialog") << Opener([](Stage &s) -> QWidget * {
        Planner &p = s.openPlanner();
        return s.own(new DiaryDialog(p.day(), p.lists(), nullptr));
    }) << u"ダイアリー・パッド"_s << QStringList();
    QTest::newRow("ListSettingsDialog") << Opener([](Stage &s) -> QWidget * {
        Planner &p = s.openPlanner();
        return s.own(
            new ListSettingsDialog(p.lists(), p.fakes.dialogs, p.dir.file(u"LEntries.lef"_s), nullptr));
    }) << u"コンボボックスのリスト項目の設定"_s
                                        << QStringList();
    QTest::newRow("PadMemoDialog") << Opener([](Stage &s) -> QWidget * {
        return s.own(new PadMemoDialog(PadMemoDialog::Target::SchedulePad, 1,
                                       s.openPlanner().day().pad(0).memo, nullptr));
    }) << u"スケジュール・パッドのメモ"_s
                                   << QStringList();
    QTest::newRow("RoutineSettingsDialog") << Opener([](Stage &s) -> QWidget * {
        Planner &p = s.openPlanner();
        return s.own(new RoutineSettingsDialog(p.routines(), p.lists(), p.fakes.services,
                                               p.dir.file(u"Routines.rdf"_s), p.window.get()));
    }) << u"ルーチン設定"_s << QStringList();
    QTest::newRow("SetupDialog") << Opener([](Stage &s) -> QWidget * {
        s.main.emplace();
        s.main->start().showSetupModal = [&s](SetupDialog &d) { s.look(&d); };
        s.main->trigger("setupAction");
        return nullptr;
    }) << u"ユーザー設定"_s << QStringList();
    QTest::newRow("AboutDialog") << Opener([](Stage &s) -> QWidget * {
        s.main.emplace();
        s.main->start().showAboutModal = [&s](AboutDialog &d) { s.look(&d); };
        s.main->trigger("aboutAction");
        return nullptr;
    }) << u"バージョン情報"_s << QStringList();
    QTest::newRow("BackupRestoreDialog") << Opener([](Stage &s) -> QWidget * {
        s.main.emplace();
        s.main->writeMonth(u"Y2005MAY.vxf"_s,
                           {MainWindowFixture::job(1, longTitle, QDate(2005, 5, 10), QDate(2005, 5, 20))});
        s.main->start();
        s.main->trigger("updateAction"); // keeps a version
        s.main->window->backups().setModalRunner([&s](QDialog &d) {
            s.look(&d);
            return 0;
        });
        s.main->trigger("restoreBackupAction");
        return nullptr;
    }) << u"バックアップから復元"_s << QStringList();
    QTest::newRow("HelpWindow") << Opener([](Stage &s) -> QWidget * {
        s.main.emplace();
        s.main->start();
        s.main->trigger("helpAction");
        return s.main->window->helpWindow();
    }) << u"Wrenly ヘルプ"_s << QStringList();
    QTest::newRow("past schedule file dialog") << Opener([](Stage &s) -> QWidget * {
        return s.own(QtDialogs::makeOpenFileDialog(nullptr, u"過去のスケジュール"_s, s.folder.path(),
                                                   u"Dawnpadファイル (*.dtf)"_s)
                         .release());
    }) << u"過去のスケジュール"_s << QStringList();
}

void TestWindowLook::windows()
{
    QFETCH(Opener, open);
    QFETCH(QString, title);
    QFETCH(QStringList, longBoxes);

    Stage stage;
    stage.look = [&](QWidget *window) {
        ++stage.looked;
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QApplication::processEvents();

        QCOMPARE(window->windowTitle(), title);
        for (const QString &name : longBoxes) {
            QLineEdit *box = lineEditOf(window, name);
            QVERIFY2(box, qPrintable(name));
            QVERIFY2(box->fontMetrics().horizontalAdvance(box->text()) > textRoom(box), qPrintable(name));
        }
        gatherCaptions(window);
        QStringList found = faults(window);
        if (qEnvironmentVariableIsSet("WRENLY_LOOK_DARK"))
            found << unreadable(window);
        // Every page of every tab widget.
        for (QTabWidget *tabs : window->findChildren<QTabWidget *>()) {
            for (int i = 0; i < tabs->count(); ++i) {
                tabs->setCurrentIndex(i);
                found << faults(tabs->currentWidget());
            }
        }
        found.removeDuplicates();
        QVERIFY2(found.isEmpty(), qPrintable(found.join(u"\n"_s)));
    };
    if (QWidget *window = open(stage))
        stage.look(window);
    QCOMPARE(stage.looked, 1);
}

void TestWindowLook::sizeRules_holdWithoutWindowManager_data()
{
    QTest::addColumn<Opener>("open");
    QTest::addColumn<QSize>("asked");
    QTest::addColumn<QSize>("kept");
    const Opener step([](Stage &s) -> QWidget * {
        return s.own(new StepPlannerWindow(s.folder.path(), s.fakes.services));
    });
    const Opener daily([](Stage &s) -> QWidget * { return s.openPlanner().window.get(); });
    QTest::newRow("step: higher") << step << QSize(1000, 700) << QSize(1000, 600);
    QTest::newRow("step: lower and narrow") << step << QSize(500, 300) << QSize(800, 600);
    QTest::newRow("daily: wider and higher") << daily << QSize(900, 900) << QSize(800, 900);
    QTest::newRow("daily: lower") << daily << QSize(800, 400) << QSize(800, 600);
}

void TestWindowLook::sizeRules_holdWithoutWindowManager()
{
    QFETCH(Opener, open);
    QFETCH(QSize, asked);
    QFETCH(QSize, kept);
    Stage stage;
    QWidget *window = open(stage);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    // As a bare X server does: the window's own size hints are not consulted.
    window->windowHandle()->resize(asked);
    QTRY_COMPARE(window->size(), kept);
}

// After windows(): every caption a help page names in 「…」 or [...] is one the windows show. Keys,
// file names and messages go in <code> or <samp> and are not captions.
void TestWindowLook::helpPages_nameOnlyCaptionsOfTheWindows()
{
    const QDir help(qEnvironmentVariable("WRENLY_TEST_ASSETS") + u"/help"_s);
    static const QRegularExpression literal(u"<(code|samp)>.*?</\\1>|<[^>]*>"_s,
                                            QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression named(u"「([^」]+)」|\\[([^\\]]+)\\]"_s);
    QStringList unknown;
    for (const QString &page : help.entryList({u"*.html"_s}, QDir::Files)) {
        QFile file(help.filePath(page));
        QVERIFY(captionsSeen().size() > 100 && file.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(file.readAll()).remove(literal).replace(u"&amp;"_s, u"&"_s);
        for (auto it = named.globalMatch(text); it.hasNext();) {
            const QRegularExpressionMatch m = it.next();
            if (!captionsSeen().contains(asNamed(m.captured(1) + m.captured(2))))
                unknown << page + u": "_s + m.captured();
        }
    }
    QVERIFY2(unknown.isEmpty(), qPrintable(unknown.join(u'\n')));
}

QTEST_MAIN(TestWindowLook)
#include "tst_windowlook.moc"
