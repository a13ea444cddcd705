// The routine file of the daily planner (Routines.rdf) from arbitrary bytes.

#include "FuzzCheck.h"

#include "data/RoutineFile.h"
#include "data/SjisCodec.h"

namespace {

RoutineFile::Routines fitted(RoutineFile::Routines routines)
{
    for (RoutineRecord &r : routines) {
        r.keyword = Sjis::fitToField(r.keyword, RoutineRecord::KeywordCapacity);
        r.content = Sjis::fitToField(r.content, RoutineRecord::ContentCapacity);
        r.memo = Sjis::fitToField(r.memo, RoutineRecord::MemoCapacity);
    }
    return routines;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray input = fuzzBytes(data, size);
    const int count = RoutineFile::countRoutines(RoutineFile::fromBytes(input));
    FUZZ_CHECK(count >= 0 && count <= RoutineFile::RecordCount);

    const auto read = [](const QByteArray &b) { return RoutineFile::fromBytes(b); };
    const auto write = [](const RoutineFile::Routines &r) {
        const QByteArray b = RoutineFile::toBytes(r);
        FUZZ_CHECK(b.size() == RoutineFile::Size);
        return b;
    };
    checkRoundTrip(input, read, write, fitted);
    checkWriteOver(
        input, RoutineFile::Size, read, write,
        [](QByteArray &image, const RoutineFile::Routines &r) { RoutineFile::writeInto(image, r); });
    return 0;
}
