#pragma once

#include "data/SafeFile.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// Starting Wrenly when the user logs in: a desktop entry "Wrenly.desktop" in the user's autostart
// folder, which desktops read at log-in (the XDG autostart convention).
class Autostart final
{
public:
    // `command` is the program's absolute path followed by its arguments; `workingFolder` is
    // where it starts.
    Autostart(const QString &folder, const QStringList &command, const QString &workingFolder);

    // $XDG_CONFIG_HOME/autostart, else ~/.config/autostart.
    static QString userFolder();
    static QString fileName() { return QStringLiteral("Wrenly.desktop"); }

    // Whether the entry starts Wrenly in the tray (--minimized); add() writes it so.
    void setStartsInTray(bool inTray) { m_inTray = inTray; }
    bool startsInTray() const { return m_inTray; }

    QString entryPath() const;
    bool isRegistered() const;
    // Which data folder the entry starts: one entry serves every data folder of the user.
    enum class Registration { None, ThisFolder, OtherFolder };
    // `otherFolder` gets the folder the entry starts, empty for the one found without --home.
    Registration registration(QString *otherFolder = nullptr) const;
    // Writes the entry, making the folder when needed.
    SafeFile::Result add() const;
    SafeFile::Result remove() const;

    // The entry's bytes (UTF-8).
    static QByteArray entryBytes(const QStringList &command, const QString &workingFolder);
    // One argument of an Exec line, quoted and escaped by the desktop-entry rules, before the
    // escaping every string value gets.
    static QString execArgument(const QString &argument);
    // The arguments of an Exec value as stored, undoing both escapings.
    static QStringList execArguments(const QString &storedValue);
    // The --home argument of a command, empty when it has none.
    static QString homeOf(const QStringList &command);
    // A string value as a desktop entry stores it: backslashes doubled, control characters escaped.
    static QString escapedValue(const QString &value);

private:
    QString m_folder;
    QStringList m_command;
    QString m_workingFolder;
    bool m_inTray = false;
};
