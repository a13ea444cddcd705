#include "platform/SingleInstance.h"

#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <sys/wait.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

class TestSingleInstance : public QObject
{
    Q_OBJECT
private slots:
    void secondStart_asksFirstToComeForward();
    void otherKeys_doNotMeet();
    void crashedFirst_doesNotBlockNextStart();
};

void TestSingleInstance::secondStart_asksFirstToComeForward()
{
    QTemporaryDir dir;
    SingleInstance first(u"Wrenly"_s, dir.path());
    QVERIFY(first.claim());
    QSignalSpy forward(&first, &SingleInstance::comeForwardRequested);

    // The second start runs in a child process, as a real second start would.
    const pid_t child = ::fork();
    if (child == 0) {
        SingleInstance second(u"Wrenly"_s, dir.path());
        ::_exit(second.claim() ? 1 : 0);
    }
    QTRY_COMPARE_WITH_TIMEOUT(forward.count(), 1, 5000);
    int status = 0;
    ::waitpid(child, &status, 0);
    QVERIFY(WIFEXITED(status));
    QCOMPARE(WEXITSTATUS(status), 0); // the second one stood down
}

void TestSingleInstance::otherKeys_doNotMeet()
{
    QTemporaryDir dir;
    SingleInstance a(u"Wrenly"_s, dir.path());
    SingleInstance b(u"Other"_s, dir.path());
    QVERIFY(a.claim());
    QVERIFY(b.claim());
}

void TestSingleInstance::crashedFirst_doesNotBlockNextStart()
{
    QTemporaryDir dir;
    const pid_t child = ::fork();
    if (child == 0) {
        // Claims and dies without cleaning up: lock file and socket stay behind.
        auto *crashed = new SingleInstance(u"Wrenly"_s, dir.path());
        ::_exit(crashed->claim() ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    QCOMPARE(WEXITSTATUS(status), 0);
    QVERIFY(!QDir(dir.path()).entryList(QDir::System | QDir::Files).isEmpty());

    SingleInstance next(u"Wrenly"_s, dir.path());
    QVERIFY(next.claim());
    QSignalSpy forward(&next, &SingleInstance::comeForwardRequested);
    const pid_t third = ::fork();
    if (third == 0) {
        SingleInstance again(u"Wrenly"_s, dir.path());
        ::_exit(again.claim() ? 1 : 0);
    }
    QTRY_COMPARE_WITH_TIMEOUT(forward.count(), 1, 5000);
    ::waitpid(third, &status, 0);
    QCOMPARE(WEXITSTATUS(status), 0);
}

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"
