#include "data/Session.h"
#include "step/StepFirstUseDialog.h"
#include "step/StepHost.h"
#include "step/StepLauncher.h"
#include "step/StepPlannerWindow.h"
#include "support/Fakes.h"
#include "support/StepBytes.h"
#include "support/TestFolder.h"

#include <QApplication>
#include <QDir>
#include <QEnterEvent>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>

#include <deque>
#include <functional>

using namespace Qt::StringLiterals;

namespace {

class FakeStepHost final : public StepHost
{
public:
    explicit FakeStepHost(Session &session) : m_session(session) {}

    QWidget window;
    MonthKind month = MonthKind::Current;
    QString title;
    int dataNo = 1;
    int updates = 0;
    int viewCloses = 0;

    QWidget *hostWindow() override { return &window; }
    MonthKind shownMonth() const override { return month; }
    QString shownTitle() const override { return title; }
    void setShownTitle(const QString &t) override { title = t; }
    int shownDataNo() const override { return dataNo; }
    // Stores the shown title into the record, as the main window's update does.
    void updateShownRecord() override
    {
        ++updates;
        JobRecord job = m_session.job(month, dataNo - 1);
        job.title = title;
        QVERIFY(m_session.storeRecord(month, dataNo - 1, job));
    }
    void closeModelessViews() override { ++viewCloses; }

private:
    Session &m_session;
};

// What the step window showed when it came up.
struct Shown
{
    QString path;
    StepFile loaded;
    StepMonths months;
    StepChart::BarPixels overall;
    QString dataNoText;
    QString hintOnStrip;
};

} // namespace

class TestStepLauncher : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void firstUseDialog_explainsAndGoAccepts();
    void firstOpening_confirmsCreatesAndShows();
    void confirmCancelled_nothingHappens();
    void folderCannotBeCreated_tellsAndStops();
    void openingTwice_createsOnceAndShowsSaved();
    void spareWindow_servesOneOpening_nextStartsClean();
    void previousMonthInJanuary_opensDecemberOfLastYear();
    void unsavedJob_tellsAndStops_data();
    void unsavedJob_tellsAndStops();
    void createFails_errorNamesFile_titleUnchanged();
    void unreadableFile_errorNamesFile_data();
    void unreadableFile_errorNamesFile();
    void fromFile_noFolder_tellsAndStops();
    void fromFile_listsAndOpensChosenFile();
    void fromFile_emptyFolder_onlyCancel();

private:
    // Queues what the next modal dialog does; a dialog with nothing queued is a failure.
    void expect(std::function<int(QDialog &)> action) { m_actions.push_back(std::move(action)); }
    int run(QDialog &dialog);
    int captureStepWindow(QDialog &dialog);
    void storeJob(MonthKind kind, int n, const QString &title);

    std::unique_ptr<TestFolder> m_folder;
    std::unique_ptr<Session> m_session;
    std::unique_ptr<FakeServices> m_fakes;
    std::unique_ptr<FakeStepHost> m_host;
    std::unique_ptr<StepLauncher> m_launcher;
    std::deque<std::function<int(QDialog &)>> m_actions;
    QStringList m_dialogs; // object names of the dialogs shown, in order
    QStringList m_unexpected;
    QList<Shown> m_shown;
};

void TestStepLauncher::init()
{
    m_folder = std::make_unique<TestFolder>();
    m_session = std::make_unique<Session>(m_folder->path());
    m_session->startDay(QDate(2005, 1, 20));
    m_fakes = std::make_unique<FakeServices>();
    m_host = std::make_unique<FakeStepHost>(*m_session);
    m_launcher = std::make_unique<StepLauncher>(*m_session, m_fakes->services, *m_host);
    m_launcher->setModalRunner([this](QDialog &d) { return run(d); });
    m_actions.clear();
    m_dialogs.clear();
    m_unexpected.clear();
    m_shown.clear();
}

void TestStepLauncher::cleanup()
{
    QVERIFY2(m_unexpected.isEmpty(), qPrintable(m_unexpected.join(u", "_s)));
    QVERIFY2(m_actions.empty(), "a queued dialog was never shown");
    VERIFY_NO_UNEXPECTED_BOXES(m_fakes->dialogs);
}

int TestStepLauncher::run(QDialog &dialog)
{
    m_dialogs << dialog.objectName();
    if (m_actions.empty()) {
        m_unexpected << dialog.objectName();
        return QDialog::Rejected;
    }
    auto action = std::move(m_actions.front());
    m_actions.pop_front();
    return action(dialog);
}

int TestStepLauncher::captureStepWindow(QDialog &dialog)
{
    auto &w = static_cast<StepPlannerWindow &>(dialog);
    Shown s;
    s.path = w.stepFilePath();
    s.loaded = w.loadedStep();
    s.months = w.months();
    s.overall = w.barPixels(0, StepPlannerWindow::Kind::Initial);
    s.dataNoText = w.findChild<QLineEdit *>(u"dataNoEdit"_s)->text();
    QWidget *strip = w.findChild<QWidget *>(u"initialStrip1"_s);
    QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), strip->mapToGlobal(QPointF(2, 2)));
    QApplication::sendEvent(strip, &enter);
    s.hintOnStrip = w.findChild<QStatusBar *>(u"statusBar"_s)->currentMessage();
    m_shown << s;
    return QDialog::Rejected;
}

void TestStepLauncher::storeJob(MonthKind kind, int n, const QString &title)
{
    JobRecord j = m_session->job(kind, n - 1);
    j.dataNo = n;
    j.title = title;
    j.startDate = serial(2005, 1, 18);
    j.endDate = serial(2005, 2, 4);
    j.comments = u"打合せ\r\n資料"_s;
    QVERIFY(m_session->storeRecord(kind, n - 1, j));
    m_host->dataNo = n;
    m_host->title = title;
}

void TestStepLauncher::firstUseDialog_explainsAndGoAccepts()
{
    StepFirstUseDialog d;
    QCOMPARE(d.windowTitle(), u"『ステップ別管理』機能を使用しますか？"_s);
    QCOMPARE(d.pos(), QPoint(210, 110));
    const QStringList lines = d.findChild<QPlainTextEdit *>(u"explanationEdit"_s)->toPlainText().split(u'\n');
    QCOMPARE(lines.size(), 32);
    QCOMPARE(lines.count(QString()), 10);
    QCOMPARE(lines.first(), QString());
    QCOMPARE(lines[8], u"ありません。 ある程度の期間を有し、いくつかの作業単位に分割可能な"_s);
    QCOMPARE(lines[23], u"   STEP ファイルは、基本データ を元に作成されます。"_s);
    QCOMPARE(lines.last(), u"『ステップ別管理』 機能を使用しますか？"_s);
    auto *go = d.findChild<QPushButton *>(u"goButton"_s);
    QCOMPARE(go->text(), u"GO！"_s);
    QVERIFY(go->isDefault());
    go->click();
    QCOMPARE(d.result(), int(QDialog::Accepted));
    StepFirstUseDialog e;
    QTest::keyClick(&e, Qt::Key_Escape);
    QCOMPARE(e.result(), int(QDialog::Rejected));
}

void TestStepLauncher::firstOpening_confirmsCreatesAndShows()
{
    m_folder->addShutter();
    storeJob(MonthKind::Current, 7, u"見積書"_s);
    expect([](QDialog &) { return int(QDialog::Accepted); });
    expect([this](QDialog &d) { return captureStepWindow(d); });
    m_launcher->openForShownJob();

    QCOMPARE(m_dialogs, (QStringList{u"StepFirstUseDialog"_s, u"StepPlannerWindow"_s}));
    QVERIFY(QFileInfo(m_folder->file(u"STEP"_s)).isDir());
    const QByteArray bytes = m_folder->read(u"STEP/Y2005JAN7.vxs"_s);
    QCOMPARE(bytes.size(), 12672);
    // The file keeps the title as it was; the job gets the mark and is stored.
    QCOMPARE(bytes.mid(StepBytes::Title, 7), QByteArray::fromHex("068ca990cf8f91"));
    QCOMPARE(StepBytes::readF64(bytes, StepBytes::group(0) + StepBytes::PlanDate), serial(2005, 1, 20));
    QCOMPARE(m_host->title, u"[STEP]見積書"_s);
    QCOMPARE(m_host->updates, 1);
    QCOMPARE(m_session->jobs(MonthKind::Current)[6].title, u"[STEP]見積書"_s);
    QCOMPARE(m_host->viewCloses, 1);

    QCOMPARE(m_shown.size(), 1);
    const Shown &s = m_shown.first();
    QCOMPARE(s.path, m_folder->file(u"STEP/Y2005JAN7.vxs"_s));
    QCOMPARE(s.months, (StepMonths{2005, 12, 31, 1, 31, 2, 28}));
    QCOMPARE(s.overall, (StepChart::BarPixels{13 * 48, 13 * 66}));
    QCOMPARE(s.dataNoText, u"1月 No.7"_s);
    QCOMPARE(s.loaded.comments, u"打合せ\r\n資料"_s);
    QCOMPARE(
        s.hintOnStrip,
        u"開始日から終了日までドラッグして,期間を設定します. 設定前に,右のオプションボタンを選択してください."_s);
    QCOMPARE(m_fakes->sound.played.size(), 1);
}

void TestStepLauncher::confirmCancelled_nothingHappens()
{
    storeJob(MonthKind::Current, 2, u"job"_s);
    expect([](QDialog &) { return int(QDialog::Rejected); });
    m_launcher->openForShownJob();
    QCOMPARE(m_dialogs, QStringList{u"StepFirstUseDialog"_s});
    QVERIFY(!m_folder->exists(u"STEP"_s));
    QCOMPARE(m_host->title, u"job"_s);
    QCOMPARE(m_host->updates, 0);
    QCOMPARE(m_host->viewCloses, 0);
    QVERIFY(m_fakes->dialogs.shown.isEmpty());
}

void TestStepLauncher::folderCannotBeCreated_tellsAndStops()
{
    storeJob(MonthKind::Current, 2, u"job"_s);
    m_folder->write(u"STEP"_s, "a file in the way");
    expect([](QDialog &) { return int(QDialog::Accepted); });
    m_launcher->openForShownJob();
    QCOMPARE(m_dialogs, QStringList{u"StepFirstUseDialog"_s});
    QCOMPARE(m_fakes->dialogs.texts(),
             QStringList{u"STEPフォルダの作成に失敗しました.\r\n\r\n処理を中止します."_s});
    QCOMPARE(m_host->title, u"job"_s);
    QCOMPARE(m_host->updates, 0);
}

void TestStepLauncher::openingTwice_createsOnceAndShowsSaved()
{
    storeJob(MonthKind::Current, 3, u"設計"_s);
    expect([](QDialog &) { return int(QDialog::Accepted); });
    // The user names step 1 and saves.
    expect([](QDialog &d) {
        d.findChild<QLineEdit *>(u"rowTitleEdit1"_s)->setText(u"調査"_s);
        d.findChild<QPushButton *>(u"saveButton"_s)->click();
        return d.result();
    });
    m_launcher->openForShownJob();
    const QString path = m_folder->file(u"STEP/Y2005JAN3.vxs"_s);
    const QDateTime created = QFileInfo(path).lastModified();

    // The job changes after the file exists; the file keeps its copy.
    JobRecord changed = m_session->job(MonthKind::Current, 2);
    changed.startDate = serial(2005, 1, 1);
    QVERIFY(m_session->storeRecord(MonthKind::Current, 2, changed));
    expect([this](QDialog &d) { return captureStepWindow(d); });
    m_launcher->openForShownJob();

    QCOMPARE(m_dialogs,
             (QStringList{u"StepFirstUseDialog"_s, u"StepPlannerWindow"_s, u"StepPlannerWindow"_s}));
    QCOMPARE(m_host->updates, 1);
    QCOMPARE(m_host->title, u"[STEP]設計"_s);
    QCOMPARE(QFileInfo(path).lastModified(), created);
    QCOMPARE(m_shown.size(), 1);
    QCOMPARE(m_shown[0].loaded.groups[1].groupTitle, u"調査"_s);
    QCOMPARE(m_shown[0].loaded.startDate, serial(2005, 1, 18));
    QCOMPARE(QDir(m_folder->file(u"STEP"_s)).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

void TestStepLauncher::spareWindow_servesOneOpening_nextStartsClean()
{
    storeJob(MonthKind::Current, 3, u"設計"_s);
    m_launcher->keepSpareWindow(0);
    QTRY_VERIFY(m_launcher->hasSpareWindow());
    QPointer<QDialog> first;
    expect([](QDialog &) { return int(QDialog::Accepted); });
    // Edits left unsaved in the first window must not show in the next one.
    expect([&first](QDialog &d) {
        first = &d;
        d.findChild<QLineEdit *>(u"rowTitleEdit1"_s)->setText(u"調査"_s);
        return int(QDialog::Rejected);
    });
    m_launcher->openForShownJob();
    QVERIFY(first.isNull());
    QVERIFY(!m_launcher->hasSpareWindow());

    QTRY_VERIFY_WITH_TIMEOUT(m_launcher->hasSpareWindow(), 5000);
    QString rowTitle = u"?"_s;
    expect([&rowTitle](QDialog &d) {
        rowTitle = d.findChild<QLineEdit *>(u"rowTitleEdit1"_s)->text();
        return int(QDialog::Rejected);
    });
    m_launcher->openForShownJob();
    QCOMPARE(rowTitle, QString());
}

void TestStepLauncher::previousMonthInJanuary_opensDecemberOfLastYear()
{
    QDir().mkpath(m_folder->file(u"STEP"_s));
    m_host->month = MonthKind::Previous;
    storeJob(MonthKind::Previous, 3, u"年末"_s);
    expect([this](QDialog &d) { return captureStepWindow(d); });
    m_launcher->openForShownJob();

    const QByteArray bytes = m_folder->read(u"STEP/Y2004DEC3.vxs"_s);
    QCOMPARE(bytes.size(), 12672);
    QCOMPARE(qFromLittleEndian<qint32>(bytes.constData() + StepBytes::BaseYear), 2004);
    QCOMPARE(qFromLittleEndian<qint32>(bytes.constData() + StepBytes::BaseMonth), 12);
    QCOMPARE(m_shown.size(), 1);
    QCOMPARE(m_shown[0].months, (StepMonths{2004, 11, 30, 12, 31, 1, 31}));
    QCOMPARE(m_shown[0].dataNoText, u"12月 No.3"_s);
    QCOMPARE(m_host->updates, 1);
    QCOMPARE(m_session->jobs(MonthKind::Previous)[2].title, u"[STEP]年末"_s);
}

void TestStepLauncher::unsavedJob_tellsAndStops_data()
{
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("dataNo");
    QTest::newRow("new entry of this month") << int(MonthKind::Current) << 4;
    QTest::newRow("empty slot of last month") << int(MonthKind::Previous) << 2;
    QTest::newRow("number 0 of an empty month") << int(MonthKind::Previous) << 0;
}

void TestStepLauncher::unsavedJob_tellsAndStops()
{
    QFETCH(int, month);
    QFETCH(int, dataNo);
    storeJob(MonthKind::Current, 1, u"stored"_s);
    storeJob(MonthKind::Current, 2, u"stored"_s);
    m_host->month = MonthKind(month);
    m_host->dataNo = dataNo;
    m_host->title = u"typed but not stored"_s;
    m_launcher->openForShownJob();
    QCOMPARE(m_fakes->dialogs.texts(),
             QStringList{u"入力したデータが保存されていません.\r\n\r\n保存後,再試行してください."_s});
    QCOMPARE(m_fakes->dialogs.shown.first().at,
             std::optional<QPoint>(m_host->window.frameGeometry().topLeft() + QPoint(50, 200)));
    QVERIFY(m_dialogs.isEmpty());
    QVERIFY(!m_folder->exists(u"STEP"_s));
    QCOMPARE(m_host->updates, 0);
}

void TestStepLauncher::createFails_errorNamesFile_titleUnchanged()
{
    QDir().mkpath(m_folder->file(u"STEP"_s));
    storeJob(MonthKind::Current, 5, u"job"_s);
    {
        FileSizeLimit limit(4096);
        m_launcher->openForShownJob();
    }
    QCOMPARE(m_fakes->dialogs.count(FakeDialogs::Kind::Error), 1);
    QVERIFY(m_fakes->dialogs.lastText().contains(m_folder->file(u"STEP/Y2005JAN5.vxs"_s)));
    QVERIFY(m_fakes->dialogs.lastText().startsWith(u"STEPファイルを作成できませんでした."_s));
    QVERIFY(QDir(m_folder->file(u"STEP"_s)).isEmpty(QDir::Files | QDir::Hidden));
    QCOMPARE(m_host->title, u"job"_s);
    QCOMPARE(m_host->updates, 0);
    QVERIFY(m_dialogs.isEmpty());
}

void TestStepLauncher::unreadableFile_errorNamesFile_data()
{
    QTest::addColumn<bool>("asFolder");
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("a folder by that name") << true << QByteArray();
    QTest::newRow("months make no chart") << false << QByteArray(12672, '\x7f');
}

void TestStepLauncher::unreadableFile_errorNamesFile()
{
    QFETCH(bool, asFolder);
    QFETCH(QByteArray, content);
    storeJob(MonthKind::Current, 6, u"[STEP]job"_s);
    const QString name = u"STEP/Y2005JAN6.vxs"_s;
    if (asFolder)
        QDir().mkpath(m_folder->file(name));
    else
        m_folder->write(name, content);
    m_launcher->openForShownJob();
    QCOMPARE(m_fakes->dialogs.count(FakeDialogs::Kind::Error), 1);
    QVERIFY(m_fakes->dialogs.lastText().startsWith(u"STEPファイルを読み込めませんでした."_s));
    QVERIFY(m_fakes->dialogs.lastText().contains(m_folder->file(name)));
    QVERIFY(m_dialogs.isEmpty());
    if (!asFolder)
        QCOMPARE(m_folder->read(name), content);
}

void TestStepLauncher::fromFile_noFolder_tellsAndStops()
{
    m_launcher->openFromFile();
    QCOMPARE(m_fakes->dialogs.texts(),
             QStringList{u"STEPフォルダが存在しません.\r\n\r\n処理を中止します."_s});
    QVERIFY(m_dialogs.isEmpty());
}

void TestStepLauncher::fromFile_listsAndOpensChosenFile()
{
    // A file made in November 2004 for a job of that month, opened months later.
    StepBytes nov;
    nov.window(2004, 10, 31, 11, 30, 12, 31);
    nov.unsetAllDates();
    nov.i32(StepBytes::DataNo, 2);
    nov.f64(StepBytes::group(0) + StepBytes::PlanStart, serial(2004, 11, 1));
    nov.f64(StepBytes::group(0) + StepBytes::PlanEnd, serial(2004, 11, 1));
    m_folder->write(u"STEP/Y2004NOV2.vxs"_s, nov.bytes);
    m_folder->write(u"STEP/Y2005JAN7.vxs"_s, StepFile::newFor(JobRecord(), 2005, 1, 0, {}).toBytes());
    m_folder->write(u"STEP/notes.txt"_s, "x");
    m_host->title = u"shown job"_s;

    QStringList listed;
    expect([&listed](QDialog &d) {
        auto *list = d.findChild<QListWidget *>(u"fileList"_s);
        auto *edit = d.findChild<QLineEdit *>(u"chosenFileEdit"_s);
        for (int i = 0; i < list->count(); ++i)
            listed << list->item(i)->text();
        // Two columns: the second file beside the first.
        d.show();
        listed << QString::number(list->visualItemRect(list->item(1)).top() -
                                  list->visualItemRect(list->item(0)).top());
        listed << edit->text();
        edit->setText(u"typed.vxs"_s); // changes nothing
        list->setCurrentRow(1);
        listed << edit->text();
        list->setCurrentRow(0);
        return int(QDialog::Accepted);
    });
    expect([this](QDialog &d) { return captureStepWindow(d); });
    m_launcher->openFromFile();

    QCOMPARE(m_dialogs, (QStringList{u"StepFileDialog"_s, u"StepPlannerWindow"_s}));
    QCOMPARE(listed, (QStringList{u"Y2004NOV2.vxs"_s, u"Y2005JAN7.vxs"_s, u"0"_s, u"Y2004NOV2.vxs"_s,
                                  u"Y2005JAN7.vxs"_s}));
    QCOMPARE(m_shown.size(), 1);
    QCOMPARE(m_shown[0].path, m_folder->file(u"STEP/Y2004NOV2.vxs"_s));
    QCOMPARE(m_shown[0].months, (StepMonths{2004, 10, 31, 11, 30, 12, 31}));
    QCOMPARE(m_shown[0].overall, (StepChart::BarPixels{13 * 31, 13 * 32}));
    QCOMPARE(m_shown[0].dataNoText, u"11月 No.2"_s);
    // No hints in this case, and the main window's job is not touched.
    QCOMPARE(m_shown[0].hintOnStrip, QString());
    QCOMPARE(m_host->title, u"shown job"_s);
    QCOMPARE(m_host->updates, 0);
    QCOMPARE(m_host->viewCloses, 1);
}

void TestStepLauncher::fromFile_emptyFolder_onlyCancel()
{
    QDir().mkpath(m_folder->file(u"STEP"_s));
    QList<bool> state;
    expect([&state](QDialog &d) {
        state << d.findChild<QListWidget *>(u"fileList"_s)->isEnabled()
              << d.findChild<QPushButton *>(u"openButton"_s)->isEnabled()
              << d.findChild<QPushButton *>(u"cancelButton"_s)->isEnabled()
              << d.findChild<QLineEdit *>(u"chosenFileEdit"_s)->text().isEmpty();
        return int(QDialog::Rejected);
    });
    m_launcher->openFromFile();
    QCOMPARE(m_dialogs, QStringList{u"StepFileDialog"_s});
    QCOMPARE(state, (QList<bool>{false, false, true, true}));
    QCOMPARE(m_host->viewCloses, 0);
}

QTEST_MAIN(TestStepLauncher)
#include "tst_steplauncher.moc"
