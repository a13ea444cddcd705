#include "platform/Picture.h"

#include "data/SafeFile.h"

#include <QBuffer>
#include <QImageReader>

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <jpeglib.h>

using namespace Qt::StringLiterals;

namespace {

struct ErrorManager
{
    jpeg_error_mgr base;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

extern "C" void onJpegError(j_common_ptr info)
{
    auto *err = reinterpret_cast<ErrorManager *>(info->err);
    (*info->err->format_message)(info, err->message);
    std::longjmp(err->jump, 1);
}

extern "C" void onJpegMessage(j_common_ptr info, int level)
{
    // Warnings (level -1) such as "premature end of data" mean a damaged file: stop decoding.
    if (level < 0) {
        auto *err = reinterpret_cast<ErrorManager *>(info->err);
        (*info->err->format_message)(info, err->message);
        std::longjmp(err->jump, 1);
    }
}

extern "C" void silentOutput(j_common_ptr) {}

// The panel shows the picture at a few hundred pixels: anything beyond this is damaged or hostile,
// and decoding it would only claim memory (RGBA: 4 bytes a pixel).
constexpr unsigned MaxSide = 16384;
constexpr quint64 MaxPixels = 40'000'000;

bool sizeInRange(quint64 width, quint64 height)
{
    return width > 0 && height > 0 && width <= MaxSide && height <= MaxSide && width * height <= MaxPixels;
}

const char SizeOutOfRange[] = "size";

// Plain C data only between setjmp and longjmp: no C++ object with a destructor lives in this
// frame, so the jump skips nothing that needs cleaning up. Returns a malloc'd RGBA buffer.
unsigned char *decodeRaw(const unsigned char *data, unsigned long size, unsigned *width, unsigned *height,
                         char *errorText)
{
    jpeg_decompress_struct info;
    ErrorManager err;
    unsigned char *volatile pixels = nullptr;

    info.err = jpeg_std_error(&err.base);
    err.base.error_exit = onJpegError;
    err.base.emit_message = onJpegMessage;
    err.base.output_message = silentOutput;
    err.message[0] = '\0';

    if (setjmp(err.jump)) {
        std::strncpy(errorText, err.message, JMSG_LENGTH_MAX - 1);
        errorText[JMSG_LENGTH_MAX - 1] = '\0';
        jpeg_destroy_decompress(&info);
        std::free(pixels);
        return nullptr;
    }

    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, data, size);
    jpeg_read_header(&info, TRUE);
    // Before start: a progressive picture's buffers are sized by these dimensions.
    if (!sizeInRange(info.image_width, info.image_height)) {
        std::strcpy(errorText, SizeOutOfRange);
        jpeg_destroy_decompress(&info);
        return nullptr;
    }
    info.out_color_space = JCS_EXT_RGBA;
    jpeg_start_decompress(&info);
    if (!sizeInRange(info.output_width, info.output_height)) {
        std::strcpy(errorText, SizeOutOfRange);
        jpeg_destroy_decompress(&info);
        return nullptr;
    }
    const size_t stride = size_t(info.output_width) * 4;
    pixels = static_cast<unsigned char *>(std::malloc(stride * info.output_height));
    if (!pixels) {
        std::strcpy(errorText, "out of memory");
        jpeg_destroy_decompress(&info);
        return nullptr;
    }
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = pixels + stride * info.output_scanline;
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    *width = info.output_width;
    *height = info.output_height;
    jpeg_destroy_decompress(&info);
    return pixels;
}

QString sizeError()
{
    return u"画像が大きすぎます(縦横 %1 ピクセル, 合計 %2 ピクセルまで)."_s.arg(MaxSide).arg(MaxPixels);
}

} // namespace

namespace Picture {

QImage decodeJpeg(const QByteArray &bytes, QString *error)
{
    char errorText[JMSG_LENGTH_MAX] = {};
    unsigned width = 0;
    unsigned height = 0;
    unsigned char *pixels = decodeRaw(reinterpret_cast<const unsigned char *>(bytes.constData()),
                                      static_cast<unsigned long>(bytes.size()), &width, &height, errorText);
    if (!pixels) {
        if (error) {
            *error = std::strcmp(errorText, SizeOutOfRange) == 0
                         ? sizeError()
                         : u"JPEG 画像が壊れています("_s + QString::fromLocal8Bit(errorText) + u")."_s;
        }
        return {};
    }
    QImage image(pixels, int(width), int(height), int(width * 4), QImage::Format_RGBA8888, std::free, pixels);
    return image;
}

QImage load(const QString &path, QString *error)
{
    // One byte more than allowed tells a file that is too long from one that just fits.
    QByteArray bytes;
    const SafeFile::Result read = SafeFile::read(path, &bytes, MaxFileBytes + 1);
    if (!read) {
        if (error)
            *error = read.error;
        return {};
    }
    if (bytes.size() > MaxFileBytes) {
        if (error)
            *error = u"画像ファイルが大きすぎます(%1 MB まで)."_s.arg(MaxFileBytes / (1024 * 1024));
        return {};
    }
    if (bytes.startsWith("\xFF\xD8"))
        return decodeJpeg(bytes, error);
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    const QSize size = reader.size();
    if (size.isValid() && !sizeInRange(quint64(size.width()), quint64(size.height()))) {
        if (error)
            *error = sizeError();
        return {};
    }
    QImage image;
    if (!reader.read(&image) || !sizeInRange(quint64(image.width()), quint64(image.height()))) {
        if (error)
            *error = u"画像の形式に対応していないか,壊れています."_s;
        return {};
    }
    return image;
}

} // namespace Picture
