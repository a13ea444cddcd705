#include "data/PartnerPrograms.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace PartnerPrograms {

namespace {

const PartnerProgram table[] = {
    {Partner::Pellmark, u"Pellmark", u"Pellmark.exe", u"Pellmark を起動(&K)", &Config::pellPath},
    {Partner::Trevant, u"Trevant", u"Trevant.exe", u"Trevant を起動(&J)", &Config::trevPath},
    {Partner::Dossaro, u"Dossaro", u"Dossaro.exe", u"Dossaro を起動(&D)", &Config::dossPath},
};

} // namespace

const PartnerProgram &of(Partner partner)
{
    return table[int(partner)];
}

bool isExpectedFile(const PartnerProgram &program, const QString &fileName)
{
    const QString expected = program.expectedFileName();
    if (fileName.compare(expected, Qt::CaseInsensitive) == 0)
        return true;
    const QString bare = expected.left(expected.lastIndexOf(QLatin1Char('.')));
    return fileName.compare(bare, Qt::CaseInsensitive) == 0;
}

QString whyNotStartable(const QString &path)
{
    const QFileInfo info(path);
    if (info.isDir())
        return u"フォルダーです"_s;
    if (!info.isFile())
        return u"プログラムのファイルではありません"_s;
    if (!info.isExecutable())
        return u"実行が許可されていません"_s;
    return {};
}

QString notStartedText(const PartnerProgram &program, const QString &path, const QString &why)
{
    return program.displayName() + u" を起動できません."_s + u"\r\n\r\n"_s + QDir::toNativeSeparators(path) +
           u"\r\n("_s + why + u")"_s;
}

} // namespace PartnerPrograms
