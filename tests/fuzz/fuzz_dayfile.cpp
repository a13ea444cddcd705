// Day files of the daily planner (.dtf) from arbitrary bytes.

#include "FuzzCheck.h"

#include "data/DayFile.h"
#include "data/SjisCodec.h"

namespace {

// The source path is kept as bytes and needs no fitting.
DayFile fitted(DayFile d)
{
    for (ScheduleBar &b : d.bars)
        b.side = Sjis::fitToField(b.side, 1);
    for (SchedulePadRecord &p : d.pads) {
        p.keyword = Sjis::fitToField(p.keyword, SchedulePadRecord::KeywordCapacity);
        p.content = Sjis::fitToField(p.content, SchedulePadRecord::ContentCapacity);
        p.memo = Sjis::fitToField(p.memo, SchedulePadRecord::MemoCapacity);
    }
    d.diary.title1 = Sjis::fitToField(d.diary.title1, DiaryRecord::TitleCapacity);
    d.diary.text1 = Sjis::fitToField(d.diary.text1, DiaryRecord::TextCapacity);
    d.diary.title2 = Sjis::fitToField(d.diary.title2, DiaryRecord::TitleCapacity);
    d.diary.text2 = Sjis::fitToField(d.diary.text2, DiaryRecord::TextCapacity);
    return d;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray input = fuzzBytes(data, size);
    const DayFile day = DayFile::fromBytes(input);
    const int bars = lastUsedBar(day.bars);
    FUZZ_CHECK(bars >= 0 && bars <= PadSlots);
    FUZZ_CHECK(day.sourcePath.size() <= DayFile::SourcePathCapacity);
    day.shownFileName();
    day.nameToShow(QStringLiteral("/home/u/Wrenly/AUBREL/Y200501/Y2005110.dtf"));

    const auto read = [](const QByteArray &b) { return DayFile::fromBytes(b); };
    const auto write = [](const DayFile &d) {
        const QByteArray b = d.toBytes();
        FUZZ_CHECK(b.size() == DayFile::Size);
        return b;
    };
    checkRoundTrip(input, read, write, fitted);
    checkWriteOver(input, DayFile::Size, read, write,
                   [](QByteArray &image, const DayFile &d) { d.writeInto(image); });
    return 0;
}
