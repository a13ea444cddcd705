#pragma once

#include "app/MainWindow.h"
#include "data/DaySerial.h"
#include "data/JobRecord.h"
#include "support/Children.h"
#include "support/Fakes.h"
#include "support/TestFolder.h"

#include <QAction>
#include <QButtonGroup>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>

#include <memory>

// A program folder, fake services and the main window started on a fixed day.
struct MainWindowFixture
{
    TestFolder folder;
    FakeServices fakes;
    std::unique_ptr<MainWindow> window;

    explicit MainWindowFixture(const QDate &today = QDate(2005, 5, 16), bool withShutter = true)
    {
        fakes.clock.date = today;
        if (withShutter)
            folder.addShutter();
    }

    MainWindow &start()
    {
        window = std::make_unique<MainWindow>(folder.path(), fakes.services);
        return *window;
    }

    static JobRecord job(int dataNo, const QString &title, const QDate &start, const QDate &end,
                         int check = 0)
    {
        JobRecord j;
        j.dataNo = dataNo;
        j.entryDate = DaySerial::fromDate(start);
        j.title = title;
        j.startDate = DaySerial::fromDate(start);
        j.endDate = DaySerial::fromDate(end);
        j.check = check;
        return j;
    }

    // Writes a month file whose first slots hold `jobs`.
    void writeMonth(const QString &name, const QList<JobRecord> &jobs) const
    {
        MonthFile::Jobs month{};
        for (int i = 0; i < jobs.size(); ++i)
            month[size_t(i)] = jobs[i];
        folder.write(name, MonthFile::toBytes(month));
    }

    MonthFile::Jobs readMonth(const QString &name) const { return MonthFile::fromBytes(folder.read(name)); }

    template <typename T> T *find(const char *name) const
    {
        T *w = window->findChild<T *>(QString::fromLatin1(name));
        if (!w)
            qWarning("no child %s", name);
        return w;
    }
    QAction *action(const char *name) const { return find<QAction>(name); }
    bool enabled(const char *name) const { return action(name)->isEnabled(); }
    QString title() const { return find<QComboBox>("titleBox")->currentText(); }
    void setTitle(const QString &t) const { find<QComboBox>("titleBox")->setEditText(t); }
    QString dataNo() const { return find<QLineEdit>("dataNoEdit")->text(); }
    QString countStatus() const { return find<QLabel>("countLabel")->text(); }
    void trigger(const char *name) const { action(name)->trigger(); }
};
