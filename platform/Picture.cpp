#include "platform/Picture.h"

#include <QFile>

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

constexpr unsigned MaxSide = 16384;

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
    info.out_color_space = JCS_EXT_RGBA;
    jpeg_start_decompress(&info);
    if (info.output_width == 0 || info.output_height == 0 || info.output_width > MaxSide ||
        info.output_height > MaxSide) {
        std::strcpy(errorText, "picture size out of range");
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
        if (error)
            *error = QString::fromLocal8Bit(errorText);
        return {};
    }
    QImage image(pixels, int(width), int(height), int(width * 4), QImage::Format_RGBA8888, std::free, pixels);
    return image;
}

QImage load(const QString &path, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = file.errorString();
        return {};
    }
    const QByteArray bytes = file.readAll();
    if (bytes.startsWith("\xFF\xD8"))
        return decodeJpeg(bytes, error);
    QImage image;
    if (!image.loadFromData(bytes)) {
        if (error)
            *error = u"unsupported or damaged picture"_s;
        return {};
    }
    return image;
}

} // namespace Picture
