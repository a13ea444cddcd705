#include "data/Config.h"

#include "data/ConfigPath.h"
#include "data/SjisCodec.h"

#include <QStringList>

using namespace Qt::StringLiterals;

namespace {

constexpr QStringView NotSet = u"未設定";
constexpr QStringView Free = u"空き";

QString boolWord(bool b)
{
    return b ? u"True"_s : u"False"_s;
}

QString entryLine(const QString &value)
{
    return value.isEmpty() ? NotSet.toString() : value;
}

QString readEntry(const QString &line)
{
    if (line == NotSet)
        return {};
    // Every character takes at least one byte, so the field never needs more characters than
    // bytes (decoded CP932 holds no surrogate pairs); cutting first keeps a damaged, endless line
    // from being encoded whole.
    return Sjis::fitToField(line.left(Config::EntryCapacity), Config::EntryCapacity);
}

// Decimal integer without sign; other text keeps the previous value rather than stopping start-up.
void readNumber(const QString &line, int *value)
{
    bool ok = false;
    const int v = line.toInt(&ok, 10);
    if (ok && !line.isEmpty() && line.front().isDigit())
        *value = v;
}

// One line of the file: how it reads into the configuration, how it is written from it and what a
// new file holds. A free line is written as "空き" and never read.
struct Line
{
    void (*read)(Config &config, const QString &text) = nullptr;
    QString (*write)(const Config &config) = nullptr;
    QStringView initial; // empty: the picture beside the program
};

using List = std::array<QString, Config::ListSize>;

template <List Config::*list, int index> constexpr Line entry()
{
    return {[](Config &c, const QString &t) { (c.*list)[index] = readEntry(t); },
            [](const Config &c) { return entryLine((c.*list)[index]); }, NotSet};
}

// A path read as it stands; "未設定" leaves it empty.
template <QString Config::*path> constexpr Line pathLine(QStringView initial)
{
    return {[](Config &c, const QString &t) { c.*path = t == NotSet ? QString() : t; },
            [](const Config &c) { return entryLine(c.*path); }, initial};
}

// A partner added later: its line may still be free in older files.
template <QString Config::*path> constexpr Line partnerLine(QStringView initial)
{
    return {[](Config &c, const QString &t) { c.*path = t == NotSet || t == Free ? QString() : t; },
            [](const Config &c) { return entryLine(c.*path); }, initial};
}

template <int Config::*number> constexpr Line numberLine(QStringView initial)
{
    return {[](Config &c, const QString &t) { readNumber(t, &(c.*number)); },
            [](const Config &c) { return QString::number(c.*number); }, initial};
}

template <bool Config::*flag> constexpr Line flagLine(QStringView initial)
{
    return {[](Config &c, const QString &t) { c.*flag = t == u"True"; },
            [](const Config &c) { return boolWord(c.*flag); }, initial};
}

// Older files say True or False; unknown words keep the previous choice.
void readAfterLaunch(Config &c, const QString &t)
{
    if (t == u"False" || t == u"0")
        c.afterLaunch = AfterLaunch::Exit;
    else if (t == u"True" || t == u"1")
        c.afterLaunch = AfterLaunch::StayInTray;
    else if (t == u"2")
        c.afterLaunch = AfterLaunch::StayShown;
}

constexpr Line freeLine{nullptr, nullptr, Free};

// The 50 lines in their order.
const std::array<Line, Config::LineCount> lines{{
    entry<&Config::customerList, 0>(),
    entry<&Config::customerList, 1>(),
    entry<&Config::customerList, 2>(),
    entry<&Config::customerList, 3>(),
    entry<&Config::customerList, 4>(),
    freeLine, // 6
    freeLine,
    freeLine,
    freeLine,
    freeLine,
    entry<&Config::jobTypeList, 0>(), // 11
    entry<&Config::jobTypeList, 1>(),
    entry<&Config::jobTypeList, 2>(),
    entry<&Config::jobTypeList, 3>(),
    entry<&Config::jobTypeList, 4>(),
    freeLine, // 16
    freeLine,
    freeLine,
    freeLine,
    freeLine,
    pathLine<&Config::picturePath>({}), // 21
    numberLine<&Config::pictureTop>(u"10"),
    numberLine<&Config::pictureHeight>(u"180"),
    numberLine<&Config::pictureLeft>(u"10"),
    numberLine<&Config::pictureWidth>(u"180"),
    flagLine<&Config::pictureCenter>(u"True"), // 26
    flagLine<&Config::pictureProportional>(u"True"),
    flagLine<&Config::pictureStretch>(u"False"),
    freeLine,
    freeLine,
    flagLine<&Config::showJobPanel>(u"True"), // 31
    flagLine<&Config::showToDoAtStart>(u"False"),
    flagLine<&Config::interlockToDoGraph>(u"False"),
    flagLine<&Config::showDateSeparators>(u"False"),
    {readAfterLaunch, [](const Config &c) { return QString::number(int(c.afterLaunch)); }, u"1"}, // 35
    freeLine,                                                                                     // 36
    freeLine,
    freeLine,
    freeLine,
    pathLine<&Config::trevPath>(NotSet), // 40
    partnerLine<&Config::dossPath>(NotSet),
    partnerLine<&Config::pellPath>(Free),
    freeLine, // 43
    freeLine,
    freeLine,
    freeLine,
    freeLine,
    freeLine,
    freeLine,
    freeLine, // 50
}};

QByteArray joinLines(const QStringList &text)
{
    Q_ASSERT(text.size() == Config::LineCount);
    QByteArray out;
    for (const QString &line : text) {
        out += Sjis::encode(line);
        out += "\r\n";
    }
    return out;
}

} // namespace

QByteArray Config::defaultFileBytes(const QString &exeDir)
{
    QStringList text;
    for (const Line &line : lines) {
        text << (line.initial.isEmpty() ? ConfigPath::storedPicture(exeDir + u"/Sample1.JPG"_s, exeDir)
                                        : line.initial.toString());
    }
    return joinLines(text);
}

void Config::setList(std::array<QString, ListSize> &list, const QStringList &items)
{
    for (int i = 0; i < ListSize; ++i)
        list[size_t(i)] = i < items.size() ? Sjis::fitToField(items[i], EntryCapacity) : QString();
}

QByteArray Config::toFileBytes() const
{
    QStringList text;
    for (const Line &line : lines)
        text << (line.write ? line.write(*this) : Free.toString());
    return joinLines(text);
}

void Config::applyFileBytes(const QByteArray &bytes)
{
    // The bytes beyond MaxFileBytes cannot belong to a configuration; a damaged or foreign file
    // costs no more than that.
    QStringList text = Sjis::decode(bytes.left(MaxFileBytes)).split(QLatin1Char('\n'));
    // A final line break does not start another line.
    if (!text.isEmpty() && text.constLast().isEmpty())
        text.removeLast();
    for (QString &line : text) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
    }
    if (text.isEmpty())
        return;

    // Blocks of 50 lines are read in turn; a trailing incomplete block after a complete one is
    // ignored, and in a file shorter than 50 lines the missing lines read as empty text.
    const int blocks = text.size() < LineCount ? 1 : int(text.size() / LineCount);
    for (int b = 0; b < blocks; ++b) {
        for (int n = 0; n < LineCount; ++n) {
            const int i = b * LineCount + n;
            if (lines[size_t(n)].read)
                lines[size_t(n)].read(*this, i < text.size() ? text[i] : QString());
        }
    }
}

Config Config::merged(const Config &base, const Config &mine, const Config &theirs)
{
    const QList<QByteArray> b = base.toFileBytes().split('\n');
    const QList<QByteArray> m = mine.toFileBytes().split('\n');
    const QList<QByteArray> t = theirs.toFileBytes().split('\n');
    QByteArray out;
    for (qsizetype i = 0; i + 1 < m.size(); ++i)
        out += (m[i] != b[i] ? m[i] : t[i]) + '\n';
    return fromFileBytes(out);
}

Config Config::fromFileBytes(const QByteArray &bytes)
{
    Config c;
    c.applyFileBytes(bytes);
    return c;
}
