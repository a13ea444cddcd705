#pragma once

#include <QByteArray>

#include <algorithm>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

// A broken property aborts: libFuzzer keeps the input as a crash, and the corpus run fails.
#define FUZZ_CHECK(condition)                                                                                \
    do {                                                                                                     \
        if (!(condition)) {                                                                                  \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition);               \
            std::abort();                                                                                    \
        }                                                                                                    \
    } while (0)

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size);

// The fuzzer's buffer without a copy: a copy would add a terminating zero and hide a read one byte
// past the end.
inline QByteArray fuzzBytes(const std::uint8_t *data, std::size_t size)
{
    return QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
}

// Reads `input`, writes what was read and reads that again.
// An exact round trip cannot hold for texts: bytes CP932 cannot decode come back as '?', a length
// byte above a field's capacity is clamped, and duplicate CP932 codes are written in one form. So
// the second read must give `fit(first)`, the first record with every text as its field holds it,
// and from there on reading and writing change nothing. A record holding a NaN never equals
// itself; for it the written bytes are compared instead.
template <typename Read, typename Write, typename Fit>
void checkRoundTrip(const QByteArray &input, Read read, Write write, Fit fit)
{
    const auto first = read(input);
    const QByteArray written = write(first);
    FUZZ_CHECK(write(first) == written);

    const auto second = read(written);
    const auto fitted = fit(first);
    FUZZ_CHECK(write(fitted) == written);
    FUZZ_CHECK(write(second) == written);
    if (fitted == fitted) {
        FUZZ_CHECK(second == fitted);
        FUZZ_CHECK(read(write(second)) == second);
    }
}

// Saving writes a record over the bytes its file was read from (`writeOver` grows a shorter image to
// `size`). Over its own bytes that changes nothing; over another file's bytes it reads back as the
// record with its texts fitted, so `write` gives the same bytes for both. The fuzzer's bytes after
// the record, which the reader ignores, stand for the other file.
template <typename Read, typename Write, typename WriteOver>
void checkWriteOver(const QByteArray &input, qsizetype size, Read read, Write write, WriteOver writeOver)
{
    const auto record = read(input);
    const QByteArray expected = write(record);

    QByteArray own = input;
    writeOver(own, record);
    FUZZ_CHECK(own.size() == std::max(input.size(), size));
    FUZZ_CHECK(own.startsWith(input));
    FUZZ_CHECK(write(read(own)) == expected);

    const QByteArray otherFile = input.mid(size);
    QByteArray other = otherFile;
    writeOver(other, record);
    FUZZ_CHECK(other.size() == std::max(otherFile.size(), size));
    FUZZ_CHECK(other.mid(size) == otherFile.mid(size));
    FUZZ_CHECK(write(read(other)) == expected);
}
