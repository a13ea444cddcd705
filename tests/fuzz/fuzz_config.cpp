// The configuration (Config.vxc) from arbitrary bytes.

#include "FuzzCheck.h"

#include "data/Config.h"
#include "data/SjisCodec.h"

namespace {

// Entries are cut to their capacity when read; the paths only pass through the code page.
Config fitted(Config c)
{
    for (QString &s : c.customerList)
        s = Sjis::fitToField(s, Config::EntryCapacity);
    for (QString &s : c.jobTypeList)
        s = Sjis::fitToField(s, Config::EntryCapacity);
    for (QString *s : {&c.picturePath, &c.trevPath, &c.dossPath, &c.pellPath})
        *s = Sjis::decode(Sjis::encode(*s));
    return c;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    checkRoundTrip(
        fuzzBytes(data, size), [](const QByteArray &b) { return Config::fromFileBytes(b); },
        [](const Config &c) { return c.toFileBytes(); }, fitted);
    return 0;
}
