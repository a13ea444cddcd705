#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <array>

// What the main window does once a partner program started from the to-do list is running.
enum class AfterLaunch { Exit = 0, StayInTray = 1, StayShown = 2 };

// "Config.vxc": 50 Shift-JIS lines ending CR LF, each with a fixed meaning by position.
struct Config
{
    static constexpr int LineCount = 50;
    static constexpr int ListSize = 5;
    static constexpr int EntryCapacity = 31;
    // Far above 50 lines of any sensible length; only this much of a file is read.
    static constexpr int MaxFileBytes = 64 * 1024;

    std::array<QString, ListSize> customerList;
    std::array<QString, ListSize> jobTypeList;
    QString picturePath;
    int pictureTop = 10;
    int pictureHeight = 180;
    int pictureLeft = 10;
    int pictureWidth = 180;
    bool pictureCenter = true;
    bool pictureProportional = true;
    bool pictureStretch = false;
    bool showJobPanel = false;
    bool showToDoAtStart = false;
    bool interlockToDoGraph = false;
    bool showDateSeparators = false;
    AfterLaunch afterLaunch = AfterLaunch::Exit; // stored as 0, 1, 2
    QString trevPath;
    QString dossPath;
    QString pellPath;

    static QString fileName() { return QStringLiteral("Config.vxc"); }

    // The file written when none exists; the picture defaults to Sample1.JPG beside the program.
    static QByteArray defaultFileBytes(const QString &exeDir);

    // Applies the file's lines to this configuration, as the program reads it at start-up. Only
    // the first MaxFileBytes count; the time taken grows with their length and no more.
    void applyFileBytes(const QByteArray &bytes);
    static Config fromFileBytes(const QByteArray &bytes);

    // Puts `items` into the first entries of `list`, each cut to EntryCapacity bytes at a
    // character boundary, and empties the entries after them. Items beyond ListSize are dropped.
    static void setList(std::array<QString, ListSize> &list, const QStringList &items);

    // The 50 lines as the setup window writes them.
    QByteArray toFileBytes() const;

    // Two saves from one read: each line as `mine` has it where it differs from `base`, else as
    // `theirs` has it.
    static Config merged(const Config &base, const Config &mine, const Config &theirs);

    bool operator==(const Config &) const = default;
};
