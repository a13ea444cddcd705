#pragma once

#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/Notifier.h"
#include "platform/ProcessLauncher.h"
#include "platform/Services.h"
#include "platform/SoundPlayer.h"
#include "platform/TrayIcon.h"

#include <QList>
#include <QPoint>
#include <QStringList>

#include <deque>
#include <optional>

class FakeClock final : public Clock
{
public:
    QDate date{2005, 5, 16};
    QTime time{10, 0, 0};
    QDate today() const override { return date; }
    QDateTime now() const override { return QDateTime(date, time); }
};

// Records every box; answers questions from a queue. A question with no queued answer is
// recorded as unexpected and answered negatively, so a test never hangs on a modal box.
class FakeDialogs final : public Dialogs
{
public:
    enum class Kind { Inform, Captioned, YesNo, OkCancel, Error, OpenFile, SaveFile, PrintPreview };
    struct Shown
    {
        Kind kind;
        QString caption;
        QString text;
        std::optional<QPoint> at;
    };

    QList<Shown> shown;
    QStringList unexpected;
    std::deque<Answer> answers;
    std::deque<QString> fileNames; // answers of the open and the save dialog
    QList<PrintDocument> previews; // what the print preview was asked to show

    void inform(QWidget *, const QString &text, std::optional<QPoint> at) override;
    void informCaptioned(QWidget *, const QString &caption, const QString &text) override;
    Answer askYesNo(QWidget *, const QString &text, std::optional<QPoint> at) override;
    Answer askOkCancel(QWidget *, const QString &text, std::optional<QPoint> at) override;
    void error(QWidget *, const QString &text) override;
    QString openFileName(QWidget *, const QString &caption, const QString &folder,
                         const QString &filter) override;
    QString saveFileName(QWidget *, const QString &caption, const QString &path,
                         const QString &filter) override;
    void previewPrint(QWidget *, const PrintDocument &document) override;

    // Texts of all boxes shown, in order.
    QStringList texts() const;
    QString lastText() const { return shown.isEmpty() ? QString() : shown.constLast().text; }
    int count(Kind kind) const;
    void clear()
    {
        shown.clear();
        unexpected.clear();
    }
};

class FakeSound final : public SoundPlayer
{
public:
    QStringList played;
    void play(const QString &wavPath) override { played << wavPath; }
};

class FakeLauncher final : public ProcessLauncher
{
public:
    struct Start
    {
        QString program;
        QString folder;
    };
    QList<Start> started;
    bool startDetached(const QString &program, const QString &folder) override
    {
        started.append({program, folder});
        return true;
    }
};

class FakeTray final : public TrayIcon
{
    Q_OBJECT
public:
    bool available = true;
    bool visible = false;
    int showCount = 0;
    int hideCount = 0;
    QString toolTip;
    bool isAvailable() const override { return available; }
    void show(const QIcon &, const QString &tip, QMenu *) override
    {
        visible = true;
        toolTip = tip;
        ++showCount;
    }
    void hide() override
    {
        visible = false;
        ++hideCount;
    }
    QStringList messages; // title and body of each message, one entry each
    bool showMessage(const QString &title, const QString &body) override
    {
        if (visible)
            messages << title + u'\n' + body;
        return visible;
    }
    void clickLeft() { emit leftClicked(); }
    void clickMessage() { emit messageClicked(); }
};

// Records every notification; a test invokes actions by the number notify() returned.
class FakeNotifier final : public Notifier
{
    Q_OBJECT
public:
    QList<Message> shown;
    quint32 notify(const Message &message) override
    {
        shown.append(message);
        return quint32(shown.size());
    }
    void invoke(quint32 id, const QString &key) { emit actionInvoked(id, key); }
};

// All fakes in one place, with the bundle the windows take.
struct FakeServices
{
    FakeClock clock;
    FakeDialogs dialogs;
    FakeSound sound;
    FakeLauncher launcher;
    FakeTray tray;
    FakeNotifier notifier;
    Services services{clock, dialogs, sound, launcher, tray, notifier};
};
