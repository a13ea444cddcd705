// JPEG pictures for the main window's panel from arbitrary bytes. There is no writer: decoding must
// either give a whole picture or fail with a reason, and never reserve memory out of proportion.

#include "FuzzCheck.h"

#include "platform/Picture.h"

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define WRENLY_FUZZ_HEAP_HOOKS 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define WRENLY_FUZZ_HEAP_HOOKS 1
#endif

#ifdef WRENLY_FUZZ_HEAP_HOOKS
#include <algorithm>

// Declared here: GCC 12 ships the functions in libasan but not their header.
extern "C" {
int __sanitizer_install_malloc_and_free_hooks(void (*mallocHook)(const volatile void *, size_t),
                                              void (*freeHook)(const volatile void *));
size_t __sanitizer_get_allocated_size(const volatile void *p);
}

namespace {

// Bytes held at once while decoding, counted through the sanitizer's heap hooks: allocations of
// libjpeg too, whose memory a single per-allocation limit would miss (it reserves in chunks).
long long heldBytes = 0;
long long peakBytes = 0;

void onMalloc(const volatile void *, size_t size)
{
    heldBytes += static_cast<long long>(size);
    peakBytes = std::max(peakBytes, heldBytes);
}

void onFree(const volatile void *p)
{
    heldBytes -= static_cast<long long>(__sanitizer_get_allocated_size(p));
}

const int hooksInstalled = __sanitizer_install_malloc_and_free_hooks(onMalloc, onFree);

} // namespace
#endif

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
#ifdef WRENLY_FUZZ_HEAP_HOOKS
    FUZZ_CHECK(hooksInstalled);
    heldBytes = 0;
    peakBytes = 0;
#endif
    QString error;
    const QImage image = Picture::decodeJpeg(fuzzBytes(data, size), &error);
#ifdef WRENLY_FUZZ_HEAP_HOOKS
    // Even a 16384 x 16384 picture (1 GiB as RGBA) with libjpeg's whole-image buffers for a
    // progressive file needs less than this.
    FUZZ_CHECK(peakBytes < 3LL * 1024 * 1024 * 1024);
#endif
    if (image.isNull()) {
        FUZZ_CHECK(!error.isEmpty());
        return 0;
    }
    FUZZ_CHECK(error.isEmpty());
    FUZZ_CHECK(image.width() > 0 && image.width() <= 16384 && image.height() > 0 && image.height() <= 16384);
    // Touch both ends of every row so that a short pixel buffer shows.
    unsigned sum = 0;
    for (int y = 0; y < image.height(); ++y) {
        const uchar *row = image.constScanLine(y);
        sum += row[0] + row[image.bytesPerLine() - 1];
    }
    (void)sum;
    return 0;
}
