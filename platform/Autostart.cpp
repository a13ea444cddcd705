#include "platform/Autostart.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <cerrno>

using namespace Qt::StringLiterals;

Autostart::Autostart(const QString &folder, const QStringList &command, const QString &workingFolder)
    : m_folder(folder), m_command(command), m_workingFolder(workingFolder)
{}

QString Autostart::userFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + u"/autostart"_s;
}

QString Autostart::entryPath() const
{
    return m_folder + u'/' + fileName();
}

bool Autostart::isRegistered() const
{
    return QFileInfo::exists(entryPath());
}

Autostart::Registration Autostart::registration(QString *otherFolder) const
{
    QByteArray bytes;
    if (!QFileInfo(entryPath()).isFile() || !SafeFile::read(entryPath(), &bytes, 64 * 1024))
        return isRegistered() ? Registration::OtherFolder : Registration::None;
    QString exec;
    for (const QString &line : QString::fromUtf8(bytes).split(u'\n')) {
        if (line.startsWith(u"Exec="_s))
            exec = line.mid(5).trimmed();
    }
    const QString theirs = homeOf(execArguments(exec));
    if (QDir::cleanPath(theirs) == QDir::cleanPath(homeOf(m_command)))
        return Registration::ThisFolder;
    if (otherFolder)
        *otherFolder = theirs;
    return Registration::OtherFolder;
}

SafeFile::Result Autostart::add() const
{
    if (!QFileInfo(m_folder).isDir() && !QDir().mkpath(m_folder))
        return SafeFile::Result::failure(u"フォルダーを作成できません"_s);
    const QStringList command = m_inTray ? m_command + QStringList{u"--minimized"_s} : m_command;
    return SafeFile::write(entryPath(), entryBytes(command, m_workingFolder), SafeFile::Tail::Drop);
}

SafeFile::Result Autostart::remove() const
{
    QFile file(entryPath());
    if (!file.exists() || file.remove())
        return {};
    const int error = errno;
    return SafeFile::Result::failure(error ? SafeFile::systemReason(error) : file.errorString());
}

QString Autostart::execArgument(const QString &argument)
{
    static const QString reserved = u" \t\n\"'\\><~|&;$*?#()`"_s;
    bool quote = argument.isEmpty();
    for (QChar c : argument)
        quote = quote || reserved.contains(c);
    QString out;
    if (quote)
        out += u'"';
    for (QChar c : argument) {
        if (quote && (c == u'"' || c == u'`' || c == u'$' || c == u'\\'))
            out += u'\\';
        // A lone % would start a field code.
        if (c == u'%')
            out += u'%';
        out += c;
    }
    if (quote)
        out += u'"';
    return out;
}

QStringList Autostart::execArguments(const QString &storedValue)
{
    // The string escapes first (\s, \n, \\ ...), then quoting and %% of the Exec rules.
    QString value;
    for (qsizetype i = 0; i < storedValue.size(); ++i) {
        QChar c = storedValue[i];
        if (c == u'\\' && i + 1 < storedValue.size()) {
            const QChar e = storedValue[++i];
            c = e == u's' ? u' ' : e == u'n' ? u'\n' : e == u't' ? u'\t' : e == u'r' ? u'\r' : e;
        }
        value += c;
    }
    QStringList arguments;
    QString current;
    bool inArgument = false;
    bool quoted = false;
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value[i];
        if (quoted && c == u'\\' && i + 1 < value.size()) {
            current += value[++i];
        } else if (c == u'"') {
            quoted = !quoted;
            inArgument = true;
        } else if (c == u' ' && !quoted) {
            if (inArgument)
                arguments << current;
            current.clear();
            inArgument = false;
        } else {
            if (c == u'%' && i + 1 < value.size() && value[i + 1] == u'%')
                ++i;
            current += c;
            inArgument = true;
        }
    }
    if (inArgument)
        arguments << current;
    return arguments;
}

QString Autostart::homeOf(const QStringList &command)
{
    for (qsizetype i = 1; i < command.size(); ++i) {
        if (command[i] == u"--home"_s)
            return command.value(i + 1);
        if (command[i].startsWith(u"--home="_s))
            return command[i].mid(7);
    }
    return {};
}

QString Autostart::escapedValue(const QString &value)
{
    QString out;
    for (QChar c : value) {
        switch (c.unicode()) {
        case u'\\':
            out += u"\\\\"_s;
            break;
        case u'\n':
            out += u"\\n"_s;
            break;
        case u'\t':
            out += u"\\t"_s;
            break;
        case u'\r':
            out += u"\\r"_s;
            break;
        default:
            out += c;
        }
    }
    // Leading spaces of a value are otherwise dropped.
    if (out.startsWith(u' '))
        out.replace(0, 1, u"\\s"_s);
    return out;
}

QByteArray Autostart::entryBytes(const QStringList &command, const QString &workingFolder)
{
    QStringList exec;
    for (const QString &argument : command)
        exec << execArgument(argument);
    QString text = u"[Desktop Entry]\n"_s
                   u"Type=Application\n"_s
                   u"Name=Wrenly\n"_s
                   u"Comment=Starts Wrenly at log-in\n"_s
                   u"Comment[ja]=ログイン時に Wrenly を起動します\n"_s;
    text += u"Exec="_s + escapedValue(exec.join(u' ')) + u'\n';
    text += u"Path="_s + escapedValue(workingFolder) + u'\n';
    text += u"Icon=wrenly\n"_s
            u"Terminal=false\n"_s;
    return text.toUtf8();
}
