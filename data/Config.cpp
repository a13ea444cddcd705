#include "data/Config.h"

#include "data/ConfigPath.h"
#include "data/SjisCodec.h"

#include <QStringList>

namespace {

const QString NotSet = QStringLiteral("未設定");
const QString Free = QStringLiteral("空き");

QString boolWord(bool b)
{
    return b ? QStringLiteral("True") : QStringLiteral("False");
}

QByteArray joinLines(const QStringList &lines)
{
    Q_ASSERT(lines.size() == Config::LineCount);
    QByteArray out;
    for (const QString &line : lines) {
        out += Sjis::encode(line);
        out += "\r\n";
    }
    return out;
}

QString entryLine(const QString &value)
{
    return value.isEmpty() ? NotSet : value;
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

} // namespace

QByteArray Config::defaultFileBytes(const QString &exeDir)
{
    QStringList l;
    for (int i = 0; i < 5; ++i)
        l << NotSet; // 1-5 customers
    for (int i = 0; i < 5; ++i)
        l << Free; // 6-10
    for (int i = 0; i < 5; ++i)
        l << NotSet; // 11-15 job types
    for (int i = 0; i < 5; ++i)
        l << Free; // 16-20
    l << ConfigPath::storedPicture(exeDir + QStringLiteral("/Sample1.JPG"), exeDir);
    l << QStringLiteral("10") << QStringLiteral("180") << QStringLiteral("10") << QStringLiteral("180");
    l << QStringLiteral("True") << QStringLiteral("True") << QStringLiteral("False");
    l << Free << Free; // 29-30
    l << QStringLiteral("True") << QStringLiteral("False") << QStringLiteral("False")
      << QStringLiteral("False");
    l << QStringLiteral("1"); // 35
    for (int i = 0; i < 4; ++i)
        l << Free;                 // 36-39
    l << NotSet << NotSet << Free; // 40-42
    for (int i = 0; i < 8; ++i)
        l << Free; // 43-50
    return joinLines(l);
}

void Config::setList(std::array<QString, ListSize> &list, const QStringList &items)
{
    for (int i = 0; i < ListSize; ++i)
        list[size_t(i)] = i < items.size() ? Sjis::fitToField(items[i], EntryCapacity) : QString();
}

QByteArray Config::toFileBytes() const
{
    QStringList l;
    for (const QString &c : customerList)
        l << entryLine(c);
    for (int i = 0; i < 5; ++i)
        l << Free;
    for (const QString &t : jobTypeList)
        l << entryLine(t);
    for (int i = 0; i < 5; ++i)
        l << Free;
    l << entryLine(picturePath);
    l << QString::number(pictureTop) << QString::number(pictureHeight) << QString::number(pictureLeft)
      << QString::number(pictureWidth);
    l << boolWord(pictureCenter) << boolWord(pictureProportional) << boolWord(pictureStretch);
    l << Free << Free;
    l << boolWord(showJobPanel) << boolWord(showToDoAtStart) << boolWord(interlockToDoGraph)
      << boolWord(showDateSeparators);
    l << QString::number(int(afterLaunch));
    for (int i = 0; i < 4; ++i)
        l << Free;
    l << entryLine(trevPath) << entryLine(dossPath) << entryLine(pellPath);
    for (int i = 0; i < 8; ++i)
        l << Free;
    return joinLines(l);
}

void Config::applyFileBytes(const QByteArray &bytes)
{
    // The bytes beyond MaxFileBytes cannot belong to a configuration; a damaged or foreign file
    // costs no more than that.
    QStringList lines = Sjis::decode(bytes.left(MaxFileBytes)).split(QLatin1Char('\n'));
    // A final line break does not start another line.
    if (!lines.isEmpty() && lines.constLast().isEmpty())
        lines.removeLast();
    for (QString &line : lines) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
    }
    if (lines.isEmpty())
        return;

    // Blocks of 50 lines are read in turn; a trailing incomplete block after a complete one is
    // ignored, and in a file shorter than 50 lines the missing lines read as empty text.
    const int blocks = lines.size() < LineCount ? 1 : int(lines.size() / LineCount);
    for (int b = 0; b < blocks; ++b) {
        auto line = [&](int n) -> QString { // n is 1-based within the block
            const int i = b * LineCount + n - 1;
            return i < lines.size() ? lines[i] : QString();
        };
        for (int i = 0; i < ListSize; ++i) {
            customerList[size_t(i)] = readEntry(line(1 + i));
            jobTypeList[size_t(i)] = readEntry(line(11 + i));
        }
        picturePath = line(21) == NotSet ? QString() : line(21);
        readNumber(line(22), &pictureTop);
        readNumber(line(23), &pictureHeight);
        readNumber(line(24), &pictureLeft);
        readNumber(line(25), &pictureWidth);
        pictureCenter = line(26) == QLatin1String("True");
        pictureProportional = line(27) == QLatin1String("True");
        pictureStretch = line(28) == QLatin1String("True");
        showJobPanel = line(31) == QLatin1String("True");
        showToDoAtStart = line(32) == QLatin1String("True");
        interlockToDoGraph = line(33) == QLatin1String("True");
        showDateSeparators = line(34) == QLatin1String("True");
        const QString choice = line(35);
        if (choice == QLatin1String("False") || choice == QLatin1String("0"))
            afterLaunch = AfterLaunch::Exit;
        else if (choice == QLatin1String("True") || choice == QLatin1String("1"))
            afterLaunch = AfterLaunch::StayInTray;
        else if (choice == QLatin1String("2"))
            afterLaunch = AfterLaunch::StayShown;
        trevPath = line(40) == NotSet ? QString() : line(40);
        dossPath = (line(41) == NotSet || line(41) == Free) ? QString() : line(41);
        pellPath = (line(42) == NotSet || line(42) == Free) ? QString() : line(42);
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
