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

} // namespace PartnerPrograms
