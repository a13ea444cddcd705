// Step files (.vxs) from arbitrary bytes, and the chart the step planner lays out from them.

#include "FuzzCheck.h"

#include "data/SjisCodec.h"
#include "data/StepChart.h"
#include "data/StepFile.h"

namespace {

StepFile fitted(StepFile s)
{
    s.sourcePath = Sjis::fitToField(s.sourcePath, StepFile::PathCapacity);
    s.title = Sjis::fitToField(s.title, JobRecord::TitleCapacity);
    s.comments = Sjis::fitToField(s.comments, JobRecord::CommentsCapacity);
    for (QString *t : {&s.customer, &s.jobNo, &s.jobType})
        *t = Sjis::fitToField(*t, JobRecord::ShortCapacity);
    for (StepGroup &g : s.groups) {
        g.groupTitle = Sjis::fitToField(g.groupTitle, StepGroup::TitleCapacity);
        g.planMemo = Sjis::fitToField(g.planMemo, StepGroup::MemoCapacity);
        for (QString &m : g.revMemo)
            m = Sjis::fitToField(m, StepGroup::MemoCapacity);
        g.actualMemo = Sjis::fitToField(g.actualMemo, StepGroup::MemoCapacity);
    }
    return s;
}

// What opening the file in the step planner computes from it.
void layOut(const StepFile &s)
{
    if (!s.months.isValid())
        return;
    const int days = s.months.dayCount();
    FUZZ_CHECK(days >= 89 && days <= 92);
    FUZZ_CHECK(StepChart::dayColumns(s.months).size() == days);
    for (const StepGroup &g : s.groups) {
        FUZZ_CHECK(g.revisionCount() >= 0 && g.revisionCount() <= StepGroup::RevisionSlots);
        StepChart::barSpanPixels(s.months, g.planStart, g.planEnd);
        for (int i = 0; i < StepGroup::RevisionSlots; ++i)
            StepChart::barSpanPixels(s.months, g.revStart[i], g.revEnd[i]);
        StepChart::barSpanPixels(s.months, g.actualStart, g.actualEnd);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray input = fuzzBytes(data, size);
    layOut(StepFile::fromBytes(input));
    const auto read = [](const QByteArray &b) { return StepFile::fromBytes(b); };
    const auto write = [](const StepFile &s) {
        const QByteArray b = s.toBytes();
        FUZZ_CHECK(b.size() == StepFile::Size);
        return b;
    };
    checkRoundTrip(input, read, write, fitted);
    checkWriteOver(input, StepFile::Size, read, write,
                   [](QByteArray &image, const StepFile &s) { s.writeInto(image); });
    return 0;
}
