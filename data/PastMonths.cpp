#include "data/PastMonths.h"

#include "data/SjisCodec.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QStringDecoder>

#include <dirent.h>

#include <algorithm>
#include <limits>
#include <memory>
#include <tuple>

using namespace Qt::StringLiterals;

namespace PastMonths {

MonthOfName monthOf(const QString &fileName)
{
    MonthOfName m;
    const QString digits = fileName.mid(1, 4);
    m.hasYear = digits.size() == 4 &&
                std::all_of(digits.begin(), digits.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
    if (m.hasYear)
        m.year = digits.toInt();
    const QString letters = fileName.mid(5, 3).toUpper();
    for (int month = 1; month <= 12; ++month) {
        if (letters == MonthFile::monthAbbreviation(month))
            m.month = month;
    }
    return m;
}

QStringList list(const QString &folder, const QString &current, const QString &previous)
{
    // Every file of the folder is looked at, in whatever order the system lists them.
    QStringList names = QDir(folder).entryList({u"*.vxf"_s}, QDir::Files, QDir::Unsorted);
    names.removeIf([&](const QString &name) { return name == current || name == previous; });
    const auto key = [](const QString &name) {
        const MonthOfName m = monthOf(name);
        constexpr int unknown = std::numeric_limits<int>::max();
        return std::make_tuple(m.hasYear ? m.year : unknown, m.month == 0 ? unknown : m.month, name);
    };
    std::sort(names.begin(), names.end(),
              [&](const QString &a, const QString &b) { return key(a) < key(b); });
    return names;
}

QStringList namesNotUtf8(const QString &folder)
{
    QStringList names;
    const std::unique_ptr<DIR, int (*)(DIR *)> dir(::opendir(QFile::encodeName(folder).constData()),
                                                   ::closedir);
    if (!dir)
        return names;
    while (const dirent *entry = ::readdir(dir.get())) {
        const QByteArray name(entry->d_name);
        if (name.size() < 5 || name.right(4).toLower() != ".vxf")
            continue;
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString decoded = utf8.decode(name); // decoding happens on conversion only
        if (!utf8.hasError())
            continue;
        QString shown = Sjis::decode(name);
        if (shown.contains(QChar::ReplacementCharacter))
            shown = QString::fromLatin1(name).replace(QRegularExpression(u"[^\\x20-\\x7e]"_s), u"?"_s);
        names << shown;
    }
    names.sort();
    return names;
}

SafeFile::Result read(const QString &path, MonthFile::Jobs *jobs)
{
    QByteArray bytes;
    const SafeFile::Result r = SafeFile::read(path, &bytes, MonthFile::Size);
    if (r)
        *jobs = MonthFile::fromBytes(bytes);
    return r;
}

} // namespace PastMonths
