#include "data/ConfigPath.h"

#include "data/SjisCodec.h"

#include <QDir>

using namespace Qt::StringLiterals;

namespace ConfigPath {

bool holds(const QString &path)
{
    return Sjis::decode(Sjis::encode(path)) == path;
}

QString storedPicture(const QString &path, const QString &dataFolder)
{
    if (holds(path) || dataFolder.isEmpty() || !path.startsWith(dataFolder + u'/'))
        return path;
    const QString relative = path.mid(dataFolder.size() + 1);
    return holds(relative) ? relative : path;
}

QString resolvedPicture(const QString &stored, const QString &dataFolder)
{
    // A Windows path ("C:\…", "\\server\…") is no name in the data folder.
    if (stored.isEmpty() || !QDir::isRelativePath(stored) || stored.contains(u'\\') || stored.contains(u':'))
        return stored;
    return dataFolder + u'/' + stored;
}

bool canKeep(const QString &path, const QString &dataFolder)
{
    return holds(storedPicture(path, dataFolder));
}

QString refusalText(const QString &path)
{
    return u"選択したファイルの場所には, 設定ファイル(Shift-JIS)に保存できない文字が含まれています."_s +
           u"\r\n\r\n"_s + QDir::toNativeSeparators(path) + u"\r\n\r\n"_s +
           u"Shift-JIS で表せる名前のフォルダーに置いたファイルを選択してください."_s;
}

} // namespace ConfigPath
