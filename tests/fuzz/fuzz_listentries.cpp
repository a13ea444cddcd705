// The list file of the daily planner (LEntries.lef) from arbitrary bytes.

#include "FuzzCheck.h"

#include "data/ListEntriesFile.h"
#include "data/SjisCodec.h"

namespace {

template <size_t N> void fit(std::array<QString, N> &list, int capacity)
{
    for (QString &s : list)
        s = Sjis::fitToField(s, capacity);
}

ListEntries fitted(ListEntries e)
{
    fit(e.keywords, ListEntries::KeywordCapacity);
    fit(e.contents, ListEntries::ContentCapacity);
    fit(e.titles1, ListEntries::TitleCapacity);
    fit(e.titles2, ListEntries::TitleCapacity);
    return e;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray input = fuzzBytes(data, size);
    const ListEntries lists = ListEntries::fromBytes(input);
    FUZZ_CHECK(lists.keywordList().size() <= 24 && lists.contentList().size() <= 24);
    FUZZ_CHECK(lists.title1List().size() <= 12 && lists.title2List().size() <= 12);

    const auto read = [](const QByteArray &b) { return ListEntries::fromBytes(b); };
    const auto write = [](const ListEntries &e) {
        const QByteArray b = e.toBytes();
        FUZZ_CHECK(b.size() == ListEntries::Size);
        return b;
    };
    checkRoundTrip(input, read, write, fitted);
    checkWriteOver(input, ListEntries::Size, read, write,
                   [](QByteArray &image, const ListEntries &e) { e.writeInto(image); });
    return 0;
}
