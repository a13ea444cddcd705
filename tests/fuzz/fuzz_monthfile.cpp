// Month files (Y2005JAN.vxf) from arbitrary bytes.

#include "FuzzCheck.h"

#include "data/JobRecord.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray input = fuzzBytes(data, size);
    const MonthFile::Jobs jobs = MonthFile::fromBytes(input);
    const int used = MonthFile::countUsedRecords(jobs);
    FUZZ_CHECK(used >= 0 && used <= MonthFile::RecordCount);

    const auto read = [](const QByteArray &b) { return MonthFile::fromBytes(b); };
    const auto write = [](const MonthFile::Jobs &j) {
        const QByteArray b = MonthFile::toBytes(j);
        FUZZ_CHECK(b.size() == MonthFile::Size);
        return b;
    };
    checkRoundTrip(input, read, write, [](MonthFile::Jobs j) {
        for (JobRecord &r : j)
            r = r.fittedToFields();
        return j;
    });
    // As the session saves: the bytes read, grown with zeros, each record written over its slot.
    checkWriteOver(input, MonthFile::Size, read, write, [](QByteArray &image, const MonthFile::Jobs &j) {
        if (image.size() < MonthFile::Size)
            image.append(QByteArray(MonthFile::Size - image.size(), '\0'));
        for (int i = 0; i < MonthFile::RecordCount; ++i)
            j[size_t(i)].writeInto(image, i * JobRecord::Size);
    });
    return 0;
}
