#include "data/PartnerPrograms.h"

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

} // namespace PartnerPrograms
